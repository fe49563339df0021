// The main window's panel buttons against the simulator's panel: Upload, Download, History and
// the clock, what the window shows while they run and after, the presets and a single step.
#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include "core/ProjectWhole.h"
#include "panellink/Frame.h"
#include "panellink/ProjectBlocks.h"
#include "test_panelbuttons_fixture.h"

namespace {

constexpr uint32_t Green = 0x00FF00;

// A project of two devices and a group that uses them (made after the window's load, which
// starts from no devices as after New).
void SmallProject()
{
    AddDevice(3, DeviceKind::InputDevice, QStringLiteral("DOOR 3"));
    AddDevice(7, DeviceKind::Output, QStringLiteral("SIREN 7"));
    GroupFromTo(1, 3, 7);
    NumOfActiveGroups = 1;
}

const WindowMoment* At(const std::vector<WindowMoment>& moments, const QString& promptPart)
{
    for (const WindowMoment& m : moments)
        if (m.prompt.contains(promptPart)) return &m;
    return nullptr;
}

TEST_F(PanelButtonsTest, UploadSendsTheProjectAfterSavingItQuietly)
{
    frm4Main& w = Open();
    SmallProject();
    w.ProjectAddr->setText(QStringLiteral("1 Harbour Road"));
    std::vector<int> progress;
    QString statusDuringDevices;
    QObject::connect(w.StatBar, &QProgressBar::valueChanged, [&](int v) {
        progress.push_back(v);
        if (v > 33 && v < 61) statusDuringDevices = w.ActivMsgLbl->text();
    });

    ExpectConnectionQuestion();
    // The save inside the upload shows no success box: the prompter would fail on one.
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);

    EXPECT_TRUE(panel->Memory().DeviceInUse(3));
    EXPECT_TRUE(panel->Memory().DeviceInUse(7));
    EXPECT_FALSE(panel->Memory().DeviceInUse(4));
    EXPECT_EQ(panel->Memory().groups[1].outputs[0], 7);

    // Update was pressed: the detail boxes went into the project file.
    EXPECT_TRUE(Bytes(ProjectPath()).contains("1 Harbour Road"));
    EXPECT_EQ(ProjectDetails.Addr, "1 Harbour Road");
    EXPECT_FALSE(w.QuietSave);

    // Before the transfer the window takes input; during it none, and it is light red;
    // afterwards it takes input again, grey and at rest.
    const WindowMoment* asked = At(moments, "computer connection mode");
    const WindowMoment* done = At(moments, "Data transfer completed");
    ASSERT_TRUE(asked && done);
    EXPECT_TRUE(asked->takesInput);
    EXPECT_EQ(asked->indicator, LinkColours::Idle);
    EXPECT_FALSE(done->takesInput);
    EXPECT_EQ(done->indicator, LinkColours::UploadRunning);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(VbColor::BackColor(w.TransferIndicator), LinkColours::Idle);
    EXPECT_EQ(w.StatBar->value(), 0);
    EXPECT_EQ(w.ActivMsgLbl->text(), "");
    EXPECT_EQ(w.Text2->text(), TransferDuration(TransferStart, TransferEnd));
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(w.Text2->text()).hasMatch()) << w.Text2->text().toStdString();

    // The bar climbs with the blocks up to the return to 9600 and rests at 0.
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 0);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
    EXPECT_NE(std::find(progress.begin(), progress.end(), 99), progress.end());
    EXPECT_EQ(*std::max_element(progress.begin(), progress.end()), 100);
    EXPECT_GE(std::count_if(progress.begin(), progress.end(), [](int v) { return v > 33 && v < 61; }), 2)
        << "the device block moves the bar frame by frame";
    EXPECT_EQ(statusDuringDevices, "Sending devices data");
}

