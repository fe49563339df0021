// The groups model's save (legality and what is written back) and the special dialer groups.
#include <random>

#include "GroupsFixture.h"
#include "RandomProject.h"
#include "core/CSetting.h"
#include "core/ProjectWhole.h"
#include "panellink/UploadCheck.h"
#include "projectfile/ProjectFile.h"
#include "configeditors/GroupsTexts.h"

namespace {

TEST_F(GroupsTest, SaveWritesTheWorkingTablesBackAndEmptiesIllegalGroups)
{
    SiteDevices();
    Flags(false, false, false);
    Links(31, {4});                       // second address of the card: written back as loaded
    Links(30, {4});
    StoredGroup(4, 1, {9});
    StoredGroup(7, 5, {10}, "STAIRS");    // trigger 5, shown and written as 3
    for (int a : {8, 20, 22}) Links(a, {7});
    StoredGroup(12, 1, {201});            // relay 1 not offered: no listed output
    Links(23, {12});
    const DeviceRecord output = DeviceDataArray[9];
    const DeviceRecord freeAddress = DeviceDataArray[50];

    GroupsModel m = Loaded();
    ASSERT_TRUE(m.AddInputs(5, {3, 12}).empty());
    ASSERT_TRUE(m.AddInputs(7, {3}).empty());   // 3 is now in 5 and 7; 7's trigger back to 1
    ASSERT_TRUE(m.SetTrigger(7, 3));
    ASSERT_FALSE(m.AddOutputs(5, {9}));
    m.GrpEditArray[5].GrpName = "A NAME LONGER THAN SIXTEEN";
    ASSERT_TRUE(m.AddInputs(10, {4}).empty());  // inputs only: illegal
    ASSERT_FALSE(m.AddOutputs(11, {14}));       // outputs only: illegal
    EXPECT_TRUE(m.IsIllegal(10));
    EXPECT_TRUE(m.IsIllegal(11));
    EXPECT_TRUE(m.IsIllegal(12));
    EXPECT_FALSE(m.IsIllegal(5));
    EXPECT_FALSE(m.IsIllegal(1));

    DataChanged = false;
    m.Save();

    const DeviceRecord& d3 = DeviceDataArray[3];
    EXPECT_EQ(d3.NumOfGroups.str(), "2 ");
    EXPECT_EQ(d3.Grp[1].str(), "05");
    EXPECT_EQ(d3.Grp[2].str(), "07");
    EXPECT_EQ(d3.Grp[3].str(), "00");
    EXPECT_EQ(d3.WithAlarmGroup, "1");
    EXPECT_EQ(DeviceDataArray[4].NumOfGroups.str(), "0 ");
    EXPECT_EQ(DeviceDataArray[4].Grp[1].str(), "00");
    EXPECT_EQ(DeviceDataArray[4].WithAlarmGroup, "0");
    EXPECT_EQ(DeviceDataArray[23].WithAlarmGroup, "0") << "group 12 lost its inputs";
    EXPECT_EQ(DeviceDataArray[31].NumOfGroups.str(), "1 ");
    EXPECT_EQ(DeviceDataArray[31].Grp[1].str(), "04");
    EXPECT_EQ(DeviceDataArray[9], output) << "outputs are not written";
    EXPECT_EQ(DeviceDataArray[50], freeAddress);

    const OutGrpRecord& g5 = OutGrpArray[5];
    EXPECT_EQ(g5.GrpNo.str(), "05");
    EXPECT_EQ(g5.Trigger.str(), "1");
    EXPECT_EQ(g5.OutCount.str(), "1");
    EXPECT_EQ(g5.OutAddr[1].str(), "009");
    for (int k = 2; k <= 6; ++k) EXPECT_EQ(g5.OutAddr[k].str(), "000");
    EXPECT_EQ(g5.GrpName.str(), "A NAME LONGER TH");
    EXPECT_EQ(OutGrpArray[7].Trigger.str(), "3");
    EXPECT_EQ(OutGrpArray[7].GrpName.str(), "STAIRS          ");
    EXPECT_EQ(OutGrpArray[10].Trigger.str(), "0");
    EXPECT_EQ(OutGrpArray[11].OutCount.str(), "0");
    EXPECT_EQ(OutGrpArray[11].OutAddr[1].str(), "000");
    EXPECT_EQ(OutGrpArray[12].Trigger.str(), "0");
    EXPECT_EQ(OutGrpArray[12].OutAddr[1].str(), "201") << "an output that is not offered stays";
    EXPECT_EQ(OutGrpArray[1].GrpNo.str(), "01");
    EXPECT_EQ(OutGrpArray[1].GrpName.str(), "Group 1         ");
    // 5 and 7 are named by inputs and drive outputs; 4 is named only by the card's second
    // address and keeps output 9, so it counts too; 12 keeps 201 but no input names it.
    EXPECT_EQ(NumOfActiveGroups, 3);
    EXPECT_TRUE(DataChanged);
}

TEST_F(GroupsTest, ThirtyTwoCompleteGroupsAreAllActive)
{
    AddDevice(1, DeviceKind::SmokeDetector);
    AddDevice(2, DeviceKind::Output);
    GroupsModel m = Loaded();
    for (int g = 1; g <= MaxGroups; ++g) {
        if (g <= 4) ASSERT_TRUE(m.AddInputs(g, {1}).empty());
        else ASSERT_EQ(m.AddInputs(g, {1}).size(), 1u) << "the fifth group is refused";
        ASSERT_FALSE(m.AddOutputs(g, {2}));
    }
    m.Save();
    EXPECT_EQ(NumOfActiveGroups, 4) << "groups 5 to 32 had outputs only";

    for (int a = 3; a <= 34; ++a) AddDevice(a, DeviceKind::InputDevice);
    GroupsModel full = Loaded();
    for (int g = 1; g <= MaxGroups; ++g) {
        ASSERT_TRUE(full.AddInputs(g, {g + 2}).empty());
        ASSERT_FALSE(full.AddOutputs(g, {2}));
    }
    full.Save();
    EXPECT_EQ(NumOfActiveGroups, 32);
}

// Three smoke detectors and two red call points, a conventional detector and an input device
// that the dialer never takes; groups 31 and 32 held something else before.
void DialerSite()
{
    for (int a : {3, 4, 5}) AddDevice(a, DeviceKind::SmokeDetector);
    for (int a : {20, 22}) AddDevice(a, DeviceKind::RedCallPoint);
    AddDevice(21, DeviceKind::ConventionalDetector);
    AddDevice(12, DeviceKind::InputDevice);
    AddDevice(9, DeviceKind::Output);
}

TEST_F(GroupsTest, SpecialDialerBuildsGroupsThirtyOneAndThirtyTwo)
{
    DialerSite();
    Flags(true, false, true);
    Links(12, {31});
    StoredGroup(31, 1, {9, 201}, "OLD");
    GroupsModel m = Loaded();
    EXPECT_TRUE(m.SpecialDialer().empty());

    EXPECT_EQ(m.GroupInputs(31), V({3, 4, 5}));
    EXPECT_EQ(m.GroupOutputs(31), V({205}));
    EXPECT_EQ(m.GrpEditArray[31].Trigger, 2);
    EXPECT_EQ(m.GrpEditArray[31].GrpName, "Fire Dprt.-(2)");
    EXPECT_EQ(m.GroupInputs(32), V({20, 22}));
    EXPECT_EQ(m.GroupOutputs(32), V({205}));
    EXPECT_EQ(m.GrpEditArray[32].Trigger, 1);
    EXPECT_EQ(m.GrpEditArray[32].GrpName, "Fire Dprt.-(1)");
    EXPECT_EQ(Slots(m, 31), V({205, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LinksOf(m, 12), V({0, 0, 0, 0, 0}));
}

TEST_F(GroupsTest, SpecialDialerShortages)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> devices;  // address, kind
        std::vector<QString> messages;
        std::vector<int> group31, group32;
        QString name31, name32;
    };
    const QString shortage31 = "Not enough devices for dialing fire department\r\nTwo (2) alarms - detectors";
    const QString shortage32 = "Not enough devices for dialing fire department\r\nOne (1) alarm - call points, flow swithes";
    const std::vector<Case> cases{
        {"one heat detector and one call point", {{8, DeviceKind::HeatDetector}, {20, DeviceKind::RedCallPoint}},
         {shortage31}, {}, {20}, "Fire Dprt.-(2)", "Fire Dprt.-(1)"},
        {"no inputs at all", {{9, DeviceKind::Output}}, {shortage31, shortage32}, {}, {}, "Group 31", "Group 32"},
        {"beam card, yellow call point and alarm/fault card",
         {{6, DeviceKind::BeamCard}, {7, DeviceKind::HeatDetector}, {23, DeviceKind::YellowCallPoint},
          {24, DeviceKind::AlarmFaultCard}, {25, DeviceKind::InputDevice}},
         {}, {6, 7}, {23, 24}, "Fire Dprt.-(2)", "Fire Dprt.-(1)"},
        {"only conventional detectors and input devices",
         {{21, DeviceKind::ConventionalDetector}, {22, DeviceKind::ConventionalDetector}, {12, DeviceKind::InputDevice}},
         {shortage31, shortage32}, {}, {}, "Fire Dprt.-(2)", "Fire Dprt.-(1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetModule::ResetProject(true);
        ResetModule::ResetGroups();
        Flags(false, false, true);
        for (const auto& [a, kind] : c.devices) AddDevice(a, kind);
        GroupsModel m = Loaded();
        std::vector<QString> prompts;
        for (const Message& msg : m.SpecialDialer()) {
            prompts.push_back(msg.prompt);
            EXPECT_EQ(msg.style, Ui::vbOKOnly);
            EXPECT_EQ(msg.title, QString());
        }
        EXPECT_EQ(prompts, c.messages);
        EXPECT_EQ(m.GroupInputs(31), c.group31);
        EXPECT_EQ(m.GroupInputs(32), c.group32);
        EXPECT_EQ(m.GroupOutputs(31).empty(), c.group31.empty());
        EXPECT_EQ(m.GrpEditArray[31].Trigger, c.group31.empty() ? 0 : 2);
        EXPECT_EQ(m.GrpEditArray[31].GrpName, c.name31);
        EXPECT_EQ(m.GrpEditArray[32].GrpName, c.name32);
    }
}

// A detector already in four groups takes no fifth: the group is built with the others when
// two remain, and left empty with a message naming the full inputs when fewer remain.
TEST_F(GroupsTest, SpecialDialerCountsOnlyDetectorsWithRoom)
{
    for (int a : {3, 4, 5}) AddDevice(a, DeviceKind::SmokeDetector);
    AddDevice(20, DeviceKind::RedCallPoint);
    AddDevice(9, DeviceKind::Output);
    Flags(false, false, true);
    Links(3, {1, 2, 3, 4});
    GroupsModel m = Loaded();
    std::vector<Message> messages = m.SpecialDialer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Input device' 3 can be in 4 groups !!!");
    EXPECT_EQ(m.GroupInputs(31), V({4, 5}));
    EXPECT_EQ(m.GrpEditArray[31].Trigger, 2);

    Links(4, {1, 2, 3, 4});
    GroupsModel tight = Loaded();
    messages = tight.SpecialDialer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Not enough devices for dialing fire department\r\nTwo (2) alarms - detectors\r\n"
                                  "Input devices already in 4 groups: 3, 4");
    EXPECT_TRUE(tight.GroupInputs(31).empty());
    EXPECT_TRUE(tight.GroupOutputs(31).empty());
    EXPECT_EQ(tight.GrpEditArray[31].Trigger, 0);
    EXPECT_EQ(LinksOf(tight, 5), V({0, 0, 0, 0, 0}));
    EXPECT_EQ(tight.GroupInputs(32), V({20}));

    languages::SetLanguage(1);
    GroupsModel hebrew = Loaded();
    messages = hebrew.SpecialDialer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.endsWith(QStringLiteral("התקני מבוא שכבר נמצאים ב-4 קבוצות: 3, 4")));
    EXPECT_EQ(messages[0].style, Ui::vbOKOnly | Ui::vbHebrew);
}

