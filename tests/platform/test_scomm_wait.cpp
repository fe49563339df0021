// Waiting for bytes and closing the port: the in-memory port on virtual time, and the real port
// against the simulator's panel on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <sys/prctl.h>

#include "platform/Clock.h"
#include "platform/MemoryPort.h"
#include "platform/SComm.h"
#include "tests/common/PanelOnPty.h"
#include "tools/panelsim/PanelBlocks.h"

namespace {

const QByteArray Request = QByteArray::fromHex("AA010400B2B7");  // the system block, B2

struct UseClock {
    explicit UseClock(Clock* c) { Clock::SetCurrent(c); }
    ~UseClock() { Clock::SetCurrent(nullptr); }
};

TEST(MemoryPortWait, WakesWhenTheBytesAreThereWhenPartOfThemCameOrWhenTimeIsUp)
{
    VirtualClock clock;
    UseClock use(&clock);
    MemoryPort port;
    port.CommPort = 1;
    ASSERT_TRUE(port.SetPortOpen(true));
    const double t = clock.Now();
    port.QueueAt(QByteArray::fromHex("AA0104"), t + 0.010);
    port.QueueAt(QByteArray::fromHex("00060B"), t + 0.030);

    EXPECT_FALSE(port.WaitForInput(6, 2.5)) << "three of six came";
    EXPECT_DOUBLE_EQ(clock.Now(), t + 0.010);
    EXPECT_TRUE(port.WaitForInput(6, 2.5));
    EXPECT_DOUBLE_EQ(clock.Now(), t + 0.030);
    EXPECT_EQ(port.Input().size(), 6);

    EXPECT_FALSE(port.WaitForInput(1, 0.5));
    EXPECT_DOUBLE_EQ(clock.Now(), t + 0.530);
    port.SetPortOpen(false);
    EXPECT_FALSE(port.WaitForInput(1, 0.5));
    EXPECT_DOUBLE_EQ(clock.Now(), t + 0.530) << "a closed port is not waited for";
}

// A real port on the panel's pseudo-terminal, at 9600 baud (ten bits a byte: 1.04 ms).
class SerialWait : public ::testing::Test {
protected:
    explicit SerialWait(panelsim::Faults f = {}, bool wire = true) : sim({}, f, wire) {}
    void SetUp() override
    {
        ASSERT_TRUE(sim.Opened());
        port.SetCatalog(PortCatalog({{1, sim.Path(), QStringLiteral("USB Serial Port (pseudo-terminal)")}}));
        port.CommPort = 1;
        port.Settings = QStringLiteral("9600,N,8,1");
        ASSERT_TRUE(port.SetPortOpen(true)) << port.LastError().toStdString();
    }
    void TearDown() override { port.SetPortOpen(false); }

    static constexpr double Byte = 10.0 / 9600;
    // Waits as a caller does: again after each part, until n bytes or the time is up.
    bool WaitWhole(int n, double seconds)
    {
        QElapsedTimer t;
        t.start();
        while (port.InBufferCount() < n && t.elapsed() < seconds * 1000)
            port.WaitForInput(n, seconds - t.elapsed() / 1000.0);
        return port.InBufferCount() >= n;
    }
    const QByteArray reply = panelsim::BuildFrame(0xB2, panelsim::SystemRecord(panelsim::PanelMemory{}), 1);
    PanelOnPty sim;
    SerialSComm port;
};

TEST_F(SerialWait, AReplyOnAPacedLineIsTakenWholeOnceTheLineHasCarriedIt)
{
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(port.Output(Request));
    ASSERT_TRUE(WaitWhole(int(reply.size()), 2.0));
    // The request and the reply each take their time on the line.
    EXPECT_GE(t.nsecsElapsed() / 1e9, (Request.size() + reply.size()) * Byte);
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_EQ(port.Input(), reply);
}

TEST_F(SerialWait, BytesShortOfTheCountEndTheWaitSoTheCallerCanLookAtThem)
{
    ASSERT_TRUE(port.Output(Request));
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(port.WaitForInput(200, 2.0));
    EXPECT_LT(t.elapsed(), 1000);
    const int have = port.InBufferCount();
    EXPECT_GT(have, 0);
    EXPECT_LE(have, int(reply.size()));
}

TEST_F(SerialWait, SilenceLastsTheTimeOutAndTheWindowStaysAlive)
{
    bool timerRan = false;
    QTimer::singleShot(20, [&] { timerRan = true; });
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(port.WaitForInput(1, 0.2));
    EXPECT_GE(t.elapsed(), 200);
    EXPECT_TRUE(timerRan) << "window events run while the port waits";
}

TEST_F(SerialWait, ClosingWaitsUntilWhatWasWrittenHasLeftAtItsOwnSpeed)
{
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(port.Output(Request));
    port.SetPortOpen(false);
    // Closing puts the device's old settings back: not before the request has crossed.
    EXPECT_GE(t.nsecsElapsed() / 1e9, Request.size() * Byte);
    QThread::msleep(50);
    const std::vector<uint8_t> heard = sim.Panel().CommandsReceived();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], 0xB2);
}

TEST_F(SerialWait, WaitsWakeOnTimeWhileThePortIsOpenAndTheThreadGetsItsSlackBack)
{
    port.SetPortOpen(false);
    const int before = ::prctl(PR_GET_TIMERSLACK, 0UL, 0UL, 0UL, 0UL);
    ASSERT_TRUE(port.SetPortOpen(true));
    EXPECT_LE(::prctl(PR_GET_TIMERSLACK, 0UL, 0UL, 0UL, 0UL), 1000) << "a sleep may be late by a microsecond";
    ASSERT_TRUE(port.SetPortOpen(true)) << "reopened";
    port.SetPortOpen(false);
    EXPECT_EQ(::prctl(PR_GET_TIMERSLACK, 0UL, 0UL, 0UL, 0UL), before);
}

class SerialSplitWait : public SerialWait {
protected:
    static panelsim::Faults Split()
    {
        panelsim::Faults f;
        f.splitPieces = 3;
        f.gapMs = 40;
        return f;
    }
    SerialSplitWait() : SerialWait(Split(), false) {}
};

TEST_F(SerialSplitWait, BytesTheWindowEventsTookInKeepTheirOrder)
{
    ASSERT_TRUE(port.Output(Request));
    // The first piece is taken in by the port's own reader while window events run, the second
    // waits in the system, the third is still to come.
    QThread::msleep(20);
    QCoreApplication::processEvents();
    QThread::msleep(40);
    QByteArray got = port.Input();
    EXPECT_LT(got.size(), reply.size());
    ASSERT_TRUE(WaitWhole(int(reply.size() - got.size()), 2.0));
    got += port.Input();
    EXPECT_EQ(got, reply);
}

TEST_F(SerialSplitWait, BytesThatCameBeforeAWriteAreTakenAfterItInTheirOrder)
{
    ASSERT_TRUE(port.Output(Request));
    QThread::msleep(60);  // two pieces of the reply wait in the system
    // While the next request goes out the descriptor is not looked at; nothing is lost by it.
    ASSERT_TRUE(port.Output(Request));
    ASSERT_TRUE(WaitWhole(int(reply.size()), 2.0));
    EXPECT_EQ(port.Input().left(reply.size()), reply);
}

}  // namespace
