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
#include <cstdint>
#include <deque>
#include <functional>

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

    // Runs until Stop(); onChange after every change of the panel's memory, onDump on RequestDump().
    void Run(Panel& panel, const std::function<void()>& onChange = {}, const std::function<void()>& onDump = {});
    // Both may be called from another thread or from a signal handler.
    void Stop() const { Wake('q'); }
    void RequestDump() const { Wake('d'); }
    void SetTrace(std::function<void(const QString&)> sink) { trace_ = std::move(sink); }

private:
    struct Pending {
        int64_t dueMs;
        QByteArray bytes;
        int baudAfter;
    };

    void Wake(char c) const;
    int LineBaud() const;
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
    int64_t lastDue_ = 0;
    bool sawExclusive_ = false;
    bool clientOpen_ = false;
    std::function<void(const QString&)> trace_;
};

// Milliseconds of a monotonic clock.
int64_t MonotonicMs();

}  // namespace panelsim