TEST_F(PanelButtonsTest, TheFastUploadShowsThePresetInUse)
{
    frm4Main& w = Open();
    SmallProject();
    ASSERT_TRUE(w.ManualDelays[0]->isChecked()) << "Fast is chosen at load";
    std::vector<uint32_t> coloursDuringDevices;
    QString recordPauseDuringDevices;
    QObject::connect(w.StatBar, &QProgressBar::valueChanged, [&](int v) {
        if (v > 33 && v < 61 && coloursDuringDevices.empty()) {
            coloursDuringDevices = PresetColours();
            recordPauseDuringDevices = w.FullStr->text();
        }
    });
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);

    EXPECT_EQ(line->pcSpeeds, (std::vector<int>{9600, 57600}));
    EXPECT_EQ(coloursDuringDevices, (std::vector<uint32_t>{VbColor::ButtonFace(), VbColor::ButtonFace(), Green}));
    EXPECT_EQ(recordPauseDuringDevices, "0.06");
    EXPECT_EQ(PresetColours(), (std::vector<uint32_t>{Green, VbColor::ButtonFace(), VbColor::ButtonFace()}));
    EXPECT_EQ(w.FullStr->text(), "0.36");
    EXPECT_EQ(w.Timing().FullStr, "0.36");
}

TEST_F(PanelButtonsTest, DownloadFillsTheProjectCountsAndModel)
{
    frm4Main& w = Open(State(Tessel50Site));
    ASSERT_EQ(w.Command13->text(), "126");
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.Download2PC->click();
    ASSERT_EQ(prompter.Pending(), 0);

    EXPECT_EQ(MaxNumOfDevices, 50);
    EXPECT_EQ(w.Command13->text(), "50");
    EXPECT_EQ(w.windowTitle(), "Tessel50");
    EXPECT_EQ(DeviceDataArray[12].Exist, "1");
    EXPECT_EQ(DeviceDataArray[12].DeviceName.str().trimmed(), "SMOKE 12");
    EXPECT_EQ(DeviceDataArray[20].DeviceName.str().trimmed(), "SIREN 20");
    EXPECT_EQ(OutGrpArray[3].OutAddr[1], "201");
    EXPECT_EQ(w.Label4->text(), "3");
    EXPECT_EQ(NumOfActiveGroups, 2);
    EXPECT_EQ(w.Label16->text(), "2");
    EXPECT_EQ(w.txtVerSoftNum->text(), "02.00");
    EXPECT_EQ(w.txtVerHardNum->text(), "01.50");
    EXPECT_EQ(w.txtTechCode->text(), "4321");
    EXPECT_TRUE(ProjectLoaded);

    const WindowMoment* done = At(moments, "Data transfer completed");
    ASSERT_TRUE(done);
    EXPECT_FALSE(done->takesInput);
    EXPECT_EQ(done->indicator, LinkColours::DownloadRunning);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(VbColor::BackColor(w.TransferIndicator), LinkColours::Idle);
    EXPECT_EQ(w.StatBar->value(), 0);

    // A second download asks first; Cancel leaves the project as it is.
    DeviceDataArray[13].DeviceName = "KEPT";
    ExpectConnectionQuestion();
    prompter.Expect("will replace the data in the project", Ui::vbCancel);
    w.Download2PC->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(DeviceDataArray[13].DeviceName.str().trimmed(), "KEPT");
    EXPECT_EQ(w.Label4->text(), "3");
    EXPECT_TRUE(w.TakesInput());
}

TEST_F(PanelButtonsTest, HistoryFillsTheLinesAndMakesTheReportButtonBlink)
{
    HistoryLines[5] = QStringLiteral("an older reading");
    frm4Main& w = Open(State(Tessel50Site));
    ASSERT_FALSE(w.Timer2->isActive());
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.HISTORY_A->click();
    ASSERT_EQ(prompter.Pending(), 0);

    EXPECT_FALSE(HistoryLines[1].isEmpty());
    EXPECT_FALSE(HistoryLines[2].isEmpty());
    EXPECT_TRUE(HistoryLines[3].isEmpty());
    EXPECT_TRUE(HistoryLines[5].isEmpty()) << "the history is read afresh";
    EXPECT_TRUE(w.Timer2->isActive());
    EXPECT_FALSE(At(moments, "Data transfer completed")->takesInput);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(w.StatBar->value(), 0);
}

