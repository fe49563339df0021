#include "core/ProjectWhole.h"

#include <algorithm>
#include <set>

#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ResetModule.h"

namespace ProjectWhole {

namespace {

using namespace DeviceKind;

bool InUse(const DeviceRecord& r) { return r.Exist == "1"; }
int Position(const DeviceRecord& r) { return int(ValInt(r.CardAddr.str())); }

// The shape of a device that takes several addresses: the kind of each place, the first place
// being the device's own kind, and the positions the places hold.
struct Shape {
    int kind;
    std::array<int, 4> kinds;
    std::array<int, 4> positions;
    int parts;
    bool mayBeSingle;
};

constexpr Shape kShapes[] = {
    {Output, {Output, Output}, {2, 3}, 2, true},
    {Extinguish, {Extinguish, Output}, {2, 3}, 2, true},  // its second address is an output
    {Relay, {Relay, Relay}, {2, 3}, 2, true},
    {AlarmFaultCard, {AlarmFaultCard, AlarmFaultCard}, {2, 3}, 2, true},
    {TwoInputCard, {TwoInputCard, TwoInputCard}, {2, 3}, 2, false},
    {FourZoneCard, {FourZoneCard, FourZoneCard, FourZoneCard, FourZoneCard}, {0, 1, 2, 3}, 4, false},
};

const Shape* ShapeOf(int kind)
{
    for (const Shape& s : kShapes)
        if (s.kind == kind) return &s;
    return nullptr;
}

bool MayBeSingle(int kind)
{
    const Shape* s = ShapeOf(kind);
    return FieldRanges::IsKnownKind(kind) && (!s || s->mayBeSingle);
}

bool IsInputKind(int kind)
{
    const KindInfo* k = Find(kind);
    return k && k->isInput;
}

bool IsFaultInput(const DeviceRecord& r) { return KindOf(r) == AlarmFaultCard && Position(r) == 3; }

// The record's own agreement with its kind.
bool RecordAgrees(const DeviceRecord& r)
{
    const KindInfo* k = Find(KindOf(r));
    return k && r.DeviceIsIn == (k->isInput ? "1" : "0");
}

// The whole device of `shape` whose first part stands at a, if it is there.
bool ShapeStandsAt(const DeviceTable& t, const Shape& shape, int a)
{
    if (a + shape.parts - 1 > MaxAddress) return false;
    for (int i = 0; i < shape.parts; ++i) {
        const DeviceRecord& r = t[a + i];
        if (!InUse(r) || KindOf(r) != shape.kinds[i] || Position(r) != shape.positions[i]) return false;
    }
    return true;
}


// The links a device keeps: the group numbers of its first NumOfGroups places (all four when the
// count is damaged), each once, in their order.
QList<int> KeptLinks(const DeviceRecord& r)
{
    if (!IsInputKind(KindOf(r)) || r.DeviceIsIn != "1" || IsFaultInput(r)) return {};
    const auto count = FieldRanges::Number(r.NumOfGroups.str(), 0, MaxGroupsPerInput);
    const int places = count ? int(*count) : MaxGroupsPerInput;
    QList<int> kept;
    for (int k = 1; k <= places; ++k) {
        const auto g = FieldRanges::Number(r.Grp[k].str(), 1, MaxGroups);
        if (g && !kept.contains(int(*g))) kept << int(*g);
    }
    return kept;
}

bool LinksWhole(const DeviceRecord& r)
{
    const QList<int> kept = KeptLinks(r);
    if (FieldRanges::Number(r.NumOfGroups.str(), 0, MaxGroupsPerInput) != kept.size()) return false;
    for (int k = 1; k <= MaxGroupsPerInput; ++k) {
        const long long want = k <= kept.size() ? kept[k - 1] : 0;
        if (FieldRanges::Number(r.Grp[k].str(), 0, MaxGroups) != want) return false;
    }
    return true;
}

void WriteLinks(DeviceRecord& r, const QList<int>& kept)
{
    r.NumOfGroups = ZeroPad(kept.size(), 2);
    for (int k = 1; k <= MaxGroupsPerInput; ++k) r.Grp[k] = ZeroPad(k <= kept.size() ? kept[k - 1] : 0, 2);
    r.WithAlarmGroup = kept.isEmpty() ? "0" : "1";
}

bool IsSpecialOutput(long long a)
{
    return a == SpecialOutput::AlarmRelay1 || a == SpecialOutput::AlarmRelay2 || a == SpecialOutput::DialerAlarm;
}

bool HoldsOutput(const DeviceTable& t, long long a)
{
    if (IsSpecialOutput(a)) return true;
    if (a < 1 || a > MaxAddress) return false;
    const DeviceRecord& r = t[size_t(a)];
    return InUse(r) && !IsInputKind(KindOf(r)) && r.DeviceIsIn == "0";
}

// The outputs a group keeps: those of its six places that hold an output, each once, in order.
QList<int> KeptOutputs(const DeviceTable& t, const OutGrpRecord& g)
{
    QList<int> kept;
    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
        const auto a = FieldRanges::Number(g.OutAddr[o].str(), 1, 999);
        if (a && HoldsOutput(t, *a) && !kept.contains(int(*a))) kept << int(*a);
    }
    return kept;
}

// The inputs linked to each group, counted in one pass over the devices.
using LinkCounts = std::array<int, MaxGroups + 1>;
LinkCounts CountLinks(const DeviceTable& t)
{
    LinkCounts n{};
    for (int a = 1; a <= MaxAddress; ++a)
        if (InUse(t[a]))
            for (int g : KeptLinks(t[a])) ++n[size_t(g)];
    return n;
}

int TriggerCap(const LinkCounts& links, int g) { return std::min(FieldRanges::MaxTrigger, links[size_t(g)]); }

bool GroupWhole(const DeviceTable& t, const LinkCounts& links, const OutGrpRecord& grp, int g)
{
    if (FieldRanges::Number(grp.GrpNo.str(), 0, 99) != g) return false;
    const QList<int> kept = KeptOutputs(t, grp);
    if (FieldRanges::Number(grp.OutCount.str(), 0, MaxOutputsPerGroup) != kept.size()) return false;
    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
        const long long want = o <= kept.size() ? kept[o - 1] : 0;
        if (FieldRanges::Number(grp.OutAddr[o].str(), 0, 999) != want) return false;
    }
    const auto trigger = FieldRanges::Number(grp.Trigger.str(), 0, 9);
    return trigger && *trigger <= TriggerCap(links, g);
}

