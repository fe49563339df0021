// The simulator on a real pseudo-terminal, reached the way the program reaches a port: a
// QSerialPort opened by the slave's full path, closed and opened again between steps.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QThread>

#include "PanelSimTestUtil.h"
#include "tests/common/PanelOnPty.h"
#include "tools/panelsim/PanelBlocks.h"

using namespace panelsim;
using namespace panelsim::testing;

namespace {

bool Open(QSerialPort& port, const QString& path, int baud)
{
    port.setPortName(path);
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return port.open(QIODevice::ReadWrite);
}

void Send(QSerialPort& port, const QByteArray& bytes)
{
    port.write(bytes);
    port.waitForBytesWritten(1000);
}

// One frame, taken by its length byte, or what came within the time.
QByteArray ReadFrame(QSerialPort& port, int timeoutMs = 2000)
{
    QByteArray buf;
    QElapsedTimer t;
    t.start();
    for (;;) {
        buf += port.readAll();
        if (buf.size() >= 3 && buf.size() >= uint8_t(buf[2]) + 2) return buf;
        const qint64 left = timeoutMs - t.elapsed();
        if (left <= 0) return buf;
        port.waitForReadyRead(int(left));
    }
}

// One step as the program runs it: open, send, read one frame, close.
QByteArray Step(const QString& path, int baud, const QByteArray& frame, int timeoutMs = 2000)
{
    QSerialPort port;
    EXPECT_TRUE(Open(port, path, baud)) << port.errorString().toStdString();
    Send(port, frame);
    const QByteArray reply = ReadFrame(port, timeoutMs);
    if (reply.size() > 4 && uint8_t(reply[4]) != Cmd::Ack && uint8_t(reply[4]) != Cmd::Nak) Send(port, Ack);
    port.close();
    return reply;
}

}  // namespace

TEST(PanelSimLine, RequestThroughTheSlaveIsAnswered)
{
    PanelMemory m;
    m.firmware = 171;
    PanelOnPty sim(m);
    ASSERT_TRUE(sim.Path().startsWith(QStringLiteral("/dev/pts/")));
    EXPECT_EQ(Step(sim.Path(), 9600, H("AA 01 04 00 B2 B7")), BuildFrame(Cmd::SystemGet, SystemRecord(m), 1));
}

TEST(PanelSimLine, SpeedTheProgramSetIsCheckedAcrossReopening)
{
    PanelOnPty sim;
    EXPECT_EQ(Step(sim.Path(), 9600, H("AA 01 05 00 CD 39 0C")), Ack);                      // switch to 57600
    EXPECT_TRUE(Step(sim.Path(), 9600, H("AA 01 04 00 B2 B7"), 400).isEmpty()) << "still at 9600";
    EXPECT_EQ(uint8_t(Step(sim.Path(), 57600, H("AA 01 04 00 B2 B7"))[4]), Cmd::SystemGet);
    EXPECT_EQ(Step(sim.Path(), 57600, H("AA 01 05 00 CD 09 DC")), Ack);                     // back to 9600
    EXPECT_EQ(uint8_t(Step(sim.Path(), 9600, H("AA 01 04 00 B2 B7"))[4]), Cmd::SystemGet);
    EXPECT_EQ(sim.Panel().Memory().speed, 9600);
}

TEST(PanelSimLine, OnThePacedWireEachByteTakesItsTenBits)
{
    PanelOnPty sim({}, {}, true);
    QSerialPort port;
    ASSERT_TRUE(Open(port, sim.Path(), 9600)) << port.errorString().toStdString();
    const QByteArray expected = BuildFrame(Cmd::SystemGet, SystemRecord(PanelMemory{}), 1);
    QElapsedTimer t;
    t.start();
    Send(port, H("AA 01 04 00 B2 B7"));
    QByteArray got;
    double first = -1, last = -1;
    while (got.size() < expected.size() && t.elapsed() < 3000) {
        if (!port.waitForReadyRead(200)) continue;
        last = t.nsecsElapsed() / 1e9;
        if (first < 0) first = last;
        got += port.readAll();
    }
    EXPECT_EQ(got, expected);
    // The six bytes of the request cross first, then the reply byte after byte.
    const double byte = 10.0 / 9600;
    EXPECT_GE(first, 7 * byte);
    // Counted from the send: a reader woken late by a busy machine cannot make the reply look shorter.
    EXPECT_GE(last, (6 + 0.8 * (expected.size() - 1)) * byte);
    port.close();
}

TEST(PanelSimLine, SplitReplyStillMakesOneFrame)
{
    Faults f;
    f.splitPieces = 3;
    f.gapMs = 30;
    PanelOnPty sim({}, f);
    const QByteArray reply = Step(sim.Path(), 9600, H("AA 01 04 00 B2 B7"));
    EXPECT_EQ(reply, BuildFrame(Cmd::SystemGet, SystemRecord(PanelMemory{}), 1));
}

