#pragma once
// The operating-group block: 9 bytes per group, C5 from the PC (always 32 frames, in
// FrameArray(0..31), no count), B5 from the panel (32 records, then the end frame).
#include <optional>

#include <QByteArray>

#include "core/DataModel.h"

constexpr int GroupRecordBytes = 9;

// The 9 data bytes of a group; nullopt for a group number outside 1..32, an output count
// above 6 or a value that is not a byte.
std::optional<QByteArray> EncodeGroupRecord(const OutGrpRecord& g);

bool fillOutGrp2Snd();
// The 32 records FrameArray(1..32) into OutGrpArray (the group number is the record's position,
// GrpName is kept) and NumOfActiveGroups; sets ProjectLoaded. Nothing changes unless exactly 32
// records came and each is good (9 bytes, output count 0..6). A trigger above 3 reads as "0", an
// output that is no loop address (1..126), relay (201, 202) or dialer (205) as "000".
bool fillOutGrpArray_rcv();
