// The groups model without widgets: what it offers, what it loads, the moves and their limits,
// the trigger options, the legality rule and the save, deleting and the special dialer.
#include <algorithm>
#include <functional>

#include "GroupsFixture.h"
#include "configeditors/GroupsTexts.h"

namespace {

using Moves = std::function<std::vector<Message>(GroupsModel&)>;

std::vector<QString> Prompts(const std::vector<Message>& messages)
{
    std::vector<QString> p;
    for (const Message& m : messages) p.push_back(m.prompt);
    return p;
}

TEST_F(GroupsTest, OffersInputsAndOutputsByKindAndTheSpecialOutputsByTheirFlags)
{
    SiteDevices();
    AddDevice(40, DeviceKind::Output);
    DeviceDataArray[40].ExtType = "00";  // kind 1: never offered
    Flags(true, false, true);
    const GroupsModel m = Loaded();

    // The second address of the alarm/fault card (31) is no input of its own.
    EXPECT_EQ(m.SystemInputs(1), V({3, 4, 5, 8, 12, 20, 21, 22, 23, 30}));
    EXPECT_EQ(m.SystemOutputs(1), V({9, 10, 14, 15, 16, 201, 205}));
    EXPECT_TRUE(m.GroupInputs(1).empty());
    EXPECT_TRUE(m.GroupOutputs(1).empty());
    EXPECT_TRUE(m.SystemInputs(0).empty());
    EXPECT_TRUE(m.SystemInputs(33).empty());

    EXPECT_EQ(m.ItemText(5), "005 DEV 5" + QString(11, ' '));
    EXPECT_EQ(GroupsModel::ItemAddress(m.ItemText(5)), 5);
    EXPECT_EQ(m.ItemText(201), "201 Alarm rly 1 ");
    EXPECT_EQ(m.ItemText(205), "205 Dialer -AL  ");
    for (int16_t lang : {1, 2})
        for (int code : {201, 202, 205}) EXPECT_EQ(GroupsTexts::SpecialItemText(code, lang).size(), 16) << code;
}

TEST_F(GroupsTest, ANewProjectGivesThirtyTwoEmptyGroupsWithTheOfferedSpecialOutputs)
{
    Flags(true, true, true);
    const GroupsModel m = Loaded();
    for (int g = 1; g <= MaxGroups; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(m.State(g), GroupState::Empty);
        EXPECT_EQ(m.SystemOutputs(g), V({201, 202, 205}));
        EXPECT_TRUE(m.SystemInputs(g).empty());
        EXPECT_EQ(m.GrpEditArray[g].GrpName, "Group " + Str(g));
        EXPECT_EQ(m.GrpEditArray[g].GrpNo, g);
    }
    EXPECT_EQ(GroupStateColour(GroupState::Empty), 0xFF9B37u);
    EXPECT_EQ(GroupStateColour(GroupState::Incomplete), 0x9B9BFFu);
    EXPECT_EQ(GroupStateColour(GroupState::Complete), 0x9BFF9Bu);
}

// Whatever a file or the panel gave is brought into range when the window opens.
TEST_F(GroupsTest, LoadBringsStoredCountsLinksAndTriggersIntoRange)
{
    SiteDevices();
    Links(3, {2, 40, 2, 7});                       // a group number out of range and a repeat
    Links(4, {1, 2, 3, 4});
    DeviceDataArray[4].NumOfGroups = "9 ";         // more than four
    Links(5, {6, 0, 8});                           // an empty link inside the count
    Links(8, {7});
    Links(12, {7});
    StoredGroup(1, 1, {9, 0, 9, 150, 10, 201});    // empty, repeated and impossible outputs
    OutGrpArray[1].OutCount = "9";
    StoredGroup(7, 5, {10}, "STAIRS");             // trigger 5 over three inputs
    StoredGroup(8, 0, {9}, "IGNORED");             // trigger 0 with an input: default name
    OutGrpArray[8].GrpName = "IGNORED";
    Links(20, {8});
    StoredGroup(9, 2, {14});                       // no inputs: keeps its trigger
    StoredGroup(2, 3, {9});                        // three wanted, two inputs
    const GroupsModel m = Loaded();

    EXPECT_EQ(LinksOf(m, 3), V({2, 2, 7, 0, 0}));
    EXPECT_EQ(LinksOf(m, 4), V({4, 1, 2, 3, 4}));
    EXPECT_EQ(LinksOf(m, 5), V({2, 6, 8, 0, 0}));
    EXPECT_EQ(Slots(m, 1), V({9, 10, 201, 0, 0, 0}));
    EXPECT_EQ(m.GrpEditArray[1].OutCount, 3);
    EXPECT_EQ(m.GrpEditArray[7].Trigger, 3);
    EXPECT_EQ(m.GrpEditArray[7].GrpName, "STAIRS" + QString(10, ' '));
    EXPECT_EQ(m.GrpEditArray[8].Trigger, 1);
    EXPECT_EQ(m.GrpEditArray[8].GrpName, "Group 8");
    EXPECT_EQ(m.GrpEditArray[9].Trigger, 2);
    EXPECT_EQ(m.GroupInputs(2), V({3, 4}));
    EXPECT_EQ(m.GrpEditArray[2].Trigger, 2);
}

TEST_F(GroupsTest, HiddenMembersStayInTheTables)
{
    SiteDevices();
    Links(31, {4});                     // the alarm/fault card's second address
    Links(30, {4});
    StoredGroup(4, 1, {201, 9});        // relay 1 is not offered
    Flags(false, false, false);
    const GroupsModel m = Loaded();
    EXPECT_EQ(m.GroupInputs(4), V({30}));
    EXPECT_EQ(LinksOf(m, 31), V({1, 4, 0, 0, 0}));
    EXPECT_EQ(m.GroupOutputs(4), V({9}));
    EXPECT_EQ(m.GrpEditArray[4].OutCount, 2);
    EXPECT_EQ(m.SystemOutputs(4), V({10, 14, 15, 16}));
}

struct MoveCase {
    const char* what;
    std::function<void()> stored;
    Moves move;
    int group;
    std::vector<int> groupInputs, groupOutputs, places;
    int trigger;
    std::vector<QString> messages;
    int address = 0;              // when not 0, the links of this input afterwards
    std::vector<int> links = {};  // its count and Grp(1..4)
};

// The message of a refused move; a named failure, not a crash, when the move was let through.
std::vector<Message> Refusal(const std::optional<Message>& m)
{
    if (!m) {
        ADD_FAILURE() << "the move past the six-output limit was let through";
        return {};
    }
    return {*m};
}

TEST_F(GroupsTest, MovesInAndOutOfAGroup)
{
    const std::vector<MoveCase> cases{
        {"three inputs added", [] {},
         [](GroupsModel& m) { return m.AddInputs(2, {12, 3, 8}); }, 2, {3, 8, 12}, {}, {0, 0, 0, 0, 0, 0}, 1, {}, 8, {1, 2, 0, 0, 0}},
        {"an input in four groups is refused on its own", [] { Links(4, {1, 2, 3, 5}); },
         [](GroupsModel& m) { return m.AddInputs(7, {3, 4, 5}); }, 7, {3, 5}, {}, {0, 0, 0, 0, 0, 0}, 1,
         {"Input device' 4 can be in 4 groups !!!"}, 4, {4, 1, 2, 3, 5}},
        {"outputs added together go in last address first", [] { StoredGroup(2, 0, {14}); },
         [](GroupsModel& m) {
             EXPECT_FALSE(m.AddOutputs(2, {9, 10, 15}));
             return std::vector<Message>{};
         },
         2, {}, {9, 10, 14, 15}, {14, 15, 10, 9, 0, 0}, 0, {}},
        {"outputs that would make seven are refused as a whole", [] { StoredGroup(2, 0, {9, 10, 14, 15}); },
         [](GroupsModel& m) { return Refusal(m.AddOutputs(2, {16, 201, 205})); }, 2, {},
         {9, 10, 14, 15}, {9, 10, 14, 15, 0, 0}, 0, {"The amount of OUTPUTS can't be more than 6"}},
        {"two more make six", [] { StoredGroup(2, 0, {9, 10, 14, 15}); },
         [](GroupsModel& m) {
             EXPECT_FALSE(m.AddOutputs(2, {201, 16}));
             return std::vector<Message>{};
         },
         2, {}, {9, 10, 14, 15, 16, 201}, {9, 10, 14, 15, 201, 16}, 0, {}},
        {"an output that is not offered still counts", [] {
             StoredGroup(2, 0, {202, 9, 10, 14, 15, 16});
             SysFlags2.RlyA2NotSys = "0";
         },
         [](GroupsModel& m) { return Refusal(m.AddOutputs(2, {205})); }, 2, {}, {9, 10, 14, 15, 16},
         {202, 9, 10, 14, 15, 16}, 0, {"The amount of OUTPUTS can't be more than 6"}},
        {"the last link fills the freed slot", [] { Links(3, {4, 9, 12}); },
         [](GroupsModel& m) {
             m.RemoveInputs(4, {3});
             return std::vector<Message>{};
         },
         4, {}, {}, {0, 0, 0, 0, 0, 0}, 0, {}, 3, {2, 12, 9, 0, 0}},
        {"the last output fills the freed slot", [] { StoredGroup(2, 0, {10, 14, 9, 201}); },
         [](GroupsModel& m) {
             m.RemoveOutputs(2, {14});
             m.RemoveOutputs(2, {201});
             return std::vector<Message>{};
         },
         2, {}, {9, 10}, {10, 9, 0, 0, 0, 0}, 0, {}},
        {"removing the last input sets the trigger to 0", [] {
             Links(3, {6});
             StoredGroup(6, 1, {9});
         },
         [](GroupsModel& m) {
             m.RemoveInputs(6, {3});
             return std::vector<Message>{};
         },
         6, {}, {9}, {9, 0, 0, 0, 0, 0}, 0, {}},
        {"removing one of three inputs sets it to 1", [] {
             for (int a : {3, 4, 5}) Links(a, {6});
             StoredGroup(6, 3, {9});
         },
         [](GroupsModel& m) {
             m.RemoveInputs(6, {4});
             return std::vector<Message>{};
         },
         6, {3, 5}, {9}, {9, 0, 0, 0, 0, 0}, 1, {}},
        {"adding inputs sets a trigger of 2 back to 1", [] {
             for (int a : {3, 4}) Links(a, {6});
             StoredGroup(6, 2, {9});
         },
         [](GroupsModel& m) { return m.AddInputs(6, {5}); }, 6, {3, 4, 5}, {9}, {9, 0, 0, 0, 0, 0}, 1, {}},
        {"outputs leave the trigger alone", [] {
             for (int a : {3, 4}) Links(a, {6});
             StoredGroup(6, 2, {9});
         },
         [](GroupsModel& m) {
             EXPECT_FALSE(m.AddOutputs(6, {10}));
             m.RemoveOutputs(6, {9});
             return std::vector<Message>{};
         },
         6, {3, 4}, {10}, {10, 0, 0, 0, 0, 0}, 2, {}},
        {"items that are not in the source list move nowhere", [] { Links(3, {1}); },
         [](GroupsModel& m) {
             auto r = m.AddInputs(1, {3, 9, 31, 99});
             m.RemoveInputs(1, {4, 12});
             EXPECT_FALSE(m.AddOutputs(1, {3, 99, 206}));
             m.RemoveOutputs(1, {9});
             return r;
         },
         1, {3}, {}, {0, 0, 0, 0, 0, 0}, 1, {}, 3, {1, 1, 0, 0, 0}},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResetModule::ResetProject(true);
        ResetModule::ResetGroups();
        SiteDevices();
        Flags(true, true, true);
        c.stored();
        GroupsModel m = Loaded();
        EXPECT_EQ(Prompts(c.move(m)), c.messages);
        EXPECT_EQ(m.GroupInputs(c.group), c.groupInputs);
        EXPECT_EQ(m.GroupOutputs(c.group), c.groupOutputs);
        EXPECT_EQ(Slots(m, c.group), c.places);
        EXPECT_EQ(m.GrpEditArray[c.group].OutCount, int(std::count_if(c.places.begin(), c.places.end(), [](int a) { return a; })));
        EXPECT_EQ(m.GrpEditArray[c.group].Trigger, c.trigger);
        if (c.address) {
            EXPECT_EQ(LinksOf(m, c.address), c.links);
        }
    }
}

TEST_F(GroupsTest, TriggerOptionsFollowTheInputsOfTheGroup)
{
    const std::vector<std::pair<int, int>> cases{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {5, 3}};
    for (const auto& [inputs, options] : cases) {
        SCOPED_TRACE(inputs);
        ResetModule::ResetProject(true);
        for (int a = 1; a <= inputs; ++a) {
            AddDevice(a, DeviceKind::SmokeDetector);
            Links(a, {7});
        }
        StoredGroup(7, inputs ? 1 : 0, {});
        GroupsModel m = Loaded();
        EXPECT_EQ(m.TriggerOptions(7), options);
        for (int k = 1; k <= 3; ++k) {
            const int before = m.GrpEditArray[7].Trigger;
            EXPECT_EQ(m.SetTrigger(7, k), k <= options) << k;
            EXPECT_EQ(m.GrpEditArray[7].Trigger, k <= options ? k : before) << k;
        }
        // No group shown, or no option: nothing is written.
        EXPECT_FALSE(m.SetTrigger(0, 1));
        EXPECT_FALSE(m.SetTrigger(7, 0));
    }
}

TEST_F(GroupsTest, DeletingAGroupEmptiesItAndKeepsItsName)
{
    SiteDevices();
    Flags(true, false, false);
    Links(3, {5, 2});
    Links(8, {2});
    StoredGroup(2, 2, {10, 201}, "HALL");
    GroupsModel m = Loaded();
    m.EmptyGroup(2);
    EXPECT_TRUE(m.GroupInputs(2).empty());
    EXPECT_TRUE(m.GroupOutputs(2).empty());
    EXPECT_EQ(m.SystemInputs(2), V({3, 4, 5, 8, 12, 20, 21, 22, 23, 30}));
    EXPECT_EQ(LinksOf(m, 3), V({1, 5, 0, 0, 0}));
    EXPECT_EQ(LinksOf(m, 8), V({0, 0, 0, 0, 0}));
    EXPECT_EQ(m.GrpEditArray[2].Trigger, 0);
    EXPECT_EQ(Slots(m, 2), V({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m.GrpEditArray[2].OutCount, 0);
    EXPECT_EQ(m.GrpEditArray[2].GrpName.trimmed(), "HALL");
    EXPECT_EQ(m.State(2), GroupState::Empty);
}

TEST_F(GroupsTest, DeleteAllEmptiesEveryGroupOnItsOwnTrigger)
{
    SiteDevices();
    Links(3, {1, 4});
    Links(4, {1});
    StoredGroup(1, 2, {9});
    StoredGroup(4, 1, {10});
    StoredGroup(6, 3, {14});  // no inputs: keeps its trigger
    GroupsModel m = Loaded();
    m.DeleteAll();
    for (int g = 1; g <= MaxGroups; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(m.State(g), GroupState::Empty);
        EXPECT_EQ(m.GrpEditArray[g].OutCount, 0);
    }
    EXPECT_EQ(m.GrpEditArray[1].Trigger, 0);
    EXPECT_EQ(m.GrpEditArray[4].Trigger, 0);
    EXPECT_EQ(m.GrpEditArray[6].Trigger, 3);
    for (int a = 1; a <= MaxAddress; ++a) EXPECT_EQ(m.DevGrpArray[a].NumOfGroups, 0) << a;
}

}  // namespace
