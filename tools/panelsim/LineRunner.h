#pragma once
// Puts a Panel on a line: a new pseudo-terminal (the PC opens its slave side) or a serial
// device. One thread: poll the line, hand what arrives to the panel, write its answers when
// they are due.
//
// A pseudo-terminal has no line speed, so the speed the PC set is read back from the slave's
// terminal settings for every read and given to the panel, which hears frames sent at another
// speed than its own as noise. The runner keeps a descriptor of the slave open for its whole
// life (it never reads from it): the PC closes and reopens the port between steps, and closing
// the last slave descriptor would hang up the master. Because of that descriptor, bytes sent
// while the PC has the port closed would wait for its next open; a real line loses them. So
// when the PC holds the slave exclusively (as QSerialPort does) and lets go of it, what is
// waiting on the slave is discarded, and frames due while it is closed are not sent.
//
// With the wire pacing on, the pseudo-terminal behaves as a real line in both directions: each
// byte takes its ten bits at the speed of the side that sends it (the PC's settings for what it
// writes, the panel's own speed for what it answers). The panel hears a frame when its last byte
// has crossed, and its answer reaches the PC byte by byte, each when it would have crossed.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "tools/panelsim/Panel.h"

namespace panelsim {

class LineRunner {
public:
    LineRunner();
    ~LineRunner();
    LineRunner(const LineRunner&) = delete;
    LineRunner& operator=(const LineRunner&) = delete;

    bool OpenPty(QString* error);
    bool OpenDevice(const QString& path, QString* error);
    // "/dev/pts/7", or the device path.
    QString Path() const { return path_; }

    // Paces the line as a real one would (a pseudo-terminal only; a device paces itself).
    void SetWire(bool on) { wire_ = on; }
    bool Wire() const { return wire_; }

    // Runs until Stop(); onChange after every change of the panel's memory, onDump on RequestDump().
    void Run(Panel& panel, const std::function<void()>& onChange = {}, const std::function<void()>& onDump = {});

    // For each time the PC wrote after an answer of the panel had reached it in full, the
    // seconds from that answer's last byte to the PC's first byte (with the wire pacing, the
    // moment the last byte had crossed). Read it once Run has returned.
    const std::vector<double>& ReplyTimes() const { return replyTimes_; }
    // Both may be called from another thread or from a signal handler.
    void Stop() const { Wake('q'); }
    void RequestDump() const { Wake('d'); }
    void SetTrace(std::function<void(const QString&)> sink) { trace_ = std::move(sink); }

private:
    // A piece to write: from dueNs on, byte after byte, each charNs after the one before (all
    // at once without the wire pacing).
    struct Pending {
        int64_t dueNs;
        QByteArray bytes;
        int baudAfter;
        int64_t charNs;
        int sent = 0;
        int64_t NextNs() const { return dueNs + (sent + 1) * charNs; }
    };
    // Bytes from the PC, heard in full at heardNs.
    struct Incoming {
        int64_t heardNs;
        QByteArray bytes;
        int baud;
    };

    void Wake(char c) const;
    int LineBaud() const;
    void Take(Panel& panel, const QByteArray& bytes, int64_t now);
    void Hear(Panel& panel, int64_t now);
    void Schedule(const std::vector<Output>& outs, int64_t now);
    void WriteDue(int64_t now);
    void SetOwnSpeed(int baud);
    void WatchClient();
    bool ClientGone() const { return sawExclusive_ && !clientOpen_; }

    int lineFd_ = -1;   // the master side, or the device
    int slaveFd_ = -1;  // held open; only its settings are read
    int wakeRead_ = -1, wakeWrite_ = -1;
    bool isPty_ = false;
    QString path_;
    std::deque<Pending> pending_;
    std::deque<Incoming> incoming_;
    int64_t lastDue_ = 0;     // when the last piece scheduled is out
    int plannedBaud_ = 9600;  // the panel's speed after the pieces scheduled so far
    int64_t rxFree_ = 0;      // when the PC's last byte has crossed
    int64_t answerEnd_ = -1;  // when the panel's last answer was out in full; -1: none since the PC wrote
    bool wire_ = false;
    std::vector<double> replyTimes_;
    bool sawExclusive_ = false;
    bool clientOpen_ = false;
    std::function<void(const QString&)> trace_;
};

// Milliseconds and nanoseconds of a monotonic clock.
int64_t MonotonicMs();
int64_t MonotonicNs();

}  // namespace panelsim