TEST_F(PanelButtonsTest, ClockSendsThePcTimeAndShowsTheTransferTime)
{
    frm4Main& w = Open();
    // The start, the clock fields, the end.
    wallTimes = {QDateTime(QDate(2024, 3, 5), QTime(10, 59, 58)), QDateTime(QDate(2024, 3, 5), QTime(11, 0, 1)),
                 QDateTime(QDate(2024, 3, 5), QTime(11, 0, 3))};
    ExpectConnectionQuestion();
    prompter.Expect("The system clock updated successfully", Ui::vbOK);
    w.ClckSnd->click();
    ASSERT_EQ(prompter.Pending(), 0);

    // Seconds, minutes, hours, weekday (Tuesday is 3), day, month, year.
    EXPECT_EQ(panel->Memory().clock.toHex(' '), "01 00 11 03 05 03 24");
    EXPECT_EQ(w.Text2->text(), "00:00:05");
    EXPECT_FALSE(At(moments, "clock updated")->takesInput);
    EXPECT_TRUE(w.TakesInput());
}

TEST_F(PanelButtonsTest, AConflictingPanelStopsTheUploadAndShowsTheList)
{
    panelsim::PanelMemory memory = State(Tessel50Site);
    memory.hardware = 100;
    const QByteArray before = memory.devices[12];
    frm4Main& w = Open(memory);
    SmallProject();
    AddDevice(12, DeviceKind::Output, QStringLiteral("HORN 12"));
    ExpectConnectionQuestion();
    prompter.Expect("Unable to send data to the system, there are conflict/s", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);

    EXPECT_EQ(panel->Memory().devices[12], before) << "nothing was sent";
    EXPECT_TRUE(w.Command7->isVisibleTo(&w));
    EXPECT_EQ(w.Command7->text(), "Data error");
    EXPECT_TRUE(w.Timer1->isActive());
    ASSERT_GT(w.List1->count(), 0);
    EXPECT_TRUE(w.List1->findItems("Conflict at address 12", Qt::MatchStartsWith).size() == 1);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(VbColor::BackColor(w.TransferIndicator), LinkColours::Idle);
}

struct SilentCase {
    const char* name;
    void (frm4Main::*click)();
    bool replaces;  // asks before replacing the project's devices
};

