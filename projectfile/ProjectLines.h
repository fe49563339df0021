#pragma once
// The value lines of a project file: a device record (TYPE), the system block (SYSCFG) and an
// operating group (GRPo). Each writer gives the exact fixed-position line; each reader takes a
// line of any length (a damaged file included) and never leaves a field outside its range.
#include <QString>

#include "core/DataModel.h"

namespace ProjectLines {

// TYPE: 79 characters. The fault part of an alarm/fault card (kind 10, position 3) carries no
// groups in the file, whatever its record holds.
QString TypeLine(const DeviceRecord& r);
// Fills every field that TYPE carries; names, SpareField and the address are left as they are
// (the address belongs to the section the line was found in).
void ReadTypeLine(const QString& line, DeviceRecord& r);

// The system block as the file holds it.
struct SysCfg {
    FixedText<2> DataSysByte1;
    SysFlagsRecord SysFlags;
    SysFlags2Record SysFlags2;
    FixedText<4> NightStart;
    FixedText<4> NightFinish;
    FixedText<2> NumOfSys;

    bool operator==(const SysCfg&) const = default;
};
SysCfg CurrentSysCfg();
void ApplySysCfg(const SysCfg& c);

// SYSCFG: 45 characters, fields separated by "-".
QString SysCfgLine(const SysCfg& c);
SysCfg ReadSysCfgLine(const QString& line);

// GRPo: 31 characters, "GG-T-C[aaa/aaa/aaa/aaa/aaa/aaa]".
QString GrpLine(const OutGrpRecord& g);
// Fills GrpNo, Trigger, OutCount and the six outputs; the name is left as it is.
void ReadGrpLine(const QString& line, OutGrpRecord& g);

// The group number a GRPo line starts with (0 when it starts with none).
int GrpLineNumber(const QString& line);

// Characters `start` (1-based) to start+len-1, fewer or none past the end of the text.
QString Mid(const QString& s, int start, int len);

}  // namespace ProjectLines
