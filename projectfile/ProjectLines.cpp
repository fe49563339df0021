#include "projectfile/ProjectLines.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QStringList>

#include "core/Conv.h"
#include "core/FieldRanges.h"
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

// Reads the fields of one line over their defaults: a field out of range keeps its default and
// is noted, so the caller can say what was replaced.
class FieldReader {
public:
    FieldReader(const QString& line, bool* replaced) : line_(line), replaced_(replaced) {}

    QString Text(int pos, int len) const { return Mid(line_, pos, len); }

    // A one-character flag at `pos`.
    void Flag(int pos, FixedText<1>& field) const
    {
        const QString c = Text(pos, 1);
        if (FieldRanges::IsFlag(c)) field = c;
        else Note();
    }
    // The digits at pos..pos+len-1 as a value in lo..hi; nothing (and noted) otherwise.
    std::optional<long long> Number(int pos, int len, long long lo, long long hi) const
    {
        const auto v = FieldRanges::Number(Text(pos, len), lo, hi);
        if (!v) Note();
        return v;
    }
    // The same, stored as `format` gives it.
    template <typename Field, typename Format>
    void Number(int pos, int len, long long lo, long long hi, Field& field, Format format) const
    {
        if (const auto v = Number(pos, len, lo, hi)) field = format(*v);
    }
    void Note() const
    {
        if (replaced_) *replaced_ = true;
    }

private:
    const QString& line_;
    bool* replaced_;
};

QString Plain(long long v) { return Str(v); }
auto Padded(int width)
{
    return [width](long long v) { return ZeroPad(v, width); };
}

// The one-character flags of the system line, in their order on the line.
const std::array<FixedText<1> SysFlagsRecord::*, 5> SysFlagFields{
    &SysFlagsRecord::ResetWithCod, &SysFlagsRecord::SilenceWithCod, &SysFlagsRecord::Slave, &SysFlagsRecord::LF_NO,
    &SysFlagsRecord::Spare};
const std::array<FixedText<1> SysFlags2Record::*, 8> SysFlags2Fields{
    &SysFlags2Record::DialerANotSys, &SysFlags2Record::RlyFltStart,  &SysFlags2Record::RlyA1NotSys,
    &SysFlags2Record::RlyA2NotSys,   &SysFlags2Record::RlyA1Silence, &SysFlags2Record::DialerFAsAlarm,
    &SysFlags2Record::NightEna,      &SysFlags2Record::VrstDly};

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
        for (int g = 1; g <= MaxGroupsPerInput; ++g) t += u' ' + Digits(r.Grp[g], 3);
    }
    return t;
}

void ReadTypeLine(const QString& line, DeviceRecord& r, bool* replaced)
{
    const FieldReader in(line, replaced);
    in.Flag(5, r.DeviceDisable);
    // The upper two bits of the type code, times 8.
    if (const auto ext = in.Number(7, 2, 0, 24)) {
        if (*ext % 8 == 0) r.ExtType = ZeroPad(*ext, 2);
        else in.Note();
    }
    in.Number(10, 3, 0, 7, r.BaseType, Plain);
    in.Flag(14, r.DeviceIsIn);
    in.Flag(16, r.Exist);
    in.Number(18, 2, 0, 3, r.LoopSide, Plain);
    in.Number(21, 2, 0, 3, r.offTypeAfterON, Plain);
    in.Number(24, 2, 0, 3, r.OutBehevior, Padded(2));
    in.Flag(27, r.DeviceNeedVer);
    in.Flag(29, r.NameExist);
    // The position inside the device as two binary digits.
    const QString bits = in.Text(31, 2);
    if (bits.size() == 2 && !FuncMdl::BinToHex(bits).isEmpty())
        r.CardAddr = (QStringLiteral("00") + FuncMdl::BinToHex(bits)).right(2);
    else
        in.Note();
    in.Flag(37, r.DlyB4ON);
    in.Flag(39, r.WithFaultGroup);
    in.Flag(41, r.WithAlarmGroup);
    in.Flag(43, r.IsNotUseInAlarm);
    // Times are stored in eighths of the code, which has two digits.
    auto eighths = [&](int pos, FixedText<2>& field) {
        if (const auto v = in.Number(pos, 3, 0, 99 * 8)) {
            if (*v % 8 == 0) field = ZeroPad(*v / 8, 2);
            else in.Note();
        }
    };
    eighths(45, r.OutOnTimes);
    eighths(49, r.TimeDelayUp2ON);
    in.Number(53, 3, 0, 255, r.AlarmValue, Padded(3));
    in.Number(57, 3, 0, 255, r.PreAlarmValue, Padded(3));

    // The links to groups: the first NumOfGroups places (all four when the count is damaged);
    // a place without a group number of 1..32 is dropped and the ones after it move up.
    const auto count = in.Number(61, 3, 0, MaxGroupsPerInput);
    const int places = count ? int(*count) : MaxGroupsPerInput;
    QStringList kept;
    for (int k = 1; k <= places; ++k) {
        const auto g = FieldRanges::Number(in.Text(61 + 4 * k, 3), 1, MaxGroups);
        if (g) kept << ZeroPad(*g, 2);
        else in.Note();
    }
    r.NumOfGroups = ZeroPad(kept.size(), 2);
    for (int k = 1; k <= MaxGroupsPerInput; ++k) r.Grp[k] = k <= kept.size() ? kept[k - 1] : QStringLiteral("00");
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

SysCfg ReadSysCfgLine(const QString& line, const SysCfg& defaults, bool* replaced)
{
    const FieldReader in(line, replaced);
    SysCfg c = defaults;
    in.Number(1, 2, 0, 99, c.DataSysByte1, Padded(2));
    in.Number(4, 3, 3, 4, c.SysFlags.LoopSysStat, Padded(3));
    int pos = 8;  // the flags, one character and a dash each
    for (auto field : SysFlagFields) in.Flag(std::exchange(pos, pos + 2), c.SysFlags.*field);
    for (auto field : SysFlags2Fields) in.Flag(std::exchange(pos, pos + 2), c.SysFlags2.*field);
    auto night = [&](int at, FixedText<4>& field) {
        const QString t = in.Text(at, 4);
        if (FieldRanges::IsNightTime(t)) field = t;
        else in.Note();
    };
    night(34, c.NightStart);
    night(39, c.NightFinish);
    in.Number(44, 2, 0, 99, c.NumOfSys, Padded(2));
    return c;
}

QString GrpLine(const OutGrpRecord& g)
{
    QString t = Digits(g.GrpNo, 2) + u'-' + g.Trigger.str() + u'-' + g.OutCount.str() + u'[';
    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
        if (o > 1) t += u'/';
        t += (QStringLiteral("000") + g.OutAddr[o].trimmed()).right(3);
    }
    return t + u']';
}

int GrpLineNumber(const QString& line) { return int(FieldRanges::Number(Mid(line, 1, 2), 0, 99).value_or(0)); }

void ReadGrpLine(const QString& line, OutGrpRecord& g, bool* replaced)
{
    const FieldReader in(line, replaced);
    g.GrpNo = ZeroPad(GrpLineNumber(line), 2);
    in.Number(4, 1, 0, FieldRanges::MaxTrigger, g.Trigger, Plain);
    in.Number(6, 1, 0, MaxOutputsPerGroup, g.OutCount, Plain);
    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
        const auto a = in.Number(8 + 4 * (o - 1), 3, 0, 999);
        if (a && FieldRanges::IsOutputAddress(*a)) g.OutAddr[o] = ZeroPad(*a, 3);
        else if (a) in.Note();
    }
}

}  // namespace ProjectLines
