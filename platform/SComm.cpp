#include "platform/SComm.h"

#include <cerrno>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSerialPort>
#include <QStringList>

namespace {

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
SerialSComm::~SerialSComm() = default;

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

bool SerialSComm::SetPortOpen(bool open)
{
    if (port_) {
        port_->close();
        port_.reset();
    }
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
    return true;
}

bool SerialSComm::Output(const QByteArray& bytes)
{
    if (!PortOpen()) return false;
    if (port_->write(bytes) != bytes.size()) return false;
    // Hand the bytes to the system now: the caller polls without running the event loop.
    while (port_->bytesToWrite() > 0)
        if (!port_->waitForBytesWritten(2000)) return false;
    return true;
}

void SerialSComm::PullWaiting()
{
    // Moves what the system holds into the port's buffer without waiting; bounded, so a line
    // that never falls silent cannot keep us here.
    for (int i = 0; i < 16 && port_->waitForReadyRead(0); ++i) {
    }
}

QByteArray SerialSComm::Input()
{
    if (!PortOpen()) return QByteArray();
    PullWaiting();
    return port_->readAll();
}

int SerialSComm::InBufferCount()
{
    if (!PortOpen()) return 0;
    PullWaiting();
    return int(port_->bytesAvailable());
}