TEST(PanelSimLine, ABlockSentFrameByFrameReachesTheMemory)
{
    PanelOnPty sim;
    QSerialPort port;
    ASSERT_TRUE(Open(port, sim.Path(), 9600)) << port.errorString().toStdString();
    for (int g = 0; g < 32; ++g) {
        QByteArray data = H("00 01 01 05 00 00 00 00 00");
        data[0] = char(g);
        Send(port, BuildFrame(Cmd::GroupSet, data, 0x10));
        ASSERT_EQ(ReadFrame(port), Ack) << g;
    }
    Send(port, PcEnd);
    EXPECT_EQ(ReadFrame(port), Ack);
    port.close();
    const PanelMemory& m = sim.Panel().Memory();
    EXPECT_EQ(m.groups[32].outputs[0], 5);
    EXPECT_EQ(m.groups[1].trigger, 1);
}

TEST(PanelSimLine, WhatComesWhileThePortIsClosedIsLost)
{
    Faults f;
    f.replyDelayMs = 300;
    PanelOnPty sim({}, f);
    {
        QSerialPort port;
        ASSERT_TRUE(Open(port, sim.Path(), 9600)) << port.errorString().toStdString();
        Send(port, H("AA 01 04 00 B2 B7"));
        QThread::msleep(100);
    }  // the PC gave up before the reply was due
    QThread::msleep(500);
    QSerialPort port;
    ASSERT_TRUE(Open(port, sim.Path(), 9600)) << port.errorString().toStdString();
    EXPECT_TRUE(ReadFrame(port, 300).isEmpty());
}

TEST(PanelSimLine, WhatThePcLeftUnreadIsGoneAtItsNextOpen)
{
    PanelOnPty sim;
    {
        QSerialPort port;
        ASSERT_TRUE(Open(port, sim.Path(), 9600)) << port.errorString().toStdString();
        Send(port, H("AA 01 04 00 B2 B7"));
        QThread::msleep(100);  // the reply arrives; nobody reads it
    }
    QThread::msleep(200);
    QSerialPort port;
    ASSERT_TRUE(Open(port, sim.Path(), 9600)) << port.errorString().toStdString();
    EXPECT_TRUE(ReadFrame(port, 200).isEmpty());
}

#ifdef PANELSIM_PROGRAM
TEST(PanelSimLine, TheProgramPrintsItsPathAnswersAndDumps)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString state = dir.filePath(QStringLiteral("start.txt"));
    const QString dump = dir.filePath(QStringLiteral("dump.txt"));
    const QString pathFile = dir.filePath(QStringLiteral("path.txt"));
    {
        QFile f(state);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("hardware 1.26\r\ndevice 5 05 17 03 10 00 00 41 2D 00 00 00 00 00 00\r\nname 5 1 EKOMS\r\n");
    }
    QProcess sim;
    sim.start(QStringLiteral(PANELSIM_PROGRAM),
              {"--state", state, "--dump", dump, "--path-file", pathFile, "--firmware", "1.71"});
    ASSERT_TRUE(sim.waitForStarted(5000));
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {}
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/pts/"))) << path.toStdString();
    QFile pf(pathFile);
    ASSERT_TRUE(pf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(pf.readAll()).trimmed(), path);

    const QByteArray sys = Step(path, 9600, H("AA 01 04 00 B2 B7"));
    ASSERT_EQ(sys.size(), 21);
    EXPECT_EQ(sys.mid(7, 4), H("71 01 26 01")) << "firmware from the command line, hardware from the state";
    EXPECT_EQ(Step(path, 9600, BuildFrame(Cmd::DeviceSet, H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00"))), Ack);

    // The dump is written before the acknowledgement goes out.
    QFile d(dump);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    const QByteArray text = d.readAll();
    EXPECT_TRUE(text.contains("firmware 1.71\r\n"));
    EXPECT_TRUE(text.contains("device 5 05 17 03 10 00 00 41 2D 00 00 00 00 00 00\r\n"));
    EXPECT_TRUE(text.contains("device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00\r\n"));
    EXPECT_TRUE(text.contains("name 5 1 EKOMS\r\n"));

    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST(PanelSimLine, TheProgramRefusesABadStateFile)
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("bad.txt"));
    QFile f(state);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("firmware 1.71\nfirmware one\n");
    f.close();
    QProcess sim;
    sim.start(QStringLiteral(PANELSIM_PROGRAM), {"--state", state});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("line 2: a version is written like 1.71"));
    EXPECT_TRUE(sim.readAllStandardOutput().isEmpty()) << "no path when there is no panel";
}
#endif
