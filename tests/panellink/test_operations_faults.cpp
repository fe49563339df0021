// Each way a transfer can fail ends with one clear message, the project as it was and the
// panel and the PC back at 9600 baud.
#include <gtest/gtest.h>

#include "panellink/Frame.h"
#include "test_operations_support.h"

namespace {

using panelsim::Faults;
using panelsim::PanelMemory;

// The shared project as a download could change it.
struct ProjectState {
    std::array<DeviceRecord, MaxAddress + 1> devices;
    std::array<OutGrpRecord, MaxGroups + 1> groups;
    SysFlagsRecord flags;
    RemoteUnitsRecord remote;
    QString verSoft, numOfDevices;
    int16_t maxDevices, activeGroups;
    bool loaded;

    static ProjectState Now()
    {
        return {DeviceDataArray, OutGrpArray, SysFlags, RemoteUnits, VerSoftNum, NumOfDevices.str(),
                MaxNumOfDevices, NumOfActiveGroups, ProjectLoaded};
    }
    bool operator==(const ProjectState&) const = default;
};

// A panel with one device, and a project of its own opened from a file.
class FaultTest : public OperationsTest {
protected:
    void SetUp() override
    {
        OperationsTest::SetUp();
        AddDevice(7, DeviceKind::InputDevice, QStringLiteral("MINE"));
        AddDevice(8, DeviceKind::Output, QStringLiteral("BELL"));
        DeviceDataArray[7].NumOfGroups = "01";
        DeviceDataArray[7].Grp[1] = "03";
        DeviceDataArray[7].WithAlarmGroup = "1";
        OutGrpArray[3].OutCount = "1";
        OutGrpArray[3].OutAddr[1] = "008";
        NumOfActiveGroups = 1;
        VerSoftNum = "0150";
        ProjectLoaded = true;
        memory.devices[3] = QByteArray::fromHex("035F001000004040000000000000");
        view.fast = true;
    }

    // Runs a download that completes, with the warning before it.
    void SucceedingDownload()
    {
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        prompter.Expect("will replace the data in the project", Ui::vbOK);
        prompter.Expect("Data transfer completed successfully", Ui::vbOK);
        ops.Download2PC_Click();
        EXPECT_EQ(prompter.Pending(), 0);
    }

    // Runs a download that fails with one message containing `message`.
    void FailingDownload(const char* message)
    {
        const ProjectState before = ProjectState::Now();
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        prompter.Expect("will replace the data in the project", Ui::vbOK);
        prompter.Expect(message, Ui::vbOK);
        ops.Download2PC_Click();
        EXPECT_EQ(prompter.Pending(), 0);
        ASSERT_EQ(prompter.Calls().size(), 3u) << Prompts().join(" | ").toStdString();
        EXPECT_TRUE(prompter.Calls()[2].prompt.endsWith("The project was not changed."));
        EXPECT_TRUE(ProjectState::Now() == before);
        EXPECT_EQ(view.label4, "2");
        EXPECT_EQ(view.label16, "1");
        EXPECT_EQ(ComSettings, "9600,N,8,1");
        EXPECT_EQ(view.enabled.back(), true);
        EXPECT_EQ(view.statBar.back(), 0);
    }

    PanelMemory memory;
};

TEST_F(FaultTest, NoReplyAtAll)
{
    Connect(memory, Faults{.silentAfter = 0});
    FailingDownload("Com error");
}

TEST_F(FaultTest, BadChecksumAfterTheSpeedSwitch)
{
    // Reply 3 is the first record of the remote-unit block, read at 57600.
    Connect(memory, Faults{.badChecksumAt = 3});
    FailingDownload("Com error");
    EXPECT_EQ(panel->Memory().speed, 9600);
    EXPECT_EQ(panel->CommandsReceived().back(), Frame::CD);
}

TEST_F(FaultTest, PanelFallsSilentInTheMiddleOfTheDeviceBlock)
{
    Connect(memory, Faults{.silentAfter = 4});
    FailingDownload("Com error");
}

TEST_F(FaultTest, PanelThatDoesNotChangeSpeed)
{
    Connect(memory, Faults{.wrongSpeed = true});
    FailingDownload("Com error");
    EXPECT_EQ(panel->Memory().speed, 9600);
}

TEST_F(FaultTest, PortThatCannotBeOpened)
{
    Connect(memory);
    port.failOpenMessage = "Port COM1 is in use by another program. Close that program and try again.";
    FailingDownload("in use by another program");
}

TEST_F(FaultTest, FirmwareTooNewForTheDownload)
{
    memory.firmware = 301;
    Connect(memory);
    FailingDownload("Please contact the company to check validity of the software");
}

TEST_F(FaultTest, RefusedFirstReplyIsAskedAgainAndTheDownloadSucceeds)
{
    Connect(memory, Faults{.nakAt = 1});
    SucceedingDownload();
    EXPECT_EQ(DeviceDataArray[3].Exist, "1");
    EXPECT_EQ(DeviceDataArray[7].Exist, "0");
}

TEST_F(FaultTest, EarlyEndFrameIsAShortBlockNotAFailure)
{
    memory.devices[4] = QByteArray::fromHex("045F001000004040000000000000");
    Connect(memory, Faults{.earlyEndAfter = 1});
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("will replace the data in the project", Ui::vbOK);
    // The groups block then holds one record instead of 32: the decoder refuses it.
    prompter.Expect("Com error", Ui::vbOK);
    const ProjectState before = ProjectState::Now();
    ops.Download2PC_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_TRUE(ProjectState::Now() == before);
    EXPECT_EQ(ErrLocation, "0x000030");
}

TEST_F(FaultTest, SplitRepliesAreReadWhole)
{
    Connect(memory, Faults{.splitPieces = 3, .gapMs = 150});
    SucceedingDownload();
    EXPECT_EQ(DeviceDataArray[3].Exist, "1");
}

TEST_F(FaultTest, FailedUploadAfterTheSpeedSwitchReturnsThePanelTo9600)
{
    // Reply 5: the acknowledgement of the system block, sent at 57600.
    Connect(memory, Faults{.nakAt = 5});
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Com error", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), 2u);
    EXPECT_EQ(panel->Memory().speed, 9600);
    EXPECT_EQ(ComSettings, "9600,N,8,1");
    EXPECT_EQ(view.presetInUse, 9600);
    EXPECT_EQ(timing.FullStr, "0.36");
    EXPECT_FALSE(VerifyMode);
    EXPECT_EQ(view.indicator.back(), LinkColours::Idle);
}

TEST_F(FaultTest, FailedRemoteBlockAddsTheMismatchWarning)
{
    Connect(memory, Faults{.nakAt = 6});  // the acknowledgement of CC
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Com error", Ui::vbOK);
    prompter.Expect("There is a mismatch between software and system data !", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(panel->Memory().speed, 9600);
}

TEST_F(FaultTest, NextOperationAfterAFailureStartsAt9600)
{
    Connect(memory, Faults{.badChecksumAt = 3});
    FailingDownload("Com error");
    Connect(memory);
    line->pcSpeeds.clear();
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("will replace the data in the project", Ui::vbOK);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    ops.Download2PC_Click();
    EXPECT_EQ(line->pcSpeeds.front(), 9600);
    EXPECT_EQ(DeviceDataArray[3].Exist, "1");
}

}  // namespace
