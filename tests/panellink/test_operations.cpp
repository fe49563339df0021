// Upload and download against the simulator's panel on the in-memory port, on virtual time.
#include <algorithm>

#include <gtest/gtest.h>
#include <QRegularExpression>

#include "panellink/Frame.h"
#include "test_operations_support.h"

namespace {

using panelsim::Faults;
using panelsim::PanelMemory;

class TransferTest : public OperationsTest {
protected:
    // A project of several kinds with names, two groups, a remote panel and system settings.
    static void SmallProject()
    {
        AddDevice(1, DeviceKind::SmokeDetector, QStringLiteral("גלאי 1"));
        AddDevice(2, DeviceKind::HeatDetector, QStringLiteral("HEAT 2"));
        AddDevice(5, DeviceKind::InputDevice, QStringLiteral("DOOR 5"));
        AddDevice(9, DeviceKind::Output, QStringLiteral("SIREN 9"));
        AddDevice(10, DeviceKind::TwoInputCard, QStringLiteral("CARD A"), 2);
        AddDevice(11, DeviceKind::TwoInputCard, QStringLiteral("CARD B"), 3);
        DeviceDataArray[1].AlarmValue = "070";
        DeviceDataArray[1].NumOfGroups = "01";
        DeviceDataArray[1].Grp[1] = "02";
        DeviceDataArray[1].WithAlarmGroup = "1";
        OutGrpArray[2].Trigger = "1";
        OutGrpArray[2].OutCount = "2";
        OutGrpArray[2].OutAddr[1] = "009";
        OutGrpArray[2].OutAddr[2] = "201";
        NumOfActiveGroups = 1;
        RemoteUnits.Panel[1] = "1";
        NightStart = "2230";
        NightFinish = "0615";
        SysFlags2.NightEna = "1";
    }

    void ExpectConnectionQuestion() { prompter.Expect("Is the system in computer connection mode?", Ui::vbYes); }

    void Upload()
    {
        ExpectConnectionQuestion();
        prompter.Expect("Data transfer completed successfully", Ui::vbOK);
        prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
        ops.Upload2Sys_Click();
        ASSERT_EQ(prompter.Pending(), 0);
    }

    void Download(bool warned)
    {
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        if (warned) prompter.Expect("will replace the data in the project", Ui::vbOK);
        prompter.Expect("Data transfer completed successfully", Ui::vbOK);
        ops.Download2PC_Click();
        ASSERT_EQ(prompter.Pending(), 0);
    }

