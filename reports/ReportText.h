#pragma once
// What the four reports' lines share: fields joined by Tab, right-aligned fixed-width fields,
// the device-name heading, the three-digit address, occupied addresses and the device names
// export.
#include <cstdint>
#include <initializer_list>

#include <QString>
#include <QStringList>

#include "core/DataModel.h"

namespace ReportText {

inline constexpr QChar Tab = u'\t';

// The fields joined by single Tab characters.
QString Join(std::initializer_list<QString> fields);
// Right(Space(width) & text, width): padded on the left; a longer text loses its first characters.
QString RightAlign(const QString& text, int width = 12);

// "Device name     " / "שם ההתקן        ".
QString DeviceNameHeading(int16_t lang);

// The last address of the project's tables: MaxNumOfDevices, kept inside the tables.
int LastAddress();
// An address 1..LastAddress() that holds a device (Exist "1").
bool Occupied(int address);
// The record's Address as a number, three digits with leading zeros ("007").
QString AddressText(const DeviceRecord& r);
// Address, name and factory name of an occupied address: "007" Tab name Tab factory name.
QString DeviceNamesLine(int address);
// The device names export: one DeviceNamesLine per occupied address, in address order.
QStringList DeviceNamesExport();

}  // namespace ReportText
