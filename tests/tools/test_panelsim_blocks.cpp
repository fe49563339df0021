// The simulated panel answers every request and takes in every block the PC sends, with the
// byte layouts the PC's codecs use.
#include <gtest/gtest.h>

#include "PanelSimTestUtil.h"
#include "tools/panelsim/PanelBlocks.h"

using namespace panelsim;
using namespace panelsim::testing;

namespace {

PanelMemory Identity171()
{
    PanelMemory m;
    m.com = 132;
    m.firmware = 171;
    m.hardware = 150;
    m.techCode = 1234;
    return m;
}

}  // namespace

TEST(PanelSimBlocks, SystemRequestGivesVersionsTechCodeAndSystemBytes)
{
    Panel p(Identity171());
    p.Memory().nightStartHour = 22;
    p.Memory().nightStartMinute = 30;
    p.Memory().nightFinishHour = 6;
    const QByteArray reply = Answer(p, H("AA 01 04 00 B2 B7"));
    // versions BCD minor first, technician code 34 then 12, byte 1 and flags, night times
    // as binary minutes first
    EXPECT_EQ(reply, BuildFrame(Cmd::SystemGet, H("32 01 71 01 50 01 22 0C 00 5B 00 1E 16 00 06"), 1));
    EXPECT_TRUE(Answer(p, Ack).isEmpty());  // a single record: no end frame
}

TEST(PanelSimBlocks, SystemBlockFromThePcComesBackInTheReplyLayout)
{
    Panel p;
    // byte 1 0x0C, LoopSysStat 004, every second-byte flag set, night 22:30 to 06:15 (BCD)
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::SystemSet, H("0C 04 FF 22 30 06 15"))), Ack);
    const auto records = ReadBlock(p, Cmd::SystemGet);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].mid(8), H("0C 04 FF 1E 16 0F 06"));
}

TEST(PanelSimBlocks, DefaultSystemBlockIsTaken)
{
    Panel p;
    p.Memory().sysFlags1 = 0;
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::SystemSet, H("00 5B 00 00 00 00 00"))), Ack);
    EXPECT_EQ(p.Memory().sysFlags1, 0x5B);
}

TEST(PanelSimBlocks, SystemBlockWithANightTimeThatIsNoTimeIsRefused)
{
    Panel p;
    const PanelMemory before = p.Memory();
    for (const char* data :
         {"00 5B 00 2A 30 00 00", "00 5B 00 24 00 00 00", "00 5B 00 00 60 00 00", "00 5B 00 00 00 00"}) {
        EXPECT_EQ(Answer(p, BuildFrame(Cmd::SystemSet, H(data))), Nak) << data;
        EXPECT_EQ(p.Memory(), before) << data;
    }
}

TEST(PanelSimBlocks, RemoteUnitsBothWays)
{
    Panel p;
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::RemoteSet, H("01 00 01 00"))), Ack);
    EXPECT_EQ(Answer(p, H("AA 01 04 00 BC C1")), BuildFrame(Cmd::RemoteGet, H("01 00 01 00"), 1));
}

TEST(PanelSimBlocks, DeviceRecordsAreKeptAsSentAndOnlyDevicesInUseAreReported)
{
    Panel p;
    const QByteArray free7 = H("07 02 00 10 00 00 40 40 00 00 00 00 00 00");
    const QByteArray smoke12 = H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00");
    const QByteArray relay40 = H("28 4F 00 10 00 00 40 40 00 00 00 00 00 00");
    for (const QByteArray& r : {free7, smoke12, relay40}) EXPECT_EQ(Answer(p, BuildFrame(Cmd::DeviceSet, r)), Ack);
    EXPECT_EQ(Answer(p, PcEnd), Ack);
    EXPECT_EQ(p.Memory().devices[7], free7);

    std::vector<QByteArray> frames;
    const auto records = ReadBlock(p, Cmd::DeviceGet, &frames);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], smoke12);
    EXPECT_EQ(records[1], relay40);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(uint8_t(frames[0][3]), 2) << "byte 4 of a record: how many records the reply holds";
    EXPECT_EQ(frames[2], PanelEnd);

    // On a class A loop every device is reported on loop side 3; what was sent stays as it was.
    PanelMemory classA = p.Memory();
    classA.sysFlags1 = 0x5C;
    const auto sides = DeviceRecords(classA);
    ASSERT_EQ(sides.size(), 2u);
    EXPECT_EQ(uint8_t(sides[0][2]), 0xC3);
    EXPECT_EQ(uint8_t(sides[1][2]), 0xC0);
    EXPECT_EQ(classA.devices[12], smoke12);
}

