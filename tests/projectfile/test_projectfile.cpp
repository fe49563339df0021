// The project file: a golden file byte for byte, a hand-made file read into the model, damaged
// files, and a failed save that keeps the old file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ProjectFixture.h"
#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/ProjectWhole.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "projectfile/ProjectFile.h"
#include "platform/Profile.h"

namespace {

const ProjectFile::Header FixedHeader{"10/12/2026 08:00:00", "Verdal5000"};

// Written by hand from the file format: key order, CR LF, Windows-1255 Hebrew, names of 16
// characters as held (trailing blanks included).
const QByteArray Golden =
    "[General]\r\n"
    "SiteName=Golden.HV6\r\n"
    "Updated=10/12/2026 08:00:00\r\n"
    "SoftName=Verdal5000\r\n"
    "SoftwareVersion=1.32\r\n"
    "Language=0\r\n"
    "Admin =19\r\n"
    "[Project Details]\r\n"
    "Addr=\xF8\xE7\xE5\xE1 \xE4\xF8\xF6\xEC 1\r\n"
    "Cont=Dana\r\n"
    "Tel:=03-1234567\r\n"
    "Inst=01/02/2026\r\n"
    "Misc=\r\n"
    "[Hardware]\r\n"
    "NumOfSystem=01\r\n"
    "NumOfDevices=002\r\n"
    "MaxNumOfDevices=126\r\n"
    "[01]\r\n"
    "COM-ver=01.20\r\n"
    "SOFT-ver=01.71\r\n"
    "HARD-ver=01.26\r\n"
    "SYSCFG=00-003-1-1-0-1-0-0-0-0-0-0-0-0-0-0000-0000-01\r\n"
    "Panel 01=1\r\n"
    "Panel 02=0\r\n"
    "PS 01=0\r\n"
    "PS 02=0\r\n"
    "[01-001]\r\n"
    "NAME=\xE2\xEC\xE0\xE9 1          \r\n"
    "FNAM=001 SMOKE DET  #\r\n"
    "TYPE=001 0-00-005-1-1 00-00-00-0-1 01-00-0-0-1-0 000 000 050 045 001 001 000 000 000\r\n"
    "[01-002]\r\n"
    "NAME=\r\n"
    "FNAM=002 OUTPUT     #\r\n"
    "TYPE=002 0-08-001-0-1 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
    "[#####]\r\n"
    "******************************=******************************\r\n"
    "[01-Gr-01]\r\n"
    "GRPo=01-1-1[002/000/000/000/000/000]\r\n"
    "GrpName=Group No.   1   \r\n"
    "[----------]\r\n"
    "NumOfGroups=1\r\n";

class ProjectFileTest : public ProjectFixture {
protected:
    // The project the golden file holds.
    void FillGoldenProject()
    {
        ProjectFileName = "Golden.HV6";
        ProjectName = "Golden";
        ProjectDetails = {QStringLiteral("רחוב הרצל 1"), "Dana", "03-1234567", "01/02/2026", ""};
        NumOfDevices = "002";
        VerComNum = "0120";
        VerSoftNum = "0171";
        VerHardNum = "0126";
        RemoteUnits.Panel[1] = "1";

        DeviceRecord& smoke = DeviceDataArray[1];
        smoke.BaseType = "5";
        smoke.Exist = "1";
        smoke.NameExist = "1";
        smoke.AlarmValue = "50";
        smoke.PreAlarmValue = "45";
        smoke.DeviceName = QStringLiteral("גלאי 1");
        smoke.FactoryName = "001 SMOKE DET  #";
        smoke.WithAlarmGroup = "1";
        smoke.NumOfGroups = "01";
        smoke.Grp[1] = "01";

        DeviceRecord& out = DeviceDataArray[2];
        out.ExtType = "08";
        out.BaseType = "1";
        out.DeviceIsIn = "0";
        out.Exist = "1";
        out.AlarmValue = "50";
        out.PreAlarmValue = "0";
        out.DeviceName = "";
        out.FactoryName = "002 OUTPUT     #";

        OutGrpArray[1].Trigger = "1";
        OutGrpArray[1].OutCount = "1";
        OutGrpArray[1].OutAddr[1] = "002";
    }

