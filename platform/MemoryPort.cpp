#include "platform/MemoryPort.h"

#include <algorithm>
#include <limits>

#include "platform/Clock.h"

MemoryPort::MemoryPort()
{
    SetCatalog(PortCatalog({{1, QStringLiteral("memory:1"), QStringLiteral("USB Serial Port (memory)")}}));
}

bool MemoryPort::SetPortOpen(bool open)
{
    if (open_) ++closeCount;
    open_ = false;
    if (!open) return true;
    lastError_.clear();
    lastFault_ = OpenFault::None;
    lastFaultDetail_.clear();
    auto fail = [this](OpenFault fault, const QString& detail) {
        lastFault_ = fault;
        lastFaultDetail_ = detail;
        lastError_ = OpenFaultMessage(fault, CommPort, catalog_.Path(CommPort), QString(), detail);
        return false;
    };
    if (CommPort == 0) return fail(OpenFault::NoPort, QString());
    if (catalog_.Path(CommPort).isEmpty()) return fail(OpenFault::NoSuchPort, QString());
    if (!ParseSettings(Settings)) return fail(OpenFault::BadSettings, Settings);
    if (!failOpenMessage.isEmpty()) {
        fail(failOpenFault, failOpenMessage);
        lastError_ = failOpenMessage;
        return false;
    }
    open_ = true;
    openedWith.append(Settings);
    return true;
}

bool MemoryPort::Output(const QByteArray& bytes)
{
    if (!open_) return false;
    outputs.push_back(bytes);
    if (onOutput) onOutput(bytes);
    return true;
}

QByteArray MemoryPort::Written() const
{
    QByteArray all;
    for (const QByteArray& b : outputs) all += b;
    return all;
}

void MemoryPort::Queue(const QByteArray& bytes) { QueueAt(bytes, Clock::Current().Now()); }

void MemoryPort::QueueAt(const QByteArray& bytes, double at)
{
    // Chunks stay in time order, so reading stops at the first chunk still in the future.
    auto it = queue_.end();
    while (it != queue_.begin() && std::prev(it)->at > at) --it;
    queue_.insert(it, Chunk{bytes, at});
}

int MemoryPort::InBufferCount()
{
    if (!open_) return 0;
    const double now = Clock::Current().Now();
    int n = 0;
    for (const Chunk& c : queue_) {
        if (c.at > now) break;
        n += int(c.bytes.size());
    }
    return n;
}

QByteArray MemoryPort::Input()
{
    if (!open_) return QByteArray();
    const double now = Clock::Current().Now();
    QByteArray out;
    while (!queue_.empty() && queue_.front().at <= now) {
        out += queue_.front().bytes;
        queue_.pop_front();
    }
    return out;
}

bool MemoryPort::WaitForInput(int count, double seconds)
{
    Clock& clock = Clock::Current();
    const double deadline = clock.Now() + std::max(0.0, seconds);
    const int before = InBufferCount();
    while (open_) {
        const double now = clock.Now();
        const int have = InBufferCount();
        if (have >= count) return true;
        if (have > before || now >= deadline) return false;
        // The next chunk still to come (the queue is in time order).
        double next = std::numeric_limits<double>::infinity();
        for (const Chunk& c : queue_)
            if (c.at > now) {
                next = c.at;
                break;
            }
        clock.Wait(std::min(next, deadline) - now);
        // A clock that no longer moves (a wait too small to count) must not hold us here.
        if (clock.Now() == now) return InBufferCount() >= count;
    }
    return false;
}
