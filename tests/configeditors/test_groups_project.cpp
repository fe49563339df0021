// The groups window opened from the main window on a full project: the groups built, edited and
// deleted there, and the special dialer groups, reach the main window's count, the project file
// and, through an upload on a pseudo-terminal, the panel simulator.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "configeditors/frm8Groups.h"
#include "mainwindow/test_admin_fixture.h"
#include "panellink/test_operations_support.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/PanelOnPty.h"

namespace {

class GroupsProjectTest : public AdminWindowTest {
protected:
    void SetUp() override
    {
        AdminWindowTest::SetUp();
        Clock::SetCurrent(nullptr);
        languages::SetLanguage(2);
        NumOfActiveGroups = 0;
    }
};

// Every address in use: smoke and heat detectors, red call points, input devices and outputs
// in turn; the alarm relay 1 and the dialer driven by groups.
void FullProject()
{
    const std::array<int, 6> kinds{DeviceKind::Output,        DeviceKind::SmokeDetector, DeviceKind::HeatDetector,
                                   DeviceKind::RedCallPoint,  DeviceKind::InputDevice,   DeviceKind::Output};
    for (int a = 1; a <= MaxAddress; ++a) AddDevice(a, kinds[a % 6], QStringLiteral("ZONE %1").arg(a));
    SysFlags2.RlyA1NotSys = "1";
    SysFlags2.DialerANotSys = "1";
}

void Select(QListWidget* l, std::initializer_list<int> addresses)
{
    l->clearSelection();
    for (int i = 0; i < l->count(); ++i)
        for (int a : addresses)
            if (GroupsModel::ItemAddress(l->item(i)->text()) == a) l->item(i)->setSelected(true);
}

// What a user does in the groups window: group 1 from detectors 1 and 2 and call point 3 to
// output 5 and alarm relay 1, needing two alarms; group 2 from input 4 to output 6, deleted
// again; group 1 edited (call point 3 out, detector 7 in, three alarms); the dialer groups.
void EditGroups(frm8Groups& w, ScriptedPrompter& prompter)
{
    w.GroupSelectted[1]->click();
    Select(w.SystemInputDevices[1], {1, 2, 3});
    w.Command3->click();
    Select(w.SystemOutputDevices[1], {5, 201});
    w.Command5->click();
    w.Option1[2]->click();
    w.Text1[1]->clear();
    QTest::keyClicks(w.Text1[1], "EAST WING");

    w.GroupSelectted[2]->click();
    Select(w.SystemInputDevices[2], {4});
    w.Command3->click();
    Select(w.SystemOutputDevices[2], {6});
    w.Command5->click();

    w.GroupSelectted[1]->click();
    Select(w.GroupInputDevices[1], {3});
    w.Command4->click();
    Select(w.SystemInputDevices[1], {7});
    w.Command3->click();
    w.Option1[3]->click();

    w.GroupSelectted[2]->click();
    prompter.Expect("Delete group ???", Ui::vbYes);
    w.Command1->click();

    prompter.Expect("This will delete groups 31 and 32", Ui::vbYes);
    w.Command11->click();

    prompter.Expect("Save data ?", Ui::vbYes);
    prompter.Expect("All illegal groups will be deleted", Ui::vbOK);
    w.SaveAndExitBttn->click();
}

// The inputs of a kind among the project's addresses.
std::vector<int> OfKinds(std::initializer_list<int> kinds)
{
    std::vector<int> a;
    for (int d = 1; d <= MaxAddress; ++d)
        for (int k : kinds)
            if (KindOf(DeviceDataArray[d]) == k) a.push_back(d);
    return a;
}

TEST_F(GroupsProjectTest, SavedGroupsReachTheProjectFileTheCountAndThePanel)
{
    PanelOnPty sim;
    ASSERT_TRUE(sim.Opened());
    ports = {{1, sim.Path(), QStringLiteral("USB Serial Port (pseudo-terminal %1)").arg(sim.Path())}};
    frm4Main w;
    ASSERT_EQ(w.comPort->CommPort, 1);
    w.ManualDelays[1]->setChecked(true);
    for (QLineEdit* box : {w.FullStr, w.FullStr2}) {
        box->clear();
        QTest::keyClicks(box, "0");
    }
    FullProject();

    ModalDriver modal;
    modal.Expect("frm8Groups", [&](QWidget& window) { EditGroups(dynamic_cast<frm8Groups&>(window), prompter); });
    w.GroupsSetBttn->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(w.Label16->text(), "3") << "groups 1, 31 and 32";

    const std::vector<int> detectors = OfKinds({DeviceKind::SmokeDetector, DeviceKind::HeatDetector});
    const std::vector<int> callPoints = OfKinds({DeviceKind::RedCallPoint});
    EXPECT_EQ(OutGrpArray[1].GrpName.str(), "EAST WING       ");
    EXPECT_EQ(OutGrpArray[1].Trigger.str(), "3");
    EXPECT_EQ(OutGrpArray[1].OutAddr[1].str(), "201");
    EXPECT_EQ(OutGrpArray[1].OutAddr[2].str(), "005");
    EXPECT_EQ(OutGrpArray[2].OutCount.str(), "0");
    EXPECT_EQ(OutGrpArray[31].OutAddr[1].str(), "205");
    EXPECT_EQ(DeviceDataArray[1].NumOfGroups.str(), "2 ") << "group 1 and the dialer's group 31";
    EXPECT_EQ(DeviceDataArray[3].NumOfGroups.str(), "1 ") << "call point 3 left group 1 for group 32";
    EXPECT_EQ(DeviceDataArray[4].NumOfGroups.str(), "0 ");
    EXPECT_EQ(DeviceDataArray[4].WithAlarmGroup, "0");

    // The project file carries exactly these groups and links.
    prompter.Expect("The system data was successfully saved in the file", Ui::vbOK);
    w.UpDateCmd->click();
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    EXPECT_EQ(NumOfActiveGroups, 3);
    for (int g : {1, 31, 32}) EXPECT_EQ(OutGrpArray[g], groups[g]) << g;
    for (int g = 2; g <= 30; ++g) EXPECT_EQ(OutGrpArray[g].OutCount.str(), "0") << g;
    for (int a = 1; a <= MaxAddress; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(ValInt(DeviceDataArray[a].NumOfGroups.str()), ValInt(devices[a].NumOfGroups.str()));
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(ValInt(DeviceDataArray[a].Grp[k].str()), ValInt(devices[a].Grp[k].str()));
        EXPECT_EQ(DeviceDataArray[a].WithAlarmGroup, devices[a].WithAlarmGroup);
    }

    // And so does the panel after an upload.
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);
    sim.Stop();
    const panelsim::PanelMemory& panel = sim.Panel().Memory();
    EXPECT_EQ(panel.groups[1], (panelsim::Group{3, 2, {201, 5, 0, 0, 0, 0}}));
    EXPECT_EQ(panel.groups[2], (panelsim::Group{}));
    EXPECT_EQ(panel.groups[31], (panelsim::Group{2, 1, {205, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(panel.groups[32], (panelsim::Group{1, 1, {205, 0, 0, 0, 0, 0}}));
    auto groupsOf = [&](int a) {
        const QByteArray& r = panel.devices[a];
        std::vector<int> g;
        for (int k = 0; k < uint8_t(r.at(8)); ++k) g.push_back(uint8_t(r.at(9 + k)) + 1);
        return g;
    };
    EXPECT_EQ(groupsOf(1), (std::vector<int>{1, 31}));
    EXPECT_EQ(groupsOf(7), (std::vector<int>{1, 31}));
    EXPECT_EQ(groupsOf(3), (std::vector<int>{32}));
    EXPECT_TRUE(groupsOf(4).empty());
    for (int a : detectors) EXPECT_EQ(groupsOf(a).back(), 31) << a;
    for (int a : callPoints) EXPECT_EQ(groupsOf(a), (std::vector<int>{32})) << a;
    EXPECT_TRUE(groupsOf(5).empty()) << "an output names no group";
}

}  // namespace
