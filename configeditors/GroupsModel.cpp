#include "configeditors/GroupsModel.h"

#include <algorithm>

#include "configeditors/GroupsTexts.h"
#include "core/Conv.h"
#include "core/ProjectWhole.h"

namespace {

constexpr std::array<int, 3> SpecialCodes{SpecialOutput::AlarmRelay1, SpecialOutput::AlarmRelay2,
                                          SpecialOutput::DialerAlarm};

bool IsOne(const QString& field) { return field == QStringLiteral("1"); }

bool IsOutputCode(long long a)
{
    return (a >= 1 && a <= MaxAddress) || std::find(SpecialCodes.begin(), SpecialCodes.end(), a) != SpecialCodes.end();
}

bool ValidGroup(int g) { return g >= 1 && g <= MaxGroups; }

// The second address of an alarm/fault card: it triggers no group of its own in the lists.
bool IsFaultPartOfCard(const DeviceRecord& r)
{
    return KindOf(r) == DeviceKind::AlarmFaultCard && ValInt(r.CardAddr.str()) == 3;
}

}  // namespace

uint32_t GroupStateColour(GroupState s)
{
    switch (s) {
    case GroupState::Empty: return 0xFF9B37;
    case GroupState::Incomplete: return 0x9B9BFF;
    case GroupState::Complete: return 0x9BFF9B;
    }
    return 0xFF9B37;
}

void GroupsModel::LoadGroups()
{
    lang_ = UILanguage;
    last_ = std::clamp<int>(MaxNumOfDevices, 0, MaxAddress);
    relay1_ = IsOne(SysFlags2.RlyA1NotSys);
    relay2_ = IsOne(SysFlags2.RlyA2NotSys);
    dialer_ = IsOne(SysFlags2.DialerANotSys);
    FocusGroup = 0;
    info_ = 0;

    DevGrpArray.fill({});
    for (int d = 1; d <= last_; ++d) {
        const DeviceRecord& r = DeviceDataArray[d];
        if (!IsOne(r.Exist)) continue;
        DevGrpRecord& e = DevGrpArray[d];
        const long long n = std::clamp<long long>(ValInt(r.NumOfGroups.str()), 0, MaxGroupsPerInput);
        for (int k = 1; k <= n; ++k) {
            const int g = int(ValInt(r.Grp[k].str()));
            if (ValidGroup(g) && !InGroup(d, g)) e.Grp[++e.NumOfGroups] = int16_t(g);
        }
    }

    GrpEditArray.fill({});
    for (int g = 1; g <= MaxGroups; ++g) {
        const OutGrpRecord& r = OutGrpArray[g];
        GrpEditRecord& e = GrpEditArray[g];
        e.GrpNo = int16_t(g);
        e.Trigger = int16_t(std::clamp<long long>(ValInt(r.Trigger.str()), 0, 3));
        // A group that never had inputs shows its default name, whatever is stored.
        e.GrpName = e.Trigger == 0 ? GroupsTexts::GrpNamePrefix(lang_) + Str(g) : r.GrpName.str();
        const long long count = std::clamp<long long>(ValInt(r.OutCount.str()), 0, MaxOutputsPerGroup);
        for (int k = 1; k <= count; ++k) {
            const long long a = ValInt(r.OutAddr[k].str());
            if (IsOutputCode(a) && !Holds(g, int(a))) e.OutAddr[++e.OutCount] = int16_t(a);
        }
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        const int n = int(GroupInputs(g).size());
        if (n > 0) GrpEditArray[g].Trigger = int16_t(std::clamp<int>(GrpEditArray[g].Trigger, 1, std::min(n, 3)));
    }
}

bool GroupsModel::InGroup(int address, int g) const
{
    const DevGrpRecord& r = DevGrpArray[address];
    for (int k = 1; k <= r.NumOfGroups; ++k)
        if (r.Grp[k] == g) return true;
    return false;
}

bool GroupsModel::Holds(int g, int address) const
{
    const GrpEditRecord& r = GrpEditArray[g];
    for (int k = 1; k <= r.OutCount; ++k)
        if (r.OutAddr[k] == address) return true;
    return false;
}

bool GroupsModel::IsOfferedInput(int address) const
{
    if (address < 1 || address > last_) return false;
    const DeviceRecord& r = DeviceDataArray[address];
    return IsOne(r.Exist) && IsOne(r.DeviceIsIn) && !IsFaultPartOfCard(r);
}

bool GroupsModel::IsLoopOutput(int address) const
{
    if (address < 1 || address > last_) return false;
    const DeviceRecord& r = DeviceDataArray[address];
    return IsOne(r.Exist) && r.DeviceIsIn == QStringLiteral("0") && KindOf(r) != 1;
}

bool GroupsModel::IsOfferedOutput(int address) const
{
    switch (address) {
    case SpecialOutput::AlarmRelay1: return relay1_;
    case SpecialOutput::AlarmRelay2: return relay2_;
    case SpecialOutput::DialerAlarm: return dialer_;
    default: return IsLoopOutput(address);
    }
}

