// The event-history download through the engine against the simulator's panel: what it leaves
// of the project, and a full event memory.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "RandomProject.h"
#include "panellink/Frame.h"
#include "test_operations_support.h"

namespace {

uint8_t Bcd(int n) { return uint8_t((n / 10) << 4 | (n % 10)); }

class HistoryDownloadTest : public OperationsTest {
protected:
    // Runs the history download to its success message.
    void History()
    {
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        prompter.Expect("Data transfer completed successfully", Ui::vbOK);
        ops.HISTORY_A_Click();
        EXPECT_EQ(prompter.Pending(), 0);
        EXPECT_FALSE(TransferError);
    }
    int Count(uint8_t cmd) const
    {
        const auto& c = panel->CommandsReceived();
        return int(std::count(c.begin(), c.end(), cmd));
    }
};

TEST_F(HistoryDownloadTest, EventsKeepTheirDeviceNumbersAndTheProjectIsUntouched)
{
    std::mt19937 rng(20240305);
    RandomProject::FillWholeProject(rng);
    DeviceDataArrayEdit = DeviceDataArray;
    const auto devices = DeviceDataArray;
    const auto edited = DeviceDataArrayEdit;
    const auto groups = OutGrpArray;
    const QString count = NumOfDevices.str();
    const auto activeGroups = NumOfActiveGroups;

    // Device numbers apart from the event numbers, but for every third event, whose number is
    // its device's address; event 7 is the system's own. The texts are no project's names.
    auto devNoOf = [](int k) { return k == 7 ? 0 : k % 3 == 0 ? k : (k * 5 + 11) % 127; };
    panelsim::PanelMemory m = Versions(171, 150);  // a 50-address panel: the model stays 126
    for (int k = 1; k <= 40; ++k) {
        panelsim::Event e;
        e.devNo = uint8_t(devNoOf(k));
        e.text = QByteArray("EVENT NAME ").append(QByteArray::number(k)).leftJustified(44, ' ');
        m.events.push_back(e);
    }
    Connect(m);
    History();

    for (int k = 1; k <= 40; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(HistoryArray[k].DevNo.trimmed(), Str(devNoOf(k)));
        const QString where = devNoOf(k) ? QStringLiteral("\tהתקן מס' ") + ZeroPad(devNoOf(k), 3)
                                         : QStringLiteral("\tתקלת מערכת  ");
        EXPECT_TRUE(HistoryLines[k].endsWith(where)) << HistoryLines[k].toStdString();
    }
    EXPECT_TRUE(HistoryLines[41].isEmpty());
    EXPECT_TRUE(DeviceDataArray == devices);
    EXPECT_TRUE(DeviceDataArrayEdit == edited);
    EXPECT_TRUE(OutGrpArray == groups);
    EXPECT_EQ(NumOfDevices.str(), count);
    EXPECT_EQ(NumOfActiveGroups, activeGroups);
    EXPECT_EQ(MaxNumOfDevices, 126);
}

TEST_F(HistoryDownloadTest, TheCardSettingsAndIdentityOfTheProjectStayAndThePanelsIdentityIsShown)
{
    // The user's settings, every one away from the panel's; the panel's own system block holds
    // other values in every field, a night hour of no day among them.
    DataSysByte1 = "07";
    SysFlags = {"004", "1", "0", "1", "1", "0"};
    SysFlags2 = {"1", "1", "0", "1", "0", "1", "1", "0"};
    NightStart = "2230";
    NightFinish = "0615";
    NumOfSys = "01";
    RemoteUnits.Panel[1] = "1";
    RemoteUnits.PS[2] = "1";
    VerComNum = "0101";
    VerSoftNum = "0171";
    VerHardNum = "0100";
    TechCode = "1111";
    AddDevice(4, DeviceKind::SmokeDetector, QStringLiteral("HALL"));
    const QString byte1 = DataSysByte1.str(), start = NightStart.str(), finish = NightFinish.str();
    const SysFlagsRecord flags = SysFlags;
    const SysFlags2Record flags2 = SysFlags2;
    const RemoteUnitsRecord units = RemoteUnits;

    panelsim::PanelMemory m = Versions(250, 150);
    m.com = 321;
    m.techCode = 9876;
    m.sysByte1 = 0x12;
    m.sysFlags1 = 0x23;
    m.sysFlags2 = 0x96;
    m.nightStartHour = 78;
    m.nightFinishHour = 0x05;
    m.remote = {0, 1, 1, 0};
    const panelsim::PanelMemory panelBefore = m;
    Connect(m);
    History();

    EXPECT_EQ(DataSysByte1.str(), byte1);
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(NightStart.str(), start);
    EXPECT_EQ(NightFinish.str(), finish);
    EXPECT_EQ(RemoteUnits, units);
    EXPECT_EQ(VerComNum, "0101");
    EXPECT_EQ(VerSoftNum, "0171");
    EXPECT_EQ(VerHardNum, "0100");
    EXPECT_EQ(TechCode, "1111");
    EXPECT_EQ(MaxNumOfDevices, 126);
    EXPECT_FALSE(PanelReplaced.any()) << "nothing of the panel's system block entered the project";
    // The boxes of the administrator area show the panel just read.
    EXPECT_EQ(LinkView.txtVerComNum, "03.21");
    EXPECT_EQ(LinkView.txtVerSoftNum, "02.50");
    EXPECT_EQ(LinkView.txtVerHardNum, "01.50");
    EXPECT_EQ(LinkView.txtTechCode, "9876");
    // The panel was only read.
    panelsim::PanelMemory after = panel->Memory();
    after.speed = panelBefore.speed;
    EXPECT_TRUE(after == panelBefore);
}

TEST_F(HistoryDownloadTest, AFullEventMemoryEndsWithFrame256)
{
    // 255 events, each told apart by its device number and its time and date.
    panelsim::PanelMemory m;
    for (int k = 1; k <= 255; ++k) {
        panelsim::Event e;
        e.devNo = uint8_t(k * 7 % 256);
        e.minute = Bcd(k % 60);
        e.hour = Bcd(k / 60);
        e.day = Bcd(k % 28 + 1);
        e.month = Bcd(k % 12 + 1);
        e.year = Bcd(k % 100);
        m.events.push_back(e);
    }
    Connect(m);
    History();

    for (int k = 1; k <= 255; ++k) {
        SCOPED_TRACE(k);
        const HistoryRecord& e = HistoryArray[k];
        EXPECT_EQ(e.DevNo.trimmed(), Str(k * 7 % 256));
        EXPECT_EQ(e.Minute, ZeroPad(k % 60, 2));
        EXPECT_EQ(e.Hour, ZeroPad(k / 60, 2));
        EXPECT_EQ(e.Day, ZeroPad(k % 28 + 1, 2));
        EXPECT_EQ(e.Month, ZeroPad(k % 12 + 1, 2));
        EXPECT_EQ(e.Year, ZeroPad(k % 100, 2));
        EXPECT_TRUE(HistoryLines[k].startsWith(ZeroPad(k, 3) + QLatin1Char('\t')));
    }
    // The PC acknowledged the system block, every event and the end frame, the 256th frame of
    // the reply; nothing of the reply is left waiting.
    EXPECT_EQ(Count(Frame::Ack), 1 + 255 + 1);
    EXPECT_EQ(Count(Frame::Nak), 0);
    EXPECT_EQ(Count(Frame::B8), 1);
    EXPECT_EQ(panel->Memory().speed, 9600);
}

}  // namespace
