#pragma once
// The value lines of a project file: a device record (TYPE), the system block (SYSCFG) and an
// operating group (GRPo). Each writer gives the exact fixed-position line; each reader takes a
// line of any length (a damaged file included) and leaves every field in the range its panel
// encoder accepts: a field whose characters are missing, are no number or lie outside that range
// keeps the default it had before the read, and the reader says so through `replaced`.
#include <QString>

#include "core/DataModel.h"

namespace ProjectLines {

// TYPE: 79 characters. The fault part of an alarm/fault card (kind 10, position 3) carries no
// groups in the file, whatever its record holds.
QString TypeLine(const DeviceRecord& r);
// Fills every field that TYPE carries into `r`, which holds the defaults (an empty address);
// names, SpareField and the address are left as they are (the address belongs to the section the
// line was found in). Group numbers outside 1..32 are dropped, the others move up, and
// NumOfGroups is the number kept. `replaced` (when given) becomes true when any field kept its
// default or a group was dropped; it is never set back to false.
void ReadTypeLine(const QString& line, DeviceRecord& r, bool* replaced = nullptr);

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
// The line read over `defaults`: flags "0"/"1", the loop class "003"/"004", the night times as
// hhmm (hours 0-23, minutes 0-59), DataSysByte1 and NumOfSys two digits.
SysCfg ReadSysCfgLine(const QString& line, const SysCfg& defaults, bool* replaced = nullptr);

// GRPo: 31 characters, "GG-T-C[aaa/aaa/aaa/aaa/aaa/aaa]".
QString GrpLine(const OutGrpRecord& g);
// Fills GrpNo, Trigger (0-3), OutCount (0-6) and the six outputs (a loop address, 201, 202, 205,
// or 000 for an empty place) over the defaults `g` holds; the name is left as it is.
void ReadGrpLine(const QString& line, OutGrpRecord& g, bool* replaced = nullptr);

// The group number a GRPo line starts with (0 when it starts with none).
int GrpLineNumber(const QString& line);

// Characters `start` (1-based) to start+len-1, fewer or none past the end of the text.
QString Mid(const QString& s, int start, int len);

}  // namespace ProjectLines
