#include "panellink/Frame.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "common/ScriptedPrompter.h"
#include "platform/MemoryPort.h"

namespace {

class FrameTest : public LinkTest {};

TEST_F(FrameTest, FixedFramesAreTheProtocolsBytes)
{
    const struct {
        int code;
        const char* frame;
    } cases[] = {
        {6, "AA 01 04 00 06 0B"},   {21, "AA 01 04 00 15 1A"},  {178, "AA 01 04 00 B2 B7"},
        {181, "AA 01 04 00 B5 BA"}, {182, "AA 01 04 00 B6 BB"}, {183, "AA 01 04 00 B7 BC"},
        {184, "AA 01 04 00 B8 BD"}, {188, "AA 01 04 00 BC C1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FixedFrame(c.code), H(c.frame)) << c.code;
        // Each one is a valid frame by the receiving rules too.
        EXPECT_EQ(Frame::CheckReceived(FixedFrame(c.code)), Frame::Check::Good) << c.code;
    }
    EXPECT_EQ(FixedFrame(133, QStringLiteral("C7")), H("AA 01 04 C7 85 51"));
    EXPECT_EQ(Frame::CheckReceived(FixedFrame(133, QStringLiteral("C7"))), Frame::Check::Good);
    EXPECT_TRUE(FixedFrame(7).isEmpty());
}

TEST_F(FrameTest, DataLineBuildsLengthHeaderAndChecksum)
{
    EXPECT_EQ(DataLine(QStringLiteral("CD"), QStringLiteral("09")), H("AA 01 05 00 CD 09 DC"));
    // Operating groups carry 0x10 in byte 4, counted in the checksum.
    const QByteArray c5 = DataLine(QStringLiteral("C5"), QStringLiteral("000202C90500000000"));
    EXPECT_EQ(c5.left(5), H("AA 01 0D 10 C5"));
    EXPECT_EQ(Frame::CheckReceived(c5), Frame::Check::Good);
    // No data at all: the shortest frame.
    EXPECT_EQ(DataLine(QStringLiteral("B2"), QString()), H("AA 01 04 00 B2 B7"));
}

TEST_F(FrameTest, DataLineRefusesWhatCannotBeAFrame)
{
    EXPECT_TRUE(DataLine(QStringLiteral("C"), QStringLiteral("00")).isEmpty());
    EXPECT_TRUE(DataLine(QStringLiteral("CD"), QStringLiteral("0")).isEmpty());
    EXPECT_TRUE(DataLine(QStringLiteral("CD"), QStringLiteral("0G")).isEmpty());
    EXPECT_FALSE(DataLine(QStringLiteral("C6"), QString(2 * 251, QLatin1Char('0'))).isEmpty());
    EXPECT_TRUE(DataLine(QStringLiteral("C6"), QString(2 * 252, QLatin1Char('0'))).isEmpty());
}

TEST_F(FrameTest, ChecksumComparesOnlyTheLowByte)
{
    EXPECT_TRUE(ChkChkSumStr(H("AA 01 05 00 B2 FF B7")));
    EXPECT_FALSE(ChkChkSumStr(H("AA 01 05 00 B2 FF B8")));
    EXPECT_EQ(doChkSumStr(H("AA 01 05 00 B2 FF")), H("B7"));
    // Six bytes is a frame without data and is checked normally.
    EXPECT_TRUE(ChkChkSumStr(H("AA 01 04 00 06 0B")));
}

TEST_F(FrameTest, TooShortForAChecksumSaysBadString)
{
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("Bad String"), Ui::vbOK);
    EXPECT_FALSE(ChkChkSumStr(H("AA 01 03 00 04")));
    prompter.Expect(QStringLiteral("Bad String"), Ui::vbOK);
    EXPECT_TRUE(doChkSumStr(H("AA 01 03 00")).isEmpty());
}

TEST_F(FrameTest, HostileFramesFailTheReceiveCheck)
{
    const struct {
        const char* frame;
        Frame::Check expected;
    } cases[] = {
        {"", Frame::Check::NotStartByte},
        {"55 01 04 00 06 0B", Frame::Check::NotStartByte},
        {"AA", Frame::Check::BadLength},
        {"AA 01", Frame::Check::BadLength},
        {"AA 01 03 00 06", Frame::Check::BadLength},          // LL below 4
        {"AA 01 00", Frame::Check::BadLength},                // LL 0 matching nothing
        {"AA 01 02 00", Frame::Check::BadLength},             // LL + 2 = size, but LL < 4
        {"AA 01 05 00 06 0B", Frame::Check::BadLength},       // one byte short
        {"AA 01 04 00 06 0B 00", Frame::Check::BadLength},    // one byte long
        {"AA 01 04 00 06 0B AA 01 04 00 06 0B", Frame::Check::BadLength},  // two frames in one read
        {"AA 01 FF 00 06 0B", Frame::Check::BadLength},
        {"AA 01 04 00 06 0C", Frame::Check::BadChecksum},
        {"AA 01 04 00 06 0B", Frame::Check::Good},
    };
    for (const auto& c : cases) EXPECT_EQ(Frame::CheckReceived(H(c.frame)), c.expected) << c.frame;
}

TEST_F(FrameTest, HexTextBothWays)
{
    EXPECT_EQ(AscStr2HexStr(H("0A 1F FF 00")), QStringLiteral("0A1FFF00"));
    bool ok = false;
    EXPECT_EQ(HexStr2AscStr(QStringLiteral("0a1F"), &ok), H("0A 1F"));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(HexStr2AscStr(QStringLiteral("0A1"), &ok).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_TRUE(HexStr2AscStr(QStringLiteral("ZZ"), &ok).isEmpty());
    EXPECT_FALSE(ok);
    // Every byte survives the round trip (no code page in between).
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    EXPECT_EQ(HexStr2AscStr(AscStr2HexStr(all)), all);
}

TEST_F(FrameTest, SndCmdWritesTheFixedFrameToAnOpenPort)
{
    MemoryPort port;
    port.CommPort = 1;
    ASSERT_TRUE(port.SetPortOpen(true));
    EXPECT_TRUE(sndCmd(port, 182));
    EXPECT_TRUE(sndCmd(port, 133, QStringLiteral("C7")));
    EXPECT_EQ(port.Written(), H("AA 01 04 00 B6 BB AA 01 04 C7 85 51"));
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000000"));
}

TEST_F(FrameTest, SndCmdRefusesUnknownCodesAndClosedPorts)
{
    MemoryPort port;
    port.CommPort = 1;
    ASSERT_TRUE(port.SetPortOpen(true));
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("Not Leagal Cmd 4 now"), Ui::vbOK);
    EXPECT_FALSE(sndCmd(port, 99));
    EXPECT_TRUE(port.Written().isEmpty());

    port.SetPortOpen(false);
    EXPECT_FALSE(sndCmd(port, 6));
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000022"));
}

}  // namespace
