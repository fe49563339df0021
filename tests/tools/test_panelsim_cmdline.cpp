// The simulator's command line.
#include <gtest/gtest.h>

#include "tools/panelsim/CommandLine.h"

using namespace panelsim;

namespace {
Options Parsed(const QStringList& args)
{
    Options o;
    const QString err = ParseCommandLine(args, &o);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    return o;
}
}  // namespace

TEST(PanelSimCommandLine, FaultModes)
{
    const Options o = Parsed({"--split", "3", "--gap-ms", "20", "--silent-after", "5", "--early-end", "0",
                              "--wrong-speed", "--delay-ms", "7", "--idle-reset-ms", "0"});
    EXPECT_EQ(o.faults.splitPieces, 3);
    EXPECT_EQ(o.faults.gapMs, 20);
    EXPECT_EQ(o.faults.silentAfter, 5);
    EXPECT_EQ(o.faults.earlyEndAfter, 0);
    EXPECT_TRUE(o.faults.wrongSpeed);
    EXPECT_EQ(o.faults.replyDelayMs, 7);
    EXPECT_EQ(o.faults.idleResetMs, 0);
}

TEST(PanelSimCommandLine, NakAndChecksumTakeAlwaysFirstOrANumber)
{
    struct Case { const char* value; int at; };
    for (Case c : {Case{"always", Faults::Always}, Case{"first", 1}, Case{"4", 4}}) {
        const Options o = Parsed({"--nak", c.value, "--bad-checksum", c.value});
        EXPECT_EQ(o.faults.nakAt, c.at) << c.value;
        EXPECT_EQ(o.faults.badChecksumAt, c.at) << c.value;
    }
}

TEST(PanelSimCommandLine, VersionsAndRemoteUnitsOverrideTheState)
{
    const Options o = Parsed({"--firmware", "1.39", "--hardware", "1.50", "--com", "1.32", "--tech", "0077",
                              "--remote", "1,0,0,1"});
    PanelMemory m;
    m.remote = {0, 1, 1, 0};
    ApplyOverrides(o, &m);
    EXPECT_EQ(m.firmware, 139);
    EXPECT_EQ(m.hardware, 150);
    EXPECT_EQ(m.com, 132);
    EXPECT_EQ(m.techCode, 77);
    EXPECT_EQ(m.remote, (std::array<uint8_t, 4>{1, 0, 0, 1}));

    PanelMemory untouched;
    untouched.firmware = 301;
    ApplyOverrides(Parsed({}), &untouched);
    EXPECT_EQ(untouched.firmware, 301);
}

TEST(PanelSimCommandLine, FilesAndDevice)
{
    const Options o = Parsed({"--device", "/dev/ttyUSB0", "--path-file", "p", "--state", "s", "--dump", "d",
                              "--log", "l", "--verbose", "--wire"});
    EXPECT_EQ(o.device, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(o.pathFile, QStringLiteral("p"));
    EXPECT_EQ(o.stateFile, QStringLiteral("s"));
    EXPECT_EQ(o.dumpFile, QStringLiteral("d"));
    EXPECT_EQ(o.logFile, QStringLiteral("l"));
    EXPECT_TRUE(o.verbose);
    EXPECT_TRUE(o.wire);
}

TEST(PanelSimCommandLine, Mistakes)
{
    struct Case { QStringList args; const char* error; };
    const Case cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"--split"}, "--split needs a value"},
        {{"--split", "0"}, "--split: bad value 0"},
        {{"--nak", "never"}, "--nak: bad value never"},
        {{"--firmware", "139"}, "--firmware: bad value 139"},
        {{"--remote", "1,0,1"}, "--remote: bad value 1,0,1"},
        {{"--tech", "12345"}, "--tech: bad value 12345"},
    };
    for (const Case& c : cases) {
        Options o;
        EXPECT_EQ(ParseCommandLine(c.args, &o).toStdString(), c.error);
    }
}
