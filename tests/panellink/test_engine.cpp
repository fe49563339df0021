// The transfer engine on the in-memory port with virtual time: acknowledgements, records, and
// every way a reply can go wrong.
#include <deque>
#include <stdexcept>

#include <gtest/gtest.h>

#include "panellink/Frame.h"
#include "panellink/GroupBlock.h"
#include "panellink/NameBlock.h"
#include "panellink/SystemBlocks.h"
#include "test_operations_support.h"
#include "tools/panelsim/PanelBlocks.h"

namespace {

const QByteArray Ack = H("AA 01 04 00 06 0B");
const QByteArray Nak = H("AA 01 04 00 15 1A");
const QByteArray PanelEnd = H("AA 01 04 00 85 8A");
const QByteArray PcEnd = H("AA 01 04 C7 85 51");

QByteArray Record(int cmd, const QByteArray& data, int count = 1)
{
    return panelsim::BuildFrame(uint8_t(cmd), data, uint8_t(count));
}

class EngineTest : public OperationsTest {
protected:
    void SetUp() override
    {
        OperationsTest::SetUp();
        port.onOutput = [this](const QByteArray& bytes) {
            if (replies.empty()) return;
            const auto chunks = replies.front();
            replies.pop_front();
            const double now = clock.Now();
            for (const auto& [bytesOut, after] : chunks) port.QueueAt(bytesOut, now + after);
            (void)bytes;
        };
    }

    // What the panel answers to the next write: chunks, each after its delay in seconds.
    using Chunks = std::vector<std::pair<QByteArray, double>>;
    void Answer(Chunks chunks) { replies.push_back(std::move(chunks)); }
    void AnswerWith(const QByteArray& frame, double after = 0.02) { Answer({{frame, after}}); }

    Engine& engine() { return ops.engine(); }
    bool OpenForWait()
    {
        port.Settings = "9600,N,8,1";
        return port.SetPortOpen(true);
    }

