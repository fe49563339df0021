#include "core/ProjectWhole.h"

#include <algorithm>

#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ResetModule.h"

namespace ProjectWhole {

namespace {

using namespace DeviceKind;

bool InUse(const DeviceRecord& r) { return r.Exist == "1"; }

// What the rule reads of the device at one address, read once for each pass over the table.
struct Part {
    bool inUse = false;
    int kind = 0;
    int position = 0;                // CardAddr
    const KindInfo* info = nullptr;  // nullptr: no kind of the kind table
};
using Parts = std::array<Part, MaxAddress + 1>;

Parts PartsOf(const DeviceTable& t)
{
    Parts parts{};
    for (int a = 1; a <= MaxAddress; ++a) {
        const DeviceRecord& r = t[a];
        if (!InUse(r)) continue;
        Part& p = parts[a];
        p.inUse = true;
        p.kind = int(ValInt(r.ExtType.str()) + ValInt(r.BaseType.str()));
        p.position = int(ValInt(r.CardAddr.str()));
        p.info = Find(p.kind);
    }
    return parts;
}

bool IsInput(const Part& p) { return p.info && p.info->isInput; }

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

bool MayBeSingle(const Part& p)
{
    const Shape* s = ShapeOf(p.kind);
    return p.info && (!s || s->mayBeSingle);
}

bool IsFaultInput(const Part& p) { return p.kind == AlarmFaultCard && p.position == 3; }

// The record's own agreement with its kind.
bool RecordAgrees(const DeviceRecord& r, const Part& p)
{
    return p.info && r.DeviceIsIn == (p.info->isInput ? "1" : "0");
}

// The whole device of `shape` whose first part stands at a, if it is there.
bool ShapeStandsAt(const Parts& parts, const Shape& shape, int a)
{
    if (a + shape.parts - 1 > MaxAddress) return false;
    for (int i = 0; i < shape.parts; ++i) {
        const Part& p = parts[a + i];
        if (!p.inUse || p.kind != shape.kinds[i] || p.position != shape.positions[i]) return false;
    }
    return true;
}

// One pass from address 1: a whole device takes its addresses; any other record in use stands
// alone.
DeviceSpans SpansOf(const Parts& parts)
{
    DeviceSpans spans{};
    for (int a = 1; a <= MaxAddress;) {
        const Part& p = parts[a];
        if (!p.inUse) {
            ++a;
            continue;
        }
        const Shape* shape = ShapeOf(p.kind);
        int n = 1;
        bool whole = false;
        if (shape && p.position == shape->positions[0] && ShapeStandsAt(parts, *shape, a)) {
            n = shape->parts;
            whole = true;
        } else if (MayBeSingle(p) && IsSinglePosition(p.position)) {
            whole = true;
        }
        for (int i = 0; i < n; ++i) spans[a + i] = {a, a + n - 1, whole};
        a += n;
    }
    return spans;
}

// A few numbers in their order, each once: the links of a device, the outputs of a group.
struct Numbers {
    std::array<int, MaxOutputsPerGroup> n{};
    int size = 0;

