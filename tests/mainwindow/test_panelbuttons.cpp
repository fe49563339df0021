// The main window's panel buttons against the simulator's panel: Upload, Download, History and
// the clock, what the window shows while they run and after, the presets and a single step.
#include <algorithm>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include "panellink/Frame.h"
#include "test_panelbuttons_fixture.h"

namespace {

constexpr uint32_t Green = 0x00FF00;

// A project of two devices and a group that uses them (made after the window's load, which
// starts from no devices as after New).
void SmallProject()
{
    AddDevice(3, DeviceKind::InputDevice, QStringLiteral("DOOR 3"));
    AddDevice(7, DeviceKind::Output, QStringLiteral("SIREN 7"));
    DeviceDataArray[3].NumOfGroups = "01";
    DeviceDataArray[3].Grp[1] = "01";
    DeviceDataArray[3].WithAlarmGroup = "1";
    OutGrpArray[1].Trigger = "1";
    OutGrpArray[1].OutCount = "1";
    OutGrpArray[1].OutAddr[1] = "007";
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

TEST_F(PanelButtonsTest, SingleStepsWithoutAPortOnlyPrepare)
{
    ports.clear();
    prompter.Expect("Cable USB-RS232 not connected to PC", Ui::vbOK);
    frm4Main& w = Open(State(Tessel50Site));
    SmallProject();
    OutGrpArray[2].GrpName = "STAIRS";
    ASSERT_EQ(w.comPort->CommPort, 0);

    w.GET_DATA_SYS->click();
    EXPECT_EQ(w.txtVerSoftNum->text(), "xx.xx");
    EXPECT_EQ(w.txtTechCode->text(), "XXXX");
    EXPECT_EQ(VerSoftNum, "0000");
    w.GET_DEVICE_DATA->click();
    EXPECT_EQ(DeviceDataArray[3].Exist, "0");
    w.GET_OUT_GRP->click();
    EXPECT_EQ(OutGrpArray[1].OutCount, "0");
    EXPECT_EQ(OutGrpArray[1].OutAddr[1], "000");
    EXPECT_EQ(OutGrpArray[2].GrpName.str().trimmed(), "STAIRS");
    w.SET_DEVICE_DATA->click();
    EXPECT_TRUE(port->outputs.empty()) << "nothing is sent";
}

struct StepCase {
    const char* name;
    QPushButton* frm4Main::*button;
    int command;  // what the panel receives from the button
};

class SingleStepTest : public PanelButtonsTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SingleStepTest, EachButtonRunsItsStepWithoutQuestions)
{
    // A 126-address panel: the project's model.
    panelsim::PanelMemory memory = State(Tessel50Site);
    memory.hardware = 100;
    frm4Main& w = Open(memory);
    SmallProject();
    for (int i = 1; i <= 7; ++i) ClockFields[i] = "01";
    (w.*GetParam().button)->click();
    EXPECT_TRUE(prompter.Calls().empty());
    EXPECT_FALSE(TransferError);
    const std::vector<uint8_t>& received = panel->CommandsReceived();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front(), GetParam().command);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(w.ActivMsgLbl->text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, SingleStepTest,
    ::testing::Values(StepCase{"GET_DATA_SYS", &frm4Main::GET_DATA_SYS, Frame::B2},
                      StepCase{"GET_SUB_DATA", &frm4Main::GET_SUB_DATA, Frame::BC},
                      StepCase{"GET_DEVICE_DATA", &frm4Main::GET_DEVICE_DATA, Frame::B6},
                      StepCase{"GET_DEVICE_NAME", &frm4Main::GET_DEVICE_NAME, Frame::B7},
                      StepCase{"GET_OUT_GRP", &frm4Main::GET_OUT_GRP, Frame::B5},
                      StepCase{"GET_HISTORY_A", &frm4Main::GET_HISTORY_A, Frame::B8},
                      StepCase{"SET_TIME", &frm4Main::SET_TIME, Frame::CA},
                      StepCase{"SET_BAUD_RATE", &frm4Main::SET_BAUD_RATE, Frame::CD},
                      StepCase{"SET_DATA_SYS", &frm4Main::SET_DATA_SYS, Frame::C2},
                      StepCase{"SET_SUB_DATA", &frm4Main::SET_SUB_DATA, Frame::CC},
                      StepCase{"SET_DEVICE_DATA", &frm4Main::SET_DEVICE_DATA, Frame::C6},
                      StepCase{"SET_DEVICE_NAME", &frm4Main::SET_DEVICE_NAME, Frame::C7},
                      StepCase{"SET_OUT_GRP", &frm4Main::SET_OUT_GRP, Frame::C5}),
    [](const auto& info) { return std::string(info.param.name); });

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
