#pragma once
// A serial port in memory, for tests: the test (or a fake panel) sees every write and queues
// the bytes the program is to read, each chunk from a given time of the current clock on, so a
// reply can "arrive" while the program polls on a virtual clock.
#include <deque>
#include <functional>
#include <vector>

#include "platform/SComm.h"

class MemoryPort : public SComm {
public:
    // A catalog with one port, number 1, described "USB Serial Port (memory)".
    MemoryPort();

    bool PortOpen() const override { return open_; }
    bool SetPortOpen(bool open) override;
    bool Output(const QByteArray& bytes) override;
    QByteArray Input() override;
    int InBufferCount() override;
    // On the current clock: waits (Clock::Wait) for the next chunk due, until `count` bytes
    // are waiting, a chunk came short of them, or the time is up.
    bool WaitForInput(int count, double seconds) override;

    // Queues bytes to be read from clock time `at` on (Clock::Current().Now()); by default now.
    void Queue(const QByteArray& bytes);
    void QueueAt(const QByteArray& bytes, double at);
    // Drops every queued byte.
    void ClearQueue() { queue_.clear(); }

    // Every Output call as it was made, and all of them joined.
    std::vector<QByteArray> outputs;
    QByteArray Written() const;

    // Called after each Output with its bytes: a fake panel answers here.
    std::function<void(const QByteArray&)> onOutput;

    // Opening fails with this message (as LastError, and as the detail of failOpenFault) while
    // it is not empty.
    QString failOpenMessage;
    OpenFault failOpenFault = OpenFault::Other;
    // The Settings text of each successful open, in order.
    QStringList openedWith;
    int closeCount = 0;

private:

    struct Chunk {
        QByteArray bytes;
        double at;
    };
    std::deque<Chunk> queue_;
    bool open_ = false;
};