    std::deque<Chunks> replies;
};

// --- Waiting for one frame -------------------------------------------------------------------

TEST_F(EngineTest, AcknowledgementWithinTheTimeOut)
{
    ASSERT_TRUE(OpenForWait());
    port.QueueAt(Ack, clock.Now() + 0.05);
    EXPECT_TRUE(engine().wait4Ack());
}

TEST_F(EngineTest, RepliesThatAreNoAcknowledgement)
{
    struct Case {
        const char* what;
        std::vector<std::pair<QByteArray, double>> chunks;
    };
    const std::vector<Case> cases = {
        {"negative acknowledgement", {{Nak, 0.05}}},
        {"silence", {}},
        {"bad checksum", {{H("AA 01 04 00 06 0C"), 0.05}}},
        {"two frames in one read", {{Ack + Ack, 0.05}}},
        {"not a start byte", {{H("55 01 04 00 06 0B"), 0.05}}},
        {"an acknowledgement after the time-out", {{Ack, 2.6}}},
        {"a reply that stops half-way", {{Ack.left(3), 0.05}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        port.ClearQueue();
        ASSERT_TRUE(OpenForWait());
        const double start = clock.Now();
        for (const auto& [b, after] : c.chunks) port.QueueAt(b, start + after);
        EXPECT_FALSE(engine().wait4Ack());
        // Never longer than the reply time-out and a pause.
        EXPECT_LT(clock.Now() - start, 2.5 + 0.2);
    }
}

TEST_F(EngineTest, AFrameCountsOnlyWhenReadBeforeTheDeadline)
{
    // The waits look at the port once a pause: an answer that came just in time, but is first
    // seen by the look in which the time-out runs out, is as late as no answer at all; one
    // seen by the look before is taken.
    struct Case {
        const char* what;
        double arrival;  // seconds before the deadline
        bool taken;
    };
    const std::vector<Case> cases = {
        {"arrives half a second before the deadline", 0.5, true},
        {"arrives at the deadline, seen after it", 0.0, false},
    };
    const double timeOut = timing.ReplyTimeout();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // An acknowledgement.
        port.ClearQueue();
        ASSERT_TRUE(OpenForWait());
        port.QueueAt(Ack, clock.Now() + timeOut - c.arrival);
        EXPECT_EQ(engine().wait4Ack(), c.taken);

        // A record.
        port.ClearQueue();
        LinkState::BeginBlock();
        ASSERT_TRUE(OpenForWait());
        port.QueueAt(Record(Frame::B2, panelsim::SystemRecord({})), clock.Now() + timeOut - c.arrival);
        engine().fillDataRcv(1, Frame::B2);
        EXPECT_EQ(TransferError, !c.taken);
        EXPECT_EQ(FrameArray[1].isEmpty(), !c.taken);
    }
}

TEST_F(EngineTest, ReplySplitOverSeveralReadsIsOneFrame)
{
    ASSERT_TRUE(OpenForWait());
    const double t = clock.Now();
    port.QueueAt(Ack.left(2), t + 0.05);
    port.QueueAt(Ack.mid(2, 2), t + 0.3);
    port.QueueAt(Ack.mid(4), t + 0.9);
    EXPECT_TRUE(engine().wait4Ack());
}

TEST_F(EngineTest, WithoutPausesTheFrameIsTakenAsSoonAsItIsWhole)
{
    timing.FullStr2 = "0";
    ASSERT_TRUE(OpenForWait());
    const double t = clock.Now();
    port.QueueAt(Ack.left(4), t + 0.010);
    port.QueueAt(Ack.mid(4), t + 0.020);
    EXPECT_TRUE(engine().wait4Ack());
    EXPECT_LT(clock.Now() - t, 0.025);
}

// --- Sending a block -------------------------------------------------------------------------

TEST_F(EngineTest, SingleFrameBlockGoesWithoutEndFrame)
{
    fillBaudRate2Snd(57);
    AnswerWith(Ack);
    engine().sndDataArray(Frame::CD);
    EXPECT_FALSE(TransferError);
    ASSERT_EQ(port.outputs.size(), 1u);
    EXPECT_EQ(port.outputs[0], H("AA 01 05 00 CD 39 0C"));
    EXPECT_FALSE(port.PortOpen());
}

TEST_F(EngineTest, BlockOfTwoFramesIsClosedByTheEndFrame)
{
    AddDevice(3, DeviceKind::InputDevice, "A");
    AddDevice(7, DeviceKind::InputDevice, "B");
    fillNameData2Snd();
    for (int i = 0; i < 3; ++i) AnswerWith(Ack);
    engine().sndDataArray(Frame::C7);
    EXPECT_FALSE(TransferError);
    ASSERT_EQ(port.outputs.size(), 3u);
    EXPECT_EQ(port.outputs[2], PcEnd);
}

TEST_F(EngineTest, MissingAcknowledgementStopsTheBlockWithoutEndFrame)
{
    AddDevice(3, DeviceKind::InputDevice, "A");
    AddDevice(7, DeviceKind::InputDevice, "B");
    AddDevice(9, DeviceKind::InputDevice, "C");
    fillNameData2Snd();
    AnswerWith(Ack);
    AnswerWith(Nak);
    engine().sndDataArray(Frame::C7);
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(port.outputs.size(), 2u);  // no third frame, no end frame, no retry
}

TEST_F(EngineTest, GroupsAreSentAsThirtyTwoFramesAndTheEndFrame)
{
    fillOutGrp2Snd();
    for (int i = 0; i < 33; ++i) AnswerWith(Ack);
    engine().sndDataArray(Frame::C5);
    EXPECT_FALSE(TransferError);
    ASSERT_EQ(port.outputs.size(), 33u);
    EXPECT_EQ(uint8_t(port.outputs[0][3]), 0x10);
    EXPECT_EQ(port.outputs[32], PcEnd);
}

TEST_F(EngineTest, EmptyBlockIsRefused)
{
    fillNameData2Snd();  // no device in use
    prompter.Expect("No devices in file", Ui::vbOK);
    engine().sndDataArray(Frame::C7);
    EXPECT_TRUE(TransferError);
    EXPECT_TRUE(port.outputs.empty());
}

// --- Receiving a block -----------------------------------------------------------------------

class ReceiveTest : public EngineTest {
protected:
    // Starts a reading as a Get step does: port open, block buffer empty, request sent.
    void Request(int code)
    {
        ComSettings = "9600,N,8,1";
        ASSERT_TRUE(OpenForWait());
        LinkState::BeginBlock();
        sndCmd(port, code);
    }
    static QByteArray HistoryData(int devNo) { return QByteArray(1, char(devNo)) + QByteArray(50, ' '); }
};

TEST_F(ReceiveTest, RecordsAreAcknowledgedUntilThePanelsEndFrame)
{
    AnswerWith(Record(Frame::B8, HistoryData(1), 2));
    AnswerWith(Record(Frame::B8, HistoryData(2), 2));
    AnswerWith(PanelEnd);
    Request(Frame::B8);
    engine().fillDataRcv(256, Frame::B8);
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(LinkState::FrameCount(), 2);
    EXPECT_EQ(FrameArray[2], HistoryData(2));
    // The request, an ACK for each record and one for the end frame.
    ASSERT_EQ(port.outputs.size(), 4u);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(port.outputs[i], Ack);
    EXPECT_FALSE(port.PortOpen());
}

TEST_F(ReceiveTest, EndFrameFirstMeansAnEmptyBlock)
{
    AnswerWith(PanelEnd);
    Request(Frame::B8);
    engine().fillDataRcv(256, Frame::B8);
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(LinkState::FrameCount(), 0);
}

TEST_F(ReceiveTest, RefusedRequestIsSentOnceMore)
{
    AnswerWith(Nak);
    AnswerWith(Record(Frame::B2, panelsim::SystemRecord({})));
    Request(Frame::B2);
    engine().fillDataRcv(1, Frame::B2);
    EXPECT_FALSE(TransferError);
    ASSERT_EQ(port.outputs.size(), 3u);
    EXPECT_EQ(port.outputs[1], FixedFrame(178));
    EXPECT_EQ(FrameArray[1].size(), 15);
}

TEST_F(ReceiveTest, BadRecordsAreAnsweredWithNakAndFailTheBlock)
{
    QByteArray badSum = Record(Frame::B2, panelsim::SystemRecord({}));
    badSum[badSum.size() - 1] = char(badSum.back() + 1);
    const QByteArray good = Record(Frame::B2, panelsim::SystemRecord({}));
    for (const QByteArray& reply : {badSum, good + Ack, H("55 01 04 00 B2 B7")}) {
        SCOPED_TRACE(AscStr2HexStr(reply).toStdString());
        port.outputs.clear();
        AnswerWith(reply);
        Request(Frame::B2);
        engine().fillDataRcv(1, Frame::B2);
        EXPECT_TRUE(TransferError);
        ASSERT_EQ(port.outputs.size(), 2u);
        EXPECT_EQ(port.outputs[1], Nak);
    }
}

TEST_F(ReceiveTest, SplitRecordIsOneGoodRecord)
{
    const QByteArray r = Record(Frame::B2, panelsim::SystemRecord({}));
    Answer({{r.left(5), 0.1}, {r.mid(5), 0.7}});
    Request(Frame::B2);
    engine().fillDataRcv(1, Frame::B2);
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(FrameArray[1], r.mid(5, 15));
}

TEST_F(ReceiveTest, WithoutPausesEachRecordAndTheShorterEndFrameAreTakenAsSoonAsTheyAreWhole)
{
    timing.FullStr = "0";
    timing.lastRecordTurn = 0;
    timing.endBefore = timing.endAfter = 0;
    // Each answer 20 ms after the PC's write; the end frame is shorter than the records.
    std::vector<double> answered;
    for (int d = 1; d <= 3; ++d) AnswerWith(Record(Frame::B6, H("01 03 00 10 00 00 40 40 00 00 00 00 00 00"), 3));
    AnswerWith(PanelEnd);
    const auto onOutput = port.onOutput;
    port.onOutput = [&](const QByteArray& bytes) {
        answered.push_back(clock.Now());
        onOutput(bytes);
    };
    Request(Frame::B6);
    engine().fillDataRcv(127, Frame::B6);
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(LinkState::FrameCount(), 3);
    // The request, three records and the end frame each answered 20 ms after the write before.
    ASSERT_EQ(answered.size(), 5u);
    for (size_t i = 1; i < answered.size(); ++i) EXPECT_NEAR(answered[i] - answered[i - 1], 0.02, 0.0015) << i;
}

TEST_F(ReceiveTest, SilenceFailsAfterTheReplyTimeOut)
{
    Request(Frame::B6);
    const double start = clock.Now();
    engine().fillDataRcv(127, Frame::B6);
    EXPECT_TRUE(TransferError);
    EXPECT_GE(clock.Now() - start, 2.5);
    EXPECT_LT(clock.Now() - start, 3.0);
}

TEST_F(ReceiveTest, UnexpectedCommandWhereARecordWasDue)
{
    struct Case {
        QByteArray reply;
        const char* message;
    };
    // An ACK, and a record of another block than the one requested.
    for (const Case& c : {Case{Ack, "Not Leagal Cmd 4 now -6-1"},
                          Case{Record(Frame::B7, QByteArray(18, ' ')), "Not Leagal Cmd 4 now -183-1"}}) {
        port.outputs.clear();
        AnswerWith(c.reply);
        prompter.Expect(c.message, Ui::vbOK);
        Request(Frame::B6);
        engine().fillDataRcv(127, Frame::B6);
        EXPECT_TRUE(TransferError);
        ASSERT_EQ(port.outputs.size(), 2u);
        EXPECT_EQ(port.outputs[1], Nak);
    }
}

TEST_F(ReceiveTest, MoreRecordsThanTheBufferHoldsFailTheBlock)
{
    for (int i = 1; i <= 256; ++i) AnswerWith(Record(Frame::B8, HistoryData(i % 200), 255));
    timing.FullStr = "0";
    timing.lastRecordTurn = 0;
    Request(Frame::B8);
    engine().fillDataRcv(256, Frame::B8);
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(port.outputs.back(), Nak);
    EXPECT_EQ(ErrLocation, "0x000032");
}

// --- Steps ---------------------------------------------------------------------------------------

TEST_F(EngineTest, BytesLeftFromAnEarlierExchangeAreNotTakenAsTheAnswer)
{
    // A late acknowledgement of an earlier, timed-out step is waiting when the step starts.
    port.Queue(Ack);
    AnswerWith(Record(Frame::B2, panelsim::SystemRecord({})));
    engine().GetDataSys();
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(VerSoftNum, "0200");
}

TEST_F(EngineTest, PortThatDoesNotOpenEndsTheStepWithOneMessage)
{
    port.failOpenMessage = "Port COM1 is in use by another program.";
    prompter.Expect("in use by another program", Ui::vbOK);
    const double start = clock.Now();
    engine().GetDataSys();
    EXPECT_TRUE(TransferError);
    prompter.Expect("in use by another program", Ui::vbOK);
    engine().SetDataSys();
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(prompter.Calls().size(), 2u);
    EXPECT_TRUE(port.outputs.empty());
    EXPECT_LT(clock.Now() - start, 0.01);  // no time-out waited
}

TEST_F(EngineTest, CodecFailuresShowTheCommunicationErrorOnce)
{
    // A B2 record too short for the system block, then a system block that does not fit.
    AnswerWith(Record(Frame::B2, QByteArray(4, '\1')));
    prompter.Expect("Com error\r\nCheck USB-RS232 cable connection", Ui::vbOK);
    engine().GetDataSys();
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(ErrLocation, "0x000024");

    port.outputs.clear();
    SysFlags.LoopSysStat = "9";  // three bits cannot hold 9
    prompter.Expect("Com error", Ui::vbOK);
    engine().SetDataSys();
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(ErrLocation, "0x000016");
    EXPECT_TRUE(port.outputs.empty());
    EXPECT_EQ(prompter.Calls().size(), 2u);
    EXPECT_EQ(prompter.Calls()[0].title, "Error");
}

TEST_F(EngineTest, FaultInsideAProcedureShowsItsOwnCodeThenTheCommunicationError)
{
    // The port fails with an exception when the PC writes these bytes.
    struct Case {
        const char* what;
        QByteArray throwOn;
        QByteArray reply;  // the panel's answer to the request, if any
        void (Engine::*step)();
        const char* code;
    };
    const QByteArray request = H("AA 01 04 00 B2 B7");
    const std::vector<Case> cases = {
        {"sending a block", QByteArray(), QByteArray(), &Engine::SetDataSys, "0x000021"},
        {"sending the request", request, QByteArray(), &Engine::GetDataSys, "0x000001"},
        {"answering a bad record", Nak, H("AA 01 04 00 B2 00"), &Engine::GetDataSys, "0x000023"},
        {"acknowledging a record", Ack, Record(Frame::B2, panelsim::SystemRecord({})), &Engine::GetDataSys,
         "0x000032"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        port.ClearQueue();
        port.onOutput = [&](const QByteArray& bytes) {
            if (c.throwOn.isEmpty() || bytes == c.throwOn) throw std::runtime_error("port fault");
            if (!c.reply.isEmpty()) port.QueueAt(c.reply, clock.Now() + 0.02);
        };
        const size_t before = prompter.Calls().size();
        prompter.Expect(QString::fromLatin1(c.code), Ui::vbOK);
        prompter.Expect("Com error", Ui::vbOK);
        (engine().*c.step)();
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, c.code);
        ASSERT_EQ(prompter.Calls().size(), before + 2);
        EXPECT_EQ(prompter.Calls()[before].prompt, c.code);
        EXPECT_FALSE(port.PortOpen());
    }
}

TEST_F(EngineTest, CommunicationErrorInHebrew)
{
    UILanguage = 1;
    prompter.Expect(QStringLiteral("תקשורת לא תקינה\r\nהאם הכבל מחובר לבקרה ?"), Ui::vbOK);
    engine().GetSubData();
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].title, QStringLiteral("שגיאה"));
    EXPECT_TRUE(prompter.Calls()[0].rightToLeft());
}