void Note(QList<int>& list, int n)
{
    if (!list.contains(n)) list << n;
}

}  // namespace

// One pass from address 1: a whole device takes its addresses; any other record in use stands
// alone.
DeviceSpans DevicesOf(const DeviceTable& t)
{
    DeviceSpans spans{};
    for (int a = 1; a <= MaxAddress;) {
        const DeviceRecord& r = t[a];
        if (!InUse(r)) {
            ++a;
            continue;
        }
        const int kind = KindOf(r);
        const Shape* shape = ShapeOf(kind);
        int parts = 1;
        bool whole = false;
        if (shape && Position(r) == shape->positions[0] && ShapeStandsAt(t, *shape, a)) {
            parts = shape->parts;
            whole = true;
        } else if (MayBeSingle(kind) && Position(r) == 1) {
            whole = true;
        }
        for (int i = 0; i < parts; ++i) spans[a + i] = {a, a + parts - 1, whole};
        a += parts;
    }
    return spans;
}

Span DeviceAt(const DeviceTable& devices, int a)
{
    if (a < 1 || a > MaxAddress || !InUse(devices[a])) return {};
    return DevicesOf(devices)[a];
}

Places Check(const DeviceTable& devices, const GroupTable& groups)
{
    Places p;
    const auto spans = DevicesOf(devices);
    for (int a = 1; a <= MaxAddress; ++a) {
        const DeviceRecord& r = devices[a];
        if (!InUse(r)) continue;
        if (!spans[a].whole || !RecordAgrees(r) || !LinksWhole(r)) p.addresses << a;
    }
    const LinkCounts links = CountLinks(devices);
    for (int g = 1; g <= MaxGroups; ++g)
        if (!GroupWhole(devices, links, groups[g], g)) p.groups << g;
    return p;
}

