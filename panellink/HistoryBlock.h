#pragma once
// The event-history block (B8, up to 255 records of 51 bytes, then the end frame) and the
// ready-made display line of each event.
#include <QString>

#include "core/DataModel.h"

constexpr int HistoryRecordBytes = 51;

// The display line of event i: number, type text, time, date, description and the device (or
// system) word, separated by tabs. The words are Hebrew in both interface languages.
QString HistoryLine(int i, const HistoryRecord& event);

// FrameArray(1..n) into HistoryArray(1..n) and HistoryLines(1..n); elements above n keep what they
// hold. Project data is never touched. Nothing changes when n is above 255 or a record does not
// have 51 bytes.
bool fillHistoryArray_rcv();
