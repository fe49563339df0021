#include "panellink/DeviceBlock.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "core/Conv.h"
#include "panellink/Frame.h"

namespace {

class DeviceBlockTest : public LinkTest {
protected:
    // The smoke detector of the worked example, at address 12.
    static DeviceRecord Smoke12()
    {
        DeviceRecord r = DeviceDataArray[12];
        r.ExtType = "00";
        r.BaseType = "5";
        r.Exist = "1";
        r.DeviceNeedVer = "1";
        r.NameExist = "1";
        r.WithAlarmGroup = "1";
        r.AlarmValue = "065";
        r.PreAlarmValue = "045";
        r.NumOfGroups = "02";
        r.Grp[1] = "01";
        r.Grp[2] = "03";
        return r;
    }
    // A device record in use of the given kind at an address, as the panel sends it.
    static QByteArray PanelRecord(int address, int ext, int base, int position, int loopSide = 0)
    {
        QByteArray r = H("00 00 00 00 00 00 40 40 00 00 00 00 00 00");
        r[0] = char(address);
        r[1] = char(((ext / 8) << 5) | (base << 2) | 0x02 | 0x01);
        r[2] = char(loopSide << 6);
        r[3] = char(position << 4);
        return r;
    }
};

TEST_F(DeviceBlockTest, FreeAddressEncodesAsTheDefaults)
{
    EXPECT_EQ(*EncodeDeviceRecord(7, DeviceDataArray[7]), H("07 02 00 10 00 00 40 40 00 00 00 00 00 00"));
}

TEST_F(DeviceBlockTest, SmokeDetectorEncodesAndDecodesBack)
{
    const DeviceRecord smoke = Smoke12();
    const QByteArray bytes = H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00");
    EXPECT_EQ(*EncodeDeviceRecord(12, smoke), bytes);

    const auto back = DecodeDeviceRecord(bytes, DeviceDataArray[12]);
    ASSERT_TRUE(back);
    DeviceRecord expected = smoke;
    expected.FactoryName = QStringLiteral("012 ") + LblSmokeDet;
    EXPECT_EQ(*back, expected);
    EXPECT_EQ(back->Grp[3], "00");
    EXPECT_EQ(back->Grp[4], "00");
    EXPECT_EQ(back->FactoryName, "012 SMOKE DET  #");
}

TEST_F(DeviceBlockTest, EachFieldHasItsOwnBitsBothWays)
{
    // A record whose every byte is zero, then one field at a time (kinds chosen outside the
    // label table, so decoding gives back exactly what was encoded).
    DeviceRecord zero = DeviceDataArray[7];
    zero.DeviceIsIn = "0";
    zero.CardAddr = "00";
    zero.AlarmValue = "000";
    zero.PreAlarmValue = "000";
    ASSERT_EQ(*EncodeDeviceRecord(7, zero), QByteArray(1, char(7)) + QByteArray(13, char(0)));

    const struct {
        std::function<void(DeviceRecord&)> set;
        int byte;
        uint8_t value;
    } cases[] = {
        {[](DeviceRecord& r) { r.DeviceDisable = "1"; }, 2, 0x80},
        {[](DeviceRecord& r) { r.ExtType = "08"; }, 2, 0x20},
        {[](DeviceRecord& r) { r.ExtType = "16"; }, 2, 0x40},
        {[](DeviceRecord& r) { r.BaseType = "4"; }, 2, 0x10},
        {[](DeviceRecord& r) { r.BaseType = "3"; }, 2, 0x0C},
        {[](DeviceRecord& r) { r.DeviceIsIn = "1"; }, 2, 0x02},
        {[](DeviceRecord& r) { r.Exist = "1"; }, 2, 0x01},
        {[](DeviceRecord& r) { r.LoopSide = "2"; }, 3, 0x80},
        {[](DeviceRecord& r) { r.LoopSide = "1"; }, 3, 0x40},
        {[](DeviceRecord& r) { r.offTypeAfterON = "2"; }, 3, 0x20},
        {[](DeviceRecord& r) { r.offTypeAfterON = "1"; }, 3, 0x10},
        {[](DeviceRecord& r) { r.OutBehevior = "02"; }, 3, 0x08},
        {[](DeviceRecord& r) { r.OutBehevior = "01"; }, 3, 0x04},
        {[](DeviceRecord& r) { r.DeviceNeedVer = "1"; }, 3, 0x02},
        {[](DeviceRecord& r) { r.NameExist = "1"; }, 3, 0x01},
        {[](DeviceRecord& r) { r.CardAddr = "08"; }, 4, 0x80},
        {[](DeviceRecord& r) { r.CardAddr = "01"; }, 4, 0x10},
        {[](DeviceRecord& r) { r.DlyB4ON = "1"; }, 4, 0x08},
        {[](DeviceRecord& r) { r.WithFaultGroup = "1"; }, 4, 0x04},
        {[](DeviceRecord& r) { r.WithAlarmGroup = "1"; }, 4, 0x02},
        {[](DeviceRecord& r) { r.IsNotUseInAlarm = "1"; }, 4, 0x01},
        {[](DeviceRecord& r) { r.OutOnTimes = "12"; }, 5, 0x0C},
        {[](DeviceRecord& r) { r.TimeDelayUp2ON = "30"; }, 6, 0x1E},
        {[](DeviceRecord& r) { r.AlarmValue = "201"; }, 7, 0xC9},
        {[](DeviceRecord& r) { r.PreAlarmValue = "045"; }, 8, 0x2D},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        DeviceRecord r = zero;
        cases[i].set(r);
        QByteArray expected = *EncodeDeviceRecord(7, zero);
        expected[cases[i].byte - 1] = char(cases[i].value);
        EXPECT_EQ(*EncodeDeviceRecord(7, r), expected) << "case " << i;
        const auto back = DecodeDeviceRecord(expected, zero);
        ASSERT_TRUE(back) << "case " << i;
        EXPECT_EQ(*back, r) << "case " << i;
    }
}

TEST_F(DeviceBlockTest, RedCallPointPositionIsClearedInTheFrameOnly)
{
    DeviceRecord r = DeviceDataArray[3];
    r.BaseType = "7";
    r.Exist = "1";
    r.CardAddr = "01";
    DeviceDataArray[3] = r;
    ASSERT_TRUE(fillDeviceData2Snd());
    EXPECT_EQ(DataOf(FrameArray[3]).at(3), char(0x00));
    EXPECT_EQ(DeviceDataArray[3].CardAddr, "01");
    // Other kinds keep their position: a relay as the first of two addresses.
    r.ExtType = "16";
    r.BaseType = "3";
    r.CardAddr = "02";
    EXPECT_EQ(EncodeDeviceRecord(3, r)->at(3), char(0x20));
}

TEST_F(DeviceBlockTest, EncoderSendsEveryAddressOfTheModel)
{
    MaxNumOfDevices = 50;
    ASSERT_TRUE(fillDeviceData2Snd());
    EXPECT_EQ(FrameArray[0], QByteArray("50"));
    for (int a = 1; a <= 50; ++a) {
        EXPECT_EQ(Frame::CheckReceived(FrameArray[a]), Frame::Check::Good);
        EXPECT_EQ(FrameArray[a].at(4), char(0xC6));
        EXPECT_EQ(FrameArray[a].at(5), char(a));
    }
    EXPECT_TRUE(FrameArray[51].isEmpty());
}

TEST_F(DeviceBlockTest, UnsendableRecordFailsTheWholeBlock)
{
    const std::function<void(DeviceRecord&)> spoil[] = {
        [](DeviceRecord& r) { r.NumOfGroups = "05"; },
        [](DeviceRecord& r) { r.NumOfGroups = "01"; r.Grp[1] = "33"; },
        [](DeviceRecord& r) { r.NumOfGroups = "01"; r.Grp[1] = "00"; },
        [](DeviceRecord& r) { r.NumOfGroups = "01"; r.Grp[1] = "x"; },
        [](DeviceRecord& r) { r.Exist = "2"; },
        [](DeviceRecord& r) { r.AlarmValue = "256"; },
        [](DeviceRecord& r) { r.BaseType = "8"; },
        [](DeviceRecord& r) { r.ExtType = "12"; },
        [](DeviceRecord& r) { r.CardAddr = "16"; },
    };
    for (const auto& s : spoil) {
        Fresh(2);
        s(DeviceDataArray[60]);
        EXPECT_FALSE(fillDeviceData2Snd());
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, QStringLiteral("0x000018"));
        EXPECT_EQ(LinkState::FrameCount(), 0);
        EXPECT_TRUE(FrameArray[1].isEmpty());
    }
}