    bool contains(int x) const { return std::find(n.begin(), n.begin() + size, x) != n.begin() + size; }
    void add(int x)
    {
        if (!contains(x)) n[size_t(size++)] = x;
    }
    // The k-th number (1-based), 0 past the last.
    int at(int k) const { return k <= size ? n[size_t(k - 1)] : 0; }
};

// The links a device keeps: the group numbers of its first NumOfGroups places (all four when the
// count is damaged), each once, in their order.
Numbers KeptLinks(const DeviceRecord& r, const Part& p)
{
    if (!IsInput(p) || r.DeviceIsIn != "1" || IsFaultInput(p)) return {};
    const auto count = FieldRanges::Number(r.NumOfGroups.str(), 0, MaxGroupsPerInput);
    const int places = count ? int(*count) : MaxGroupsPerInput;
    Numbers kept;
    for (int k = 1; k <= places; ++k)
        if (const auto g = FieldRanges::Number(r.Grp[k].str(), 1, MaxGroups)) kept.add(int(*g));
    return kept;
}

bool LinksWhole(const DeviceRecord& r, const Part& p)
{
    const Numbers kept = KeptLinks(r, p);
    if (FieldRanges::Number(r.NumOfGroups.str(), 0, MaxGroupsPerInput) != kept.size) return false;
    for (int k = 1; k <= MaxGroupsPerInput; ++k)
        if (FieldRanges::Number(r.Grp[k].str(), 0, MaxGroups) != kept.at(k)) return false;
    return true;
}

void WriteLinks(DeviceRecord& r, const Numbers& kept)
{
    r.NumOfGroups = ZeroPad(kept.size, 2);
    for (int k = 1; k <= MaxGroupsPerInput; ++k) r.Grp[k] = ZeroPad(kept.at(k), 2);
    r.WithAlarmGroup = kept.size == 0 ? "0" : "1";
}

bool IsSpecialOutput(long long a)
{
    return a == SpecialOutput::AlarmRelay1 || a == SpecialOutput::AlarmRelay2 || a == SpecialOutput::DialerAlarm;
}

bool HoldsOutput(const DeviceTable& t, const Parts& parts, long long a)
{
    if (IsSpecialOutput(a)) return true;
    if (a < 1 || a > MaxAddress) return false;
    const Part& p = parts[size_t(a)];
    return p.inUse && !IsInput(p) && t[size_t(a)].DeviceIsIn == "0";
}

// The outputs a group keeps: those of its six places that hold an output, each once, in order.
Numbers KeptOutputs(const DeviceTable& t, const Parts& parts, const OutGrpRecord& g)
{
    Numbers kept;
    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
        const auto a = FieldRanges::Number(g.OutAddr[o].str(), 1, 999);
        if (a && HoldsOutput(t, parts, *a)) kept.add(int(*a));
    }
    return kept;
}

// The inputs linked to each group, counted in one pass over the devices.
using LinkCounts = std::array<int, MaxGroups + 1>;
LinkCounts CountLinks(const DeviceTable& t, const Parts& parts)
{
    LinkCounts n{};
    for (int a = 1; a <= MaxAddress; ++a) {
        if (!parts[a].inUse) continue;
        const Numbers kept = KeptLinks(t[a], parts[a]);
        for (int i = 1; i <= kept.size; ++i) ++n[size_t(kept.at(i))];
    }
    return n;
}

// A group that no input is linked to never operates, whatever its trigger: the original program
// leaves a trigger of 1 on a group whose last inputs were deleted together, and shows and sends it
// as it stands. Held to 0 it would change the group's name in the groups window and drop the group
// from its report, so any trigger of the panel's range is whole there.
int TriggerCap(const LinkCounts& links, int g)
{
    const int linked = links[size_t(g)];
    return linked == 0 ? FieldRanges::MaxTrigger : std::min(FieldRanges::MaxTrigger, linked);
}

bool GroupWhole(const DeviceTable& t, const Parts& parts, const LinkCounts& links, const OutGrpRecord& grp, int g)
{
    if (FieldRanges::Number(grp.GrpNo.str(), 0, 99) != g) return false;
    const Numbers kept = KeptOutputs(t, parts, grp);
    if (FieldRanges::Number(grp.OutCount.str(), 0, MaxOutputsPerGroup) != kept.size) return false;
    for (int o = 1; o <= MaxOutputsPerGroup; ++o)
        if (FieldRanges::Number(grp.OutAddr[o].str(), 0, 999) != kept.at(o)) return false;
    const auto trigger = FieldRanges::Number(grp.Trigger.str(), 0, 9);
    return trigger && *trigger <= TriggerCap(links, g);
}

void Note(QList<int>& list, int n)
{
    if (!list.contains(n)) list << n;
}

struct Counts {
    int devices = 0;  // addresses in use
    int groups = 0;   // groups in use
};
Counts Recounts(const DeviceTable& devices, const GroupTable& groups)
{
    const Parts parts = PartsOf(devices);
    const LinkCounts links = CountLinks(devices, parts);
    Counts c;
    for (int a = 1; a <= MaxAddress; ++a) c.devices += parts[a].inUse ? 1 : 0;
    for (int g = 1; g <= MaxGroups; ++g)
        if (links[size_t(g)] > 0 && KeptOutputs(devices, parts, groups[g]).size > 0) ++c.groups;
    return c;
}

bool HeldAsCounted(const Counts& c)
{
    return ValInt(NumOfDevices.str()) == c.devices && NumOfActiveGroups == c.groups;
}

void Apply(const Counts& c)
{
    if (ValInt(NumOfDevices.str()) != c.devices) NumOfDevices = ZeroPad(c.devices, 3);
    NumOfActiveGroups = int16_t(c.groups);
}

}  // namespace

