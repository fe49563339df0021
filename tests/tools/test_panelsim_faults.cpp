// Fault modes of the simulated panel.
#include <gtest/gtest.h>

#include "PanelSimTestUtil.h"
#include "tools/panelsim/PanelBlocks.h"

using namespace panelsim;
using namespace panelsim::testing;

namespace {

const QByteArray B2 = H("AA 01 04 00 B2 B7");
const QByteArray Device12 = BuildFrame(Cmd::DeviceSet, H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00"));

PanelMemory ThreeDevices()
{
    PanelMemory m;
    for (int a : {3, 7, 12}) {
        QByteArray r = H("00 17 03 10 00 00 41 2D 00 00 00 00 00 00");
        r[0] = char(a);
        m.devices[a] = r;
    }
    return m;
}

Faults With(void (*set)(Faults&))
{
    Faults f;
    set(f);
    return f;
}

bool IsRecord(const QByteArray& f, uint8_t cmd) { return f.size() > 5 && uint8_t(f[4]) == cmd; }

}  // namespace

TEST(PanelSimFaults, SilenceAfterNFrames)
{
    Panel p(ThreeDevices(), With([](Faults& f) { f.silentAfter = 2; }));
    EXPECT_TRUE(IsRecord(Answer(p, Request(Cmd::DeviceGet)), Cmd::DeviceGet));
    EXPECT_TRUE(IsRecord(Answer(p, Ack), Cmd::DeviceGet));
    EXPECT_TRUE(Answer(p, Ack).isEmpty());
    EXPECT_TRUE(Answer(p, B2).isEmpty());
    EXPECT_TRUE(Answer(p, Device12).isEmpty());
    EXPECT_TRUE(p.Memory().devices[12] == ThreeDevices().devices[12]) << "a silent panel takes nothing in";
}

TEST(PanelSimFaults, SilentFromTheStart)
{
    Panel p({}, With([](Faults& f) { f.silentAfter = 0; }));
    EXPECT_TRUE(Answer(p, B2).isEmpty());
}

TEST(PanelSimFaults, NakAlwaysRefusesEverythingAndChangesNothing)
{
    Panel p({}, With([](Faults& f) { f.nakAt = Faults::Always; }));
    EXPECT_EQ(Answer(p, B2), Nak);
    EXPECT_EQ(Answer(p, B2), Nak);
    EXPECT_EQ(Answer(p, Device12), Nak);
    EXPECT_TRUE(p.Memory().devices[12].isEmpty());
}

TEST(PanelSimFaults, NakFirstThenGood)
{
    Panel p({}, With([](Faults& f) { f.nakAt = 1; }));
    EXPECT_EQ(Answer(p, B2), Nak);
    EXPECT_TRUE(IsRecord(Answer(p, B2), Cmd::SystemGet)) << "the request sent again is answered";
}

TEST(PanelSimFaults, NakInTheMiddleOfAReplyEndsIt)
{
    Panel p(ThreeDevices(), With([](Faults& f) { f.nakAt = 2; }));
    EXPECT_TRUE(IsRecord(Answer(p, Request(Cmd::DeviceGet)), Cmd::DeviceGet));
    EXPECT_EQ(Answer(p, Ack), Nak);
    EXPECT_TRUE(Answer(p, Ack).isEmpty()) << "the reply was given up";
}

TEST(PanelSimFaults, BadChecksumOnTheChosenFrameOnly)
{
    Panel p({}, With([](Faults& f) { f.badChecksumAt = 1; }));
    const QByteArray first = Answer(p, B2);
    ASSERT_EQ(first.size(), 21);
    EXPECT_NE(uint8_t(first[20]), Checksum(first.left(20)));
    Answer(p, Ack);
    const QByteArray second = Answer(p, B2);
    EXPECT_EQ(uint8_t(second[20]), Checksum(second.left(20)));
}

TEST(PanelSimFaults, BadChecksumAlways)
{
    Panel p({}, With([](Faults& f) { f.badChecksumAt = Faults::Always; }));
    const QByteArray ack = Answer(p, Device12);
    ASSERT_EQ(ack.size(), 6);
    EXPECT_EQ(ack.left(5), Ack.left(5));
    EXPECT_NE(ack, Ack);
}

TEST(PanelSimFaults, SplitReplyComesInPiecesWithGaps)
{
    Panel p({}, With([](Faults& f) {
        f.splitPieces = 3;
        f.gapMs = 20;
        f.replyDelayMs = 5;
    }));
    const auto outs = p.Receive(B2, 0, 9600);
    ASSERT_EQ(outs.size(), 3u);
    EXPECT_EQ(outs[0].delayMs, 5);
    EXPECT_EQ(outs[1].delayMs, 20);
    EXPECT_EQ(outs[2].delayMs, 20);
    for (const Output& o : outs) EXPECT_FALSE(o.bytes.isEmpty());
    EXPECT_EQ(Joined(outs), BuildFrame(Cmd::SystemGet, SystemRecord(p.Memory()), 1));
}

TEST(PanelSimFaults, SpeedChangeWaitsForTheLastPiece)
{
    Panel p({}, With([](Faults& f) { f.splitPieces = 2; }));
    const auto outs = p.Receive(BuildFrame(Cmd::SpeedSet, H("39")), 0, 9600);
    ASSERT_EQ(outs.size(), 2u);
    EXPECT_EQ(outs[0].baudAfter, 0);
    EXPECT_EQ(outs[1].baudAfter, 57600);
}

TEST(PanelSimFaults, EarlyEndFrame)
{
    struct Case { int after; size_t records; };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{5, 3}}) {
        Faults f;
        f.earlyEndAfter = c.after;
        Panel q(ThreeDevices(), f);
        std::vector<QByteArray> frames;
        EXPECT_EQ(ReadBlock(q, Cmd::DeviceGet, &frames).size(), c.records) << c.after;
        EXPECT_EQ(frames.back(), PanelEnd);
        EXPECT_EQ(ReadBlock(q, Cmd::SystemGet).size(), 1u) << "single-record replies are not cut";
    }
}

TEST(PanelSimFaults, PcNakGivesUpTheRunningReply)
{
    Panel p(ThreeDevices());
    Answer(p, Request(Cmd::DeviceGet));
    EXPECT_TRUE(Answer(p, Nak).isEmpty());
    EXPECT_TRUE(Answer(p, Ack).isEmpty());
}

TEST(PanelSimFaults, ANewRequestReplacesAnUnfinishedReply)
{
    Panel p(ThreeDevices());
    Answer(p, Request(Cmd::DeviceGet));
    EXPECT_EQ(ReadBlock(p, Cmd::DeviceGet).size(), 3u);
}

TEST(PanelSimFaults, UnfinishedFrameIsForgottenAfterASecond)
{
    Panel p;
    EXPECT_TRUE(Answer(p, H("AA 01 04"), 0).isEmpty());
    EXPECT_TRUE(IsRecord(Answer(p, B2, 1500), Cmd::SystemGet));
}

TEST(PanelSimFaults, FramesAreCountedOverTheRun)
{
    Panel p(ThreeDevices());
    ReadBlock(p, Cmd::DeviceGet);   // three records and the end frame
    Answer(p, Device12);            // one acknowledgement
    EXPECT_EQ(p.FramesSent(), 5);
    EXPECT_EQ(p.CommandsReceived().front(), Cmd::DeviceGet);
    EXPECT_EQ(p.CommandsReceived().back(), Cmd::DeviceSet);
}