TEST_F(DeviceBlockTest, FactoryNamesAndPositionsFromTheLabelTable)
{
    const struct {
        int ext, base, position;
        QString factory;
        const char* cardAddr;
    } cases[] = {
        {16, 4, 2, QStringLiteral("020 ") + LoopName[3], "02"},   // four-zone part 2
        {16, 4, 0, QStringLiteral("020 ") + LoopName[1], "00"},
        {8, 2, 3, QStringLiteral("020 ") + LblFaultInput, "03"},  // alarm/fault card
        {8, 2, 1, QStringLiteral("020 ") + LblAlarmFault, "01"},
        {8, 3, 2, QStringLiteral("020 ") + LblInput1of2, "02"},   // two-input card
        {0, 6, 5, QStringLiteral("020 ") + LblHeatDet, "01"},     // single devices say "01"
        {8, 1, 3, QStringLiteral("020 ") + LblOutput, "03"},
        {16, 3, 2, QStringLiteral("020 ") + LblRelayOut, "02"},
        {16, 5, 0, QStringLiteral("020 ") + LblLineRelay, "01"},
        {8, 2, 0, QStringLiteral("020 ") + LblAlarmFault, "00"},   // 0 is the single position too
        {8, 2, 12, QStringLiteral("020 ") + LblAlarmFault, "00"},  // a nibble above 9 reads as 0
    };
    for (const auto& c : cases) {
        Fresh(2);
        Receive({PanelRecord(20, c.ext, c.base, c.position)});
        ASSERT_TRUE(fillDeviceDataArray_rcv()) << c.ext + c.base;
        EXPECT_EQ(DeviceDataArray[20].FactoryName, c.factory) << c.ext + c.base << "/" << c.position;
        EXPECT_EQ(DeviceDataArray[20].CardAddr, c.cardAddr) << c.ext + c.base << "/" << c.position;
    }
}

