#include <gtest/gtest.h>

#include <random>

#include "RandomProject.h"
#include "core/Conv.h"
#include "core/PlacesMessage.h"
#include "core/ProjectWhole.h"
#include "core/ResetModule.h"

using namespace ProjectWhole;
using namespace DeviceKind;

namespace {

struct Tables {
    DeviceTable d{};
    GroupTable g{};
    Tables()
    {
        for (int a = 1; a <= MaxAddress; ++a) ResetModule::ResetRecord(d[a], a);
        for (int n = 1; n <= MaxGroups; ++n) {
            g[n].GrpNo = ZeroPad(n, 2);
            g[n].Trigger = "0";
            g[n].OutCount = "0";
            for (int o = 1; o <= MaxOutputsPerGroup; ++o) g[n].OutAddr[o] = "000";
        }
    }
    // A part of a device at a: its kind and position.
    DeviceRecord& Put(int a, int kind, int position, std::initializer_list<int> links = {})
    {
        const KindInfo* k = Find(kind);
        DeviceRecord& r = d[a];
        r.Exist = "1";
        r.ExtType = k->extType;
        r.BaseType = k->baseType;
        r.DeviceIsIn = k->isInput ? "1" : "0";
        r.CardAddr = ZeroPad(position, 2);
        int n = 0;
        for (int l : links) r.Grp[++n] = ZeroPad(l, 2);
        r.NumOfGroups = ZeroPad(n, 2);
        r.WithAlarmGroup = n ? "1" : "0";
        return r;
    }
    OutGrpRecord& Group(int n, const QString& trigger, const QString& count, std::initializer_list<int> outs)
    {
        OutGrpRecord& grp = g[n];
        grp.Trigger = trigger;
        grp.OutCount = count;
        int o = 0;
        for (int a : outs) grp.OutAddr[++o] = ZeroPad(a, 3);
        return grp;
    }
    Places Mend() { return MakeWhole(d, g); }
};

}  // namespace

TEST(ProjectWhole, WholeDevicesOfEveryShapeAreWhole)
{
    Tables t;
    t.Put(1, SmokeDetector, 1);
    t.Put(2, Output, 2);
    t.Put(3, Output, 3);
    t.Put(4, Extinguish, 2);
    t.Put(5, Output, 3);  // the second address of an extinguish device is an output
    t.Put(6, Relay, 2);
    t.Put(7, Relay, 3);
    t.Put(8, AlarmFaultCard, 2);
    t.Put(9, AlarmFaultCard, 3);
    t.Put(10, TwoInputCard, 2);
    t.Put(11, TwoInputCard, 3);
    for (int i = 0; i < 4; ++i) t.Put(12 + i, FourZoneCard, i);
    t.Put(16, AlarmFaultCard, 1);
    t.Put(17, Relay, 1);
    // Position 0 on a device of one address is its single position too, whatever its kind.
    t.Put(18, RedCallPoint, 0);
    t.Put(19, Output, 0);
    t.Put(20, Relay, 0);
    t.Put(21, AlarmFaultCard, 0);
    t.Put(22, Extinguish, 0);
    t.Put(23, SmokeDetector, 0);
    const Places p = Check(t.d, t.g);
    EXPECT_TRUE(p.tablesWhole()) << NumberList(p.addresses).toStdString();
    const Tables before = t;
    EXPECT_FALSE(t.Mend().any());
    EXPECT_EQ(t.d, before.d) << "nothing to mend, the positions 0 included";
    EXPECT_EQ(DeviceAt(t.d, 19).last, 19);
    EXPECT_EQ(DeviceAt(t.d, 13).first, 12);
    EXPECT_EQ(DeviceAt(t.d, 13).last, 15);
    EXPECT_EQ(DeviceAt(t.d, 5).first, 4);
    EXPECT_EQ(DeviceAt(t.d, 16).last, 16);
    EXPECT_EQ(DeviceAt(t.d, 30).first, 0);
}

