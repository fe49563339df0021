// Upload and download through the real serial layer: the simulator on a pseudo-terminal, the
// program's SerialSComm on its slave side, real time.
#include <gtest/gtest.h>

#include "panellink/Frame.h"
#include "platform/PortCatalog.h"
#include "test_operations_support.h"
#include "tests/common/PanelOnPty.h"

namespace {

class SerialTransferTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        Clock::SetCurrent(nullptr);
        ComPortNum = "1";
        ComSettings = "9600,N,8,1";
        // No pauses: the engine takes each frame as soon as it is whole. The presets that the
        // operations press are put back to 0 at once.
        ZeroPauses();
        view.fast = true;
        view.onTiming = [this] { ZeroPauses(); };
    }
    void ZeroPauses()
    {
        timing.FullStr = timing.FullStr2 = "0";
        timing.recordTurn = timing.lastRecordTurn = timing.endBefore = timing.endAfter = 0;
        timing.beforeReturn = timing.afterSpeed = 0;
    }
    void Attach(const QString& path)
    {
        port.SetCatalog(PortCatalog({{1, path, QStringLiteral("USB Serial Port (pseudo-terminal %1)").arg(path)}}));
        port.CommPort = 1;
    }

    SerialSComm port;
    LinkTiming timing;
    RecordingView view;
    PanelOperations ops{port, timing, view};
    ScriptedPrompter prompter;
};

TEST_F(SerialTransferTest, UploadAndDownloadAt57600)
{
    PanelOnPty sim;
    ASSERT_TRUE(sim.Opened());
    Attach(sim.Path());

    for (int a = 1; a <= 40; ++a)
        AddDevice(a, a % 3 == 0 ? DeviceKind::Output : DeviceKind::InputDevice, QStringLiteral("DEV %1").arg(a));
    DeviceDataArray[1].NumOfGroups = "01";
    DeviceDataArray[1].Grp[1] = "01";
    DeviceDataArray[1].WithAlarmGroup = "1";
    OutGrpArray[1].Trigger = "1";
    OutGrpArray[1].OutCount = "1";
    OutGrpArray[1].OutAddr[1] = "003";
    const auto devices = DeviceDataArray;

    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    ops.Upload2Sys_Click();
    ASSERT_EQ(prompter.Pending(), 0);

    ResetModule::ResetProject(true);
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0);

    for (int a = 1; a <= 40; ++a) {
        EXPECT_EQ(DeviceDataArray[a].DeviceName, devices[a].DeviceName) << a;
        EXPECT_EQ(KindOf(DeviceDataArray[a]), KindOf(devices[a])) << a;
    }
    EXPECT_EQ(NumOfDevices, "40");
    EXPECT_EQ(OutGrpArray[1].OutAddr[1], "003");
    EXPECT_EQ(ComSettings, "9600,N,8,1");

    panelsim::Panel& panel = sim.Panel();
    EXPECT_EQ(panel.Memory().speed, 9600);
    const auto& c = panel.CommandsReceived();
    EXPECT_EQ(std::count(c.begin(), c.end(), uint8_t(Frame::CD)), 4);
}

}  // namespace
