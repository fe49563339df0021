// The serial layer: port numbering, settings, the in-memory port and the real port over a
// pseudo-terminal (QSerialPortInfo never lists those, so they come in by the extra-ports variable).
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "platform/Clock.h"
#include "platform/MemoryPort.h"
#include "platform/PortCatalog.h"
#include "platform/SComm.h"

namespace {

bool AllExistBut(const QString& path) { return !path.contains(QLatin1String("missing")); }

TEST(PortCatalog, NumbersOnBoardThenUsbThenExtraPorts)
{
    const std::vector<SystemPort> system = {
        {"/dev/ttyS1", ""}, {"/dev/ttyUSB1", "FT232R USB UART"}, {"/dev/ttyS0", ""},
        {"/dev/ttyACM0", "Arduino Uno"}, {"/dev/ttyS10", ""}, {"/dev/ttyS2", ""},
        {"/dev/ttyAMA0", "not a port kind we list"}, {"/dev/ttyUSB0", ""},
    };
    const QStringList extra = {"/dev/pts/7", "/dev/pts/missing", "/dev/ttyUSB0", " /dev/custom "};
    const PortCatalog c = PortCatalog::Build(system, extra, AllExistBut);
    const QStringList expected = {
        "1 /dev/ttyS0 Communications Port (/dev/ttyS0)",
        "2 /dev/ttyS1 Communications Port (/dev/ttyS1)",
        "3 /dev/ttyS2 Communications Port (/dev/ttyS2)",
        "4 /dev/ttyS10 Communications Port (/dev/ttyS10)",
        "5 /dev/ttyUSB0 USB Serial Port (/dev/ttyUSB0)",
        "6 /dev/ttyUSB1 USB Serial Port (FT232R USB UART, /dev/ttyUSB1)",
        "7 /dev/ttyACM0 USB Serial Port (Arduino Uno, /dev/ttyACM0)",
        "8 /dev/pts/7 USB Serial Port (pseudo-terminal /dev/pts/7)",
        "9 /dev/custom USB Serial Port (extra port /dev/custom)",
    };
    QStringList got;
    for (const PortEntry& e : c.Entries()) got << QStringLiteral("%1 %2 %3").arg(e.number).arg(e.path, e.description);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(c.Description(6), QStringLiteral("USB Serial Port (FT232R USB UART, /dev/ttyUSB1)"));
    EXPECT_TRUE(c.Description(10).isEmpty());
    EXPECT_TRUE(c.Path(0).isEmpty());
}

TEST(PortCatalog, StopsAtThirtyPorts)
{
    QStringList extra;
    for (int i = 0; i < 40; ++i) extra << QStringLiteral("/dev/pts/%1").arg(i);
    const PortCatalog c = PortCatalog::Build({}, extra, AllExistBut);
    ASSERT_EQ(c.Entries().size(), 30u);
    EXPECT_EQ(c.Path(30), QStringLiteral("/dev/pts/29"));
}

TEST(SCommSettings, ParsesTheSettingsText)
{
    const auto s = ParseSettings(QStringLiteral("57600,N,8,1"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->baud, 57600);
    EXPECT_EQ(s->parity, 'N');
    EXPECT_EQ(s->dataBits, 8);
    EXPECT_EQ(s->stopBits, 1);
    for (const char* bad : {"", "9600", "9600,N,8", "fast,N,8,1", "9600,X,8,1", "9600,N,9,1", "9600,N,8,3", "-9600,N,8,1"})
        EXPECT_FALSE(ParseSettings(QString::fromLatin1(bad))) << bad;
}

TEST(MemoryPort, DeliversQueuedBytesWhenTheirTimeComes)
{
    VirtualClock clock;
    struct UseClock {
        explicit UseClock(Clock* c) { Clock::SetCurrent(c); }
        ~UseClock() { Clock::SetCurrent(nullptr); }
    } use(&clock);
    MemoryPort port;
    port.CommPort = 1;
    ASSERT_TRUE(port.SetPortOpen(true));
    const double t = clock.Now();
    port.QueueAt("\xAA\x01", t + 1.0);
    port.QueueAt("\x04", t + 2.0);
    port.QueueAt(QByteArray(1, 0), t + 0.5);
    EXPECT_EQ(port.InBufferCount(), 0);
    clock.Advance(1.0);
    EXPECT_EQ(port.InBufferCount(), 3);
    EXPECT_EQ(port.Input(), QByteArray("\x00\xAA\x01", 3));
    EXPECT_EQ(port.Input(), QByteArray());
    clock.Advance(1.0);
    EXPECT_EQ(port.Input(), QByteArray("\x04"));
}

TEST(MemoryPort, AFakePanelSeesEveryWriteAndAnswers)
{
    MemoryPort port;
    port.onOutput = [&](const QByteArray& b) { port.Queue(b + "!"); };
    port.CommPort = 1;
    EXPECT_FALSE(port.Output("x"));   // closed
    ASSERT_TRUE(port.SetPortOpen(true));
    ASSERT_TRUE(port.Output("ab"));
    ASSERT_TRUE(port.Output("c"));
    EXPECT_EQ(port.outputs, (std::vector<QByteArray>{"ab", "c"}));
    EXPECT_EQ(port.Written(), QByteArray("abc"));
    EXPECT_EQ(port.Input(), QByteArray("ab!c!"));
    port.SetPortOpen(false);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(port.InBufferCount(), 0);
}

TEST(MemoryPort, RefusesNoPortAndUnknownPorts)
{
    MemoryPort port;
    EXPECT_FALSE(port.SetPortOpen(true));
    EXPECT_TRUE(port.LastError().contains(QLatin1String("No serial port")));
    port.CommPort = 4;
    EXPECT_FALSE(port.SetPortOpen(true));
    EXPECT_TRUE(port.LastError().contains(QLatin1String("COM4 does not exist")));
    port.CommPort = 1;
    port.Settings = QStringLiteral("9600;N;8;1");
    EXPECT_FALSE(port.SetPortOpen(true));
    EXPECT_EQ(port.Description(), QStringLiteral("USB Serial Port (memory)"));
}

// A pseudo-terminal of the test's own; the test keeps one slave descriptor open so the master
// never sees a hang-up while the port under test closes and opens.
class Pty {
public:
    Pty()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return;
        slave = QString::fromLocal8Bit(::ptsname(master));
        keep = ::open(slave.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    ~Pty()
    {
        if (keep >= 0) ::close(keep);
        if (master >= 0) ::close(master);
    }
    bool ok() const { return master >= 0 && keep >= 0; }
    // Reads what reaches the master within a short time.
    QByteArray Read(int expected)
    {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < expected && t.elapsed() < 2000) {
            char buf[512];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0) got.append(buf, int(n));
            else QThread::msleep(2);
        }
        return got;
    }
    int master = -1, keep = -1;
    QString slave;
};

// The catalog of this machine with the pseudo-terminal added, and the number it got.
int CatalogWith(SerialSComm& port, const QString& path)
{
    qputenv(PortCatalog::ExtraPortsVariable, path.toLocal8Bit());
    port.SetCatalog(PortCatalog::Scan());
    qunsetenv(PortCatalog::ExtraPortsVariable);
    for (const PortEntry& e : port.Catalog().Entries())
        if (e.path == path) return e.number;
    return 0;
}

QByteArray ReadFromPort(SComm& port, int expected)
{
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (got.size() < expected && t.elapsed() < 2000) {
        if (port.InBufferCount() > 0) got += port.Input();
        else QThread::msleep(2);
    }
    return got;
}

TEST(SerialSComm, CarriesEveryByteBothWaysOverAPseudoTerminal)
{
    Pty pty;
    ASSERT_TRUE(pty.ok());
    SerialSComm port;
    port.CommPort = CatalogWith(port, pty.slave);
    ASSERT_GT(port.CommPort, 0);
    EXPECT_EQ(port.Description(), QStringLiteral("USB Serial Port (pseudo-terminal %1)").arg(pty.slave));
    port.Settings = QStringLiteral("57600,N,8,1");
    ASSERT_TRUE(port.SetPortOpen(true)) << port.LastError().toStdString();
    EXPECT_TRUE(port.PortOpen());

    // The line speed the program set is what the other side sees.
    termios tio {};
    ASSERT_EQ(::tcgetattr(pty.master, &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B57600));

    // Raw: carriage return, line feed, XON/XOFF, interrupt and 0xFF pass unchanged.
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    ASSERT_TRUE(port.Output(all));
    EXPECT_EQ(pty.Read(256), all);
    ASSERT_EQ(::write(pty.master, all.constData(), all.size()), 256);
    EXPECT_EQ(ReadFromPort(port, 256), all);

    // Closed and opened again between steps, at another speed.
    ASSERT_TRUE(port.SetPortOpen(false));
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(port.InBufferCount(), 0);
    port.Settings = QStringLiteral("9600,N,8,1");
    ASSERT_TRUE(port.SetPortOpen(true)) << port.LastError().toStdString();
    ASSERT_EQ(::tcgetattr(pty.master, &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B9600));
    port.SetPortOpen(false);
}

TEST(SerialSComm, SecondOpenOfTheSamePortIsBusy)
{
    Pty pty;
    ASSERT_TRUE(pty.ok());
    SerialSComm first, second;
    first.CommPort = CatalogWith(first, pty.slave);
    second.CommPort = CatalogWith(second, pty.slave);
    ASSERT_TRUE(first.SetPortOpen(true)) << first.LastError().toStdString();
    EXPECT_FALSE(second.SetPortOpen(true));
    EXPECT_TRUE(second.LastError().contains(QLatin1String("in use by another program"))) << second.LastError().toStdString();
    first.SetPortOpen(false);
    EXPECT_TRUE(second.SetPortOpen(true)) << second.LastError().toStdString();
    second.SetPortOpen(false);
}

TEST(SerialSComm, MissingAndForbiddenPortsSayWhatToDo)
{
    SerialSComm port;
    port.SetCatalog(PortCatalog({{1, "/dev/verdal-no-such-device", "USB Serial Port (gone)"}}));
    port.CommPort = 1;
    EXPECT_FALSE(port.SetPortOpen(true));
    EXPECT_TRUE(port.LastError().contains(QLatin1String("COM1 (/dev/verdal-no-such-device)")));
    EXPECT_TRUE(port.LastError().contains(QLatin1String("Connect the USB-RS232 cable")));

    port.CommPort = 2;
    EXPECT_FALSE(port.SetPortOpen(true));
    EXPECT_TRUE(port.LastError().contains(QLatin1String("COM2 does not exist")));
    port.CommPort = 0;
    EXPECT_FALSE(port.SetPortOpen(true));
    EXPECT_TRUE(port.LastError().contains(QLatin1String("No serial port is selected")));

    // Root opens everything, so the refusal is simulated.
    Pty pty;
    ASSERT_TRUE(pty.ok());
    port.CommPort = CatalogWith(port, pty.slave);
    SerialSComm::SetOpenCheck([&](const QString& path) {
        return path == pty.slave ? OpenFault::NotPermitted : OpenFault::None;
    });
    EXPECT_FALSE(port.SetPortOpen(true));
    SerialSComm::SetOpenCheck(nullptr);
    const QString message = port.LastError();
    EXPECT_TRUE(message.contains(QLatin1String("No permission to open port"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("group \"%1\"").arg(DeviceGroup(pty.slave)))) << message.toStdString();
    EXPECT_FALSE(port.PortOpen());
    EXPECT_TRUE(port.SetPortOpen(true)) << port.LastError().toStdString();
    port.SetPortOpen(false);
}

TEST(SerialSComm, PermissionMessageNamesDialoutWhenTheGroupIsUnknown)
{
    const QString m = OpenFaultMessage(OpenFault::NotPermitted, 3, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_TRUE(m.contains(QLatin1String("group \"dialout\""))) << m.toStdString();
    EXPECT_TRUE(m.contains(QLatin1String("COM3 (/dev/ttyUSB0)")));
}

}  // namespace
