// Damaged project files: whatever a file holds, it opens, the file stays as it was, and what the
// project holds afterwards passes every upload encoder, with counts that are those of the
// project. Values out of range are listed by address; files that are no project are refused.
#include <algorithm>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "ProjectFixture.h"
#include "RandomProject.h"
#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ProjectWhole.h"
#include "panellink/UploadCheck.h"
#include "platform/TextCodec.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

// A good project: a smoke detector in groups 1 and 2, a timed output, an input, two groups.
const QByteArray Base =
    "[General]\r\n"
    "SiteName=Site.HV6\r\n"
    "SoftName=Verdal5000\r\n"
    "SoftwareVersion=1.32\r\n"
    "[Project Details]\r\n"
    "Addr=Main St. 1\r\n"
    "[Hardware]\r\n"
    "NumOfSystem=01\r\n"
    "NumOfDevices=003\r\n"
    "MaxNumOfDevices=126\r\n"
    "[01]\r\n"
    "SYSCFG=00-003-1-1-0-1-0-0-0-0-0-0-0-1-0-2200-0630-01\r\n"
    "Panel 01=1\r\n"
    "Panel 02=0\r\n"
    "PS 01=0\r\n"
    "PS 02=0\r\n"
    "[01-001]\r\n"
    "NAME=SMOKE 1\r\n"
    "FNAM=001 SMOKE DET  #\r\n"
    "TYPE=001 0-00-005-1-1 00-00-00-0-1 01-00-0-0-1-0 000 000 070 045 002 001 002 000 000\r\n"
    "[01-002]\r\n"
    "NAME=BELL 2\r\n"
    "FNAM=002 OUTPUT     #\r\n"
    "TYPE=002 0-08-001-0-1 01-00-00-0-0 01-00-1-0-0-0 120 024 064 064 000 000 000 000 000\r\n"
    "[01-003]\r\n"
    "NAME=DOOR 3\r\n"
    "FNAM=003 INPUT      #\r\n"
    "TYPE=003 0-16-007-1-1 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
    "[#####]\r\n"
    "******************************=******************************\r\n"
    "[01-Gr-01]\r\n"
    "GRPo=01-1-2[002/201/000/000/000/000]\r\n"
    "GrpName=BELLS\r\n"
    "[01-Gr-02]\r\n"
    "GRPo=02-1-1[205/000/000/000/000/000]\r\n"
    "GrpName=DIALER\r\n"
    "[----------]\r\n"
    "NumOfGroups=2\r\n";

QByteArray With(QByteArray file, const QByteArray& from, const QByteArray& to)
{
    EXPECT_TRUE(file.contains(from)) << from.toStdString();
    return file.replace(from, to);
}

// Bytes that are the same every run.
QByteArray RandomBytes(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    QByteArray b(n, '\0');
    for (char& c : b) c = char(gen() & 0xFF);
    return b;
}

struct Expected {
    QList<int> addresses;
    bool system = false;
    QList<int> groups;
    bool notProject = false;
};
const Expected NotAProject{{}, false, {}, true};
const Expected SystemOnly{{}, true, {}, false};
const Expected Nothing{{}, false, {}, false};
Expected Addresses(const QList<int>& a) { return {a, false, {}, false}; }
Expected Groups(const QList<int>& g) { return {{}, false, g, false}; }

struct Case {
    const char* what;
    QByteArray file;
    Expected replaced;
    std::function<void()> check = nullptr;  // more, on the project read
};