    bool Save(QString* error = nullptr)
    {
        CSetting setting;
        return ProjectFile::Write(setting, FixedHeader, error);
    }
};

// The lines of two files side by side, for a readable failure.
std::string Diff(const QByteArray& got, const QByteArray& want)
{
    const QList<QByteArray> g = got.split('\n'), w = want.split('\n');
    for (int i = 0; i < std::max(g.size(), w.size()); ++i) {
        const QByteArray a = i < g.size() ? g[i] : "<none>", b = i < w.size() ? w[i] : "<none>";
        if (a != b) return "line " + std::to_string(i + 1) + ": got [" + a.toStdString() + "] want [" + b.toStdString() + "]";
    }
    return {};
}

}  // namespace

TEST_F(ProjectFileTest, WritesTheGoldenFileByteForByte)
{
    FillGoldenProject();
    QString error;
    ASSERT_TRUE(Save(&error)) << error.toStdString();
    const QByteArray got = Bytes(folder + "Golden.HV6");
    EXPECT_EQ(got, Golden) << Diff(got, Golden);

    // The floor of 64 reached the shared table for the output, not for the smoke detector.
    EXPECT_EQ(DeviceDataArray[2].AlarmValue.str(), "64 ");
    EXPECT_EQ(DeviceDataArray[2].PreAlarmValue.str(), "64 ");
    EXPECT_EQ(DeviceDataArray[1].AlarmValue.str(), "50 ");
    EXPECT_EQ(DeviceDataArray[1].PreAlarmValue.str(), "45 ");
}

TEST_F(ProjectFileTest, AlarmFloorSparesTheAnalogueDetectorsOnly)
{
    struct Case {
        const char* ext;
        const char* base;
        const char* alarm;
        const char* expected;
    };
    const Case cases[] = {
        {"00", "5", "50", "50 "}, {"00", "6", "58", "58 "}, {"24", "5", "40", "40 "},  // smoke, heat, smoke/heat
        {"00", "7", "50", "64"},  {"08", "1", "0", "64"},   {"16", "7", "63", "64"},   // call point, output, input
        {"08", "4", "99", "99 "},
    };
    for (const Case& c : cases) {
        DeviceRecord r = DeviceDataArray[1];
        r.ExtType = c.ext;
        r.BaseType = c.base;
        r.AlarmValue = c.alarm;
        r.PreAlarmValue = c.alarm;
        ProjectFile::ApplyAlarmFloor(r);
        EXPECT_EQ(r.AlarmValue, QString(c.expected)) << c.ext << "/" << c.base;
        EXPECT_EQ(r.PreAlarmValue, QString(c.expected)) << c.ext << "/" << c.base;
    }
}

TEST_F(ProjectFileTest, AnEmptyProjectWritesNoDeviceOrGroupSection)
{
    ASSERT_TRUE(Save());
    const QByteArray got = Bytes(ProjectPath());
    EXPECT_FALSE(got.contains("[01-0"));
    EXPECT_FALSE(got.contains("[01-Gr"));
    EXPECT_TRUE(got.endsWith("[#####]\r\n******************************=******************************\r\n"
                             "[----------]\r\nNumOfGroups=0\r\n"));
    EXPECT_TRUE(got.contains("NumOfDevices=0  \r\n")) << "as held, blanks included";

    DeviceDataArray[3].Exist = "1";
    const ProjectFile::Contents c = ProjectFile::Read();
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(MaxNumOfDevices, 126);
    for (int a = 1; a <= 126; ++a) EXPECT_EQ(DeviceDataArray[a].Exist.str(), "0") << a;
    for (int g = 1; g <= 32; ++g) EXPECT_EQ(OutGrpArray[g].OutCount.str(), "0") << g;
}