// Each damaged place, what it becomes, and which addresses are named.
TEST(ProjectWhole, DamagedDevicesLoseAsLittleAsPossible)
{
    struct Case {
        const char* what;
        std::function<void(Tables&)> make;
        std::function<void(const Tables&)> expect;
        QList<int> named;
    };
    const Case cases[] = {
        {"relay's first half, second address free", [](Tables& t) { t.Put(10, Relay, 2); },
         [](const Tables& t) { EXPECT_EQ(t.d[10].CardAddr.str(), "01"); }, {10}},
        {"relay's first half, second address another device",
         [](Tables& t) { t.Put(10, Relay, 2); t.Put(11, SmokeDetector, 1); },
         [](const Tables& t) {
             EXPECT_EQ(t.d[10].CardAddr.str(), "01");
             EXPECT_EQ(KindOf(t.d[11]), SmokeDetector);
         }, {10}},
        {"second half with no first half", [](Tables& t) { t.Put(20, Relay, 3); },
         [](const Tables& t) {
             EXPECT_EQ(KindOf(t.d[20]), Relay);
             EXPECT_EQ(t.d[20].CardAddr.str(), "01");
         }, {20}},
        {"extinguish with an extinguish second half",
         [](Tables& t) { t.Put(30, Extinguish, 2); t.Put(31, Extinguish, 3); },
         [](const Tables& t) {
             EXPECT_EQ(t.d[30].CardAddr.str(), "01");
             EXPECT_EQ(t.d[31].CardAddr.str(), "01");
         }, {30, 31}},
        {"four-zone card missing a part",
         [](Tables& t) { t.Put(40, FourZoneCard, 0); t.Put(41, FourZoneCard, 1); t.Put(43, FourZoneCard, 3); },
         [](const Tables& t) {
             for (int a : {40, 41, 43}) EXPECT_EQ(t.d[a].Exist.str(), "0") << a;
         }, {40, 41, 43}},
        {"two-input card without its second input", [](Tables& t) { t.Put(50, TwoInputCard, 2); },
         [](const Tables& t) { EXPECT_EQ(t.d[50].Exist.str(), "0"); }, {50}},
        {"single kind on a second position", [](Tables& t) { t.Put(60, HeatDetector, 2); },
         [](const Tables& t) { EXPECT_EQ(t.d[60].CardAddr.str(), "01"); }, {60}},
        {"unknown kind", [](Tables& t) { t.Put(61, SmokeDetector, 1).BaseType = "0"; },
         [](const Tables& t) { EXPECT_EQ(t.d[61].Exist.str(), "0"); }, {61}},
        {"input marked as output", [](Tables& t) { t.Put(62, SmokeDetector, 1).DeviceIsIn = "0"; },
         [](const Tables& t) { EXPECT_EQ(t.d[62].DeviceIsIn.str(), "1"); }, {62}},
        {"a pair past the last address", [](Tables& t) { t.Put(126, Output, 2); },
         [](const Tables& t) { EXPECT_EQ(t.d[126].CardAddr.str(), "01"); }, {126}},
        // Position 0 is a part of four, never a single one, for the cards that cannot be single.
        {"a two-input card on position 0", [](Tables& t) { t.Put(70, TwoInputCard, 0); },
         [](const Tables& t) { EXPECT_EQ(t.d[70].Exist.str(), "0"); }, {70}},
        {"a second half after a single output on position 0",
         [](Tables& t) { t.Put(80, Output, 0); t.Put(81, Output, 3); },
         [](const Tables& t) {
             EXPECT_EQ(t.d[80].CardAddr.str(), "00");
             EXPECT_EQ(t.d[81].CardAddr.str(), "01");
         }, {81}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Tables t;
        c.make(t);
        const Places p = t.Mend();
        c.expect(t);
        EXPECT_EQ(p.addresses, c.named);
        EXPECT_TRUE(Check(t.d, t.g).tablesWhole());
    }
}

TEST(ProjectWhole, LinksAreKeptOnlyByInputsOnceEach)
{
    Tables t;
    t.Put(1, AlarmFaultCard, 2, {3});
    t.Put(2, AlarmFaultCard, 3, {4});  // the fault input keeps none
    t.Put(3, Output, 1, {5});          // nor does an output
    DeviceRecord& dup = t.Put(4, InputDevice, 1, {6, 6, 7});
    dup.NumOfGroups = "03";
    DeviceRecord& miscount = t.Put(5, SmokeDetector, 1, {8, 9});
    miscount.NumOfGroups = "01";  // the first place only is a link
    const Places p = t.Mend();
    EXPECT_EQ(p.addresses, (QList<int>{2, 3, 4, 5}));
    EXPECT_EQ(t.d[1].NumOfGroups.str(), "01");
    EXPECT_EQ(ValInt(t.d[2].NumOfGroups.str()), 0);
    EXPECT_EQ(t.d[2].Grp[1].str(), "00");
    EXPECT_EQ(t.d[2].WithAlarmGroup.str(), "0");
    EXPECT_EQ(ValInt(t.d[3].NumOfGroups.str()), 0);
    EXPECT_EQ(t.d[4].NumOfGroups.str(), "02");
    EXPECT_EQ(t.d[4].Grp[2].str(), "07");
    EXPECT_EQ(t.d[5].NumOfGroups.str(), "01");
    EXPECT_EQ(t.d[5].Grp[2].str(), "00");
}

TEST(ProjectWhole, GroupsListOnlyOutputsAndCountThem)
{
    Tables t;
    t.Put(1, SmokeDetector, 1, {1, 2, 3});
    t.Put(2, Relay, 1);
    t.Put(3, Output, 1);
    // OutCount "0" while listing outputs: a save would drop them.
    t.Group(1, "1", "0", {2, 3});
    // A free address, an input, a repeat and a special output.
    t.Group(2, "1", "5", {9, 1, 2, 2, 201});
    // A trigger above the inputs linked.
    t.Group(3, "3", "1", {205});
    const Places p = t.Mend();
    EXPECT_EQ(p.groups, (QList<int>{1, 2, 3}));
    EXPECT_EQ(t.g[1].OutCount.str(), "2");
    EXPECT_EQ(t.g[1].OutAddr[2].str(), "003");
    EXPECT_EQ(t.g[2].OutCount.str(), "2");
    EXPECT_EQ(t.g[2].OutAddr[1].str(), "002");
    EXPECT_EQ(t.g[2].OutAddr[2].str(), "201");
    EXPECT_EQ(t.g[2].OutAddr[3].str(), "000");
    EXPECT_EQ(t.g[3].Trigger.str(), "1");
    EXPECT_TRUE(Check(t.d, t.g).tablesWhole());
}

TEST(ProjectWhole, AnActiveGroupHasAnOutputAndAnInput)
{
    Tables t;
    t.Put(1, SmokeDetector, 1, {1});
    t.Put(2, Relay, 1);
    t.Group(1, "1", "1", {2});
    t.Group(2, "0", "1", {2});  // outputs, but no input
    EXPECT_TRUE(IsActiveGroup(t.d, t.g, 1));
    EXPECT_FALSE(IsActiveGroup(t.d, t.g, 2));
    EXPECT_EQ(ActiveGroups(t.d, t.g), 1);
}

TEST(ProjectWhole, RandomWholeProjectsAreWholeAndLeftAsTheyAre)
{
    std::mt19937 rng(2112);
    for (int i = 0; i < 300; ++i) {
        Tables t;
        RandomProject::FillWhole(rng, t.d, t.g);
        ASSERT_TRUE(Check(t.d, t.g).tablesWhole()) << "seed step " << i;
        const Tables before = t;
        EXPECT_FALSE(t.Mend().any());
        ASSERT_EQ(t.d, before.d);
        ASSERT_EQ(t.g, before.g);
    }
}

// After a repair the tables are whole, a second repair finds nothing, no device is invented or
// changes its kind, and the places named are exactly the records that changed, but for the one
// change nothing shows: a trigger held to 0 on a group that no input is linked to.
TEST(ProjectWhole, RandomDamageIsMadeWholeNamingEveryChange)
{
    std::mt19937 rng(6021);
    for (int i = 0; i < 700; ++i) {
        Tables t;
        RandomProject::FillWhole(rng, t.d, t.g);
        RandomProject::Damage(rng, t.d, t.g, 1 + RandomProject::Pick(rng, 40));
        const Tables before = t;
        const Places p = t.Mend();
        ASSERT_TRUE(Check(t.d, t.g).tablesWhole()) << "step " << i;
        Tables again = t;
        ASSERT_FALSE(again.Mend().any()) << "step " << i;
        QList<int> changed, changedGroups;
        for (int a = 1; a <= MaxAddress; ++a) {
            if (t.d[a] != before.d[a]) changed << a;
            if (t.d[a].Exist == "1") {
                ASSERT_EQ(before.d[a].Exist.str(), "1") << "invented at " << a;
                ASSERT_EQ(KindOf(t.d[a]), KindOf(before.d[a])) << a;
            }
        }
        for (int g = 1; g <= MaxGroups; ++g)
            if (t.g[g] != before.g[g]) changedGroups << g;
        ASSERT_EQ(p.addresses, changed) << "step " << i;
        ASSERT_EQ(p.groups, changedGroups) << "step " << i;
    }
}

// What the original program leaves in a sound project: a position 0 on devices of one address,
// and a trigger on groups that no input is linked to. Both are whole as they stand: nothing is
// changed and nothing named.
TEST(ProjectWhole, WhatTheOriginalLeavesIsTakenWithoutAWord)
{
    std::mt19937 rng(4203);
    int positions = 0, triggers = 0;
    for (int i = 0; i < 300; ++i) {
        Tables t;
        RandomProject::FillWhole(rng, t.d, t.g);
        const auto spans = DevicesOf(t.d);
        for (int a = 1; a <= MaxAddress; ++a)
            if (t.d[a].Exist == "1" && spans[a].first == spans[a].last && t.d[a].CardAddr == "01" &&
                RandomProject::Pick(rng, 2)) {
                t.d[a].CardAddr = "00";
                ++positions;
            }
        ASSERT_TRUE(Check(t.d, t.g).tablesWhole()) << "step " << i;
        QList<int> triggered;
        for (int g = 1; g <= MaxGroups; ++g)
            if (InputsLinked(t.d, g) == 0 && RandomProject::Pick(rng, 2)) {
                t.g[g].Trigger = Str(1 + RandomProject::Pick(rng, 3));
                triggered << g;
            }
        triggers += int(triggered.size());
        ASSERT_TRUE(Check(t.d, t.g).tablesWhole()) << "the upload check takes them as they stand";
        const Tables before = t;
        ASSERT_FALSE(t.Mend().any()) << "step " << i;
        ASSERT_EQ(t.d, before.d) << "step " << i;
        ASSERT_EQ(t.g, before.g) << "step " << i;
        ASSERT_TRUE(Check(t.d, t.g).tablesWhole()) << "step " << i;
    }
    EXPECT_GT(positions, 1000);
    EXPECT_GT(triggers, 300);
}

TEST(ProjectWhole, TheSharedProjectsCountsAreRecounts)
{
    std::mt19937 rng(77);
    RandomProject::FillWholeProject(rng);
    EXPECT_FALSE(CheckProject().any());
    NumOfDevices = "0";
    NumOfActiveGroups = 99;
    EXPECT_TRUE(CheckProject().counts);
    EXPECT_TRUE(CheckProject().tablesWhole());
    const Places p = MakeProjectWhole();
    EXPECT_TRUE(p.counts);
    EXPECT_EQ(ValInt(NumOfDevices.str()), AddressesInUse(DeviceDataArray));
    EXPECT_EQ(NumOfDevices.str().size(), 3);
    EXPECT_FALSE(CheckProject().any());
}
