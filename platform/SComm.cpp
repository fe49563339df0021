#include "platform/SComm.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSerialPort>
#include <QStringList>

#include "platform/Clock.h"

namespace {

using Steady = std::chrono::steady_clock;

// How late the system may wake a wait of ours, in nanoseconds.
constexpr unsigned long FineSlackNs = 1000;

// While the port waits, window events run this often.
constexpr auto EventSlice = std::chrono::milliseconds(20);

std::chrono::nanoseconds Span(double seconds)
{
    return std::chrono::nanoseconds(int64_t(std::clamp(seconds, 0.0, 86400.0) * 1e9));
}

timespec TimeSpec(Steady::duration d)
{
    const int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    return {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

// One character on the line: start bit, data bits, parity bit, stop bits.
double CharSeconds(const LineSettings& s)
{
    return double(1 + s.dataBits + (s.parity == 'N' ? 0 : 1) + s.stopBits) / s.baud;
}

// Waits until the system has sent what was written to the device. Bounded by the time the
// queued bytes take and a second more, so an adapter that stops sending cannot hold us.
void Drain(int fd, double charSeconds)
{
    int queued = 0;
    if (::ioctl(fd, TIOCOUTQ, &queued) != 0) return;
    const auto limit = Steady::now() + Span(queued * charSeconds + 1.0);
    while (queued > 0) {
        if (Steady::now() > limit) return;
        std::this_thread::sleep_for(std::max(Span(queued * charSeconds), std::chrono::nanoseconds(200'000)));
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0) return;
    }
    ::tcdrain(fd);  // and the last characters out of the device's own buffer
}

SerialSComm::OpenCheck& Check()
{
    static SerialSComm::OpenCheck check;
    return check;
}

// What the file system says before we try: a missing device or one the user may not open.
OpenFault Precheck(const QString& path)
{
    if (!QFileInfo::exists(path)) return OpenFault::Missing;
    if (::access(path.toLocal8Bit().constData(), R_OK | W_OK) != 0 && errno == EACCES)
        return OpenFault::NotPermitted;
    return OpenFault::None;
}

QSerialPort::Parity ParityOf(char p)
{
    switch (p) {
    case 'E': return QSerialPort::EvenParity;
    case 'O': return QSerialPort::OddParity;
    case 'M': return QSerialPort::MarkParity;
    case 'S': return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

}  // namespace

std::optional<LineSettings> ParseSettings(const QString& settings)
{
    const QStringList parts = settings.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    LineSettings s;
    bool ok = false;
    s.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0) return std::nullopt;
    const QString parity = parts[1].trimmed().toUpper();
    if (parity.size() != 1 || !QStringLiteral("NEOMS").contains(parity)) return std::nullopt;
    s.parity = char(parity[0].unicode());
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8) return std::nullopt;
    s.stopBits = parts[3].trimmed().toInt(&ok);
    if (!ok || (s.stopBits != 1 && s.stopBits != 2)) return std::nullopt;
    return s;
}

QString DeviceGroup(const QString& path)
{
    struct stat st {};
    if (::stat(path.toLocal8Bit().constData(), &st) == 0) {
        if (const group* g = ::getgrgid(st.st_gid)) return QString::fromLocal8Bit(g->gr_name);
    }
    return QStringLiteral("dialout");
}

SerialSComm::SerialSComm() = default;
SerialSComm::~SerialSComm() { Close(); }

void SerialSComm::SetOpenCheck(OpenCheck check) { Check() = std::move(check); }

bool SerialSComm::PortOpen() const { return port_ && port_->isOpen(); }

bool SerialSComm::Fail(OpenFault fault, const QString& path, const QString& detail)
{
    const QString group = fault == OpenFault::NotPermitted ? DeviceGroup(path) : QString();
    lastError_ = OpenFaultMessage(fault, CommPort, path, group, detail);
    lastFault_ = fault;
    lastFaultDetail_ = detail;
    port_.reset();
    return false;
}

void SerialSComm::Close()
{
    if (!port_) return;
    if (port_->isOpen()) {
        // Closing puts back the settings the device had before we opened it, so nothing of
        // ours may still be on its way: first out of the system's buffer, then the time the
        // last byte takes on the line, which a pseudo-terminal does not spend itself.
        Drain(Descriptor(), charSeconds_);
        std::this_thread::sleep_until(lastByteGone_);
        port_->close();
    }
    if (savedSlack_ > 0) ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(savedSlack_), 0UL, 0UL, 0UL);
    savedSlack_ = -1;
    port_.reset();
    received_.clear();
}

bool SerialSComm::SetPortOpen(bool open)
{
    Close();
    if (!open) return true;
    lastError_.clear();
    lastFault_ = OpenFault::None;
    lastFaultDetail_.clear();

    if (CommPort == 0) return Fail(OpenFault::NoPort, QString());
    const QString path = catalog_.Path(CommPort);
    if (path.isEmpty()) return Fail(OpenFault::NoSuchPort, QString());
    const auto settings = ParseSettings(Settings);
    if (!settings) return Fail(OpenFault::BadSettings, path, Settings);

    OpenFault fault = Check() ? Check()(path) : OpenFault::None;
    if (fault == OpenFault::None) fault = Precheck(path);
    if (fault != OpenFault::None) return Fail(fault, path);

    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(path);
    if (!port_->open(QIODevice::ReadWrite)) {
        // Missing and not-permitted were ruled out above, so a refusal here means someone else
        // holds the port (its lock file, or an exclusive open).
        switch (port_->error()) {
        case QSerialPort::DeviceNotFoundError: return Fail(OpenFault::Missing, path);
        case QSerialPort::PermissionError:
        case QSerialPort::OpenError: return Fail(OpenFault::Busy, path);
        default: return Fail(OpenFault::Other, path, port_->errorString());
        }
    }
    const bool ok = port_->setBaudRate(settings->baud) &&
                    port_->setDataBits(QSerialPort::DataBits(settings->dataBits)) &&
                    port_->setParity(ParityOf(settings->parity)) &&
                    port_->setStopBits(settings->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
                    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) return Fail(OpenFault::BadSettings, path, Settings);
    // Reads and writes on the descriptor never block; the waits do.
    const int fd = Descriptor();
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    charSeconds_ = CharSeconds(*settings);
    turnRound_.Reset(charSeconds_);
    // The waits wake on the character: the system's default slack of 50 microseconds on every
    // sleep would be a third of a character at 57600 added to each answer. The thread that
    // opened the port waits on it; it gets its own slack back when the port closes.
    if (savedSlack_ < 0) savedSlack_ = ::prctl(PR_GET_TIMERSLACK, 0UL, 0UL, 0UL, 0UL);
    ::prctl(PR_SET_TIMERSLACK, FineSlackNs, 0UL, 0UL, 0UL);
    lastByteGone_ = Steady::now();
    lastArrival_ = emptyAt_ = {};
    return true;
}

// Bytes go to and come from the device's descriptor directly: QSerialPort opens, sets up and
// closes the port. Its reader only runs while window events do; what it took in is added to
// ours before the descriptor is read again, so the bytes keep their order.

int SerialSComm::Descriptor() const { return int(port_->handle()); }

bool SerialSComm::Output(const QByteArray& bytes)
{
    if (!PortOpen()) return false;
    const int fd = Descriptor();
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    const auto limit = Steady::now() + std::chrono::seconds(2);
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;
        // The system's buffer is full: wait until it takes more.
        const auto now = Steady::now();
        if (now >= limit) return false;
        pollfd out{fd, POLLOUT, 0};
        const timespec ts = TimeSpec(limit - now);
        if (::ppoll(&out, 1, &ts, nullptr) < 0 && errno != EINTR) return false;
        if (out.revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
    }
    lastByteGone_ = std::max(lastByteGone_, Steady::now()) + Span(bytes.size() * charSeconds_);
    return true;
}

int SerialSComm::Absorb()
{
    received_ += port_->readAll();
    // The descriptor was found empty a moment ago: a byte takes longer than that to come. And
    // while what we wrote is still going out, the far end, which answers what it has heard
    // whole, has nothing to say yet: what is there is taken once our bytes have left.
    const auto now = Steady::now();
    if (now - emptyAt_ < Span(charSeconds_ / 2) || now < lastByteGone_) return int(received_.size());
    // Bounded, so a line that never falls silent cannot keep us here.
    char buf[4096];
    for (int i = 0; i < 16; ++i) {
        const ssize_t n = ::read(Descriptor(), buf, sizeof buf);
        if (n > 0) received_.append(buf, n);
        else if (n < 0 && errno == EINTR) continue;
        if (n <= 0) emptyAt_ = Steady::now();
        if (n < qsizetype(sizeof buf)) break;
    }
    return int(received_.size());
}

QByteArray SerialSComm::Input()
{
    if (!PortOpen()) return QByteArray();
    Absorb();
    return std::exchange(received_, QByteArray());
}

int SerialSComm::InBufferCount()
{
    if (!PortOpen()) return 0;
    return Absorb();
}

bool SerialSComm::WaitForInput(int count, double seconds)
{
    if (!PortOpen()) return false;
    const int fd = Descriptor();
    const auto deadline = Steady::now() + Span(seconds);
    // Taking in what came leaves the descriptor empty, so the poll below sleeps until more.
    const int before = Absorb();
    int have = before;
    for (;;) {
        if (have >= count) return true;
        auto now = Steady::now();
        // Short of the count, what came is the caller's to look at (its length byte may say
        // how much more is to come).
        if (have > before || now >= deadline) return false;
        // The missing bytes cannot all be here before the line has carried them: after what
        // came last (while bytes are coming in) and after what we wrote has gone out, and
        // for an answer, after the far end has turned round. Until then one sleep instead
        // of a wake for each byte.
        const bool answer = have == 0 && lastByteGone_ > lastArrival_;  // none of it yet
        const bool coming = !answer && now - lastArrival_ < Span(2 * charSeconds_);
        const auto from = coming ? std::max(lastArrival_, lastByteGone_)
                                 : lastByteGone_ + (answer ? Span(turnRound_.Seconds()) : Steady::duration{});
        const auto earliest = from + Span((count - have) * charSeconds_);
        // Window events run at a steady pace however short the waits are; when they fall due
        // within a short sleep they run before it, so that the sleep is not cut in two.
        const auto wake = std::min(earliest, deadline);
        if (now >= eventsDue_ || (wake > eventsDue_ && wake - now < EventSlice)) {
            Clock::Current().Poll();
            if (!PortOpen()) return false;
            now = Steady::now();
            eventsDue_ = now + EventSlice;
            have = Absorb();  // the port's own reader may have taken some in
            continue;
        }
        bool planned = false;  // a sleep until an answer to what we wrote can be whole
        if (earliest > now) {
            planned = answer && earliest <= std::min(deadline, eventsDue_);
            std::this_thread::sleep_until(std::min({earliest, deadline, eventsDue_}));
        } else {
            pollfd in{fd, POLLIN, 0};
            const timespec ts = TimeSpec(std::min(deadline, eventsDue_) - now);
            if (::ppoll(&in, 1, &ts, nullptr) < 0 && errno != EINTR) return false;
            // A device that went away (the adapter pulled out): nothing more will come.
            if (in.revents & (POLLERR | POLLHUP | POLLNVAL)) {
                std::this_thread::sleep_until(std::min(deadline, eventsDue_));
                return Absorb() >= count;
            }
        }
        emptyAt_ = {};  // after a sleep the descriptor is looked at afresh
        const int got = Absorb();
        if (planned) turnRound_.Learn(got >= count);
        // Whole, the wait ends: what may follow at once is not looked for before a character's
        // time, so the caller's next look does not find the descriptor empty.
        if (got >= count) emptyAt_ = Steady::now();
        if (got > have) lastArrival_ = Steady::now();
        have = got;
    }
}