TEST_F(ProjectFileTest, SavedProjectReadsBackWhole)
{
    FillGoldenProject();
    // Three more inputs in group 32, and five more outputs for it.
    for (int a : {40, 41, 42}) {
        DeviceDataArray[a] = DeviceDataArray[1];
        DeviceDataArray[a].Address = ZeroPad(a, 3);
        DeviceDataArray[a].NumOfGroups = "02";
        DeviceDataArray[a].Grp[2] = "32";
    }
    DeviceDataArray[40].OutOnTimes = "15";
    for (int a = 43; a <= 47; ++a) {
        DeviceDataArray[a] = DeviceDataArray[2];
        DeviceDataArray[a].Address = ZeroPad(a, 3);
    }
    OutGrpArray[32].Trigger = "3";
    OutGrpArray[32].OutCount = "6";
    for (int o = 1; o <= 6; ++o) OutGrpArray[32].OutAddr[o] = ZeroPad(o == 1 ? 2 : 41 + o, 3);
    OutGrpArray[32].GrpName = QStringLiteral("קבוצה אחרונה");
    NumOfActiveGroups = 2;
    ASSERT_TRUE(Save());
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;

    ResetModule::ResetProject(false);
    const ProjectFile::Contents c = ProjectFile::Read();
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.details[0], QStringLiteral("רחוב הרצל 1"));
    EXPECT_EQ(c.details[2], "03-1234567");
    EXPECT_EQ(c.FileSiteName, "Golden.HV6");
    EXPECT_DOUBLE_EQ(c.FileSoftwareVersion, 1.32);
    EXPECT_EQ(ProjectDetails.Addr, "") << "the details go to the window, not to the shared record";
    EXPECT_EQ(NumOfDevices.str(), "010") << "the addresses in use (1, 2, 40-47), not the stale key";
    EXPECT_EQ(NumOfActiveGroups, 2);
    EXPECT_EQ(RemoteUnits.Panel[1], "1");
    EXPECT_EQ(DeviceDataArray[1].DeviceName, devices[1].DeviceName);
    EXPECT_EQ(DeviceDataArray[1].FactoryName, devices[1].FactoryName);
    EXPECT_EQ(DeviceDataArray[40].OutOnTimes.str(), "15");
    EXPECT_EQ(DeviceDataArray[2].DeviceName.str(), QString(16, ' '));
    EXPECT_EQ(KindOf(DeviceDataArray[2]), 9);
    EXPECT_EQ(DeviceDataArray[2].AlarmValue.str(), "064");
    EXPECT_EQ(OutGrpArray[32], groups[32]);
    EXPECT_EQ(OutGrpArray[1], groups[1]);
    EXPECT_EQ(OutGrpArray[2], groups[2]);
}

