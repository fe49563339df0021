// The main window's Upload and Download through the real serial layer: the simulator on a
// pseudo-terminal, the window's own serial control on its slave side, real time.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "panellink/test_operations_support.h"
#include "test_admin_fixture.h"
#include "tests/common/PanelOnPty.h"

namespace {

class SerialWindowTest : public AdminWindowTest {
protected:
    void SetUp() override
    {
        AdminWindowTest::SetUp();
        Clock::SetCurrent(nullptr);
        languages::SetLanguage(2);
        NumOfActiveGroups = 0;
    }
};

// Forty devices of four kinds, all named, a group from an input to an output, system settings
// and a remote panel.
void SiteProject()
{
    const std::array<int, 4> kinds{DeviceKind::SmokeDetector, DeviceKind::HeatDetector, DeviceKind::InputDevice,
                                   DeviceKind::Output};
    for (int a = 1; a <= 40; ++a) AddDevice(a, kinds[(a - 1) % 4], QStringLiteral("ZONE %1").arg(a));
    DeviceDataArray[1].AlarmValue = "070";
    DeviceDataArray[3].NumOfGroups = "01";
    DeviceDataArray[3].Grp[1] = "01";
    DeviceDataArray[3].WithAlarmGroup = "1";
    OutGrpArray[1].Trigger = "1";
    OutGrpArray[1].OutCount = "2";
    OutGrpArray[1].OutAddr[1] = "004";
    OutGrpArray[1].OutAddr[2] = "201";
    NumOfActiveGroups = 1;
    RemoteUnits.Panel[1] = "1";
    NightStart = "2230";
    NightFinish = "0615";
    SysFlags2.NightEna = "1";
}

TEST_F(SerialWindowTest, UploadThenDownloadThroughThePseudoTerminalKeepsTheProject)
{
    PanelOnPty sim;
    ASSERT_TRUE(sim.Opened());
    ports = {{1, sim.Path(), QStringLiteral("USB Serial Port (pseudo-terminal %1)").arg(sim.Path())}};
    frm4Main w;
    ASSERT_EQ(w.comPort->CommPort, 1) << "the load's search found the simulator";

    // Slow keeps the presets off the boxes; no pauses between polls.
    w.ManualDelays[1]->setChecked(true);
    for (QLineEdit* box : {w.FullStr, w.FullStr2}) {
        box->clear();
        QTest::keyClicks(box, "0");
    }
    ASSERT_EQ(w.Timing().RecordPause(), 0.0);
    ASSERT_EQ(w.Timing().AckPause(), 0.0);
    w.ProjectContact->setText(QStringLiteral("Dana"));

    SiteProject();
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    const SysFlagsRecord flags = SysFlags;
    const SysFlags2Record flags2 = SysFlags2;

    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);
    const QByteArray savedFile = Bytes(ProjectPath());
    ASSERT_TRUE(savedFile.contains("Dana"));

    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("will replace the data in the project", Ui::vbOK);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.Download2PC->click();
    ASSERT_EQ(prompter.Pending(), 0);

    ExpectProjectCameBack(devices, groups);
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(NightStart, "2230");
    EXPECT_EQ(NightFinish, "0615");
    EXPECT_EQ(RemoteUnits.Panel[1], "1");
    EXPECT_EQ(MaxNumOfDevices, 126);
    // The download keeps the count without leading zeros; the window shows both counts.
    EXPECT_EQ(NumOfDevices, "40");
    EXPECT_EQ(w.Label4->text(), "40");
    EXPECT_EQ(w.Label16->text(), "1");
    EXPECT_EQ(w.windowTitle(), "Tessel126");
    // The details stay in their boxes, and nothing was written to the file.
    EXPECT_EQ(w.ProjectContact->text(), "Dana");
    EXPECT_EQ(Bytes(ProjectPath()), savedFile);
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(::ComSettings, "9600,N,8,1");

    const panelsim::Panel& panel = sim.Panel();
    EXPECT_EQ(panel.Memory().speed, 9600);
    for (int a = 1; a <= 40; ++a) EXPECT_TRUE(panel.Memory().DeviceInUse(a)) << a;
    EXPECT_FALSE(panel.Memory().DeviceInUse(41));
}

}  // namespace