TEST_F(EngineTest, StepsShowTheirStatusAndEmptyItAtTheEnd)
{
    AnswerWith(Record(Frame::B2, panelsim::SystemRecord({})));
    engine().GetDataSys();
    ASSERT_FALSE(view.activMsgLbl.isEmpty());
    EXPECT_EQ(view.activMsgLbl.front(), "Downloading system settings to PC");
    EXPECT_EQ(view.activMsgLbl.back(), "");

    view.activMsgLbl.clear();
    VerifyMode = true;
    AnswerWith(Record(Frame::B2, panelsim::SystemRecord({})));
    engine().GetDataSys();
    EXPECT_EQ(view.activMsgLbl.front(), "");
    EXPECT_EQ(VerSoftNum4Verif, "0200");
}

TEST_F(EngineTest, ProgressOfAReadingFollowsTheCountByte)
{
    RunningOperation = PanelOperation::Download;
    AnswerWith(Record(Frame::B6, H("01 03 00 10 00 00 40 40 00 00 00 00 00 00"), 1));
    AnswerWith(PanelEnd);
    engine().GetDeviceData();
    EXPECT_FALSE(TransferError);
    ASSERT_GE(view.statBar.size(), 2u);
    EXPECT_EQ(view.statBar.front(), 4);  // the devices' share starts at 4
    EXPECT_EQ(int(engine().StatBar()), 4 + 42 / 2);
}

}  // namespace