TEST_F(ProjectFileTest, OpensAHandMadeFile)
{
    // Another writer's file: LF only, keys in other letter cases and orders, a 50-address model,
    // a section whose line names another address, a group line of another group.
    const QByteArray file =
        "[GENERAL]\n"
        "softwareversion=1.30\n"
        "[hardware]\n"
        "maxnumofdevices=50\n"
        "numofdevices=3\n"
        "[Project Details]\n"
        "tel:= 052-1111111 \n"
        "Addr=\xE7\xE9\xF4\xE4\n"
        "[01]\n"
        "SYSCFG=05-004-1-0-1-0-0-1-0-1-0-1-0-1-0-2200-0630-01\n"
        "PS 02=1\n"
        "[01-007]\n"
        "TYPE=099 0-16-007-1-1 01-00-00-0-1 01-00-0-0-1-1 000 000 064 064 001 005 000 000 000\n"
        "FNAM=007 INPUT      #\n"
        "NAME=\xF9\xF2\xF8 \xF8\xE0\xF9\xE9\n"
        "[01-008]\n"
        "TYPE=008 0-00-005-1-0 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\n"
        "[01-060]\n"
        "TYPE=060 0-00-005-1-1 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\n"
        "[01-Gr-05]\n"
        "GrpName=\xEB\xF0\xE9\xF1\xE4\n"
        "GRPo=05-1-2[007/201/000/000/000/000]\n"
        "[01-Gr-06]\n"
        "GRPo=09-1-1[007/000/000/000/000/000]\n"
        "GrpName=Wrong\n"
        "[----------]\n"
        "NumOfGroups=1\n";
    WriteBytes(ProjectPath(), file);
    MaxNumOfDevices = 126;
    DeviceDataArray[100].Exist = "1";  // left over from an earlier project

    const ProjectFile::Contents c = ProjectFile::Read();
    ASSERT_TRUE(c.ok);
    EXPECT_FALSE(c.cut.any()) << "a whole file, of another writer";
    EXPECT_EQ(MaxNumOfDevices, 50);
    EXPECT_EQ(NumOfDevices.str(), "001") << "the key says 3; address 7 alone is in use";
    EXPECT_EQ(c.details[0], QStringLiteral("חיפה"));
    EXPECT_EQ(c.details[2], "052-1111111");
    EXPECT_DOUBLE_EQ(c.FileSoftwareVersion, 1.30);
    EXPECT_EQ(c.FileSiteName, "NoName");

    EXPECT_EQ(DataSysByte1.str(), "05");
    EXPECT_EQ(SysFlags.LoopSysStat.str(), "004");
    EXPECT_EQ(SysFlags.SilenceWithCod.str(), "0");
    EXPECT_EQ(SysFlags2.DialerANotSys.str(), "1");
    EXPECT_EQ(SysFlags2.RlyFltStart.str(), "0");
    EXPECT_EQ(SysFlags2.VrstDly.str(), "0");
    EXPECT_EQ(NightStart.str(), "2200");
    EXPECT_EQ(NightFinish.str(), "0630");
    EXPECT_EQ(RemoteUnits.PS[2], "1");
    EXPECT_EQ(RemoteUnits.Panel[1], "0") << "a missing key keeps its reset value";

    const DeviceRecord& in = DeviceDataArray[7];
    EXPECT_EQ(in.Address.str(), "007") << "the section names the address";
    EXPECT_EQ(KindOf(in), 23);
    EXPECT_EQ(in.LoopSide.str(), "1");
    EXPECT_EQ(in.WithAlarmGroup.str(), "1");
    EXPECT_EQ(in.IsNotUseInAlarm.str(), "1");
    EXPECT_EQ(in.NumOfGroups.str(), "01");
    EXPECT_EQ(in.Grp[1].str(), "05");
    EXPECT_EQ(in.DeviceName.trimmed(), QStringLiteral("שער ראשי"));
    EXPECT_EQ(in.FactoryName.str(), "007 INPUT      #");
    EXPECT_EQ(DeviceDataArray[8].Exist.str(), "0") << "a section not marked in use is an empty address";
    EXPECT_EQ(DeviceDataArray[8].DeviceName.str(), "0" + QString(15, ' '));
    EXPECT_EQ(DeviceDataArray[60].Exist.str(), "0") << "beyond the model";
    EXPECT_EQ(DeviceDataArray[100].Exist.str(), "0") << "every address not in the file is reset";

    // Address 7 is an input: a group cannot switch it, so it is no output of the group.
    EXPECT_EQ(OutGrpArray[5].OutCount.str(), "1");
    EXPECT_EQ(OutGrpArray[5].OutAddr[1].str(), "201");
    EXPECT_EQ(OutGrpArray[5].OutAddr[2].str(), "000");
    EXPECT_EQ(c.replaced.groups, QList<int>{5});
    EXPECT_EQ(OutGrpArray[5].GrpName.trimmed(), QStringLiteral("כניסה"));
    EXPECT_EQ(OutGrpArray[6].GrpNo.str(), "06") << "a line of another group leaves the group empty";
    EXPECT_EQ(OutGrpArray[6].OutCount.str(), "0");
    EXPECT_EQ(OutGrpArray[6].GrpName.trimmed(), "Group No.   6");
    EXPECT_EQ(NumOfActiveGroups, 1);
}

