// The simulator's state text: a starting state is read, a dump is written in the same form.
#include <gtest/gtest.h>
#include <QFile>

#include "PanelSimTestUtil.h"
#include "tools/panelsim/StateText.h"

using namespace panelsim;
using namespace panelsim::testing;

namespace {

const QByteArray Sample =
    "# a small site\r\n"
    "firmware 1.71\r\n"
    "hardware 1.50\n"
    "com 1.32\n"
    "tech 0042\n"
    "speed 57600\n"
    "system 05 04 81 2230 0615\n"
    "remote 1 0 1 0\n"
    "clock 09 07 14 01 05 03 23\n"
    "device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00\n"
    "device 7 07020010000040400000000000 00\n"
    "name 12           12 CBA\n"
    "group 3 2 2 201 5 0 0 0 0\n"
    "\n"
    "event 7 23/11/24 14:05 ERUTAREPMET\n"
    "event 0 01/02/25 00:00 \n";

PanelMemory Loaded(const QByteArray& text)
{
    PanelMemory m;
    const QString err = LoadState(text, &m);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    return m;
}

}  // namespace

TEST(PanelSimState, ReadsEveryItem)
{
    const PanelMemory m = Loaded(Sample);
    EXPECT_EQ(m.firmware, 171);
    EXPECT_EQ(m.hardware, 150);
    EXPECT_EQ(m.com, 132);
    EXPECT_EQ(m.techCode, 42);
    EXPECT_EQ(m.speed, 57600);
    EXPECT_EQ(m.sysByte1, 0x05);
    EXPECT_EQ(m.sysFlags1, 0x04);
    EXPECT_EQ(m.sysFlags2, 0x81);
    EXPECT_EQ(m.nightStartHour, 22);
    EXPECT_EQ(m.nightStartMinute, 30);
    EXPECT_EQ(m.nightFinishHour, 6);
    EXPECT_EQ(m.nightFinishMinute, 15);
    EXPECT_EQ(m.remote, (std::array<uint8_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(m.clock, H("09 07 14 01 05 03 23"));
    EXPECT_EQ(m.devices[12], H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00"));
    EXPECT_EQ(m.devices[7], H("07 02 00 10 00 00 40 40 00 00 00 00 00 00"));
    EXPECT_EQ(m.names[12], QByteArray("          12 CBA")) << "leading blanks are part of the name";
    EXPECT_EQ(m.groups[3].trigger, 2);
    EXPECT_EQ(m.groups[3].outputs[0], 201);
    ASSERT_EQ(m.events.size(), 2u);
    EXPECT_EQ(m.events[0].devNo, 7);
    EXPECT_EQ(m.events[0].text, QByteArray("ERUTAREPMET").leftJustified(44, ' '));
    EXPECT_EQ(m.events[0].day, 0x23);
    EXPECT_EQ(m.events[0].minute, 0x05);
    EXPECT_EQ(m.events[1].text, QByteArray(44, ' '));
}

TEST(PanelSimState, DumpReadsBackToTheSameMemory)
{
    PanelMemory m = Loaded(Sample);
    m.names[5] = QByteArray("A\\B\x05\xE0      x").leftJustified(16, ' ');  // a backslash, a control byte, a high byte
    const QByteArray dump = DumpState(m);
    EXPECT_TRUE(dump.contains("name 5 A\\\\B\\x05\xE0      x\r\n")) << dump.toStdString();
    EXPECT_TRUE(dump.contains("device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00\r\n"));
    EXPECT_TRUE(dump.contains("event 7 23/11/24 14:05 ERUTAREPMET\r\n"));
    EXPECT_TRUE(dump.contains("system 05 04 81 2230 0615\r\n"));
    EXPECT_TRUE(dump.contains("group 32 0 0 0 0 0 0 0 0\r\n")) << "all 32 groups are written";
    EXPECT_EQ(Loaded(dump), m);
}

TEST(PanelSimState, DefaultsWithoutAnyLine)
{
    EXPECT_EQ(Loaded("# nothing\n"), PanelMemory{});
    const QByteArray dump = DumpState(PanelMemory{});
    EXPECT_TRUE(dump.startsWith("# panelsim state\r\nfirmware 2.00\r\nhardware 1.00\r\ncom 1.00\r\ntech 1234\r\n"));
    EXPECT_FALSE(dump.contains("device "));
    EXPECT_FALSE(dump.contains("clock "));
}

TEST(PanelSimState, MistakesAreReportedWithTheirLineAndChangeNothing)
{
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"firmware 1.7\n", "line 2: a version is written like 1.71"},
        {"\nfirmwar 1.70\n", "line 3: unknown item \"firmwar\""},
        {"device 12 0D 17 03 12 00 00 41 2D 02 00 02 00 00 00\n", "line 2: the record's first byte is its address"},
        {"device 12 0C 17\n", "line 2: a device record has 14 hex bytes"},
        {"device 127 7F 17 03 12 00 00 41 2D 02 00 02 00 00 00\n", "line 2: device address is 1-126"},
        {"name 3 ABCDEFGHIJKLMNOPQ\n", "line 2: a name has at most 16 characters, special bytes written \\xNN"},
        {"name 3 A\\q\n", "line 2: a name has at most 16 characters, special bytes written \\xNN"},
        {"group 33 0 0 0 0 0 0 0 0\n", "line 2: group number is 1-32"},
        {"group 1 0 0 0 0 0 0 0\n", "line 2: group takes eight numbers 0-255 after its number"},
        {"system 00 5B 00 2460 0000\n", "line 2: system takes three hex bytes and two times hhmm"},
        {"speed 19200\n", "line 2: speed is 9600, 38400 or 57600"},
        {"event 7 23-11-24 14:05 X\n", "line 2: event takes a device number, dd/mm/yy, hh:mm and a text"},
        {"tech 12345\n", "line 2: the technician code has four digits"},
    };
    for (const Case& c : cases) {
        PanelMemory m;
        m.firmware = 150;
        // the good first line must not reach the memory either
        EXPECT_EQ(LoadState(QByteArray("firmware 1.99\n") + c.text, &m).toStdString(), c.error);
        EXPECT_EQ(m.firmware, 150) << c.text;
    }
}

TEST(PanelSimState, AtMost255Events)
{
    QByteArray text;
    for (int i = 0; i < 256; ++i) text += "event 1 01/01/24 00:00 X\n";
    PanelMemory m;
    EXPECT_EQ(LoadState(text, &m), QStringLiteral("line 256: the panel keeps at most 255 events"));
}

TEST(PanelSimState, WhatTheBlocksLeaveIsWhatTheDumpShows)
{
    Panel p;
    Answer(p, BuildFrame(Cmd::DeviceSet, H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00")));
    Answer(p, BuildFrame(Cmd::NameSet, QByteArray("\x0C ") + "#  TED EKOMS 210"));
    Answer(p, BuildFrame(Cmd::GroupSet, H("00 02 02 C9 05 00 00 00 00"), 0x10));
    Answer(p, BuildFrame(Cmd::SystemSet, H("00 5B 00 22 30 06 00")));
    Answer(p, BuildFrame(Cmd::RemoteSet, H("01 00 00 01")));
    const QByteArray dump = DumpState(p.Memory());
    for (const char* line : {"device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00\r\n", "name 12 #  TED EKOMS 210\r\n",
                             "group 1 2 2 201 5 0 0 0 0\r\n", "system 00 5B 00 2230 0600\r\n", "remote 1 0 0 1\r\n"})
        EXPECT_TRUE(dump.contains(line)) << line;
}

#ifdef PANELSIM_EXAMPLE
TEST(PanelSimState, TheExampleStateLoads)
{
    QFile f(QStringLiteral(PANELSIM_EXAMPLE));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const PanelMemory m = Loaded(f.readAll());
    EXPECT_TRUE(m.DeviceInUse(12));
    EXPECT_EQ(m.names[12], QByteArray("        12 EKOMS"));
    EXPECT_EQ(m.events.size(), 2u);
}
#endif