TEST_F(DeviceBlockTest, DownloadSkipsForeignAddressesAndCountsDevicesInUse)
{
    QByteArray free9 = PanelRecord(9, 0, 0, 1);
    free9[1] = char(0x02);   // an input, not in use
    Receive({PanelRecord(5, 0, 5, 1), free9, PanelRecord(200, 0, 5, 1), PanelRecord(7, 0, 6, 1)});
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(DeviceDataArray[5].Exist, "1");
    EXPECT_EQ(DeviceDataArray[7].Exist, "1");
    EXPECT_EQ(DeviceDataArray[9].Exist, "0");
    EXPECT_EQ(NumOfDevices.trimmed(), QStringLiteral("2"));
    EXPECT_TRUE(ProjectLoaded);
}

TEST_F(DeviceBlockTest, HighestAddressInUseDecidesTheLoopClass)
{
    Receive({PanelRecord(3, 0, 5, 1, 3), PanelRecord(40, 0, 5, 1, 0)});
    SysFlags.LoopSysStat = "004";
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(SysFlags.LoopSysStat, "003");

    Receive({PanelRecord(3, 0, 5, 1, 0), PanelRecord(40, 0, 5, 1, 3)});
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(SysFlags.LoopSysStat, "004");

    // No device in use: the class from the system block stays.
    Fresh(2);
    SysFlags.LoopSysStat = "004";
    Receive({});
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(SysFlags.LoopSysStat, "004");
    EXPECT_EQ(NumOfDevices.trimmed(), QStringLiteral("0"));
}

TEST_F(DeviceBlockTest, HostileRecordsChangeNothing)
{
    const QByteArray good = PanelRecord(5, 0, 5, 1);
    QByteArray groups5 = good, group33 = good, zone4 = PanelRecord(6, 16, 4, 4);
    groups5[8] = char(5);
    group33[8] = char(1);
    group33[9] = char(32);
    const QByteArray cases[] = {good.left(13), good + H("00"), QByteArray(), groups5, group33, zone4};
    for (const QByteArray& bad : cases) {
        Fresh(2);
        const auto before = DeviceDataArray;
        Receive({good, bad});
        EXPECT_FALSE(fillDeviceDataArray_rcv()) << bad.toHex().constData();
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, QStringLiteral("0x000027"));
        EXPECT_TRUE(DeviceDataArray == before);
        EXPECT_FALSE(ProjectLoaded);
    }
}

TEST_F(DeviceBlockTest, ShortReplyNeverReadsAnEarlierBlock)
{
    // A full block read earlier, then a new block that brought one record before the end frame.
    Receive({PanelRecord(5, 0, 5, 1), PanelRecord(6, 0, 5, 1), PanelRecord(7, 0, 5, 1)});
    LinkState::BeginBlock();
    LinkState::StoreRecord(1, PanelRecord(9, 0, 6, 1));
    LinkState::StoreEnd(2);
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(DeviceDataArray[9].Exist, "1");
    for (int a : {5, 6, 7}) EXPECT_EQ(DeviceDataArray[a].Exist, "0") << a;
    EXPECT_EQ(NumOfDevices.trimmed(), QStringLiteral("1"));
}

TEST_F(DeviceBlockTest, DownloadedNamesDoNotChange)
{
    DeviceDataArray[5].DeviceName = "KITCHEN";
    Receive({PanelRecord(5, 0, 5, 1)});
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(DeviceDataArray[5].DeviceName, "KITCHEN");
}

TEST_F(DeviceBlockTest, FactoryNamesFollowTheTablesLanguage)
{
    Fresh(1);
    Receive({PanelRecord(12, 0, 5, 1)});
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(DeviceDataArray[12].FactoryName, QStringLiteral("012 גלאי עשן   #"));
}

}  // namespace