void GroupsModel::PointInfoAt(int address)
{
    info_ = IsOfferedInput(address) || IsOfferedOutput(address) ? address : 0;
}

QString GroupsModel::ItemText(int address) const
{
    if (address > MaxAddress) return GroupsTexts::SpecialItemText(address, lang_);
    return ZeroPad(address, 3) + QLatin1Char(' ') + DeviceDataArray[address].DeviceName.str();
}

int GroupsModel::ItemAddress(const QString& itemText) { return int(ValInt(itemText.left(3))); }

std::vector<int> GroupsModel::Offered(int g, bool inputs, bool inGroup) const
{
    std::vector<int> list;
    if (!ValidGroup(g)) return list;
    for (int d = 1; d <= last_; ++d) {
        if (inputs ? IsOfferedInput(d) && InGroup(d, g) == inGroup : IsLoopOutput(d) && Holds(g, d) == inGroup)
            list.push_back(d);
    }
    if (!inputs)
        for (int code : SpecialCodes)
            if (IsOfferedOutput(code) && Holds(g, code) == inGroup) list.push_back(code);
    return list;
}

std::vector<int> GroupsModel::SystemInputs(int g) const { return Offered(g, true, false); }
std::vector<int> GroupsModel::GroupInputs(int g) const { return Offered(g, true, true); }
std::vector<int> GroupsModel::SystemOutputs(int g) const { return Offered(g, false, false); }
std::vector<int> GroupsModel::GroupOutputs(int g) const { return Offered(g, false, true); }

// The addresses of a move that stand in its source list, once each, last address first: the
// order in which the staging list hands them out.
std::vector<int> GroupsModel::Staged(const std::vector<int>& addresses, const std::vector<int>& source) const
{
    std::vector<int> staged;
    for (int a : source)
        if (std::find(addresses.begin(), addresses.end(), a) != addresses.end()) staged.push_back(a);
    std::reverse(staged.begin(), staged.end());
    return staged;
}

std::vector<Message> GroupsModel::AddInputs(int g, const std::vector<int>& addresses)
{
    std::vector<Message> refused;
    bool added = false;
    for (int a : Staged(addresses, SystemInputs(g))) {
        DevGrpRecord& r = DevGrpArray[a];
        if (r.NumOfGroups < MaxGroupsPerInput) {
            r.Grp[++r.NumOfGroups] = int16_t(g);
            added = true;
        } else {
            refused.push_back(GroupsTexts::TooManyGroups(a, lang_));
        }
    }
    if (added) GrpEditArray[g].Trigger = 1;
    return refused;
}

void GroupsModel::RemoveInputs(int g, const std::vector<int>& addresses)
{
    const std::vector<int> staged = Staged(addresses, GroupInputs(g));
    for (int a : staged) {
        DevGrpRecord& r = DevGrpArray[a];
        const int n = r.NumOfGroups;
        for (int k = 1; k <= n; ++k) {
            if (r.Grp[k] != g) continue;
            r.Grp[k] = r.Grp[n];  // the last link fills the freed slot
            r.Grp[n] = 0;
        }
        --r.NumOfGroups;
    }
    if (!staged.empty()) GrpEditArray[g].Trigger = GroupInputs(g).empty() ? 0 : 1;
}

std::optional<Message> GroupsModel::AddOutputs(int g, const std::vector<int>& addresses)
{
    if (!ValidGroup(g)) return std::nullopt;
    const std::vector<int> staged = Staged(addresses, SystemOutputs(g));
    GrpEditRecord& r = GrpEditArray[g];
    // Every output the group holds counts, also one that is not listed.
    if (int(staged.size()) + r.OutCount > MaxOutputsPerGroup) return GroupsTexts::TooManyOutputs(lang_);
    for (int a : staged) {
        if (r.OutCount >= MaxOutputsPerGroup) break;  // the table holds six, whatever a caller asks
        r.GrpNo = int16_t(g);
        r.OutAddr[++r.OutCount] = int16_t(a);
    }
    return std::nullopt;
}

void GroupsModel::RemoveOutputs(int g, const std::vector<int>& addresses)
{
    if (!ValidGroup(g)) return;
    GrpEditRecord& r = GrpEditArray[g];
    for (int a : Staged(addresses, GroupOutputs(g))) {
        r.GrpNo = int16_t(g);
        for (int k = 1; k <= r.OutCount; ++k) {
            if (r.OutAddr[k] != a) continue;
            r.OutAddr[k] = r.OutAddr[r.OutCount];
            r.OutAddr[r.OutCount] = 0;
            --r.OutCount;
            break;
        }
    }
}

int GroupsModel::TriggerOptions(int g) const
{
    return ValidGroup(g) ? std::min<int>(int(GroupInputs(g).size()), 3) : 0;
}