class SilentPanelTest : public PanelButtonsTest, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentPanelTest, ASilentPanelGivesOneMessageAndTheWindowBack)
{
    panelsim::Faults silent;
    silent.silentAfter = 0;
    frm4Main& w = Open({}, silent);
    SmallProject();
    ExpectConnectionQuestion();
    if (GetParam().replaces) prompter.Expect("will replace the data in the project", Ui::vbOK);
    prompter.Expect("Com error\r\nCheck USB-RS232 cable connection", Ui::vbOK);
    (w.*GetParam().click)();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), GetParam().replaces ? 3u : 2u) << "one failure, one message";
    EXPECT_FALSE(At(moments, "Com error")->takesInput);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(VbColor::BackColor(w.TransferIndicator), LinkColours::Idle);
    EXPECT_EQ(w.StatBar->value(), 0);
    EXPECT_EQ(w.ActivMsgLbl->text(), "");
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, SilentPanelTest,
                         ::testing::Values(SilentCase{"Upload", &frm4Main::Upload2Sys_Click, false},
                                           SilentCase{"Download", &frm4Main::Download2PC_Click, true},
                                           SilentCase{"History", &frm4Main::HISTORY_A_Click, false},
                                           SilentCase{"Clock", &frm4Main::ClckSnd_Click, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelButtonsTest, NoSecondOperationAndNoClosingWhileOneRuns)
{
    frm4Main& w = Open();
    SmallProject();
    bool tried = false;
    bool closed = true;
    onPrompt = [&](const Ui::MsgBoxCall& call) {
        if (tried || !call.prompt.contains("Data transfer completed")) return;
        tried = true;
        // Neither the buttons nor their handlers start anything now, and the window stays.
        w.Download2PC->click();
        w.HISTORY_A_Click();
        w.GET_DATA_SYS_Click();
        closed = w.close();
    };
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_TRUE(tried);
    EXPECT_FALSE(closed);
    EXPECT_EQ(prompter.Calls().size(), 3u);
    EXPECT_NE(w.txtVerSoftNum->text(), "xx.xx") << "the single step did not even prepare";

    // Afterwards the window closes as usual.
    prompter.Expect("Save data before exit ?", Ui::vbNo);
    EXPECT_TRUE(w.close());
}

TEST_F(PanelButtonsTest, GetDataSysShowsThePanelsIdentity)
{
    frm4Main& w = Open(State(Tessel50Site));
    w.GET_DATA_SYS->click();
    EXPECT_TRUE(prompter.Calls().empty()) << "a single step asks nothing";
    EXPECT_EQ(w.txtVerSoftNum->text(), "02.00");
    EXPECT_EQ(w.txtVerHardNum->text(), "01.50");
    EXPECT_EQ(w.txtTechCode->text(), "4321");
    EXPECT_EQ(VerSoftNum, "0200");
    EXPECT_TRUE(w.TakesInput());
}

// What a single step leaves: its own block as the panel holds it, every other block of the
// project as it stood, and one warning naming the places where the project no longer agrees.
struct StepCase {
    const char* name;
    QPushButton* frm4Main::*button;
    int command;  // what the panel receives from the button
    std::vector<ProjectBlock> changes;  // the blocks of the project it may change
    const char* places;  // the places line of its warning; "" for none
    std::function<void(const frm4Main&, const panelsim::Panel&)> check;  // its own block afterwards
};

class SingleStepTest : public PanelButtonsTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SingleStepTest, EachButtonChangesItsOwnBlockOnly)
{
    const StepCase& c = GetParam();
    // A 126-address panel: the project's model.
    panelsim::PanelMemory memory = State(Tessel50Site);
    memory.hardware = 100;
    frm4Main& w = Open(memory);
    SmallProject();
    // Group 2 lists a free address: the project is not whole before any step.
    OutGrpArray[2].OutCount = "1";
    OutGrpArray[2].OutAddr[1] = "050";
    OutGrpArray[2].GrpName = "STAIRS";
    RemoteUnits.Panel[1] = "1";
    for (int i = 1; i <= 7; ++i) ClockFields[i] = "01";
    const ProjectBlocks before = ProjectBlocks::Take();
    if (*c.places) prompter.Expect(QStringLiteral("\r\n%1\r\n").arg(c.places), Ui::vbOK);

    (w.*c.button)->click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), *c.places ? 1u : 0u) << "no question, and one warning at most";
    EXPECT_FALSE(TransferError);
    const std::vector<uint8_t>& received = panel->CommandsReceived();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front(), c.command);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(w.ActivMsgLbl->text(), "");

    const ProjectBlocks after = ProjectBlocks::Take();
    EXPECT_EQ(after.Without(c.changes).Differences(before.Without(c.changes)), QStringList());
    c.check(w, *panel);
}

// No more than the block test of every step.
const auto NothingMore = [](const frm4Main&, const panelsim::Panel&) {};

