#pragma once
// Monotonic time and waits. Every wait of the program goes through the current clock, so a
// test can run the panel protocol on virtual time.
#include <functional>

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary start; never jumps back, not affected by midnight.
    virtual double Now() = 0;
    // Waits the given seconds while window events go on being processed; returns early never.
    virtual void Wait(double seconds) = 0;
    // Lets pending events run once (the original's DoEvents inside a polling loop) and returns
    // at once; a virtual clock advances by a small step so polling loops terminate. A loop that
    // waits for a port blocks on the port between passes (SComm::WaitForInput).
    virtual void Poll() = 0;

    // The clock in use; a real monotonic clock unless a test set another one.
    static Clock& Current();
    // Sets the clock in use (nullptr restores the real one). The caller keeps ownership.
    static void SetCurrent(Clock* c);
};

// The real clock: QElapsedTimer and the event loop (waits sleep, they do not spin a core).
class RealClock : public Clock {
public:
    double Now() override;
    void Wait(double seconds) override;
    void Poll() override;
};

// Virtual time for tests: Wait advances time at once; Poll advances it by `pollStep`.
// `onAdvance` runs after every advance, so a fake port can deliver bytes "over time".
class VirtualClock : public Clock {
public:
    double Now() override { return now_; }
    void Wait(double seconds) override;
    void Poll() override;
    void Advance(double seconds);

    double pollStep = 0.001;
    std::function<void(double now)> onAdvance;

private:
    double now_ = 1000.0;
};
