#include "configeditors/CardSettingsModel.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "platform/Ui.h"

namespace CardSettings {

namespace {

template <auto* Record, auto Member>
QString ReadFlag()
{
    return ((*Record).*Member).str();
}
template <auto* Record, auto Member>
void WriteFlag(const QString& s)
{
    (*Record).*Member = s;
}
template <auto Member, int I>
QString ReadUnit()
{
    return (RemoteUnits.*Member)[I];
}
template <auto Member, int I>
void WriteUnit(const QString& s)
{
    (RemoteUnits.*Member)[I] = s;
}

#define VD_FLAG(record, type, member) ReadFlag<&record, &type::member>, WriteFlag<&record, &type::member>
#define VD_UNIT(member, i) ReadUnit<&RemoteUnitsRecord::member, i>, WriteUnit<&RemoteUnitsRecord::member, i>

}  // namespace

const std::array<PairInfo, PairCount>& Pairs()
{
    static const std::array<PairInfo, PairCount> table{{
        {Panel1OnOff, "Panel1OnOff", "Panel1", Section::Remote, 0, 1, VD_UNIT(Panel, 1)},
        {Panel2OnOff, "Panel2OnOff", "Panel2", Section::Remote, 0, 1, VD_UNIT(Panel, 2)},
        {PS1OnOff, "PS1OnOff", "PS1", Section::Remote, 0, 1, VD_UNIT(PS, 1)},
        {PS2OnOff, "PS2OnOff", "PS2", Section::Remote, 0, 1, VD_UNIT(PS, 2)},
        {SysFlags2RlyA1Silence, "SysFlags2RlyA1Silence", "FrameAlarm1Top", Section::Alarm1, 0, 1,
         VD_FLAG(SysFlags2, SysFlags2Record, RlyA1Silence)},
        {SysFlags2RlyA1NotSys, "SysFlags2RlyA1NotSys", "FrameAlarm1Bot", Section::Alarm1, 0, 1,
         VD_FLAG(SysFlags2, SysFlags2Record, RlyA1NotSys)},
        {SysFlags2RlyA2NotSys, "SysFlags2RlyA2NotSys", "FrameAlarm2Top", Section::Alarm2, 0, 1,
         VD_FLAG(SysFlags2, SysFlags2Record, RlyA2NotSys)},
        {SysFlagsSlave, "SysFlagsSlave", "FrameFaultTop", Section::Fault, 0, 1, VD_FLAG(SysFlags, SysFlagsRecord, Slave)},
        {SysFlags2RlyFltStart, "SysFlags2RlyFltStart", "FrameFaultBot", Section::Fault, 0, 1,
         VD_FLAG(SysFlags2, SysFlags2Record, RlyFltStart)},
        {SysFlagsLoopSysStat, "SysFlagsLoopSysStat", "FrameLoopTop", Section::Loop, 3, 3,
         VD_FLAG(SysFlags, SysFlagsRecord, LoopSysStat)},
        {SysFlagsSilenceWithCod, "SysFlagsSilenceWithCod", "FrameSilenceTop", Section::Silence, 0, 1,
         VD_FLAG(SysFlags, SysFlagsRecord, SilenceWithCod)},
        {SysFlagsLF_NO, "SysFlagsLF_NO", "FrameDialerTop", Section::Dialer, 0, 1, VD_FLAG(SysFlags, SysFlagsRecord, LF_NO)},
        {SysFlags2DialerANotSys, "SysFlags2DialerANotSys", "FrameDialerBot", Section::Dialer, 0, 1,
         VD_FLAG(SysFlags2, SysFlags2Record, DialerANotSys)},
        {SysFlags2DialerFAsAlarm, "SysFlags2DialerFAsAlarm", "FrameDialerMid", Section::Dialer, 0, 1,
         VD_FLAG(SysFlags2, SysFlags2Record, DialerFAsAlarm)},
    }};
    return table;
}

#undef VD_FLAG
#undef VD_UNIT

const PairInfo& Info(Pair p) { return Pairs()[size_t(p)]; }

const std::array<Pair, PairCount>& LoadOrder()
{
    // The reset-mode pair comes second in the window's own order; it is hidden and its field
    // is fixed on saving, so it has no place here.
    static const std::array<Pair, PairCount> order{
        SysFlagsLoopSysStat,    SysFlagsSilenceWithCod, SysFlagsSlave,           SysFlagsLF_NO,
        SysFlags2DialerANotSys, SysFlags2RlyFltStart,   SysFlags2RlyA1NotSys,    SysFlags2RlyA2NotSys,
        SysFlags2RlyA1Silence,  SysFlags2DialerFAsAlarm, Panel1OnOff,            Panel2OnOff,
        PS1OnOff,               PS2OnOff,
    };
    return order;
}

int IndexOfStored(const QString& field, int offset)
{
    // A damaged file or a panel byte may hold anything; it opens on the first option.
    const double index = Val(field) - offset;
    return index == 1 ? 1 : 0;
}

QString StoredText(int index, int offset, int digits) { return ZeroPad(index + offset, digits); }

CardSettingsModel::CardSettingsModel()
{
    chosen_.fill(-1);
    enabled_.fill(true);
}

void CardSettingsModel::Load()
{
    for (Pair p : LoadOrder()) {
        const PairInfo& info = Info(p);
        Choose(p, IndexOfStored(info.read(), info.offset));
    }
}

bool CardSettingsModel::Choose(Pair p, int k)
{
    if (k != 0 && k != 1) return false;
    // A locked pair keeps its forced option, also against a stored value chosen after the lock.
    if (!enabled_[p] || chosen_[p] == k) return false;
    chosen_[p] = k;
    switch (p) {
    case SysFlags2DialerANotSys:
        Choose(SysFlags2DialerFAsAlarm, k);
        break;
    case SysFlags2DialerFAsAlarm:
        Choose(SysFlags2DialerANotSys, k);
        break;
    case SysFlagsSlave:
        // A reversed fault relay starts on one event, and the count cannot be changed then.
        if (k == 1) Choose(SysFlags2RlyFltStart, 0);
        enabled_[SysFlags2RlyFltStart] = k == 0;
        break;
    default:
        break;
    }
    return true;
}

OptionColours CardSettingsModel::Colours(Pair p, int k) const
{
    if (chosen_[p] == k) return {Colour::White, Colour::Black};
    const uint32_t fore = p == SysFlagsLoopSysStat ? Colour::White : Colour::Black;
    return {Of(Info(p).section).colour, fore};
}

void CardSettingsModel::Commit() const
{
    for (const PairInfo& info : Pairs())
        if (const int i = chosen_[info.pair]; i >= 0) info.write(StoredText(i, info.offset, info.digits));
    SysFlags.ResetWithCod = Fixed::ResetWithCod;
    SysFlags.Spare = Fixed::Spare;
    SysFlags2.NightEna = Fixed::NightEna;
    SysFlags2.VrstDly = Fixed::VrstDly;
    ::NumOfSys = Fixed::NumOfSys;
    NightStart = Fixed::NightTime;
    NightFinish = Fixed::NightTime;
    DataChanged = true;
}

void CardSettingsModel::Discard() { DataChanged = false; }

bool CardSettingsModel::Answer(int answer) const
{
    switch (answer) {
    case Ui::vbYes:
        Commit();
        return true;
    case Ui::vbNo:
        Discard();
        return true;
    default:
        return false;
    }
}

QStringList PanelNumberList()
{
    QStringList list;
    for (int i = 0; i < 32; ++i) list << ZeroPad(i + 1, 2);
    return list;
}

}  // namespace CardSettings
