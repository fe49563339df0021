// The simulator's own frame layer: building frames and cutting a byte stream into them.
#include <gtest/gtest.h>

#include "PanelSimTestUtil.h"

using namespace panelsim;
using namespace panelsim::testing;

TEST(PanelSimFrame, BuildsTheShortFramesAndASpeedFrame)
{
    EXPECT_EQ(BuildFrame(Cmd::Ack), Ack);
    EXPECT_EQ(BuildFrame(Cmd::Nak), Nak);
    EXPECT_EQ(BuildFrame(Cmd::SystemGet), H("AA 01 04 00 B2 B7"));
    EXPECT_EQ(BuildFrame(Cmd::HistoryGet), H("AA 01 04 00 B8 BD"));
    EXPECT_EQ(BuildFrame(Cmd::SpeedSet, H("09")), H("AA 01 05 00 CD 09 DC"));
    EXPECT_EQ(BuildFrame(Cmd::End, {}, 0xC7), PcEnd);
}

TEST(PanelSimFrame, ChecksumKeepsOnlyTheLowByte)
{
    EXPECT_EQ(Checksum(H("AA 01 05 00 B2 FF")), 0xB7);
}

TEST(PanelSimFrame, ReaderJoinsAFrameThatArrivesInPieces)
{
    FrameReader r;
    EXPECT_TRUE(r.Push(H("AA 01 05")).empty());
    EXPECT_TRUE(r.Pending());
    const auto items = r.Push(H("00 CD 09 DC"));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].kind, FrameReader::Kind::Good);
    EXPECT_EQ(items[0].frame.cmd, Cmd::SpeedSet);
    EXPECT_EQ(items[0].frame.data, H("09"));
    EXPECT_FALSE(r.Pending());
}

TEST(PanelSimFrame, ReaderSeparatesGarbageBadAndGoodFrames)
{
    FrameReader r;
    // noise, a start byte with an impossible length, a frame with a wrong checksum, two good frames
    const auto items = r.Push(H("00 13 AA 01 02") + H("AA 01 04 00 B2 B8") + H("AA 01 05 00 B2 FF B7") + Ack);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].kind, FrameReader::Kind::Garbage);
    EXPECT_EQ(items[0].raw, H("00 13 AA 01 02"));
    EXPECT_EQ(items[1].kind, FrameReader::Kind::Bad);
    EXPECT_EQ(items[2].kind, FrameReader::Kind::Good);
    EXPECT_EQ(items[2].frame.data, H("FF"));
    EXPECT_EQ(items[3].frame.cmd, Cmd::Ack);
}

TEST(PanelSimFrame, ReaderCallsAFrameWithAWrongSecondByteBad)
{
    FrameReader r;
    QByteArray f = H("AA 02 04 00 06");
    f.append(char(Checksum(f)));
    const auto items = r.Push(f);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].kind, FrameReader::Kind::Bad);
}

TEST(PanelSimFrame, HexTextBothWays)
{
    QByteArray b;
    EXPECT_TRUE(ParseHex(QStringLiteral("0C17 03"), &b));
    EXPECT_EQ(b, H("0C 17 03"));
    EXPECT_EQ(Hex(b), QStringLiteral("0C 17 03"));
    EXPECT_FALSE(ParseHex(QStringLiteral("0C1"), &b));
    EXPECT_FALSE(ParseHex(QStringLiteral("0G"), &b));
}
