#include "RandomProject.h"

#include <algorithm>
#include <vector>

#include "core/Conv.h"
#include "core/ResetModule.h"
#include "core/languages.h"

namespace RandomProject {

namespace {

using namespace DeviceKind;

// The devices a user can place: a kind and its number of addresses, with the positions and the
// kinds of its places.
struct Placement {
    int parts;
    std::array<int, 4> kinds;
    std::array<int, 4> positions;
};

const std::vector<Placement>& Placements()
{
    static const std::vector<Placement> all = [] {
        std::vector<Placement> v;
        for (const KindInfo& k : All()) {
            if (k.kind != TwoInputCard && k.kind != FourZoneCard) v.push_back({1, {k.kind}, {1}});
        }
        v.push_back({2, {Output, Output}, {2, 3}});
        v.push_back({2, {Extinguish, Output}, {2, 3}});
        v.push_back({2, {Relay, Relay}, {2, 3}});
        v.push_back({2, {AlarmFaultCard, AlarmFaultCard}, {2, 3}});
        v.push_back({2, {TwoInputCard, TwoInputCard}, {2, 3}});
        v.push_back({4, {FourZoneCard, FourZoneCard, FourZoneCard, FourZoneCard}, {0, 1, 2, 3}});
        return v;
    }();
    return all;
}

void PlacePart(DeviceRecord& r, int address, int kind, int position)
{
    const KindInfo* k = Find(kind);
    ResetModule::ResetRecord(r, address);
    r.Exist = "1";
    r.ExtType = k->extType;
    r.BaseType = k->baseType;
    r.DeviceIsIn = k->isInput ? "1" : "0";
    r.CardAddr = ZeroPad(position, 2);
    if (!k->isInput) {
        r.AlarmValue = "99";
        r.PreAlarmValue = "99";
    }
    r.FactoryName = languages::FactoryNameFor(address, kind, position);
    r.DeviceName = QStringLiteral("DEV %1").arg(address);
    r.NameExist = "1";
}

bool LinksAllowed(const DeviceRecord& r)
{
    return r.DeviceIsIn == "1" && !(KindOf(r) == AlarmFaultCard && ValInt(r.CardAddr.str()) == 3);
}

}  // namespace

int Pick(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

void FillWhole(std::mt19937& rng, ProjectWhole::DeviceTable& devices, ProjectWhole::GroupTable& groups, int last)
{
    for (int a = 1; a <= MaxAddress; ++a) ResetModule::ResetRecord(devices[a], a);
    const int density = Pick(rng, 4);  // from an almost empty project to a full one
    for (int a = 1; a <= last;) {
        if (Pick(rng, 4) > density) {
            ++a;
            continue;
        }
        const Placement& p = Placements()[size_t(Pick(rng, int(Placements().size())))];
        if (a + p.parts - 1 > last) {
            ++a;
            continue;
        }
        for (int i = 0; i < p.parts; ++i) PlacePart(devices[a + i], a + i, p.kinds[i], p.positions[i]);
        a += p.parts;
    }
    for (int a = 1; a <= last; ++a) {
        DeviceRecord& r = devices[a];
        if (r.Exist != "1" || !LinksAllowed(r)) continue;
        std::vector<int> g(MaxGroups);
        for (int i = 0; i < MaxGroups; ++i) g[size_t(i)] = i + 1;
        std::shuffle(g.begin(), g.end(), rng);
        const int n = Pick(rng, MaxGroupsPerInput + 1);
        r.NumOfGroups = ZeroPad(n, 2);
        for (int k = 1; k <= n; ++k) r.Grp[k] = ZeroPad(g[size_t(k - 1)], 2);
        r.WithAlarmGroup = n > 0 ? "1" : "0";
    }
    std::vector<int> outputs{SpecialOutput::AlarmRelay1, SpecialOutput::AlarmRelay2, SpecialOutput::DialerAlarm};
    for (int a = 1; a <= last; ++a)
        if (devices[a].Exist == "1" && devices[a].DeviceIsIn == "0") outputs.push_back(a);
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpRecord& grp = groups[g];
        grp.GrpNo = ZeroPad(g, 2);
        grp.GrpName = QStringLiteral("Group No.   %1").arg(g);
        std::shuffle(outputs.begin(), outputs.end(), rng);
        const int n = std::min<int>(Pick(rng, MaxOutputsPerGroup + 1), int(outputs.size()));
        grp.OutCount = Str(n);
        for (int o = 1; o <= MaxOutputsPerGroup; ++o) grp.OutAddr[o] = ZeroPad(o <= n ? outputs[size_t(o - 1)] : 0, 3);
        const int cap = std::min(3, ProjectWhole::InputsLinked(devices, g));
        grp.Trigger = Str(Pick(rng, cap + 1));
    }
}

void FillWholeProject(std::mt19937& rng, int last)
{
    FillWhole(rng, DeviceDataArray, OutGrpArray, last);
    ProjectWhole::Recount();
}

void Damage(std::mt19937& rng, ProjectWhole::DeviceTable& devices, ProjectWhole::GroupTable& groups, int changes)
{
    auto any = [&](int n) { return Str(Pick(rng, n)); };
    for (int i = 0; i < changes; ++i) {
        DeviceRecord& r = devices[size_t(1 + Pick(rng, MaxAddress))];
        OutGrpRecord& g = groups[size_t(1 + Pick(rng, MaxGroups))];
        switch (Pick(rng, 10)) {
        case 0: r.Exist = r.Exist == "1" ? "0" : "1"; break;
        case 1: {
            const KindInfo& k = All()[size_t(Pick(rng, int(All().size())))];
            r.ExtType = k.extType;
            r.BaseType = k.baseType;
            break;
        }
        case 2: r.CardAddr = ZeroPad(Pick(rng, 10), 2); break;
        case 3: r.DeviceIsIn = any(2); break;
        case 4: r.NumOfGroups = any(10); break;
        case 5: r.Grp[size_t(1 + Pick(rng, MaxGroupsPerInput))] = any(40); break;
        case 6: g.OutCount = any(10); break;
        case 7: g.OutAddr[size_t(1 + Pick(rng, MaxOutputsPerGroup))] = any(Pick(rng, 2) ? 130 : 260); break;
        case 8: g.Trigger = any(10); break;
        case 9: r.ExtType = any(32); r.BaseType = any(8); break;
        }
    }
}

}  // namespace RandomProject
