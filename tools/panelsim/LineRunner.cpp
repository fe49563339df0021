#include "tools/panelsim/LineRunner.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace panelsim {
namespace {

constexpr int64_t Ms = 1'000'000;
constexpr int64_t WatchNs = 50 * Ms;
constexpr size_t MaxReplyTimes = 1'000'000;

// One byte on the line: ten bits (start, eight data, stop) at the speed.
int64_t CharNs(int baud) { return baud > 0 ? 10'000'000'000LL / baud : 0; }

struct SpeedCode {
    int baud;
    speed_t code;
};
constexpr SpeedCode speeds[] = {{9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}};

int BaudOf(speed_t code)
{
    for (const SpeedCode& s : speeds)
        if (s.code == code) return s.baud;
    return -1;  // a speed the panel never listens at
}

speed_t CodeOf(int baud)
{
    for (const SpeedCode& s : speeds)
        if (s.baud == baud) return s.code;
    return B9600;
}

// Raw 8 data bits, no parity, one stop bit, at baud.
bool MakeRaw(int fd, int baud)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    cfsetispeed(&t, CodeOf(baud));
    cfsetospeed(&t, CodeOf(baud));
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

QString Why(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(strerror(errno)));
}

}  // namespace

int64_t MonotonicNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t MonotonicMs() { return MonotonicNs() / Ms; }

LineRunner::LineRunner()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = fds[0];
        wakeWrite_ = fds[1];
    }
}

LineRunner::~LineRunner()
{
    for (int fd : {lineFd_, slaveFd_, wakeRead_, wakeWrite_})
        if (fd >= 0) close(fd);
}

bool LineRunner::OpenPty(QString* error)
{
    lineFd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (lineFd_ < 0) return *error = Why("posix_openpt"), false;
    if (grantpt(lineFd_) != 0 || unlockpt(lineFd_) != 0) return *error = Why("grantpt/unlockpt"), false;
    char name[128];
    if (ptsname_r(lineFd_, name, sizeof name) != 0) return *error = Why("ptsname"), false;
    path_ = QString::fromLocal8Bit(name);
    slaveFd_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd_ < 0) return *error = Why("open slave"), false;
    // Raw from the start, so nothing is echoed or translated before the PC sets the line up.
    if (!MakeRaw(slaveFd_, 9600)) return *error = Why("tcsetattr"), false;
    fcntl(lineFd_, F_SETFL, fcntl(lineFd_, F_GETFL) | O_NONBLOCK);
    isPty_ = true;
    return true;
}

bool LineRunner::OpenDevice(const QString& path, QString* error)
{
    lineFd_ = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (lineFd_ < 0) return *error = Why("open device"), false;
    if (!MakeRaw(lineFd_, 9600)) return *error = Why("tcsetattr"), false;
    path_ = path;
    isPty_ = false;
    return true;
}

void LineRunner::Wake(char c) const
{
    if (wakeWrite_ >= 0) {
        const ssize_t r = write(wakeWrite_, &c, 1);
        (void)r;
    }
}

int LineRunner::LineBaud() const
{
    if (!isPty_) return 0;  // a real line: a frame at the wrong speed arrives as noise by itself
    termios t{};
    if (tcgetattr(slaveFd_, &t) != 0) return 0;
    return BaudOf(cfgetospeed(&t));
}

void LineRunner::SetOwnSpeed(int baud)
{
    if (isPty_ || baud == 0) return;
    tcdrain(lineFd_);
    MakeRaw(lineFd_, baud);
}

void LineRunner::WatchClient()
{
    int exclusive = 0;
    if (!isPty_ || ioctl(slaveFd_, TIOCGEXCL, &exclusive) != 0) return;
    if (exclusive) {
        sawExclusive_ = clientOpen_ = true;
    } else if (clientOpen_) {
        clientOpen_ = false;
        tcflush(slaveFd_, TCIFLUSH);
        if (trace_) trace_(QStringLiteral("port closed by the PC"));
    }
}

void LineRunner::Schedule(const std::vector<Output>& outs, int64_t now)
{
    for (const Output& o : outs) {
        const int64_t start = std::max(lastDue_, now) + int64_t(o.delayMs) * Ms;
        const int64_t charNs = wire_ && isPty_ ? CharNs(plannedBaud_) : 0;
        pending_.push_back({start, o.bytes, o.baudAfter, charNs});
        lastDue_ = start + o.bytes.size() * charNs;
        if (o.baudAfter != 0) plannedBaud_ = o.baudAfter;
    }
}

