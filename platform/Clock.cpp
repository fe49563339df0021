#include "platform/Clock.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

Clock* g_current = nullptr;

bool HaveEventLoop()
{
    return QCoreApplication::instance() != nullptr;
}

// Sleeps on a local event loop for `ms` milliseconds: the windows stay alive, no core spins.
void SleepOnEvents(int ms)
{
    if (!HaveEventLoop()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

void ProcessPending()
{
    if (HaveEventLoop())
        QCoreApplication::processEvents();
}

}  // namespace

Clock& Clock::Current()
{
    static RealClock real;
    return g_current ? *g_current : real;
}

void Clock::SetCurrent(Clock* c)
{
    g_current = c;
}

double RealClock::Now()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void RealClock::Wait(double seconds)
{
    const double deadline = Now() + (std::isnan(seconds) ? 0.0 : seconds);
    ProcessPending();
    // A timer may fire a little early: test the clock again and sleep for what is left.
    for (double left = deadline - Now(); left > 0; left = deadline - Now()) {
        const double ms = std::ceil(left * 1000.0);
        // Long waits sleep in one-hour slices so the interval always fits an int.
        SleepOnEvents(static_cast<int>(std::min(ms, 3600.0 * 1000.0)));
    }
}

void RealClock::Poll()
{
    // No sleep: whoever polls in a loop blocks on what it waits for between passes.
    ProcessPending();
}

void VirtualClock::Wait(double seconds)
{
    Advance(seconds);
}

void VirtualClock::Poll()
{
    Advance(pollStep);
}

void VirtualClock::Advance(double seconds)
{
    // Time never runs back, whatever a caller passes.
    if (seconds > 0 && std::isfinite(seconds))
        now_ += seconds;
    if (onAdvance)
        onAdvance(now_);
}