const std::vector<Case>& Cases()
{
    const QByteArray type3 = "TYPE=003 0-16-007-1-1 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000";
    static const std::vector<Case> cases{
        {"the good file", Base, Nothing},
        {"a blank and a letter for flags", With(Base, "TYPE=003 0-16-007-1-1", "TYPE=003  -16-007-x-1"), Addresses({3}),
         [] {
             EXPECT_EQ(DeviceDataArray[3].DeviceDisable.str(), "0");
             EXPECT_EQ(DeviceDataArray[3].DeviceIsIn.str(), "1");
         }},
        {"a NUL inside a device line", With(Base, type3, QByteArray(type3).replace(32, 1, QByteArray(1, '\0'))), Addresses({3}),
         [] { EXPECT_EQ(KindOf(DeviceDataArray[3]), DeviceKind::InputDevice); }},
        {"an in-use mark that is no flag", With(Base, "TYPE=003 0-16-007-1-1", "TYPE=003 0-16-007-1-Y"), Addresses({3}),
         [] { EXPECT_EQ(DeviceDataArray[3].Exist.str(), "0"); }},
        {"system flags that are no flags", With(Base, "SYSCFG=00-003-1-1-0", "SYSCFG=00-003-2- -x"), SystemOnly,
         [] {
             EXPECT_EQ(SysFlags.ResetWithCod.str(), "1");
             EXPECT_EQ(SysFlags.Slave.str(), "0");
         }},
        {"night times out of the day", With(Base, "2200-0630", "2575-1299"), SystemOnly,
         [] {
             EXPECT_EQ(NightStart.str(), "0000");
             EXPECT_EQ(NightFinish.str(), "0000");
         }},
        {"a loop class that is neither B nor A", With(Base, "SYSCFG=00-003", "SYSCFG=00-009"), SystemOnly,
         [] { EXPECT_EQ(SysFlags.LoopSysStat.str(), "003"); }},
        {"a panel number that is no number", With(Base, "0630-01", "0630-x1"), SystemOnly,
         [] { EXPECT_EQ(NumOfSys.str(), "01"); }},
        {"remote units that are neither in nor out", With(With(Base, "Panel 01=1", "Panel 01=7"), "PS 02=0", "PS 02=1e300"),
         SystemOnly,
         [] {
             EXPECT_EQ(RemoteUnits.Panel[1], "0");
             EXPECT_EQ(RemoteUnits.PS[2], "0");
         }},
        {"alarm values too large for a byte", With(Base, "070 045 002", "999 -01 002"), Addresses({1}),
         [] {
             EXPECT_EQ(DeviceDataArray[1].AlarmValue.trimmed(), "64");
             EXPECT_EQ(DeviceDataArray[1].NumOfGroups.str(), "02");
         }},
        {"times that are no eighths", With(Base, "120 024", "999 013"), Addresses({2}),
         [] { EXPECT_EQ(DeviceDataArray[2].OutOnTimes.str(), "00"); }},
        {"a device count with no devices", With(With(With(Base, "NumOfDevices=003", "NumOfDevices=5"), "[01-00", "[xx-00"), "[01-Gr", "[xx-Gr"),
         Nothing, [] {
             EXPECT_EQ(ValInt(NumOfDevices), 0);
             EXPECT_EQ(NumOfActiveGroups, 0);
         }},
        {"counts and the model as huge numbers",
         With(With(Base, "NumOfDevices=003", "NumOfDevices=1e300"), "MaxNumOfDevices=126",
              "MaxNumOfDevices=&H" + QByteArray(40, 'F')),
         Nothing, [] {
             EXPECT_EQ(MaxNumOfDevices, 126);
             EXPECT_EQ(NumOfDevices.str(), "003");
         }},
        // Group 1 loses its only input and keeps its trigger of 1, as a group whose last input
        // was deleted does: a group with no input never operates. The address that lost the link
        // is named.
        {"group numbers that do not exist", With(Base, "002 001 002 000 000", "004 033 002 000 abc"),
         Addresses({1}),
         [] {
             const DeviceRecord& r = DeviceDataArray[1];
             EXPECT_EQ(r.NumOfGroups.str(), "01") << "the links it keeps";
             EXPECT_EQ(r.Grp[1].str(), "02");
             EXPECT_EQ(r.Grp[2].str(), "00");
             EXPECT_EQ(OutGrpArray[1].Trigger.str(), "1");
             EXPECT_EQ(OutGrpArray[1].OutAddr[1].str(), "002") << "its outputs stay";
         }},
        {"a group count above the links", With(Base, "064 064 000 000 000 000 000\r\n[#", "064 064 003 007 000 000 000\r\n[#"),
         Addresses({3}), [] { EXPECT_EQ(DeviceDataArray[3].NumOfGroups.str(), "01"); }},
        {"a group line out of range", With(Base, "GRPo=01-1-2[002/201/000", "GRPo=01-9-8[300/abc/127"), Groups({1}),
         [] {
             EXPECT_EQ(OutGrpArray[1].Trigger.str(), "0");
             EXPECT_EQ(OutGrpArray[1].OutCount.str(), "0");
             EXPECT_EQ(OutGrpArray[1].OutAddr[1].str(), "000");
             EXPECT_EQ(NumOfActiveGroups, 1);
         }},
        {"a device of no known kind", With(Base, "TYPE=003 0-16-007", "TYPE=003 0-08-000"), Addresses({3}),
         [] {
             EXPECT_EQ(DeviceDataArray[3].Exist.str(), "0");
             EXPECT_EQ(NumOfDevices.str(), "002");
         }},
        {"a device line cut short", With(Base, type3, type3.left(30)), Addresses({3})},
        {"a file cut inside a line", Base.left(Base.indexOf("070 045")), Addresses({1}),
         [] { EXPECT_EQ(ValInt(NumOfDevices), 1); }},
        {"a value of 100,000 characters", With(Base, "NAME=BELL 2", "NAME=" + QByteArray(100000, 'B')), Nothing,
         [] { EXPECT_EQ(DeviceDataArray[2].DeviceName.str(), QString(16, u'B')); }},
        {"a blank file", "\r\n  \r\n", Nothing},
        {"a NUL in a device section's name", With(Base, "[01-003]", QByteArray("[01-0\0" "03]", 9)), Addresses({3}),
         [] { EXPECT_EQ(KindOf(DeviceDataArray[3]), DeviceKind::InputDevice) << "read, and named"; }},
        {"a NUL in a group section's name", With(Base, "[01-Gr-02]", QByteArray("[01-Gr\0-02]", 11)), Groups({2}),
         [] { EXPECT_EQ(OutGrpArray[2].OutAddr[1].str(), "205"); }},
        {"a NUL and a blank before a device section's name", With(Base, "[01-002]", QByteArray("[\0 01-002]", 10)),
         Addresses({2}), [] { EXPECT_EQ(KindOf(DeviceDataArray[2]), DeviceKind::Output) << "read, and named"; }},
        // The sound section is the one read; the damaged one beside it is another program's line.
        {"a damaged name beside its sound section",
         With(Base, "[#####]", QByteArray("[01-0") + '\0' + "01]\r\nTYPE=001 0-16-007-1-1\r\n[#####]"), Nothing,
         [] { EXPECT_EQ(KindOf(DeviceDataArray[1]), DeviceKind::SmokeDetector); }},
        // Records that contradict each other.
        {"a relay's first half with its second address free",
         With(Base, "TYPE=003 0-16-007-1-1 00-00-00-0-0 01", "TYPE=003 0-16-003-0-1 00-00-00-0-0 10"), Addresses({3}),
         [] {
             EXPECT_EQ(KindOf(DeviceDataArray[3]), DeviceKind::Relay);
             EXPECT_EQ(DeviceDataArray[3].CardAddr.str(), "01") << "a single relay";
         }},
        {"a relay's second half with no first half",
         With(Base, "TYPE=003 0-16-007-1-1 00-00-00-0-0 01", "TYPE=003 0-16-003-0-1 00-00-00-0-0 11"), Addresses({3}),
         [] { EXPECT_EQ(DeviceDataArray[3].CardAddr.str(), "01"); }},
        {"a four-zone card missing a part",
         With(Base, "TYPE=003 0-16-007-1-1 00-00-00-0-0 01", "TYPE=003 0-16-004-1-1 00-00-00-0-0 10"), Addresses({3}),
         [] { EXPECT_EQ(DeviceDataArray[3].Exist.str(), "0") << "a card of four addresses cannot stand on one"; }},
        {"a group listing an input and a free address", With(Base, "GRPo=01-1-2[002/201", "GRPo=01-1-3[003/201/077"),
         Groups({1}),
         [] {
             EXPECT_EQ(OutGrpArray[1].OutCount.str(), "1");
             EXPECT_EQ(OutGrpArray[1].OutAddr[1].str(), "201");
         }},
        {"a group counting no outputs while it lists two", With(Base, "GRPo=01-1-2[002/201", "GRPo=01-1-0[002/201"),
         Groups({1}),
         [] {
             EXPECT_EQ(OutGrpArray[1].OutCount.str(), "2") << "a save would have dropped them";
             EXPECT_EQ(NumOfActiveGroups, 2);
         }},
        {"links of an output", With(Base, "120 024 064 064 000 000", "120 024 064 064 001 002"), Addresses({2}),
         [] { EXPECT_EQ(ValInt(DeviceDataArray[2].NumOfGroups), 0); }},
        {"UTF-16 text", QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(QString::fromLatin1(Base)),
         NotAProject},
        {"random bytes", RandomBytes(4096, 11), NotAProject},
        {"another program's settings", "[General]\r\ngeometry=@ByteArray(x)\r\n[Desktop Entry]\r\nName=Other\r\n",
         NotAProject},
        {"a picture", QByteArray("\x89PNG\r\n\x1A\n", 8) + RandomBytes(300, 5), NotAProject},
    };
    return cases;
}

