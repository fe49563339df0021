// The event-history download, the clock update, the transfer time, the presets, the
// single-step buttons, and one operation at a time.
#include <gtest/gtest.h>

#include "panellink/Frame.h"
#include "test_operations_support.h"

namespace {

using panelsim::Faults;
using panelsim::PanelMemory;

PanelMemory WithEvents(int n)
{
    PanelMemory m;
    for (int i = 1; i <= n; ++i) {
        panelsim::Event e;
        e.devNo = uint8_t(i);
        e.text = QByteArray("FIRE").leftJustified(44, ' ');
        e.hour = 0x12;
        e.minute = uint8_t(i);
        m.events.push_back(e);
    }
    return m;
}

class MoreTest : public OperationsTest {
protected:
    void History(const char* closing = "Data transfer completed successfully")
    {
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        prompter.Expect(closing, Ui::vbOK);
        ops.HISTORY_A_Click();
        EXPECT_EQ(prompter.Pending(), 0);
    }
    int Count(uint8_t cmd) const
    {
        const auto& c = panel->CommandsReceived();
        return int(std::count(c.begin(), c.end(), cmd));
    }
};

TEST_F(MoreTest, HistoryDownloadFillsTheEventsAndKeepsTheWindowDisabledToTheEnd)
{
    view.fast = true;
    Connect(WithEvents(3));
    History();
    EXPECT_EQ(HistoryArray[3].DevNo, "3");
    EXPECT_FALSE(HistoryLines[3].isEmpty());
    EXPECT_TRUE(HistoryLines[4].isEmpty());
    EXPECT_TRUE(view.blink);
    EXPECT_EQ(view.enabled, (std::vector<bool>{false, true}));
    // The panel's identity is shown; the project's stays.
    EXPECT_EQ(LinkView.txtVerSoftNum, "02.00");
    EXPECT_EQ(VerSoftNum, "");
    EXPECT_EQ(Count(Frame::CD), 2);
    EXPECT_EQ(panel->Memory().speed, 9600);
    EXPECT_EQ(ComSettings, "9600,N,8,1");
}

TEST_F(MoreTest, SecondHistoryDownloadKeepsOnlyTheSecondReading)
{
    Connect(WithEvents(5));
    History();
    Connect(WithEvents(2));
    History();
    EXPECT_FALSE(HistoryLines[2].isEmpty());
    EXPECT_TRUE(HistoryLines[3].isEmpty());
    EXPECT_EQ(HistoryArray[5], HistoryRecord{});
}

TEST_F(MoreTest, PanelWithoutEventsGivesAnEmptyHistory)
{
    Connect(WithEvents(0));
    History();
    EXPECT_TRUE(HistoryLines[1].isEmpty());
}

TEST_F(MoreTest, FailedHistoryDownloadLeavesNoHistory)
{
    Connect(WithEvents(5));
    History();
    view.blink = false;
    Connect(WithEvents(5), Faults{.silentAfter = 3});
    History("Com error");
    EXPECT_TRUE(HistoryLines[1].isEmpty());
    EXPECT_EQ(view.enabled.back(), true);
    EXPECT_FALSE(view.blink);
}

TEST_F(MoreTest, ClockUpdateSendsThePcsDateAndTime)
{
    VerSoftNum = "0123";
    Connect(Versions(140));
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("The system clock updated successfully", Ui::vbOK);
    ops.ClckSnd_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    // Tuesday 5 March 2024, ten o'clock and the seconds the reading took.
    const QByteArray clockBytes = panel->Memory().clock;
    ASSERT_EQ(clockBytes.size(), 7);
    EXPECT_EQ(clockBytes.mid(2), QByteArray::fromHex("1003050324"));
    EXPECT_EQ(ClockFields[4], "03");
    EXPECT_EQ(Count(Frame::CD), 0);
    EXPECT_EQ(VerSoftNum, "0123");  // the identity is read only for the check
    EXPECT_FALSE(VerifyMode);
    EXPECT_EQ(view.text2, "00:00:0" + view.text2.right(1));
}

TEST_F(MoreTest, ClockUpdateIsRefusedBelow140)
{
    Connect(Versions(139));
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Date and time updates can be performed from 1.40 hardware version\r\nHardware version is: 1.39",
                    Ui::vbCancel);
    ops.ClckSnd_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(Count(Frame::CA), 0);
    EXPECT_EQ(view.enabled.back(), true);
}