void LineRunner::WriteDue(int64_t now)
{
    WatchClient();
    while (!pending_.empty() && pending_.front().dueNs <= now) {
        Pending& p = pending_.front();
        if (ClientGone()) {
            if (trace_) trace_(QStringLiteral("lost on the closed port: %1").arg(Hex(p.bytes)));
            pending_.pop_front();
            continue;
        }
        // The bytes that have crossed the line by now (all of them without the pacing).
        const int size = int(p.bytes.size());
        const int due = p.charNs == 0 ? size : int(std::min<int64_t>(size, (now - p.dueNs) / p.charNs));
        while (p.sent < due) {
            const ssize_t n = write(lineFd_, p.bytes.constData() + p.sent, size_t(due - p.sent));
            if (n > 0) p.sent += int(n);
            else if (n < 0 && errno == EINTR) continue;
            else return;  // the line is full; poll waits until it takes more
        }
        if (p.sent < size) return;  // the rest when its time comes
        SetOwnSpeed(p.baudAfter);
        const bool answered = size > 0;
        pending_.pop_front();
        if (answered && pending_.empty()) answerEnd_ = now;
    }
}

void LineRunner::Take(Panel& panel, const QByteArray& bytes, int64_t now)
{
    WatchClient();
    const int baud = LineBaud();
    if (answerEnd_ >= 0 && pending_.empty() && replyTimes_.size() < MaxReplyTimes)
        replyTimes_.push_back(double(now - answerEnd_) / 1e9);
    answerEnd_ = -1;
    if (!wire_ || !isPty_) {
        Schedule(panel.Receive(bytes, now / Ms, baud), now);
        return;
    }
    // The PC's bytes cross one after the other at the speed it set; the panel hears them once
    // the last has crossed.
    rxFree_ = std::max(rxFree_, now) + bytes.size() * CharNs(baud > 0 ? baud : 9600);
    incoming_.push_back({rxFree_, bytes, baud});
}

void LineRunner::Hear(Panel& panel, int64_t now)
{
    while (!incoming_.empty() && incoming_.front().heardNs <= now) {
        const Incoming in = std::move(incoming_.front());
        incoming_.pop_front();
        Schedule(panel.Receive(in.bytes, in.heardNs / Ms, in.baud), in.heardNs);
    }
}

void LineRunner::Run(Panel& panel, const std::function<void()>& onChange, const std::function<void()>& onDump)
{
    plannedBaud_ = panel.Memory().speed;
    // A byte at 57600 baud takes 174 microseconds: paced writes must wake on time.
    if (wire_) prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    uint64_t revision = panel.Revision();
    char buf[512];
    for (;;) {
        const int64_t now = MonotonicNs();
        Hear(panel, now);
        WriteDue(now);
        int64_t wait = -1;  // nanoseconds; -1: until something happens
        bool blocked = false;
        if (!pending_.empty()) {
            const Pending& p = pending_.front();
            const int64_t at = p.charNs == 0 || p.bytes.isEmpty() ? p.dueNs : p.NextNs();
            blocked = at <= now;  // due but not yet taken by the line
            if (!blocked) wait = at - now;
        }
        if (!incoming_.empty()) {
            const int64_t heard = std::max<int64_t>(0, incoming_.front().heardNs - now);
            wait = wait < 0 ? heard : std::min(wait, heard);
        }
        if (isPty_ && (wait < 0 || wait > WatchNs)) wait = WatchNs;  // to notice the PC closing
        const timespec ts{time_t(wait / 1'000'000'000), long(wait % 1'000'000'000)};
        pollfd fds[2] = {{lineFd_, short(POLLIN | (blocked ? POLLOUT : 0)), 0}, {wakeRead_, POLLIN, 0}};
        if (ppoll(fds, 2, wait < 0 ? nullptr : &ts, nullptr) < 0 && errno != EINTR) return;

        if (fds[1].revents & POLLIN) {
            char c;
            bool quit = false;
            while (read(wakeRead_, &c, 1) == 1) {
                if (c == 'q') quit = true;
                else if (c == 'd' && onDump) onDump();
            }
            if (quit) return;
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t n = read(lineFd_, buf, sizeof buf);
            if (n > 0) Take(panel, QByteArray(buf, int(n)), MonotonicNs());
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            usleep(20000);  // nobody on the line now; wait for the PC to come back
        }
        if (panel.Revision() != revision) {
            revision = panel.Revision();
            if (onChange) onChange();
        }
    }
}

}  // namespace panelsim