class DamagedFilesTest : public ProjectFixture {
protected:
    // What every read must leave, whatever the file held.
    static void ExpectAProjectThePanelTakes()
    {
        const auto bad = FirstUnencodableRecord();
        EXPECT_FALSE(bad.has_value()) << "block " << bad->block << " number " << bad->number;
        EXPECT_EQ(ValInt(NumOfDevices), AddressesInUse());
        const ProjectWhole::Places broken = ProjectWhole::CheckProject();
        EXPECT_FALSE(broken.any()) << "not whole at " << NumberList(broken.addresses).toStdString() << " / groups "
                                   << NumberList(broken.groups).toStdString();
        for (int a = 1; a <= MaxAddress; ++a) {
            const DeviceRecord& r = DeviceDataArray[a];
            if (r.Exist != "1") continue;
            SCOPED_TRACE(a);
            EXPECT_TRUE(FieldRanges::IsKnownKind(KindOf(r)));
            const long long n = ValInt(r.NumOfGroups);
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(FieldRanges::IsGroupNumber(ValInt(r.Grp[k])), k <= n) << "link " << k;
        }
    }
};

}  // namespace

TEST_F(DamagedFilesTest, EveryDamagedFileOpensAndLeavesAProjectThePanelTakes)
{
    for (const Case& k : Cases()) {
        SCOPED_TRACE(k.what);
        ResetModule::ResetProject(false);
        DeviceDataArray[50].Exist = "1";  // an earlier project's device
        WriteBytes(ProjectPath(), k.file);
        const ProjectFile::Contents c = ProjectFile::Read();
        EXPECT_TRUE(c.ok) << c.error.toStdString();
        EXPECT_EQ(c.notProjectFile, k.replaced.notProject);
        EXPECT_EQ(c.replaced.addresses, k.replaced.addresses);
        EXPECT_EQ(c.replaced.system, k.replaced.system);
        EXPECT_EQ(c.replaced.groups, k.replaced.groups);
        EXPECT_EQ(Bytes(ProjectPath()), k.file) << "the file stays as it was";
        ExpectAProjectThePanelTakes();
        EXPECT_EQ(DeviceDataArray[50].Exist.str(), "0");
        if (k.replaced.notProject) {
            EXPECT_EQ(AddressesInUse(), 0) << "nothing is taken from it";
        }
        if (k.check) k.check();
    }
}