TEST_F(GroupsTest, SpecialDialerNeedsTheDialerFlag)
{
    DialerSite();
    Flags(true, true, false);
    StoredGroup(31, 1, {9});
    Links(3, {31});
    GroupsModel m = Loaded();
    const auto before = m.GrpEditArray;
    EXPECT_TRUE(m.SpecialDialer().empty());
    EXPECT_EQ(m.GroupInputs(31), V({3}));
    EXPECT_EQ(m.GrpEditArray[31].OutAddr, before[31].OutAddr);
}

TEST_F(GroupsTest, DialerWarningInBothLanguages)
{
    const Message english = GroupsTexts::DialerWarning(2);
    EXPECT_EQ(english.prompt, "This will delete groups 31 and 32");
    for (QChar c : english.prompt) EXPECT_FALSE(c.unicode() >= 0x0590 && c.unicode() <= 0x05FF);
    EXPECT_EQ(english.title, "Pay attention !!!");
    EXPECT_EQ(english.style, Ui::vbYesNo);
    const Message hebrew = GroupsTexts::DialerWarning(1);
    EXPECT_EQ(hebrew.prompt, QStringLiteral("פעולה זו תמחוק את קבוצות 31 ו-32"));
    EXPECT_EQ(hebrew.title, QStringLiteral("שים לב!!!"));
    EXPECT_EQ(hebrew.style, Ui::vbYesNo | Ui::vbHebrew);
}

}  // namespace