INSTANTIATE_TEST_SUITE_P(
    EveryButton, SingleStepTest,
    ::testing::Values(
        StepCase{"GET_DATA_SYS", &frm4Main::GET_DATA_SYS, Frame::B2, {ProjectBlock::System}, "",
                 [](const frm4Main& w, const panelsim::Panel&) {
                     EXPECT_EQ(w.txtVerSoftNum->text(), "02.00");
                     EXPECT_EQ(TechCode, "4321");
                     EXPECT_EQ(SysFlags.LF_NO, "1");
                     EXPECT_EQ(SysFlags.LoopSysStat, "003");
                 }},
        StepCase{"GET_SUB_DATA", &frm4Main::GET_SUB_DATA, Frame::BC, {ProjectBlock::Remote}, "",
                 [](const frm4Main&, const panelsim::Panel&) { EXPECT_EQ(RemoteUnits.Panel[1], "0"); }},
        // The preparation empties the records, names included; the groups stay as they stand.
        StepCase{"GET_DEVICE_DATA", &frm4Main::GET_DEVICE_DATA, Frame::B6,
                 {ProjectBlock::Devices, ProjectBlock::Names, ProjectBlock::LoopClass, ProjectBlock::Counts}, "Groups: 1, 2",
                 [](const frm4Main&, const panelsim::Panel&) {
                     for (int a : {12, 13, 20}) EXPECT_EQ(DeviceDataArray[a].Exist, "1") << a;
                     for (int a : {3, 7}) EXPECT_EQ(DeviceDataArray[a].Exist, "0") << a;
                     EXPECT_EQ(DeviceDataArray[12].NumOfGroups, "02");
                     DeviceRecord empty;
                     ResetModule::ResetRecord(empty, 12);
                     EXPECT_EQ(DeviceDataArray[12].DeviceName, empty.DeviceName) << "the names come with their own step";
                     EXPECT_EQ(OutGrpArray[1].OutAddr[1], "007");
                     EXPECT_EQ(NumOfDevices.str().trimmed(), "3");
                 }},
        StepCase{"GET_DEVICE_NAME", &frm4Main::GET_DEVICE_NAME, Frame::B7, {ProjectBlock::Names}, "",
                 [](const frm4Main&, const panelsim::Panel&) {
                     EXPECT_EQ(DeviceDataArray[12].DeviceName.str().trimmed(), "SMOKE 12");
                     EXPECT_EQ(DeviceDataArray[20].DeviceName.str().trimmed(), "SIREN 20");
                     EXPECT_EQ(DeviceDataArray[3].DeviceName.str().trimmed(), "DOOR 3");
                 }},
        // Group 1 now lists 20, which the project does not hold. Group 3, with a trigger and no
        // input, is whole as it stands: such a group never operates.
        StepCase{"GET_OUT_GRP", &frm4Main::GET_OUT_GRP, Frame::B5, {ProjectBlock::Groups, ProjectBlock::Counts},
                 "Groups: 1",
                 [](const frm4Main&, const panelsim::Panel&) {
                     EXPECT_EQ(OutGrpArray[1].Trigger, "1");
                     EXPECT_EQ(OutGrpArray[1].OutAddr[1], "020");
                     EXPECT_EQ(OutGrpArray[3].Trigger, "1");
                     EXPECT_EQ(OutGrpArray[3].OutAddr[1], "201");
                     EXPECT_EQ(OutGrpArray[2].OutCount, "0");
                     EXPECT_EQ(OutGrpArray[2].GrpName.str().trimmed(), "STAIRS");
                     EXPECT_EQ(NumOfActiveGroups, 0);
                 }},
        StepCase{"GET_HISTORY_A", &frm4Main::GET_HISTORY_A, Frame::B8, {}, "",
                 [](const frm4Main&, const panelsim::Panel&) { EXPECT_FALSE(HistoryLines[2].isEmpty()); }},
        // The SET steps send the project as it stands, group 2 included, and change nothing.
        StepCase{"SET_TIME", &frm4Main::SET_TIME, Frame::CA, {}, "",
                 [](const frm4Main&, const panelsim::Panel& p) { EXPECT_EQ(p.Memory().clock.toHex(), "01010101010101"); }},
        StepCase{"SET_BAUD_RATE", &frm4Main::SET_BAUD_RATE, Frame::CD, {}, "", NothingMore},
        StepCase{"SET_DATA_SYS", &frm4Main::SET_DATA_SYS, Frame::C2, {}, "",
                 [](const frm4Main&, const panelsim::Panel& p) { EXPECT_EQ(p.Memory().sysFlags1 & 7, 3); }},
        StepCase{"SET_SUB_DATA", &frm4Main::SET_SUB_DATA, Frame::CC, {}, "",
                 [](const frm4Main&, const panelsim::Panel& p) { EXPECT_EQ(p.Memory().remote[0], 1); }},
        StepCase{"SET_DEVICE_DATA", &frm4Main::SET_DEVICE_DATA, Frame::C6, {}, "",
                 [](const frm4Main&, const panelsim::Panel& p) {
                     EXPECT_TRUE(p.Memory().DeviceInUse(7));
                     EXPECT_FALSE(p.Memory().DeviceInUse(12));
                 }},
        StepCase{"SET_DEVICE_NAME", &frm4Main::SET_DEVICE_NAME, Frame::C7, {}, "",
                 [](const frm4Main&, const panelsim::Panel& p) { EXPECT_EQ(p.Memory().names[3], "          3 ROOD"); }},
        StepCase{"SET_OUT_GRP", &frm4Main::SET_OUT_GRP, Frame::C5, {}, "",
                 [](const frm4Main&, const panelsim::Panel& p) {
                     EXPECT_EQ(p.Memory().groups[1].outputs[0], 7);
                     EXPECT_EQ(p.Memory().groups[2].outputs[0], 50) << "as it stands";
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

// The groups read before the devices, group 3 listing an output the project does not hold yet:
// the upload check refuses the project, naming the group; Update makes it whole and says so; the
// upload then goes.
TEST_F(PanelButtonsTest, GroupsReadFirstAreRefusedUntilUpdateMakesTheProjectWhole)
{
    frm4Main& w = Open(State(R"(hardware 1.00
device 9 09 25 00 10 00 00 63 63 00 00 00 00 00 00
group 3 1 2 9 201 0 0 0 0
)"));
    AddDevice(4, DeviceKind::InputDevice, QStringLiteral("DOOR 4"));
    DeviceDataArray[4].NumOfGroups = "01";
    DeviceDataArray[4].Grp[1] = "03";
    DeviceDataArray[4].WithAlarmGroup = "1";

    prompter.Expect("Groups: 3", Ui::vbOK);
    w.GET_OUT_GRP->click();
    EXPECT_EQ(OutGrpArray[3].OutAddr[1], "009");
    EXPECT_EQ(OutGrpArray[3].Trigger, "1");

    const size_t received = panel->CommandsReceived().size();
    ExpectConnectionQuestion();
    prompter.Expect("the project holds an invalid value in operating group 3", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(panel->CommandsReceived().size(), received) << "nothing is sent";

    prompter.Expect("were mended before the save:\r\nGroups: 3", Ui::vbOK);
    prompter.Expect("The system data was successfully saved in the file", Ui::vbOK);
    w.UpDateCmd->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_FALSE(ProjectWhole::CheckProject().any());
    EXPECT_EQ(OutGrpArray[3].OutAddr[1], "201") << "the output the project does not hold is dropped";

    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(panel->Memory().groups[3].outputs[0], 201);
}

TEST_F(PanelButtonsTest, SetTimeSendsTheClockFieldsAsTheyStand)
{
    frm4Main& w = Open();
    const std::array<const char*, 7> fields{"30", "45", "12", "04", "21", "06", "25"};
    for (int i = 1; i <= 7; ++i) ClockFields[i] = fields[i - 1];
    w.SET_TIME->click();
    EXPECT_TRUE(prompter.Calls().empty());
    EXPECT_EQ(panel->Memory().clock.toHex(' '), "30 45 12 04 21 06 25");
}

TEST_F(PanelButtonsTest, PresetsWriteTheBoxesOnlyWhileFastIsChosen)
{
    frm4Main& w = Open();
    w.ManualDelays[1]->setChecked(true);  // Slow
    w.Command9->click();
    EXPECT_EQ(w.FullStr->text(), "0.36");
    EXPECT_EQ(w.Timing().FullStr, "0.36");

    w.ManualDelays[0]->setChecked(true);  // Fast
    w.Command9->click();
    EXPECT_EQ(w.FullStr2->text(), "0.1");
    EXPECT_EQ(w.FullStr->text(), "0.09");
    EXPECT_EQ(w.TimeDelay->text(), "2.5");
    EXPECT_EQ(w.Timing().FullStr, "0.09");
    w.Command10->click();
    EXPECT_EQ(w.Timing().FullStr, "0.06");
    w.DefaultValues4Delays->click();
    EXPECT_EQ(w.Timing().FullStr, "0.36");
}

TEST_F(PanelButtonsTest, TypedTimingTakesEffectAtOnce)
{
    frm4Main& w = Open();
    w.TimeDelay->clear();
    QTest::keyClicks(w.TimeDelay, "4");
    EXPECT_EQ(w.Timing().TimeDelay, "4");
    EXPECT_DOUBLE_EQ(w.Timing().ReplyTimeout(), 4.0);
}

}  // namespace
