#include "panellink/SystemBlocks.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "panellink/Bytes.h"
#include "panellink/Frame.h"

namespace {

class SystemBlocksTest : public LinkTest {
protected:
    // The data bytes of the one frame an encoder left.
    static QByteArray SentData()
    {
        EXPECT_EQ(FrameArray[0], QByteArray("1"));
        EXPECT_EQ(Frame::CheckReceived(FrameArray[1]), Frame::Check::Good);
        return DataOf(FrameArray[1]);
    }
    // A B2 record: versions com/soft/hard as the wire carries them, then the rest.
    static QByteArray B2(const char* versions = "32 01 71 01 50 01", const char* rest = "22 0C 05 5B 00 1E 16 00 06")
    {
        return H(versions) + H(rest);
    }
};

TEST_F(SystemBlocksTest, ByteConversions)
{
    using namespace PanelBytes;
    EXPECT_EQ(*ValueByte(QStringLiteral("12")), 0x0C);
    EXPECT_EQ(*ValueByte(QStringLiteral("126")), 0x7E);
    EXPECT_EQ(*ValueByte(QStringLiteral("201")), 0xC9);
    EXPECT_EQ(*ValueByte(QStringLiteral(" 64")), 64);
    EXPECT_EQ(*ValueByte(QString()), 0);
    EXPECT_FALSE(ValueByte(QStringLiteral("256")));
    EXPECT_FALSE(ValueByte(QStringLiteral("-1")));
    const struct { uint8_t b; int v; } hex[] = {{0x17, 17}, {0x05, 5}, {0x1A, 1}, {0xA1, 0}, {0x99, 99}};
    for (const auto& c : hex) EXPECT_EQ(HexDigitReading(c.b), c.v) << int(c.b);
    EXPECT_EQ(DecimalReading(5, 2), QStringLiteral("05"));
    EXPECT_EQ(DecimalReading(130, 2), QStringLiteral("30"));
    EXPECT_EQ(DecimalReading(7, 3), QStringLiteral("007"));
    EXPECT_EQ(*BcdPairs(QStringLiteral("2230")), H("22 30"));
    EXPECT_FALSE(BcdPairs(QStringLiteral("22A0")));
    EXPECT_FALSE(BcdPairs(QStringLiteral("223")));
    EXPECT_EQ(*BitByte().Flag("0").Flag("1").Field(3, 3).Field(0, 3).Value(), 0x58);
    EXPECT_FALSE(BitByte().Flag("2").Field(0, 7).Value());   // not a binary digit
    EXPECT_FALSE(BitByte().Field(8, 3).Field(0, 5).Value()); // too wide for its bits
    EXPECT_FALSE(BitByte().Field(0, 7).Value());             // not 8 bits
}

TEST_F(SystemBlocksTest, SpeedCodeFrames)
{
    const struct {
        int code;
        const char* frame;
    } cases[] = {{9, "AA 01 05 00 CD 09 DC"}, {38, "AA 01 05 00 CD 26 F9"}, {57, "AA 01 05 00 CD 39 0C"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(fillBaudRate2Snd(c.code));
        EXPECT_EQ(FrameArray[1], H(c.frame)) << c.code;
        EXPECT_EQ(FrameArray[0], QByteArray("1"));
    }
    EXPECT_FALSE(fillBaudRate2Snd(256));
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000014"));
    EXPECT_TRUE(FrameArray[1].isEmpty());
}

TEST_F(SystemBlocksTest, DefaultSystemDataGoesOutAsTheKnownBytes)
{
    ASSERT_TRUE(fillDataSys2Snd());
    EXPECT_EQ(SentData(), H("00 5B 00 00 00 00 00"));
    EXPECT_EQ(FrameArray[1].left(5), H("AA 01 0B 00 C2"));
}

TEST_F(SystemBlocksTest, SystemDataFieldsLandInTheirBits)
{
    SysFlags = {"004", "0", "0", "0", "0", "0"};
    DataSysByte1 = "12";
    NightStart = "2230";
    NightFinish = "0615";
    SysFlags2.VrstDly = "1";
    SysFlags2.DialerANotSys = "1";
    ASSERT_TRUE(fillDataSys2Snd());
    EXPECT_EQ(SentData(), H("0C 04 81 22 30 06 15"));
}

TEST_F(SystemBlocksTest, EachFlagHasItsOwnBitBothWays)
{
    // One flag set at a time, so a swap of two neighbours cannot hide behind a symmetric byte.
    const struct {
        FixedText<1>* flag;
        int byte;       // data byte of C2 (2 or 3); B2 carries it 8 bytes later
        uint8_t bit;
    } cases[] = {
        {&SysFlags.Spare, 2, 0x80},          {&SysFlags.LF_NO, 2, 0x40},
        {&SysFlags.Slave, 2, 0x20},          {&SysFlags.SilenceWithCod, 2, 0x10},
        {&SysFlags.ResetWithCod, 2, 0x08},   {&SysFlags2.VrstDly, 3, 0x80},
        {&SysFlags2.NightEna, 3, 0x40},      {&SysFlags2.DialerFAsAlarm, 3, 0x20},
        {&SysFlags2.RlyA1Silence, 3, 0x10},  {&SysFlags2.RlyA2NotSys, 3, 0x08},
        {&SysFlags2.RlyA1NotSys, 3, 0x04},   {&SysFlags2.RlyFltStart, 3, 0x02},
        {&SysFlags2.DialerANotSys, 3, 0x01},
    };
    for (const auto& c : cases) {
        Fresh(2);
        SysFlags = {"004", "0", "0", "0", "0", "0"};
        *c.flag = "1";
        const SysFlagsRecord flags = SysFlags;
        const SysFlags2Record flags2 = SysFlags2;
        QByteArray expected = H("00 04 00 00 00 00 00");
        expected[c.byte - 1] = char(expected[c.byte - 1] | c.bit);
        ASSERT_TRUE(fillDataSys2Snd());
        EXPECT_EQ(SentData(), expected) << int(c.bit);

        Fresh(2);
        QByteArray reply = B2("32 01 71 01 50 01", "00 00 00 04 00 00 00 00 00");
        reply[c.byte + 7] = expected[c.byte - 1];
        Receive({reply});
        ASSERT_TRUE(fillDataSysArray_rcv());
        EXPECT_EQ(SysFlags, flags) << int(c.bit);
        EXPECT_EQ(SysFlags2, flags2) << int(c.bit);
    }
}

TEST_F(SystemBlocksTest, FirstByteGoesOutAsAValue)
{
    const struct { const char* field; uint8_t byte; } cases[] = {{"05", 0x05}, {"12", 0x0C}, {"00", 0x00}};
    for (const auto& c : cases) {
        DataSysByte1 = c.field;
        ASSERT_TRUE(fillDataSys2Snd());
        EXPECT_EQ(uint8_t(SentData().at(0)), c.byte) << c.field;
    }
    EXPECT_EQ(*PanelBytes::BcdPairs(QStringLiteral("07")), H("07"));
}

TEST_F(SystemBlocksTest, UnsendableSystemDataFailsTheStepAndLeavesNoFrame)
{
    const std::function<void()> spoil[] = {
        [] { DataSysByte1 = "-1"; },
        [] { SysFlags.Slave = "2"; },
        [] { SysFlags.LoopSysStat = "009"; },
        [] { SysFlags2.NightEna = " "; },
        [] { NightStart = "22:3"; },
    };
    for (const auto& s : spoil) {
        Fresh(2);
        s();
        EXPECT_FALSE(fillDataSys2Snd());
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, QStringLiteral("0x000016"));
        EXPECT_EQ(LinkState::FrameCount(), 0);
        EXPECT_TRUE(FrameArray[1].isEmpty());
    }
}

TEST_F(SystemBlocksTest, B2DecodesIdentityBoxesAndSettings)
{
    Receive({B2()});
    ASSERT_TRUE(fillDataSysArray_rcv());
    EXPECT_EQ(VerComNum, QStringLiteral("0132"));
    EXPECT_EQ(VerSoftNum, QStringLiteral("0171"));
    EXPECT_EQ(VerHardNum, QStringLiteral("0150"));
    EXPECT_EQ(LinkView.txtVerComNum, QStringLiteral("01.32"));
    EXPECT_EQ(LinkView.txtVerSoftNum, QStringLiteral("01.71"));
    EXPECT_EQ(LinkView.txtVerHardNum, QStringLiteral("01.50"));
    // Bytes 7-8 = 34, 12 (decimal): "1234".
    EXPECT_EQ(TechCode, QStringLiteral("1234"));
    EXPECT_EQ(LinkView.txtTechCode, QStringLiteral("1234"));
    EXPECT_EQ(DataSysByte1, "05");
    EXPECT_EQ(SysFlags, (SysFlagsRecord{"003", "1", "1", "0", "1", "0"}));
    EXPECT_EQ(NightStart, "2230");  // minutes 30 first, hours 22 second
    EXPECT_EQ(NightFinish, "0600");
    EXPECT_TRUE(ProjectLoaded);
    EXPECT_FALSE(TransferError);
}

TEST_F(SystemBlocksTest, B2KeepsTheAsymmetriesOfTheWire)
{
    struct Case {
        const char* rest;
        const char* byte1;
        const char* nightStart;
    } cases[] = {
        {"22 0C 05 5B 00 1E 16 00 06", "05", "2230"},
        {"22 0C 0C 5B 00 1E 16 00 06", "00", "2230"},   // 0x0C reads by hex digits: "00"
        {"22 0C 12 5B 00 1E 16 00 06", "12", "2230"},
        // BCD in the reply reads as binary: "4834" is no time of day, and would stop the next
        // upload's encoder, so it takes the reset value.
        {"22 0C 00 5B 00 22 30 00 00", "00", "0000"},
        {"22 0C 00 5B 00 4E 00 00 00", "00", "0000"},   // hour 78
    };
    for (const auto& c : cases) {
        Receive({B2("32 01 71 01 50 01", c.rest)});
        ASSERT_TRUE(fillDataSysArray_rcv()) << c.rest;
        EXPECT_EQ(DataSysByte1, c.byte1) << c.rest;
        EXPECT_EQ(NightStart, c.nightStart) << c.rest;
        EXPECT_EQ(PanelReplaced.system, QString(c.nightStart) == "0000") << c.rest;
        EXPECT_TRUE(EncodeDataSys().has_value()) << c.rest;
        PanelReplaced = {};
    }
}

TEST_F(SystemBlocksTest, B2FlagBytes)
{
    Receive({B2("32 01 71 01 50 01", "00 00 00 04 A5 00 00 00 00")});
    ASSERT_TRUE(fillDataSysArray_rcv());
    EXPECT_EQ(SysFlags, (SysFlagsRecord{"004", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(SysFlags2, (SysFlags2Record{"1", "0", "1", "0", "0", "1", "0", "1"}));
}

TEST_F(SystemBlocksTest, VerificationReadLeavesTheProjectAlone)
{
    VerSoftNum = "0000";
    Receive({B2("32 01 40 01 00 01", "22 0C 05 04 FF 1E 16 00 06")});
    ASSERT_TRUE(fillDataSysArray4Verif_rcv());
    EXPECT_EQ(VerComNum4Verif, QStringLiteral("0132"));
    EXPECT_EQ(VerSoftNum4Verif, QStringLiteral("0140"));
    EXPECT_EQ(VerHardNum4Verif, QStringLiteral("0100"));
    EXPECT_EQ(TechCode4Verif, QStringLiteral("1234"));
    EXPECT_EQ(VerSoftNum, QStringLiteral("0000"));
    EXPECT_EQ(SysFlags.LoopSysStat, "003");
    EXPECT_EQ(DataSysByte1, "00");
    EXPECT_TRUE(LinkView.txtVerSoftNum.isEmpty());
}

TEST_F(SystemBlocksTest, BadIdentityOrShortRecordIsACommunicationError)
{
    const QByteArray cases[] = {
        B2("3A 01 71 01 50 01"),          // not BCD
        B2("32 01 71 01 50 F1"),
        B2("00 00 71 01 50 01"),          // version zero
        B2("32 01 00 00 50 01"),
        B2().left(14),                    // short
        B2() + H("00"),                   // long
        QByteArray(),
    };
    for (const QByteArray& r : cases) {
        for (auto decode : {fillDataSysArray_rcv, fillDataSysArray4Verif_rcv}) {
            Fresh(2);
            VerSoftNum = "0000";
            Receive({r});
            EXPECT_FALSE(decode()) << r.toHex().constData();
            EXPECT_TRUE(TransferError);
            EXPECT_FALSE(ProjectLoaded);
            EXPECT_EQ(VerSoftNum, QStringLiteral("0000"));
            EXPECT_TRUE(VerSoftNum4Verif.isEmpty());
            EXPECT_EQ(SysFlags.LoopSysStat, "003");
        }
    }
    // No record at all (the reply never came, or the buffer was cleared).
    LinkState::BeginBlock();
    EXPECT_FALSE(fillDataSysArray_rcv());
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000024"));
}

TEST_F(SystemBlocksTest, RemoteUnitsBothWays)
{
    RemoteUnits.Panel[1] = "1";
    RemoteUnits.PS[2] = "1";
    ASSERT_TRUE(fillSubData2Snd());
    EXPECT_EQ(SentData(), H("01 00 00 01"));

    Receive({H("01 00 01 00")});
    ASSERT_TRUE(fillSubDataArray_rcv());
    EXPECT_EQ(RemoteUnits.Panel[1], QStringLiteral("1"));
    EXPECT_EQ(RemoteUnits.Panel[2], QStringLiteral("0"));
    EXPECT_EQ(RemoteUnits.PS[1], QStringLiteral("1"));
    EXPECT_EQ(RemoteUnits.PS[2], QStringLiteral("0"));
    EXPECT_TRUE(ProjectLoaded);

    Receive({H("01 00 01")});
    EXPECT_FALSE(fillSubDataArray_rcv());
    EXPECT_TRUE(TransferError);

    Fresh(2);
    RemoteUnits.PS[1] = "256";
    EXPECT_FALSE(fillSubData2Snd());
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000017"));
}

TEST_F(SystemBlocksTest, ClockFrame)
{
    // Sunday 5 March 2023, 14:07:09.
    ClockFields = {QString(), "09", "07", "14", "01", "05", "03", "23"};
    ASSERT_TRUE(fillSetTime());
    EXPECT_EQ(SentData(), H("09 07 14 01 05 03 23"));
    EXPECT_EQ(FrameArray[1].at(4), char(0xCA));

    ClockFields[3] = "1";
    EXPECT_FALSE(fillSetTime());
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000015"));
    EXPECT_EQ(LinkState::FrameCount(), 0);
}

TEST_F(SystemBlocksTest, VersionsAndModelDigit)
{
    EXPECT_EQ(VersionValue(QStringLiteral("0171")), 171);
    EXPECT_EQ(ModelDigit(QStringLiteral("0150")), 5);
    EXPECT_EQ(ModelDigit(QStringLiteral("0100")), 0);
    EXPECT_EQ(ModelDigit(QStringLiteral("0120")), 2);
    EXPECT_EQ(ModelDigit(QStringLiteral("0005")), -1);
    EXPECT_EQ(VersionText(QStringLiteral("0171")), QStringLiteral("01.71"));
}

}  // namespace