TEST_F(ProjectFileTest, DamagedFilesReadWhatTheyCanWithoutFailing)
{
    struct Case {
        const char* what;
        QByteArray file;
        std::function<void(const ProjectFile::Contents&)> check;
    };
    const std::vector<Case> cases{
        {"a version that is no number",
         "[General]\r\nSoftwareVersion=abc\r\n[Hardware]\r\nMaxNumOfDevices=fifty\r\n",
         [](const ProjectFile::Contents& c) {
             EXPECT_DOUBLE_EQ(c.FileSoftwareVersion, 0);
             EXPECT_EQ(MaxNumOfDevices, 126);
         }},
        {"counts far out of range are those of what the file holds",
         "[Hardware]\r\nNumOfDevices=99999\r\n[----------]\r\nNumOfGroups=99999\r\n",
         [](const ProjectFile::Contents&) {
             EXPECT_EQ(NumOfDevices.str(), "000");
             EXPECT_EQ(NumOfActiveGroups, 0);
         }},
        {"negative counts", "[Hardware]\r\nNumOfDevices=-4\r\n[----------]\r\nNumOfGroups=-1\r\n",
         [](const ProjectFile::Contents&) {
             EXPECT_EQ(NumOfDevices.str(), "000");
             EXPECT_EQ(NumOfActiveGroups, 0);
         }},
        {"a short device line and a short group line",
         "[01-001]\r\nTYPE=001 0-00-005-1-1\r\n[01-Gr-01]\r\nGRPo=01-2\r\n",
         [](const ProjectFile::Contents&) {
             EXPECT_EQ(DeviceDataArray[1].Exist.str(), "1");
             EXPECT_EQ(KindOf(DeviceDataArray[1]), 5);
             EXPECT_EQ(DeviceDataArray[1].CardAddr.str(), "01");
             EXPECT_EQ(OutGrpArray[1].Trigger.str(), "2") << "a group no input is linked to keeps its trigger";
             EXPECT_EQ(OutGrpArray[1].OutCount.str(), "0");
         }},
        {"no system block keeps the reset one", "[01]\r\nPanel 01=1\r\n",
         [](const ProjectFile::Contents&) {
             EXPECT_EQ(SysFlags.LoopSysStat.str(), "003");
             EXPECT_EQ(NumOfSys.str(), "01");
             EXPECT_EQ(RemoteUnits.Panel[1], "1");
         }},
        {"bytes that are no text at all", QByteArray("\x00\xFF[\x01=]\r\n==\r\n[", 13),
         [](const ProjectFile::Contents& c) { EXPECT_TRUE(c.notProjectFile); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), k.file);
        const ProjectFile::Contents c = ProjectFile::Read();
        EXPECT_TRUE(c.ok);
        k.check(c);
    }
}

TEST_F(ProjectFileTest, AFileThatCannotBeReadSaysWhyOnce)
{
    ASSERT_TRUE(QDir().mkpath(ProjectPath()));  // a folder where the file should be
    DeviceDataArray[9].Exist = "1";
    const ProjectFile::Contents c = ProjectFile::Read();
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.error.isEmpty());
    EXPECT_EQ(DeviceDataArray[9].Exist.str(), "0") << "the project holds what could be read: nothing";
}

TEST_F(ProjectFileTest, AFailedSaveKeepsTheOldFile)
{
    FillGoldenProject();
    ASSERT_TRUE(Save());
    const QByteArray old = Bytes(ProjectPath());
    DeviceDataArray[1].DeviceName = "CHANGED";

    Profile::FailNextWrite();
    QString error;
    EXPECT_FALSE(Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Bytes(ProjectPath()), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left behind";

    // The folder removed: nothing written, failure reported.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_FALSE(Save(&error));
    EXPECT_FALSE(QFile::exists(ProjectPath()));
}

TEST_F(ProjectFileTest, AFullProjectRoundTrips)
{
    // Inputs on 1..94, each in a group; outputs on 95..126, one for each group.
    constexpr int firstOutput = 95;
    for (int a = 1; a <= 126; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        const bool input = a < firstOutput;
        r.ExtType = input ? "16" : "08";
        r.BaseType = input ? "7" : "1";
        r.DeviceIsIn = input ? "1" : "0";
        r.Exist = "1";
        r.DeviceName = QStringLiteral("כניסה %1").arg(a);
        r.FactoryName = ZeroPad(a, 3) + (input ? " INPUT      #" : " OUTPUT     #");
        r.NumOfGroups = input ? "1" : "0";
        r.Grp[1] = input ? ZeroPad((a - 1) % 32 + 1, 2) : QStringLiteral("00");
    }
    for (int g = 1; g <= 32; ++g) {
        OutGrpArray[g].Trigger = "1";
        OutGrpArray[g].OutCount = "1";
        OutGrpArray[g].OutAddr[1] = ZeroPad(firstOutput - 1 + g, 3);
    }
    ASSERT_TRUE(ProjectWhole::CheckProject().tablesWhole());
    ASSERT_TRUE(Save());
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    for (int a = 1; a <= 126; ++a) {
        EXPECT_EQ(DeviceDataArray[a].DeviceName, devices[a].DeviceName) << a;
        EXPECT_EQ(DeviceDataArray[a].Grp[1], devices[a].Grp[1]) << a;
    }
    for (int g = 1; g <= 32; ++g) EXPECT_EQ(OutGrpArray[g], groups[g]) << g;
}
