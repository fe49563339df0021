// The value lines of the project file: exact lines for records, and records back from lines,
// damaged ones included.
#include <gtest/gtest.h>

#include <functional>

#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "projectfile/ProjectLines.h"

using namespace ProjectLines;

namespace {

DeviceRecord ResetRecord(int address)
{
    ResetModule::ResetDevices(address, address, 1);
    return DeviceDataArray[address];
}

class ProjectLinesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UILanguage = 2;
        MaxNumOfDevices = 126;
        ResetModule::ResetProject(true);
    }
};

struct TypeCase {
    const char* what;
    int address;
    std::function<void(DeviceRecord&)> fill;
    QString line;
    // Where the record read back from the line differs from the filled one.
    std::function<void(DeviceRecord&)> readBackDiffers;
};

// The stored alarm values read back with three digits.
void AlarmsOf64(DeviceRecord& r)
{
    r.AlarmValue = "064";
    r.PreAlarmValue = "064";
}

const std::vector<TypeCase>& TypeCases()
{
    static const std::vector<TypeCase> cases{
        {"the reset record", 1, [](DeviceRecord&) {},
         "001 0-00-000-1-0 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000", AlarmsOf64},
        {"a smoke detector in two groups", 5,
         [](DeviceRecord& r) {
             r.BaseType = "5";
             r.Exist = "1";
             r.DeviceNeedVer = "1";
             r.NameExist = "1";
             r.WithAlarmGroup = "1";
             r.AlarmValue = "50";
             r.PreAlarmValue = "45";
             r.NumOfGroups = "2";
             r.Grp[1] = "03";
             r.Grp[2] = "32";
         },
         "005 0-00-005-1-1 00-00-00-1-1 01-00-0-0-1-0 000 000 050 045 002 003 032 000 000",
         [](DeviceRecord& r) {
             r.AlarmValue = "050";
             r.PreAlarmValue = "045";
             r.NumOfGroups = "02";
         }},
        {"a timed output: times in eighths", 9,
         [](DeviceRecord& r) {
             r.ExtType = "08";
             r.BaseType = "1";
             r.DeviceIsIn = "0";
             r.Exist = "1";
             r.LoopSide = "2";
             r.offTypeAfterON = "1";
             r.OutBehevior = "1";
             r.DlyB4ON = "1";
             r.OutOnTimes = "15";
             r.TimeDelayUp2ON = "3";
             r.AlarmValue = "99";
             r.PreAlarmValue = "99";
         },
         "009 0-08-001-0-1 02-01-01-0-0 01-00-1-0-0-0 120 024 099 099 000 000 000 000 000",
         [](DeviceRecord& r) {
             r.OutBehevior = "01";
             r.TimeDelayUp2ON = "03";
             r.AlarmValue = "099";
             r.PreAlarmValue = "099";
         }},
        {"flags and a blank one-character field", 12,
         [](DeviceRecord& r) {
             r.DeviceDisable = "1";
             r.Exist = "1";
             r.WithFaultGroup = "1";
             r.IsNotUseInAlarm = "1";
             r.DeviceNeedVer = "";
         },
         "012 1-00-000-1-1 00-00-00-0-0 01-00-0-1-0-1 000 000 064 064 000 000 000 000 000",
         [](DeviceRecord& r) {
             r.DeviceNeedVer = "0";  // the blank was written as 0
             AlarmsOf64(r);
         }},
        {"four-zone card, part 1 (position 0)", 20,
         [](DeviceRecord& r) {
             r.ExtType = "16";
             r.BaseType = "4";
             r.Exist = "1";
             r.CardAddr = "00";
         },
         "020 0-16-004-1-1 00-00-00-0-0 00-00-0-0-0-0 000 000 064 064 000 000 000 000 000", AlarmsOf64},
        {"four-zone card, part 4 (position 3)", 23,
         [](DeviceRecord& r) {
             r.ExtType = "16";
             r.BaseType = "4";
             r.Exist = "1";
             r.CardAddr = "03";
         },
         "023 0-16-004-1-1 00-00-00-0-0 11-00-0-0-0-0 000 000 064 064 000 000 000 000 000", AlarmsOf64},
        {"alarm part of an alarm/fault card keeps its groups", 30,
         [](DeviceRecord& r) {
             r.ExtType = "08";
             r.BaseType = "2";
             r.Exist = "1";
             r.CardAddr = "02";
             r.NumOfGroups = "1";
             r.Grp[1] = "07";
         },
         "030 0-08-002-1-1 00-00-00-0-0 10-00-0-0-0-0 000 000 064 064 001 007 000 000 000",
         [](DeviceRecord& r) {
             AlarmsOf64(r);
             r.NumOfGroups = "01";
         }},
        {"fault part of an alarm/fault card stores no groups", 31,
         [](DeviceRecord& r) {
             r.ExtType = "08";
             r.BaseType = "2";
             r.Exist = "1";
             r.CardAddr = "03";
             r.NumOfGroups = "2";
             r.Grp[1] = "07";
             r.Grp[2] = "08";
         },
         "031 0-08-002-1-1 00-00-00-0-0 11-00-0-0-0-0 000 000 064 064 000 000 000 000 000",
         [](DeviceRecord& r) {
             AlarmsOf64(r);
             r.NumOfGroups = "00";
             r.Grp[1] = "00";
             r.Grp[2] = "00";
         }},
    };
    return cases;
}

}  // namespace

