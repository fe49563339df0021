#include "projectfile/ProjectLines.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/Conv.h"
#include "core/FuncMdl.h"

namespace ProjectLines {

namespace {

// Exactly `width` digits of a field's value; a value that does not fit (or is negative) is
// held to the range, so the line keeps its length and every field its position.
QString Digits(long long value, int width)
{
    long long top = 1;
    for (int i = 0; i < width; ++i) top *= 10;
    return ZeroPad(std::clamp(value, 0LL, top - 1), width);
}

QString Digits(const QString& field, int width) { return Digits(ValInt(field), width); }

// A one-character field as its value: a blank becomes "0".
QString Flag(const QString& field) { return Digits(field, 1); }

long long Clamped(const QString& text, long long lo, long long hi)
{
    return std::clamp(ValInt(text), lo, hi);
}

// Right("00" & value, width): the value of the characters, read back into a field of `width`.
QString ValueField(const QString& text, int width, long long hi)
{
    return ZeroPad(Clamped(text, 0, hi), width);
}

// The one-character flags of the system line, in their order on the line.
const std::array<FixedText<1> SysFlagsRecord::*, 5> SysFlagFields{
    &SysFlagsRecord::ResetWithCod, &SysFlagsRecord::SilenceWithCod, &SysFlagsRecord::Slave, &SysFlagsRecord::LF_NO,
    &SysFlagsRecord::Spare};
const std::array<FixedText<1> SysFlags2Record::*, 8> SysFlags2Fields{
    &SysFlags2Record::DialerANotSys, &SysFlags2Record::RlyFltStart,  &SysFlags2Record::RlyA1NotSys,
    &SysFlags2Record::RlyA2NotSys,   &SysFlags2Record::RlyA1Silence, &SysFlags2Record::DialerFAsAlarm,
    &SysFlags2Record::NightEna,      &SysFlags2Record::VrstDly};

// A group number of a device: 1..32, anything else is no group.
QString GroupRef(const QString& text)
{
    const long long g = ValInt(text);
    return ZeroPad(g >= 1 && g <= MaxGroups ? g : 0, 2);
}

// An output of a group: a loop address, the two alarm relays or the dialer; anything else is
// an empty place.
QString OutputRef(const QString& text)
{
    const QString t = text.trimmed();
    bool digits = !t.isEmpty();
    for (QChar c : t) digits = digits && c >= u'0' && c <= u'9';
    const long long a = digits ? t.toLongLong() : 0;
    const bool ok = (a >= 1 && a <= MaxAddress) || a == 201 || a == 202 || a == 205;
    return ZeroPad(ok ? a : 0, 3);
}

bool IsFaultPartOfCard(const DeviceRecord& r)
{
    return KindOf(r) == DeviceKind::AlarmFaultCard && ValInt(r.CardAddr.str()) == 3;
}

// The position inside a multi-address device, as two binary digits.
QString CardAddrBits(const QString& field)
{
    const QString bits = FuncMdl::HexToBin(Str(std::clamp(ValInt(field), 0LL, 3LL)));
    return (QStringLiteral("00") + bits).right(2);
}

}  // namespace

QString Mid(const QString& s, int start, int len)
{
    if (start < 1 || len <= 0 || start > s.size()) return QString();
    return s.mid(start - 1, len);
}

QString TypeLine(const DeviceRecord& r)
{
    QString t;
    t.reserve(79);
    t += Digits(r.Address, 3) + u' ' + Flag(r.DeviceDisable) + u'-';
    t += Digits(r.ExtType, 2) + u'-' + Digits(r.BaseType, 3) + u'-';
    t += Flag(r.DeviceIsIn) + u'-' + Flag(r.Exist) + u' ';
    t += Digits(r.LoopSide, 2) + u'-' + Digits(r.offTypeAfterON, 2) + u'-' + Digits(r.OutBehevior, 2) + u'-';
    t += Flag(r.DeviceNeedVer) + u'-' + Flag(r.NameExist) + u' ';
    t += CardAddrBits(r.CardAddr) + QStringLiteral("-00-");
    t += Flag(r.DlyB4ON) + u'-' + Flag(r.WithFaultGroup) + u'-' + Flag(r.WithAlarmGroup) + u'-';
    t += Flag(r.IsNotUseInAlarm) + u' ';
    // Times are stored in the file in eighths.
    t += Digits(ValInt(r.OutOnTimes.str()) * 8, 3) + u' ';
    t += Digits(ValInt(r.TimeDelayUp2ON.str()) * 8, 3) + u' ';
    t += Digits(r.AlarmValue, 3) + u' ' + Digits(r.PreAlarmValue, 3);
    if (IsFaultPartOfCard(r)) {
        t += QStringLiteral(" 000").repeated(5);
    } else {
        t += u' ' + Digits(r.NumOfGroups, 3);
        for (int g = 1; g <= 4; ++g) t += u' ' + Digits(r.Grp[g], 3);
    }
    return t;
}

void ReadTypeLine(const QString& line, DeviceRecord& r)
{
    auto at = [&](int pos) { return Mid(line, pos, 1); };
    auto val = [&](int pos, int len) { return Mid(line, pos, len); };

    r.DeviceDisable = at(5);
    r.ExtType = ValueField(val(7, 2), 2, 99);
    r.BaseType = Str(Clamped(val(10, 3), 0, 7));
    r.DeviceIsIn = at(14);
    r.Exist = at(16);
    r.LoopSide = Str(Clamped(val(18, 2), 0, 9));
    r.offTypeAfterON = Str(Clamped(val(21, 2), 0, 9));
    r.OutBehevior = ValueField(val(24, 2), 2, 99);
    r.DeviceNeedVer = at(27);
    r.NameExist = at(29);
    // Two binary digits; anything else reads as position 0.
    r.CardAddr = (QStringLiteral("00") + FuncMdl::BinToHex(val(31, 2))).right(2);
    r.DlyB4ON = at(37);
    r.WithFaultGroup = at(39);
    r.WithAlarmGroup = at(41);
    r.IsNotUseInAlarm = at(43);
    // Eighths back to the code, as a whole number.
    r.OutOnTimes = ZeroPad(std::min(Clamped(val(45, 3), 0, 999) / 8, 99LL), 2);
    r.TimeDelayUp2ON = ZeroPad(std::min(Clamped(val(49, 3), 0, 999) / 8, 99LL), 2);
    r.AlarmValue = ValueField(val(53, 3), 3, 999);
    r.PreAlarmValue = ValueField(val(57, 3), 3, 999);
    r.NumOfGroups = ValueField(val(61, 3), 2, 4);
    for (int g = 1; g <= 4; ++g) r.Grp[g] = GroupRef(val(61 + 4 * g, 3));
}

SysCfg CurrentSysCfg()
{
    return {DataSysByte1, SysFlags, SysFlags2, NightStart, NightFinish, NumOfSys};
}

void ApplySysCfg(const SysCfg& c)
{
    DataSysByte1 = c.DataSysByte1;
    SysFlags = c.SysFlags;
    SysFlags2 = c.SysFlags2;
    NightStart = c.NightStart;
    NightFinish = c.NightFinish;
    NumOfSys = c.NumOfSys;
}

QString SysCfgLine(const SysCfg& c)
{
    auto padded = [](const auto& field, int width) {
        return (QString(width, u'0') + field.trimmed()).right(width);
    };
    auto flag = [](const FixedText<1>& f) { return f.str() + u'-'; };

    QString t = padded(c.DataSysByte1, 2) + u'-' + padded(c.SysFlags.LoopSysStat, 3) + u'-';
    for (auto field : SysFlagFields) t += flag(c.SysFlags.*field);
    for (auto field : SysFlags2Fields) t += flag(c.SysFlags2.*field);
    t += padded(c.NightStart, 4) + u'-' + padded(c.NightFinish, 4) + u'-' + padded(c.NumOfSys, 2);
    return t;
}

SysCfg ReadSysCfgLine(const QString& line)
{
    auto at = [&](int pos) { return Mid(line, pos, 1); };
    SysCfg c;
    c.DataSysByte1 = ValueField(Mid(line, 1, 2), 2, 99);
    c.SysFlags.LoopSysStat = ValueField(Mid(line, 4, 3), 3, 999);
    int pos = 8;  // the flags, one character and a dash each
    for (auto field : SysFlagFields) c.SysFlags.*field = at(std::exchange(pos, pos + 2));
    for (auto field : SysFlags2Fields) c.SysFlags2.*field = at(std::exchange(pos, pos + 2));
    c.NightStart = (QStringLiteral("0000") + Mid(line, 34, 4)).right(4);
    c.NightFinish = (QStringLiteral("0000") + Mid(line, 39, 4)).right(4);
    c.NumOfSys = ValueField(Mid(line, 44, 2), 2, 99);
    return c;
}

QString GrpLine(const OutGrpRecord& g)
{
    QString t = Digits(g.GrpNo, 2) + u'-' + g.Trigger.str() + u'-' + g.OutCount.str() + u'[';
    for (int o = 1; o <= 6; ++o) {
        if (o > 1) t += u'/';
        t += (QStringLiteral("000") + g.OutAddr[o].trimmed()).right(3);
    }
    return t + u']';
}

int GrpLineNumber(const QString& line) { return int(Clamped(Mid(line, 1, 2), 0, 99)); }

void ReadGrpLine(const QString& line, OutGrpRecord& g)
{
    g.GrpNo = ZeroPad(GrpLineNumber(line), 2);
    g.Trigger = Str(Clamped(Mid(line, 4, 1), 0, 3));
    g.OutCount = Str(Clamped(Mid(line, 6, 1), 0, 6));
    for (int o = 1; o <= 6; ++o) g.OutAddr[o] = OutputRef(Mid(line, 8 + 4 * (o - 1), 3));
}

}  // namespace ProjectLines