TEST_F(DamagedFilesTest, RandomDamageToAGoodFileStillLeavesAProjectThePanelTakes)
{
    std::mt19937 gen(2024);
    for (int run = 0; run < 300; ++run) {
        QByteArray file = Base;
        const int changes = 1 + int(gen() % 12);
        for (int i = 0; i < changes; ++i) {
            const int at = int(gen() % file.size());
            switch (gen() % 3) {
            case 0: file[at] = char(gen() & 0xFF); break;      // a byte changed
            case 1: file.remove(at, 1 + int(gen() % 4)); break;  // bytes lost
            default: file.insert(at, char("0123456789 -[]=\r\n"[gen() % 17])); break;
            }
        }
        SCOPED_TRACE(file.toStdString());
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), file);
        ASSERT_TRUE(ProjectFile::Read().ok);
        ExpectAProjectThePanelTakes();
        if (HasFailure()) break;
    }
}

TEST_F(DamagedFilesTest, OpeningTellsWhichAddressesWereReplacedInOneBox)
{
    QByteArray file = With(Base, "TYPE=003 0-16-007-1-1", "TYPE=003 0-16-007-x-1");
    file = With(file, "070 045", "300 045");
    file = With(file, "2200-0630", "2500-0630");
    file = With(file, "GRPo=02-1-1", "GRPo=02-7-1");
    WriteBytes(ProjectPath(), file);
    ScriptedPrompter prompter;
    prompter.Expect("Addresses: 1, 3\r\nSystem settings\r\nGroups: 2", Ui::vbOK);
    ProjectFile::Open();
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].title, "Warning");
    EXPECT_TRUE(prompter.Calls()[0].prompt.startsWith("Some values in the project file were invalid"));
    EXPECT_EQ(ProjectFileName, "Site.HV6") << "nothing else changes";

    UILanguage = 1;
    ResetModule::ResetProject(false);
    prompter.Expect(QStringLiteral("כתובות: 1, 3"), Ui::vbOK);
    ProjectFile::Open();
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
    EXPECT_EQ(prompter.Calls().back().title, QStringLiteral("אזהרה"));
    EXPECT_TRUE(prompter.Calls().back().prompt.startsWith(QStringLiteral("חלק מהערכים בקובץ הפרויקט")));

    // A good file opens without a box.
    WriteBytes(ProjectPath(), Base);
    ProjectFile::Open();
    EXPECT_EQ(prompter.Calls().size(), 2u);
}