DeviceSpans DevicesOf(const DeviceTable& devices) { return SpansOf(PartsOf(devices)); }

Span DeviceAt(const DeviceTable& devices, int a)
{
    if (a < 1 || a > MaxAddress || !InUse(devices[a])) return {};
    return DevicesOf(devices)[a];
}

Places Check(const DeviceTable& devices, const GroupTable& groups)
{
    Places p;
    const Parts parts = PartsOf(devices);
    const auto spans = SpansOf(parts);
    for (int a = 1; a <= MaxAddress; ++a) {
        if (!parts[a].inUse) continue;
        const DeviceRecord& r = devices[a];
        if (!spans[a].whole || !RecordAgrees(r, parts[a]) || !LinksWhole(r, parts[a])) p.addresses << a;
    }
    const LinkCounts links = CountLinks(devices, parts);
    for (int g = 1; g <= MaxGroups; ++g)
        if (!GroupWhole(devices, parts, links, groups[g], g)) p.groups << g;
    return p;
}

Places MakeWhole(DeviceTable& devices, GroupTable& groups)
{
    Places p;
    // Devices first: the links and outputs that follow depend on which devices remain.
    Parts parts = PartsOf(devices);
    const auto spans = SpansOf(parts);
    for (int a = 1; a <= MaxAddress; ++a) {
        DeviceRecord& r = devices[a];
        const Part& part = parts[a];
        if (!part.inUse || (spans[a].whole && RecordAgrees(r, part))) continue;
        Note(p.addresses, a);
        if (!spans[a].whole && !MayBeSingle(part)) {
            ResetModule::ResetRecord(r, a);
            continue;
        }
        if (!spans[a].whole) r.CardAddr = "01";
        r.DeviceIsIn = IsInput(part) ? "1" : "0";
    }
    parts = PartsOf(devices);
    for (int a = 1; a <= MaxAddress; ++a) {
        DeviceRecord& r = devices[a];
        if (!parts[a].inUse || LinksWhole(r, parts[a])) continue;
        Note(p.addresses, a);
        WriteLinks(r, KeptLinks(r, parts[a]));
    }
    const LinkCounts links = CountLinks(devices, parts);
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpRecord& grp = groups[g];
        if (GroupWhole(devices, parts, links, grp, g)) continue;
        const OutGrpRecord before = grp;
        grp.GrpNo = ZeroPad(g, 2);
        const Numbers kept = KeptOutputs(devices, parts, grp);
        grp.OutCount = Str(kept.size);
        for (int o = 1; o <= MaxOutputsPerGroup; ++o) grp.OutAddr[o] = ZeroPad(kept.at(o), 3);
        // A trigger beyond the panel's range is no value of a group: it takes the empty group's.
        const long long trigger = FieldRanges::Number(grp.Trigger.str(), 0, 9).value_or(0);
        const long long cap = TriggerCap(links, g);
        grp.Trigger = Str(trigger <= cap ? trigger : links[size_t(g)] == 0 ? 0 : cap);
        if (!(before == grp)) p.groups << g;
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
    return g >= 1 && g <= MaxGroups ? CountLinks(devices, PartsOf(devices))[size_t(g)] : 0;
}

bool IsActiveGroup(const DeviceTable& devices, const GroupTable& groups, int g)
{
    if (g < 1 || g > MaxGroups) return false;
    const Parts parts = PartsOf(devices);
    return CountLinks(devices, parts)[size_t(g)] > 0 && KeptOutputs(devices, parts, groups[g]).size > 0;
}

int ActiveGroups(const DeviceTable& devices, const GroupTable& groups) { return Recounts(devices, groups).groups; }

Places CheckProject()
{
    Places p = Check(DeviceDataArray, OutGrpArray);
    p.counts = !HeldAsCounted(Recounts(DeviceDataArray, OutGrpArray));
    return p;
}

void Recount() { Apply(Recounts(DeviceDataArray, OutGrpArray)); }

Places MakeProjectWhole()
{
    Places p = MakeWhole(DeviceDataArray, OutGrpArray);
    const Counts c = Recounts(DeviceDataArray, OutGrpArray);
    p.counts = !HeldAsCounted(c);
    Apply(c);
    return p;
}

}  // namespace ProjectWhole