TEST_F(ProjectLinesTest, RecordsGiveTheirExactTypeLinesAndReadBack)
{
    for (const TypeCase& c : TypeCases()) {
        SCOPED_TRACE(c.what);
        DeviceRecord r = ResetRecord(c.address);
        c.fill(r);
        const DeviceRecord before = r;
        const QString line = TypeLine(r);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.size(), 79);
        EXPECT_EQ(r, before) << "the writer changes no record";

        DeviceRecord back = ResetRecord(c.address);
        ReadTypeLine(line, back);
        DeviceRecord expected = ResetRecord(c.address);
        c.fill(expected);
        c.readBackDiffers(expected);
        EXPECT_EQ(back, expected);
    }
}

TEST_F(ProjectLinesTest, TypeLineReadsTheSpecialCasesSoundly)
{
    struct Case {
        const char* what;
        QString line;
        std::function<void(const DeviceRecord&)> check;
    };
    const QString good = "005 0-00-005-1-1 00-00-00-1-1 01-00-0-0-1-0 000 000 050 045 002 003 032 000 000";
    const std::vector<Case> cases{
        {"a time that is not a multiple of 8 takes its default", QString(good).replace(44, 3, "012"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.OutOnTimes.str(), "00"); }},
        {"a time too large for its field takes its default", QString(good).replace(48, 3, "800"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.TimeDelayUp2ON.str(), "00"); }},
        {"a position that is no binary number takes its default", QString(good).replace(30, 2, "21"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.CardAddr.str(), "01"); }},
        {"a group that does not exist is dropped and the count follows the links kept",
         QString(good).replace(64, 3, "099"),
         [](const DeviceRecord& r) {
             EXPECT_EQ(r.NumOfGroups.str(), "01");
             EXPECT_EQ(r.Grp[1].str(), "32") << "the group after it moves up";
             EXPECT_EQ(r.Grp[2].str(), "00");
         }},
        {"a count above 4 takes the links of all four places", QString(good).replace(60, 3, "999").replace(72, 3, "017"),
         [](const DeviceRecord& r) {
             EXPECT_EQ(r.NumOfGroups.str(), "03");
             EXPECT_EQ(r.Grp[1].str(), "03");
             EXPECT_EQ(r.Grp[2].str(), "32");
             EXPECT_EQ(r.Grp[3].str(), "17");
         }},
        {"a count larger than the links present", QString(good).replace(60, 3, "004"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.NumOfGroups.str(), "02"); }},
        {"a value too large for a byte", QString(good).replace(52, 3, "256"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.AlarmValue.str(), "64 "); }},
        {"a type code that is no multiple of 8", QString(good).replace(6, 2, "12"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.ExtType.str(), "00"); }},
        {"a loop side of 5", QString(good).replace(17, 2, "05"),
         [](const DeviceRecord& r) { EXPECT_EQ(r.LoopSide.str(), "0"); }},
        {"a blank flag", QString(good).replace(26, 1, " "),
         [](const DeviceRecord& r) { EXPECT_EQ(r.DeviceNeedVer.str(), "0"); }},
        {"a short line gives what it holds and defaults", good.left(16),
         [](const DeviceRecord& r) {
             EXPECT_EQ(r.Exist.str(), "1");
             EXPECT_EQ(r.BaseType.str(), "5");
             EXPECT_EQ(r.NameExist.str(), "0");
             EXPECT_EQ(r.CardAddr.str(), "01");
             EXPECT_EQ(r.AlarmValue.str(), "64 ");
             EXPECT_EQ(r.NumOfGroups.str(), "00");
             EXPECT_EQ(r.Grp[4].str(), "00");
         }},
        {"an empty line marks no device", QString(), [](const DeviceRecord& r) { EXPECT_EQ(r.Exist.str(), "0"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceRecord r = ResetRecord(5);
        bool replaced = false;
        ReadTypeLine(c.line, r, &replaced);
        c.check(r);
        EXPECT_TRUE(replaced);
        EXPECT_EQ(r.Address.str(), "005") << "the address is not taken from the line";
    }
    DeviceRecord r = ResetRecord(5);
    bool replaced = false;
    ReadTypeLine(good, r, &replaced);
    EXPECT_FALSE(replaced) << "a good line replaces nothing";
}

TEST_F(ProjectLinesTest, SysCfgLines)
{
    const SysCfg reset = CurrentSysCfg();
    EXPECT_EQ(SysCfgLine(reset), "00-003-1-1-0-1-0-0-0-0-0-0-0-0-0-0000-0000-01");
    bool replaced = false;
    EXPECT_EQ(ReadSysCfgLine(SysCfgLine(reset), reset, &replaced), reset);
    EXPECT_FALSE(replaced);

    SysCfg c = reset;
    c.DataSysByte1 = "7";
    c.SysFlags.LoopSysStat = "4";
    c.SysFlags.Slave = "1";
    c.SysFlags2.DialerANotSys = "1";
    c.SysFlags2.VrstDly = "1";
    c.NightStart = "2200";
    c.NightFinish = "0600";
    const QString line = SysCfgLine(c);
    EXPECT_EQ(line, "07-004-1-1-1-1-0-1-0-0-0-0-0-0-1-2200-0600-01");
    EXPECT_EQ(line.size(), 45);
    SysCfg expected = c;
    expected.DataSysByte1 = "07";
    expected.SysFlags.LoopSysStat = "004";
    EXPECT_EQ(ReadSysCfgLine(line, reset, &replaced), expected);
    EXPECT_FALSE(replaced);
}

TEST_F(ProjectLinesTest, ASysCfgValueOutOfRangeTakesItsDefault)
{
    const SysCfg reset = CurrentSysCfg();
    const QString good = "07-004-0-0-0-0-1-1-1-1-1-1-1-1-0-2200-0600-01";
    struct Case {
        const char* what;
        QString line;
        std::function<void(SysCfg&)> expect;  // applied to the good line's values
    };
    const std::vector<Case> cases{
        {"the good line", good, nullptr},
        {"a blank flag", QString(good).replace(7, 1, " "), [&](SysCfg& c) { c.SysFlags.ResetWithCod = reset.SysFlags.ResetWithCod; }},
        {"a letter for a flag", QString(good).replace(19, 1, "x"),
         [&](SysCfg& c) { c.SysFlags2.RlyFltStart = reset.SysFlags2.RlyFltStart; }},
        {"a NUL for a flag", QString(good).replace(31, 1, QChar(0)), [&](SysCfg& c) { c.SysFlags2.VrstDly = "0"; }},
        {"a flag of 2", QString(good).replace(15, 1, "2"), [&](SysCfg& c) { c.SysFlags.Spare = "0"; }},
        {"loop class 5", QString(good).replace(3, 3, "005"), [&](SysCfg& c) { c.SysFlags.LoopSysStat = "003"; }},
        {"loop class 0", QString(good).replace(3, 3, "000"), [&](SysCfg& c) { c.SysFlags.LoopSysStat = "003"; }},
        {"hour 24", QString(good).replace(33, 4, "2400"), [&](SysCfg& c) { c.NightStart = "0000"; }},
        {"minute 60", QString(good).replace(38, 4, "0660"), [&](SysCfg& c) { c.NightFinish = "0000"; }},
        {"a time with a blank", QString(good).replace(33, 4, "22 0"), [&](SysCfg& c) { c.NightStart = "0000"; }},
        {"a panel number that is no number", QString(good).replace(43, 2, "x1"), [&](SysCfg& c) { c.NumOfSys = "01"; }},
        {"a first byte that is no number", QString(good).replace(0, 2, "-1"), [&](SysCfg& c) { c.DataSysByte1 = "00"; }},
        {"a short line", "xx-99",
         [&](SysCfg& c) { c = reset; }},
    };
    SysCfg goodValues = ReadSysCfgLine(good, reset);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        bool replaced = false;
        const SysCfg got = ReadSysCfgLine(k.line, reset, &replaced);
        SysCfg expected = goodValues;
        if (k.expect) k.expect(expected);
        EXPECT_EQ(got, expected);
        EXPECT_EQ(replaced, k.expect != nullptr);
    }
}