TEST_F(DamagedFilesTest, AFileThatIsNoProjectIsRefusedAndCannotBeOverwritten)
{
    const QByteArray other = "[Desktop Entry]\r\nName=Other program\r\n";
    WriteBytes(ProjectPath(), other);
    ScriptedPrompter prompter;
    prompter.Expect("is not a project file", Ui::vbOK);
    const ProjectFile::Contents c = ProjectFile::Open();
    EXPECT_TRUE(c.notProjectFile);
    EXPECT_EQ(prompter.Calls().back().title, "Error");
    EXPECT_TRUE(prompter.Calls().back().prompt.contains(folder + "Site.HV6"));
    EXPECT_TRUE(ProjectFileName.isEmpty());
    EXPECT_TRUE(ProjectName.isEmpty());
    EXPECT_FALSE(ProjectFileOK);
    EXPECT_FALSE(ProjectLoaded);
    EXPECT_EQ(Bytes(folder + "Site.HV6"), other);
}

TEST_F(DamagedFilesTest, NoFileAndAnEmptyFileOpenAsAnEmptyProject)
{
    ScriptedPrompter prompter;
    for (const bool exists : {false, true}) {
        SCOPED_TRACE(exists);
        QFile::remove(ProjectPath());
        if (exists) WriteBytes(ProjectPath(), QByteArray());
        const ProjectFile::Contents c = ProjectFile::Open();
        EXPECT_TRUE(c.ok);
        EXPECT_FALSE(c.notProjectFile);
        EXPECT_EQ(ProjectFileName, "Site.HV6");
        EXPECT_EQ(AddressesInUse(), 0);
    }
    EXPECT_TRUE(prompter.Calls().empty());
}