TEST_F(MoreTest, ClockFieldsComeFromOneReading)
{
    FillClockFields(QDateTime(QDate(2023, 3, 5), QTime(14, 7, 9)));
    QStringList f;
    for (int i = 1; i <= 7; ++i) f << ClockFields[i];
    EXPECT_EQ(f.join(' '), "09 07 14 01 05 03 23");
}

TEST(TransferDurationTest, WithinADayAndAcrossMidnight)
{
    EXPECT_EQ(TransferDuration("10:59:58", "11:00:03"), "00:00:05");
    EXPECT_EQ(TransferDuration("23:59:58", "00:00:03"), "00:00:05");
    EXPECT_EQ(TransferDuration("08:00:00", "09:30:15"), "01:30:15");
}

TEST_F(MoreTest, PresetsWriteTheTimingOnlyWhileFastIsSelected)
{
    timing.FullStr = "1";
    ops.Command9_Click();
    EXPECT_EQ(timing.FullStr, "1");
    EXPECT_EQ(view.timingShown, 0);
    view.fast = true;
    ops.Command9_Click();
    EXPECT_EQ(timing.FullStr2, "0.1");
    EXPECT_EQ(timing.FullStr, "0.09");
    EXPECT_EQ(timing.TimeDelay, "2.5");
    ops.Command10_Click();
    EXPECT_EQ(timing.FullStr, "0.06");
    ops.DefaultValues4Delays_Click();
    EXPECT_EQ(timing.FullStr, "0.36");
}

TEST_F(MoreTest, SingleStepsWithoutAPortChangeNothingAndSaySo)
{
    port.CommPort = 0;
    DeviceDataArray[4].Exist = "1";
    OutGrpArray[2].OutCount = "3";
    OutGrpArray[2].GrpName = "KEEP";
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    const QString cable = QStringLiteral("Cable USB-RS232 not conneted to PC\r\nIf yes, please perform a manual search");
    for (int i = 0; i < 4; ++i) prompter.Expect(cable, Ui::vbOK);
    ops.GET_DEVICE_DATA_Click();
    ops.GET_OUT_GRP_Click();
    ops.GET_DATA_SYS_Click();
    ops.SET_DEVICE_DATA_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(DeviceDataArray, devices);
    EXPECT_EQ(OutGrpArray, groups);
    // The panel's identity, not the project, shows as unknown.
    EXPECT_EQ(LinkView.txtVerSoftNum, "xx.xx");
    EXPECT_EQ(LinkView.txtTechCode, "XXXX");
    EXPECT_EQ(VerSoftNum, "0000");
    EXPECT_TRUE(port.outputs.empty());
}

TEST_F(MoreTest, SingleStepHistoryKeepsEventsAboveTheNumberRead)
{
    HistoryLines[5] = "older";
    Connect(WithEvents(2));
    ops.GET_HISTORY_A_Click();
    EXPECT_FALSE(HistoryLines[2].isEmpty());
    EXPECT_EQ(HistoryLines[5], "older");
    EXPECT_EQ(view.enabled, (std::vector<bool>{false, true}));
}

TEST_F(MoreTest, SingleStepUsesTheDataAsItStands)
{
    Connect();
    BaudCode = 57;
    ops.SET_BAUD_RATE_Click();
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(panel->Memory().speed, 57600);
}

TEST_F(MoreTest, NoSecondOperationWhileOneRuns)
{
    AddDevice(5, DeviceKind::InputDevice, QStringLiteral("DOOR"));
    const auto devices = DeviceDataArray;
    Connect();
    int tried = 0;
    view.onSave = [&] {
        // Clicks that reach the program while the upload runs.
        ops.Download2PC_Click();
        ops.HISTORY_A_Click();
        ops.ClckSnd_Click();
        ops.Upload2Sys_Click();
        ops.GET_DEVICE_DATA_Click();
        ops.GET_OUT_GRP_Click();
        ops.SET_BAUD_RATE_Click();
        ++tried;
    };
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(tried, 1);
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), 3u);
    EXPECT_EQ(DeviceDataArray[5], devices[5]);
    EXPECT_FALSE(ops.Running());

    // Nor while a single step runs.
    bool reset = false;
    view.onDisable = [&] {
        DeviceDataArray[5].Exist = "1";
        ops.GET_DEVICE_DATA_Click();
        reset = DeviceDataArray[5].Exist == "0";
    };
    ops.GET_HISTORY_A_Click();
    EXPECT_FALSE(reset);
}

}  // namespace