TEST(PanelSimBlocks, DeviceAddressOutsideThePanelModelIsRefused)
{
    Panel p126;
    Panel p50(Identity171());  // hardware 1.50: 50 addresses
    const QByteArray at51 = H("33 17 03 10 00 00 41 2D 00 00 00 00 00 00");
    EXPECT_EQ(Answer(p126, BuildFrame(Cmd::DeviceSet, at51)), Ack);
    EXPECT_EQ(Answer(p50, BuildFrame(Cmd::DeviceSet, at51)), Nak);
    EXPECT_TRUE(p50.Memory().devices[51].isEmpty());
    EXPECT_EQ(Answer(p126, BuildFrame(Cmd::DeviceSet, H("00 17 03 10 00 00 41 2D 00 00 00 00 00 00"))), Nak);
    EXPECT_EQ(Answer(p126, BuildFrame(Cmd::DeviceSet, H("05 17 03 10"))), Nak);
}

TEST(PanelSimBlocks, A50AddressPanelReportsNoDeviceAbove50)
{
    PanelMemory m = Identity171();
    m.devices[50] = H("32 17 03 10 00 00 41 2D 00 00 00 00 00 00");
    m.devices[51] = H("33 17 03 10 00 00 41 2D 00 00 00 00 00 00");  // left from a 126-address life
    Panel p(m);
    const auto records = ReadBlock(p, Cmd::DeviceGet);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(uint8_t(records[0][0]), 50);
}

TEST(PanelSimBlocks, NamesAreKeptInThePanelCodeAndReportedForDevicesInUse)
{
    Panel p;
    Answer(p, BuildFrame(Cmd::DeviceSet, H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00")));
    Answer(p, BuildFrame(Cmd::DeviceSet, H("0D 17 03 12 00 00 41 2D 00 00 00 00 00 00")));
    const QByteArray name12 = QByteArray("\x0C ") + "#  TED EKOMS 210";
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::NameSet, name12)), Ack);
    EXPECT_EQ(p.Memory().names[12], QByteArray("#  TED EKOMS 210"));
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::NameSet, QByteArray("\x0C ") + "SHORT")), Nak);

    const auto records = ReadBlock(p, Cmd::NameGet);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], name12);
    EXPECT_EQ(records[1], QByteArray("\x0D ") + QByteArray(16, ' ')) << "a device without a name: blanks";
}

TEST(PanelSimBlocks, GroupsNeedTheirHeaderByteAndComeBackAllThirtyTwo)
{
    Panel p;
    QByteArray g1 = BuildFrame(Cmd::GroupSet, H("00 02 02 C9 05 00 00 00 00"), 0x10);
    EXPECT_EQ(g1, H("AA 01 0D 10 C5 00 02 02 C9 05 00 00 00 00 B5"));
    EXPECT_EQ(Answer(p, g1), Ack);
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::GroupSet, H("1F 01 01 CD 00 00 00 00 00"), 0x00)), Nak)
        << "a group frame without 0x10 in byte 4";
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::GroupSet, H("20 01 01 CD 00 00 00 00 00"), 0x10)), Nak) << "group 33";

    std::vector<QByteArray> frames;
    const auto records = ReadBlock(p, Cmd::GroupGet, &frames);
    ASSERT_EQ(records.size(), 32u);
    EXPECT_EQ(records[0], H("00 02 02 C9 05 00 00 00 00"));
    EXPECT_EQ(records[31], H("1F 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(frames.back(), PanelEnd);
}

TEST(PanelSimBlocks, HistoryRecordsCarryDeviceTextAndBcdTime)
{
    PanelMemory m;
    Event e;
    e.devNo = 7;
    e.text = QByteArray("ERUTAREPMET").leftJustified(44, ' ');
    e.minute = 0x05; e.hour = 0x14; e.day = 0x23; e.month = 0x11; e.year = 0x24;
    m.events = {e, Event{}};
    Panel p(m);
    const auto records = ReadBlock(p, Cmd::HistoryGet);
    ASSERT_EQ(records.size(), 2u);
    ASSERT_EQ(records[0].size(), 51);
    EXPECT_EQ(uint8_t(records[0][0]), 7);
    EXPECT_EQ(records[0].mid(2, 44), e.text);
    EXPECT_EQ(records[0].mid(46), H("05 14 23 11 24"));
}

TEST(PanelSimBlocks, EmptyHistoryAnswersWithTheEndFrameAtOnce)
{
    Panel p;
    EXPECT_EQ(Answer(p, H("AA 01 04 00 B8 BD")), PanelEnd);
    EXPECT_TRUE(Answer(p, Ack).isEmpty());
}

TEST(PanelSimBlocks, ClockIsTakenOnlyAsAValidBcdDate)
{
    Panel p;
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::ClockSet, H("09 07 14 01 05 03 23"))), Ack);
    EXPECT_EQ(p.Memory().clock, H("09 07 14 01 05 03 23"));
    for (const char* bad : {"60 07 14 01 05 03 23", "09 07 24 01 05 03 23", "09 07 14 08 05 03 23",
                            "09 07 14 01 05 13 23", "09 07 14 01 0A 03 23", "09 07 14 01 05 03"})
        EXPECT_EQ(Answer(p, BuildFrame(Cmd::ClockSet, H(bad))), Nak) << bad;
    EXPECT_EQ(p.Memory().clock, H("09 07 14 01 05 03 23"));
}