// The count of groups in use is one rule: the same after the groups window's Yes, after the save
// and after the same project is opened again; and what Yes writes is a whole project.
TEST_F(GroupsTest, TheGroupCountIsTheSameAfterYesAndAfterReopening)
{
    SiteDevices();
    Links(3, {1});
    Links(12, {2});
    StoredGroup(1, 1, {9});
    StoredGroup(2, 1, {10, 201});
    StoredGroup(7, 0, {14});  // outputs but no input: not in use, and emptied by Yes
    Links(31, {5});           // the fault input of the card holds no link
    StoredGroup(5, 1, {15});
    auto saveAndReopen = [] {
        CSetting setting;
        ASSERT_TRUE(ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr));
        ResetModule::ResetProject(false);
        ASSERT_TRUE(ProjectFile::Read().ok);
    };
    saveAndReopen();
    EXPECT_EQ(NumOfActiveGroups, 2);

    GroupsModel m = Loaded();
    m.Save();
    EXPECT_EQ(NumOfActiveGroups, 2);
    EXPECT_FALSE(ProjectWhole::CheckProject().any());
    EXPECT_FALSE(FirstUnencodableRecord().has_value());

    saveAndReopen();
    EXPECT_EQ(NumOfActiveGroups, 2);
}

// Random whole projects through the groups window's load and Yes: the project stays whole and
// the upload check accepts it.
TEST_F(GroupsTest, YesOnARandomWholeProjectLeavesItWhole)
{
    std::mt19937 rng(532);
    for (int run = 0; run < 60; ++run) {
        SCOPED_TRACE(run);
        RandomProject::FillWholeProject(rng);
        GroupsModel m = Loaded();
        m.Save();
        ASSERT_FALSE(ProjectWhole::CheckProject().any());
        ASSERT_FALSE(FirstUnencodableRecord().has_value());
    }
}