bool GroupsModel::SetTrigger(int g, int k)
{
    if (k < 1 || k > TriggerOptions(g)) return false;
    GrpEditArray[g].Trigger = int16_t(k);
    return true;
}

GroupState GroupsModel::State(int g) const
{
    const bool inputs = !GroupInputs(g).empty();
    const bool outputs = !GroupOutputs(g).empty();
    if (inputs && outputs) return GroupState::Complete;
    return inputs || outputs ? GroupState::Incomplete : GroupState::Empty;
}

bool GroupsModel::IsIllegal(int g) const { return State(g) == GroupState::Incomplete; }

void GroupsModel::EmptyGroup(int g)
{
    if (!ValidGroup(g)) return;
    RemoveInputs(g, GroupInputs(g));
    RemoveOutputs(g, GroupOutputs(g));
    GrpEditRecord& r = GrpEditArray[g];
    r.GrpNo = int16_t(g);
    r.OutCount = 0;
    r.OutAddr.fill(0);
}

void GroupsModel::DeleteAll()
{
    for (int g = 1; g <= MaxGroups; ++g) EmptyGroup(g);
}

std::vector<Message> GroupsModel::SpecialDialer()
{
    std::vector<Message> messages;
    if (!dialer_) return messages;
    for (int g : {31, 32}) {
        RemoveInputs(g, GroupInputs(g));
        RemoveOutputs(g, GroupOutputs(g));
    }
    BuildDialerGroup(31, {DeviceKind::SmokeDetector, DeviceKind::HeatDetector, DeviceKind::BeamCard}, 2, messages);
    BuildDialerGroup(32, {DeviceKind::RedCallPoint, DeviceKind::YellowCallPoint, DeviceKind::AlarmFaultCard}, 1, messages);
    return messages;
}

void GroupsModel::BuildDialerGroup(int g, const std::vector<int>& kinds, int needed, std::vector<Message>& messages)
{
    const std::vector<int> candidates = SystemInputs(g);
    if (candidates.empty()) {
        messages.push_back(GroupsTexts::DialerShortage(g, lang_));
        return;
    }
    GrpEditArray[g].GrpName = GroupsTexts::DialerGroupName(g, lang_);
    std::vector<int> picked, full;
    for (int a : candidates) {
        const int kind = KindOf(DeviceDataArray[a]);
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) continue;
        picked.push_back(a);
        if (DevGrpArray[a].NumOfGroups >= MaxGroupsPerInput) full.push_back(a);
    }
    if (int(picked.size()) < needed) {
        messages.push_back(GroupsTexts::DialerShortage(g, lang_));
        return;
    }
    // Too few with room for this group: the group stays empty instead of needing more alarms
    // than it has inputs.
    if (int(picked.size() - full.size()) < needed) {
        messages.push_back(GroupsTexts::DialerNoRoom(g, full, lang_));
        return;
    }
    for (Message& m : AddInputs(g, picked)) messages.push_back(std::move(m));
    if (auto m = AddOutputs(g, {SpecialOutput::DialerAlarm})) messages.push_back(*m);
    SetTrigger(g, needed);
}

void GroupsModel::Save()
{
    for (int g = 1; g <= MaxGroups; ++g) {
        if (!GroupInputs(g).empty() && GroupOutputs(g).empty()) RemoveInputs(g, GroupInputs(g));
        if (!GroupOutputs(g).empty() && GroupInputs(g).empty()) RemoveOutputs(g, GroupOutputs(g));
    }

    for (int d = 1; d <= last_; ++d) {
        DeviceRecord& r = DeviceDataArray[d];
        if (!IsOne(r.DeviceIsIn) || !IsOne(r.Exist)) continue;
        const DevGrpRecord& e = DevGrpArray[d];
        r.NumOfGroups = Str(e.NumOfGroups);  // left-aligned: 2 is "2 "
        for (int k = 1; k <= MaxGroupsPerInput; ++k) {
            r.Grp[k] = ZeroPad(e.Grp[k], 2);
        }
        r.WithAlarmGroup = e.NumOfGroups > 0 ? "1" : "0";
    }

    for (int g = 1; g <= MaxGroups; ++g) {
        const GrpEditRecord& e = GrpEditArray[g];
        OutGrpRecord& r = OutGrpArray[g];
        r.GrpNo = ZeroPad(g, 2);
        r.GrpName = e.GrpName;
        r.Trigger = Str(e.Trigger);
        r.OutCount = Str(e.OutCount);
        for (int k = 1; k <= MaxOutputsPerGroup; ++k) r.OutAddr[k] = ZeroPad(e.OutAddr[k], 3);
    }
    NumOfActiveGroups = int16_t(ProjectWhole::ActiveGroups(DeviceDataArray, OutGrpArray));
    DataChanged = true;
}

void GroupsModel::Discard() { DataChanged = false; }
