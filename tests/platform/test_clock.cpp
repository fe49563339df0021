#include <gtest/gtest.h>

#include <vector>

#include <QElapsedTimer>
#include <QTimer>

#include "platform/Clock.h"

TEST(VirtualClock, WaitAndPollAdvanceTimeAndReportEachAdvance)
{
    VirtualClock clock;
    std::vector<double> seen;
    clock.onAdvance = [&](double now) { seen.push_back(now); };
    const double start = clock.Now();
    clock.Wait(2.5);
    EXPECT_DOUBLE_EQ(clock.Now(), start + 2.5);
    clock.pollStep = 0.25;
    clock.Poll();
    EXPECT_DOUBLE_EQ(clock.Now(), start + 2.75);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_DOUBLE_EQ(seen[1], start + 2.75);
}

TEST(VirtualClock, TimeNeverRunsBack)
{
    VirtualClock clock;
    const double start = clock.Now();
    clock.Wait(-3);
    clock.Wait(0);
    EXPECT_DOUBLE_EQ(clock.Now(), start);
}

TEST(ClockCurrent, TestClockReplacesTheRealOneUntilReset)
{
    VirtualClock clock;
    Clock::SetCurrent(&clock);
    EXPECT_EQ(&Clock::Current(), &clock);
    Clock::SetCurrent(nullptr);
    EXPECT_NE(dynamic_cast<RealClock*>(&Clock::Current()), nullptr);
}

TEST(RealClock, WaitNeverReturnsEarlyAndKeepsEventsRunning)
{
    RealClock clock;
    bool timerRan = false;
    QTimer::singleShot(10, [&] { timerRan = true; });
    QElapsedTimer outside;
    outside.start();
    const double before = clock.Now();
    clock.Wait(0.05);
    EXPECT_GE(clock.Now() - before, 0.05);
    EXPECT_GE(outside.elapsed(), 50);
    EXPECT_TRUE(timerRan);
}

TEST(RealClock, ZeroOrNegativeWaitRunsPendingEventsOnce)
{
    RealClock clock;
    int ran = 0;
    QTimer::singleShot(0, [&] { ++ran; });
    clock.Wait(0);
    EXPECT_EQ(ran, 1);
    QTimer::singleShot(0, [&] { ++ran; });
    clock.Wait(-5);
    EXPECT_EQ(ran, 2);
}

TEST(RealClock, PollRunsPendingEventsAndTimeGoesOn)
{
    RealClock clock;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    const double before = clock.Now();
    clock.Poll();
    EXPECT_TRUE(ran);
    EXPECT_GE(clock.Now(), before);
}