TEST(PanelSimBlocks, PcEndFrameIsAcknowledged)
{
    Panel p;
    EXPECT_EQ(Answer(p, PcEnd), Ack);
    EXPECT_EQ(Answer(p, H("AA 01 04 00 85 8A")), Nak) << "an end frame from the PC carries 0xC7";
}

TEST(PanelSimBlocks, UnknownCommandsAndRequestsWithDataAreRefused)
{
    Panel p;
    EXPECT_EQ(Answer(p, BuildFrame(0xB3)), Nak);
    EXPECT_EQ(Answer(p, BuildFrame(Cmd::SystemGet, H("00"))), Nak);
    EXPECT_EQ(Answer(p, H("AA 01 04 00 B2 B8")), Nak) << "a frame with a wrong checksum";
}

TEST(PanelSimBlocks, OlderFirmwareDoesNotKnowRemoteUnitsSpeedOrClock)
{
    struct Case { int firmware; uint8_t cmd; const char* data; bool known; };
    const Case cases[] = {
        {132, Cmd::RemoteSet, "01 00 00 00", false}, {133, Cmd::RemoteSet, "01 00 00 00", true},
        {132, Cmd::RemoteGet, "", false},            {133, Cmd::RemoteGet, "", true},
        {139, Cmd::SpeedSet, "09", false},           {140, Cmd::SpeedSet, "09", true},
        {139, Cmd::ClockSet, "09 07 14 01 05 03 23", false}, {140, Cmd::ClockSet, "09 07 14 01 05 03 23", true},
        {100, Cmd::SystemGet, "", true},
    };
    for (const Case& c : cases) {
        PanelMemory m;
        m.firmware = c.firmware;
        Panel p(m);
        const QByteArray reply = Answer(p, BuildFrame(c.cmd, H(c.data)));
        EXPECT_EQ(reply != Nak, c.known) << c.firmware << " " << int(c.cmd);
    }
}

TEST(PanelSimBlocks, ModelFollowsTheSecondDigitOfTheHardwareVersion)
{
    struct Case { int hardware; int addresses; };
    for (Case c : {Case{150, 50}, Case{155, 50}, Case{100, 126}, Case{126, 126}, Case{250, 50}, Case{5, 126}}) {
        PanelMemory m;
        m.hardware = c.hardware;
        EXPECT_EQ(m.AddressCount(), c.addresses) << c.hardware;
    }
}

TEST(PanelSimBlocks, AFullUploadLeavesEveryAddressAsSent)
{
    Panel p;
    for (int a = 1; a <= 126; ++a) {
        QByteArray r = H("00 02 00 10 00 00 40 40 00 00 00 00 00 00");
        r[0] = char(a);
        if (a % 10 == 0) r[1] = char(0x17);
        ASSERT_EQ(Answer(p, BuildFrame(Cmd::DeviceSet, r)), Ack) << a;
    }
    EXPECT_EQ(Answer(p, PcEnd), Ack);
    EXPECT_EQ(DeviceRecords(p.Memory()).size(), 12u);
}
