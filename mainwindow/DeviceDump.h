#pragma once
// The administrator's dump of the project device table: one 79-character line per address,
// the same TYPE line the project file stores, with the legends that name its columns and the
// lists that explain the kind and output codes.
#include <QString>
#include <QStringList>

#include "core/DataModel.h"

namespace DeviceDump {

// The line of one record (occupied or not).
QString Line(const DeviceRecord& r);
// The lines of addresses 1..maxAddress of the project table, ascending.
QStringList Lines(int maxAddress);

// The legends above and below the list: six lines of 79 characters each, joined by CR LF.
QString UpperLegend();
QString LowerLegend();

// The kind codes (sixteen lines) and the two output-field codes.
const QStringList& KindLegend();
const QStringList& OutputCodeLegend();

}  // namespace DeviceDump