// A project file saved as UTF-8 by a text editor, with and without a byte-order mark: its Hebrew
// opens as written, and the next save writes the program's own Windows-1255.
TEST_F(DamagedFilesTest, AUtf8FileOpensUngarbledAndIsSavedAsWindows1255)
{
    const QString address = QStringLiteral("רחוב הרצל 1");
    const QString name = QStringLiteral("גלאי 1");
    const QByteArray utf8 = With(With(Base, "Addr=Main St. 1", ("Addr=" + address).toUtf8()), "NAME=SMOKE 1",
                                 ("NAME=" + name).toUtf8());
    for (const QByteArray& file : {utf8, "\xEF\xBB\xBF" + utf8}) {
        SCOPED_TRACE(file.startsWith('\xEF') ? "with a mark" : "without a mark");
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), file);
        const ProjectFile::Contents c = ProjectFile::Read();
        EXPECT_FALSE(c.replaced.any());
        EXPECT_EQ(c.FileSiteName, "Site.HV6") << "[General] is found behind the mark";
        EXPECT_EQ(c.details[0], address);
        EXPECT_EQ(DeviceDataArray[1].DeviceName.trimmed(), name);

        CSetting setting;
        ASSERT_TRUE(ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr));
        const QByteArray saved = Bytes(ProjectPath());
        EXPECT_TRUE(saved.contains(TextCodec::ToCp1255("NAME=" + name))) << saved.toStdString();
        EXPECT_FALSE(saved.contains(name.toUtf8()));
    }
}

// Random whole projects with records made to contradict each other, written as a file as another
// program might have written them: every such file opens whole, the upload check accepts it, the
// warning names every address whose device was freed or moved to another position and every group
// whose outputs changed, and a file of a whole project opens with no warning at all.
TEST_F(DamagedFilesTest, FilesWhoseRecordsContradictEachOtherOpenWholeNamingEveryPlace)
{
    std::mt19937 rng(1255);
    for (int run = 0; run < 150; ++run) {
        ProjectWhole::DeviceTable devices;
        ProjectWhole::GroupTable groups;
        RandomProject::FillWhole(rng, devices, groups);
        const bool damaged = run % 4 != 0;
        if (damaged) RandomProject::Damage(rng, devices, groups, 1 + RandomProject::Pick(rng, 12));

        QByteArray file = "[General]\r\nSiteName=Site.HV6\r\n[Hardware]\r\nMaxNumOfDevices=126\r\n";
        for (int a = 1; a <= MaxAddress; ++a) {
            if (devices[a].Exist != "1") continue;
            file += "[" + ProjectFile::DeviceSection(a).toLatin1() + "]\r\nTYPE=" +
                    ProjectLines::TypeLine(devices[a]).toLatin1() + "\r\n";
        }
        for (int g = 1; g <= MaxGroups; ++g)
            file += "[" + ProjectFile::GroupSection(g).toLatin1() + "]\r\nGRPo=" +
                    ProjectLines::GrpLine(groups[g]).toLatin1() + "\r\n";
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), file);
        const ProjectFile::Contents c = ProjectFile::Read();
        SCOPED_TRACE(run);
        ASSERT_TRUE(c.ok);
        ExpectAProjectThePanelTakes();
        if (!damaged) {
            EXPECT_FALSE(c.replaced.any());
        }
        for (int a = 1; a <= MaxAddress; ++a) {
            const DeviceRecord& before = devices[a];
            const DeviceRecord& now = DeviceDataArray[a];
            if (before.Exist != "1") continue;
            // The file holds a position as two binary digits: 0 to 3.
            const bool changed = now.Exist != "1" || KindOf(now) != KindOf(before) ||
                                 ValInt(now.CardAddr.str()) != std::clamp(ValInt(before.CardAddr.str()), 0LL, 3LL);
            if (changed) {
                EXPECT_TRUE(c.replaced.addresses.contains(a)) << "address " << a;
            }
        }
        for (int g = 1; g <= MaxGroups; ++g)
            for (int o = 1; o <= MaxOutputsPerGroup; ++o)
                if (ValInt(OutGrpArray[g].OutAddr[o].str()) != ValInt(groups[g].OutAddr[o].str())) {
                    EXPECT_TRUE(c.replaced.groups.contains(g)) << "group " << g;
                }
        if (HasFailure()) break;
    }
}