TEST_F(ProjectLinesTest, GroupLines)
{
    OutGrpRecord& g = OutGrpArray[1];
    g.Trigger = "2";
    g.OutCount = "3";
    g.OutAddr[1] = "9";
    g.OutAddr[2] = "201";
    g.OutAddr[3] = "205";
    EXPECT_EQ(GrpLine(g), "01-2-3[009/201/205/000/000/000]");
    EXPECT_EQ(GrpLine(OutGrpArray[32]), "32-0-0[000/000/000/000/000/000]");

    OutGrpRecord back = OutGrpArray[2];
    ReadGrpLine("01-2-3[009/201/205/000/000/000]", back);
    EXPECT_EQ(back.GrpNo.str(), "01");
    EXPECT_EQ(back.Trigger.str(), "2");
    EXPECT_EQ(back.OutCount.str(), "3");
    EXPECT_EQ(back.OutAddr[1].str(), "009");
    EXPECT_EQ(back.OutAddr[2].str(), "201");
    EXPECT_EQ(back.OutAddr[3].str(), "205");
    EXPECT_EQ(back.OutAddr[6].str(), "000");
    EXPECT_EQ(back.GrpName, OutGrpArray[2].GrpName) << "the name is not in the line";
    EXPECT_EQ(GrpLineNumber("17-1-1[001/000/000/000/000/000]"), 17);
    EXPECT_EQ(GrpLineNumber(""), 0);

    // Damaged: counts out of range take their defaults, outputs that cannot exist are empty places.
    back = OutGrpArray[5];
    bool replaced = false;
    ReadGrpLine("05-9-9[999/abc/127/126/", back, &replaced);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(back.Trigger.str(), "0");
    EXPECT_EQ(back.OutCount.str(), "0");
    EXPECT_EQ(back.OutAddr[1].str(), "000");
    EXPECT_EQ(back.OutAddr[2].str(), "000");
    EXPECT_EQ(back.OutAddr[3].str(), "000");
    EXPECT_EQ(back.OutAddr[4].str(), "126");
    EXPECT_EQ(back.OutAddr[5].str(), "000");
    EXPECT_EQ(back.OutAddr[6].str(), "000");
}