    int Count(uint8_t cmd) const
    {
        const auto& c = panel->CommandsReceived();
        return int(std::count(c.begin(), c.end(), cmd));
    }
};

TEST_F(TransferTest, UploadThenDownloadGivesBackTheProject)
{
    Fresh(1);  // Hebrew: names travel in the panel's code both ways
    SmallProject();
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    const SysFlags2Record flags2 = SysFlags2;
    Connect();
    prompter.Expect(QStringLiteral("האם הבקרה נמצאת במצב דיבור"), Ui::vbYes);
    prompter.Expect(QStringLiteral("העברת הנתונים הסתיימה בהצלחה"), Ui::vbOK);
    prompter.Expect(QStringLiteral("לשמירת הנתונים"), Ui::vbOK);
    ops.Upload2Sys_Click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(view.saves, 1);
    EXPECT_FALSE(TransferError);

    ResetModule::ResetProject(true);
    prompter.Expect(QStringLiteral("האם הבקרה נמצאת במצב דיבור"), Ui::vbYes);
    prompter.Expect(QStringLiteral("העברת הנתונים הסתיימה בהצלחה"), Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0);

    ExpectProjectCameBack(devices, groups);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(NightStart, "2230");
    EXPECT_EQ(NightFinish, "0615");
    EXPECT_EQ(RemoteUnits.Panel[1], "1");
    // The download keeps the count without leading zeros.
    EXPECT_EQ(NumOfDevices, "6");
    EXPECT_EQ(view.label4, "6");
    EXPECT_EQ(view.label16, "1");
    EXPECT_EQ(VerSoftNum, "0200");
    EXPECT_TRUE(ProjectLoaded);
    EXPECT_EQ(view.indicator.back(), LinkColours::Idle);
    EXPECT_EQ(view.enabled.back(), true);
}

TEST_F(TransferTest, AClassALoopComesBackAsClassA)
{
    Fresh(2);
    SmallProject();
    SysFlags.LoopSysStat = "004";
    Connect();
    prompter.Expect(Ui::vbYes);
    prompter.Expect(Ui::vbOK);
    prompter.Expect(Ui::vbOK);
    ops.Upload2Sys_Click();
    ASSERT_FALSE(TransferError);

    ResetModule::ResetProject(true);
    prompter.Expect(Ui::vbYes);
    prompter.Expect(Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(SysFlags.LoopSysStat, "004");
}

TEST_F(TransferTest, NamesOfTheEnglishInterfaceComeBackAsTheyWent)
{
    AddDevice(5, DeviceKind::InputDevice, QStringLiteral("DOOR 5"));
    Connect();
    Upload();
    ResetModule::ResetProject(true);
    Download(false);
    // Sent in the panel's code whatever the interface language, so reading it back gives it again.
    EXPECT_EQ(DeviceDataArray[5].DeviceName, QStringLiteral("DOOR 5"));
}

TEST_F(TransferTest, FastOptionSwitchesTheTransferTo57600AndBack)
{
    view.fast = true;
    SmallProject();
    Connect();
    Upload();
    // The speed frames, and the steps between them at 57600.
    EXPECT_EQ(Count(Frame::CD), 2);
    EXPECT_EQ(line->pcSpeeds, (std::vector<int>{9600, 57600}));
    EXPECT_EQ(panel->Memory().speed, 9600);
    EXPECT_EQ(ComSettings, "9600,N,8,1");
    EXPECT_EQ(view.presetInUse, 9600);
    EXPECT_EQ(timing.FullStr, "0.36");
    // The progress reached the return to 9600 and ended at 0.
    EXPECT_NE(std::find(view.statBar.begin(), view.statBar.end(), 99), view.statBar.end());
    EXPECT_EQ(view.statBar.back(), 0);
    EXPECT_TRUE(QRegularExpression("^00:0\\d:\\d\\d$").match(view.text2).hasMatch()) << view.text2.toStdString();
}

TEST_F(TransferTest, SlowOptionKeeps9600AndStillSendsTheSpeedCode)
{
    SmallProject();
    Connect();
    Upload();
    EXPECT_EQ(Count(Frame::CD), 2);  // CD 9 both times
    EXPECT_EQ(line->pcSpeeds, std::vector<int>{9600});
    EXPECT_EQ(timing.FullStr, "0.36");
}

// Firmware rules of the upload.
struct Gate {
    const char* name;
    int firmware, hardware;
    bool fast;
    int addDeviceAt;  // 0: none beyond the base project
    int addKind;
    bool remotePanel;
    std::vector<const char*> messages;  // after the connection question
    bool sent;                          // the project reached the panel
    int speedFrames;
    bool remoteBlock;
};

class UploadGateTest : public TransferTest, public ::testing::WithParamInterface<Gate> {};

TEST_P(UploadGateTest, Rules)
{
    const Gate& g = GetParam();
    view.fast = g.fast;
    AddDevice(5, DeviceKind::InputDevice, QStringLiteral("DOOR"));
    if (g.addDeviceAt) AddDevice(g.addDeviceAt, g.addKind, QStringLiteral("X"));
    DeviceDataArray[5].DeviceNeedVer = "1";
    RemoteUnits.Panel[1] = g.remotePanel ? "1" : "0";
    Connect(Versions(g.firmware, g.hardware));
    ExpectConnectionQuestion();
    for (const char* m : g.messages) prompter.Expect(QString::fromUtf8(m), Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(int(prompter.Calls().size()), int(g.messages.size()) + 1);
    EXPECT_EQ(Count(Frame::C6) > 0, g.sent);
    EXPECT_EQ(Count(Frame::CD), g.speedFrames);
    EXPECT_EQ(Count(Frame::CC) > 0, g.remoteBlock);
    EXPECT_EQ(panel->Memory().speed, 9600);
    EXPECT_EQ(ComSettings, "9600,N,8,1");
    EXPECT_EQ(view.enabled.back(), true);
    // Below 1.63 the alarm verification is cleared in the project, whatever happens next.
    if (g.firmware < 163 && g.addKind != DeviceKind::SmokeDetector) {
        EXPECT_EQ(DeviceDataArray[5].DeviceNeedVer, "0");
    }
}

const char* Done = "Data transfer completed successfully";
const char* Remind = "Do not forget to save the data before exit.";

INSTANTIATE_TEST_SUITE_P(
    Firmware, UploadGateTest,
    ::testing::Values(
        Gate{"Above300", 301, 100, false, 0, 0, false, {"Please contact the company to check validity"}, false, 0, false},
        Gate{"Fifty171DeviceAt51", 171, 150, false, 51, DeviceKind::InputDevice, false,
             {"Please delete all devices above address 50"}, false, 0, false},
        Gate{"Fifty170DeviceAt51", 170, 150, false, 51, DeviceKind::InputDevice, false,
             {"Please delete all devices above address 50"}, false, 0, false},
        Gate{"Analogue157", 157, 100, false, 7, DeviceKind::SmokeDetector, false,
             {"Please contact the company to adjust analog detectors"}, false, 0, false},
        Gate{"Verification162", 162, 100, false, 0, 0, false, {Done, Remind}, true, 2, true},
        Gate{"Slow139", 139, 100, true, 0, 0, false, {Done, Remind}, true, 0, true},
        Gate{"Fast140", 140, 100, true, 0, 0, false, {Done, Remind}, true, 2, true},
        Gate{"Slow140", 140, 100, false, 0, 0, false, {Done, Remind}, true, 2, true},
        Gate{"NoRemote132", 132, 100, false, 0, 0, false, {Remind}, true, 0, false},
        Gate{"Remote133", 133, 100, false, 0, 0, true, {"The remote panel must be set manually", Remind}, true, 0,
             true}),
    [](const ::testing::TestParamInfo<Gate>& info) { return std::string(info.param.name); });

TEST_F(TransferTest, FiftyAddressRefusalPutsTheModelBackTo126)
{
    AddDevice(51, DeviceKind::InputDevice, QStringLiteral("X"));
    Connect(Versions(171, 150));
    ExpectConnectionQuestion();
    prompter.Expect("Please delete all devices above address 50", Ui::vbOK);
    ops.Upload2Sys_Click();
    ASSERT_EQ(prompter.Calls().size(), 2u);
    EXPECT_EQ(prompter.Calls()[1].title, "Error");
    EXPECT_TRUE(prompter.Calls()[1].style & Ui::vbMsgBoxRight);
    EXPECT_EQ(MaxNumOfDevices, 126);
    EXPECT_EQ(view.command13, "126");
    EXPECT_EQ(view.windowCaption, "Tessel126");
}

TEST_F(TransferTest, FiftyAddressPanelTakesFiftyDeviceFrames)
{
    AddDevice(50, DeviceKind::InputDevice, QStringLiteral("X"));
    Connect(Versions(200, 150));
    Upload();
    EXPECT_EQ(Count(Frame::C6), 50);
    EXPECT_EQ(view.windowCaption, "Tessel50");
}

TEST_F(TransferTest, EmptyProjectIsRefusedBeforeItIsSaved)
{
    Connect();
    ExpectConnectionQuestion();
    prompter.Expect("An empty devices list cannot be sent to the system !", Ui::vbCancel);
    ops.Upload2Sys_Click();
    EXPECT_EQ(view.saves, 0);
    EXPECT_TRUE(panel->CommandsReceived().empty());
}

TEST_F(TransferTest, NoPortAndNoConnectionModeStopAtOnce)
{
    Connect();
    port.CommPort = 0;
    prompter.Expect("Cable USB-RS232 not conneted to PC\r\nIf yes, please perform a manual search", Ui::vbOK);
    ops.Upload2Sys_Click();
    port.CommPort = 1;
    prompter.Expect("Is the system in computer connection mode?", Ui::vbNo);
    ops.Download2PC_Click();
    EXPECT_TRUE(port.outputs.empty());
    EXPECT_EQ(prompter.Pending(), 0);
}

TEST_F(TransferTest, ConflictWithThePanelsDeviceListSendsNothing)
{
    PanelMemory m;
    // The panel holds an output where the project has an input.
    m.devices[5] = QByteArray::fromHex("0525001000004040000000000000");
    AddDevice(5, DeviceKind::InputDevice, QStringLiteral("DOOR"));
    view.fast = true;
    Connect(m);
    ExpectConnectionQuestion();
    prompter.Expect("there are conflict", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(Count(Frame::C2), 0);
    EXPECT_FALSE(LinkView.List1.isEmpty());
    // The panel had been switched to 57600: it is asked back to 9600.
    EXPECT_EQ(panel->Memory().speed, 9600);
    EXPECT_EQ(ComSettings, "9600,N,8,1");
}

TEST_F(TransferTest, DownloadIntoANewEmptyProjectAsksNothing)
{
    PanelMemory m;
    m.devices[3] = QByteArray::fromHex("035F001000004040000000000000");  // an input at 3
    Connect(m);
    Download(false);
    EXPECT_EQ(DeviceDataArray[3].Exist, "1");
    EXPECT_EQ(NumOfDevices, "1");
}

TEST_F(TransferTest, NewProjectWithUnsavedDevicesIsWarnedAndCancelKeepsIt)
{
    AddDevice(4, DeviceKind::InputDevice, QStringLiteral("MINE"));
    const auto before = DeviceDataArray;
    Connect();
    ExpectConnectionQuestion();
    prompter.Expect("Downloading data from system will replace the data in the project", Ui::vbCancel);
    ops.Download2PC_Click();
    EXPECT_EQ(prompter.Calls()[1].title, "Warning");
    EXPECT_EQ(DeviceDataArray, before);
    EXPECT_TRUE(panel->CommandsReceived().empty());
    EXPECT_EQ(view.enabled.back(), true);
}

TEST_F(TransferTest, DownloadTakesTheModelFromTheHardwareVersion)
{
    struct Case {
        int firmware, hardware, modelBefore, modelAfter;
    };
    for (const Case& c : {Case{171, 150, 126, 50}, Case{171, 100, 50, 126}, Case{171, 120, 50, 50},
                          Case{170, 150, 126, 126}}) {
        SCOPED_TRACE(c.hardware);
        Fresh(2);
        MaxNumOfDevices = int16_t(c.modelBefore);
        Connect(Versions(c.firmware, c.hardware));
        Download(false);
        EXPECT_EQ(MaxNumOfDevices, c.modelAfter);
    }
}

TEST_F(TransferTest, DownloadOfAnOldPanelRunsAt9600WithoutTheNewerBlocks)
{
    view.fast = true;
    Connect(Versions(132));
    Download(false);
    EXPECT_EQ(Count(Frame::CD), 0);
    EXPECT_EQ(Count(Frame::BC), 0);
    EXPECT_EQ(line->pcSpeeds, std::vector<int>{9600});
}

TEST_F(TransferTest, DownloadResetsAllAddressesOfBothTables)
{
    // A device beyond the model of a 50-address project must not survive the download.
    MaxNumOfDevices = 50;
    AddDevice(80, DeviceKind::InputDevice, QStringLiteral("OLD"));
    DeviceDataArrayEdit[90].Exist = "1";
    Connect(Versions(170));
    Download(true);
    EXPECT_EQ(DeviceDataArray[80].Exist, "0");
    EXPECT_EQ(DeviceDataArrayEdit[90].Exist, "0");
}

}  // namespace