Places MakeWhole(DeviceTable& devices, GroupTable& groups)
{
    Places p;
    // Devices first: the links and outputs that follow depend on which devices remain.
    const auto spans = DevicesOf(devices);
    for (int a = 1; a <= MaxAddress; ++a) {
        DeviceRecord& r = devices[a];
        if (!InUse(r) || (spans[a].whole && RecordAgrees(r))) continue;
        Note(p.addresses, a);
        const int kind = KindOf(r);
        if (!spans[a].whole && !MayBeSingle(kind)) {
            ResetModule::ResetRecord(r, a);
            continue;
        }
        if (!spans[a].whole) r.CardAddr = "01";
        r.DeviceIsIn = IsInputKind(kind) ? "1" : "0";
    }
    for (int a = 1; a <= MaxAddress; ++a) {
        DeviceRecord& r = devices[a];
        if (!InUse(r) || LinksWhole(r)) continue;
        Note(p.addresses, a);
        WriteLinks(r, KeptLinks(r));
    }
    const LinkCounts links = CountLinks(devices);
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpRecord& grp = groups[g];
        if (GroupWhole(devices, links, grp, g)) continue;
        p.groups << g;
        grp.GrpNo = ZeroPad(g, 2);
        const QList<int> kept = KeptOutputs(devices, grp);
        grp.OutCount = Str(kept.size());
        for (int o = 1; o <= MaxOutputsPerGroup; ++o) grp.OutAddr[o] = ZeroPad(o <= kept.size() ? kept[o - 1] : 0, 3);
        const long long trigger = FieldRanges::Number(grp.Trigger.str(), 0, 9).value_or(0);
        grp.Trigger = Str(std::min<long long>(trigger, TriggerCap(links, g)));
    }
    std::sort(p.addresses.begin(), p.addresses.end());
    return p;
}

int AddressesInUse(const DeviceTable& devices)
{
    return int(std::count_if(devices.begin() + 1, devices.end(), InUse));
}

int InputsLinked(const DeviceTable& devices, int g)
{
    return g >= 1 && g <= MaxGroups ? CountLinks(devices)[size_t(g)] : 0;
}

bool IsActiveGroup(const DeviceTable& devices, const GroupTable& groups, int g)
{
    return InputsLinked(devices, g) > 0 && !KeptOutputs(devices, groups[g]).isEmpty();
}

int ActiveGroups(const DeviceTable& devices, const GroupTable& groups)
{
    const LinkCounts links = CountLinks(devices);
    int n = 0;
    for (int g = 1; g <= MaxGroups; ++g)
        if (links[size_t(g)] > 0 && !KeptOutputs(devices, groups[g]).isEmpty()) ++n;
    return n;
}

Places CheckProject()
{
    Places p = Check(DeviceDataArray, OutGrpArray);
    p.counts = ValInt(NumOfDevices.str()) != AddressesInUse(DeviceDataArray) ||
               NumOfActiveGroups != ActiveGroups(DeviceDataArray, OutGrpArray);
    return p;
}

void Recount()
{
    const int inUse = AddressesInUse(DeviceDataArray);
    if (ValInt(NumOfDevices.str()) != inUse) NumOfDevices = ZeroPad(inUse, 3);
    NumOfActiveGroups = int16_t(ActiveGroups(DeviceDataArray, OutGrpArray));
}

Places MakeProjectWhole()
{
    Places p = MakeWhole(DeviceDataArray, OutGrpArray);
    p.counts = CheckProject().counts;
    Recount();
    return p;
}

}  // namespace ProjectWhole
