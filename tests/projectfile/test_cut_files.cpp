// Project files cut short: the signs the reader finds, a warning on every cut that loses
// anything, and silence on every whole file, whoever wrote it.
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "ProjectFileOpenFixture.h"
#include "RandomProject.h"
#include "WholeProjectFile.h"
#include "core/CSetting.h"
#include "core/Conv.h"
#include "panellink/UploadCheck.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

// A whole file as the writer writes it: a smoke detector at 1 in group 1, a bell at 2.
const QByteArray Whole = WholeProjectFile().toLatin1();

const QString Heading = QStringLiteral("The project file is incomplete (it may have been cut short)");
const QString HebrewHeading = QStringLiteral("קובץ הפרויקט אינו שלם");

QByteArray Replaced(QByteArray file, const QByteArray& from, const QByteArray& to)
{
    EXPECT_TRUE(file.contains(from)) << from.toStdString();
    return file.replace(from, to);
}

// The file up to (not including) the first `text`, plus `extra` bytes of it.
QByteArray CutBefore(const QByteArray& file, const QByteArray& text, int extra = 0)
{
    const qsizetype at = file.indexOf(text);
    EXPECT_GE(at, 0) << text.toStdString();
    return file.left(at + extra);
}

// The signs, as a case states them.
struct Signs {
    bool noClosing = false;
    bool lastLineCut = false;
    // The places whose section lacks the line.
    QList<int> NAME{};
    QList<int> FNAM{};
    QList<int> TYPE{};
    QList<int> GRPo{};
    QList<int> GrpName{};
    bool moreDevices = false;
    bool moreGroups = false;
    bool operator==(const Signs&) const = default;
};

Signs SignsOf(const ProjectFile::CutSigns& s)
{
    using L = ProjectFile::RecordLine;
    return {s.noClosingSection,  s.lastLineCut,           s.Without(L::Name),
            s.Without(L::Fnam),  s.Without(L::Type),      s.Without(L::Grpo),
            s.Without(L::GrpName), s.moreDevicesDeclared(), s.moreGroupsDeclared()};
}

std::ostream& operator<<(std::ostream& os, const Signs& s)
{
    auto list = [](const QList<int>& l) { return NumberList(l).toStdString(); };
    return os << "closing missing " << s.noClosing << ", last line cut " << s.lastLineCut << ", no NAME ["
              << list(s.NAME) << "], no FNAM [" << list(s.FNAM) << "], no TYPE [" << list(s.TYPE) << "], no GRPo ["
              << list(s.GRPo) << "], no GrpName [" << list(s.GrpName) << "], more devices " << s.moreDevices
              << ", more groups " << s.moreGroups;
}

// Everything a read puts into the project or hands to the window.
struct Opened {
    ProjectWhole::DeviceTable devices;
    ProjectWhole::GroupTable groups;
    QStringList rest;
    bool operator==(const Opened&) const = default;
};

Opened WhatWasRead(const ProjectFile::Contents& c)
{
    QStringList rest{NumOfDevices.str(), Str(NumOfActiveGroups), Str(MaxNumOfDevices),
                     ProjectLines::SysCfgLine(ProjectLines::CurrentSysCfg()),
                     RemoteUnits.Panel[1], RemoteUnits.Panel[2], RemoteUnits.PS[1], RemoteUnits.PS[2],
                     c.FileSiteName, c.FileUpdated, c.FileSoftName, QString::number(c.FileSoftwareVersion)};
    for (const QString& d : c.details) rest << d;
    return {DeviceDataArray, OutGrpArray, rest};
}

using CutFilesTest = ProjectFileOpenTest;

}  // namespace

TEST_F(CutFilesTest, SignsFoundAsTheReaderReadsTheFile)
{
    struct Case {
        const char* what;
        QByteArray file;
        Signs signs;
    };
    QByteArray lf = Whole, cr = Whole;
    lf.replace("\r\n", "\n");
    cr.replace("\r\n", "\r");
    QByteArray mixed;  // CR LF, LF and CR in turn
    const QList<QByteArray> lines = Whole.split('\n');
    const QByteArray ends[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i + 1 < lines.size(); ++i) mixed += lines[i].chopped(1) + ends[i % 3];
    QByteArray noCounts = Replaced(Replaced(Whole, "NumOfDevices=002\r\n", ""), "NumOfGroups=1\r\n", "");
    const Case cases[] = {
        {"the whole file", Whole, {}},
        {"LF line ends", lf, {}},
        {"CR line ends", cr, {}},
        {"mixed line ends", mixed, {}},
        {"mixed line ends, the last one lost", mixed.chopped(1), {.lastLineCut = true}},
        {"UTF-8 with its byte-order mark", "\xEF\xBB\xBF" + Whole, {}},
        {"blanks, a blank line and a comment after the end", Whole + "\r\n; end\r\n  ", {}},
        {"only the LF of the last line end lost", Whole.chopped(1), {}},
        {"the last line end lost", Whole.chopped(2), {.lastLineCut = true}},
        {"cut inside a device's NAME", CutBefore(Whole, "NAME=BELL", 7),
         {.noClosing = true, .lastLineCut = true, .TYPE = {2}}},
        {"cut after a device section's header", CutBefore(Whole, "NAME=BELL"), {.noClosing = true, .TYPE = {2}}},
        {"cut after a device's FNAM", CutBefore(Whole, "TYPE=002"), {.noClosing = true, .TYPE = {2}}},
        {"cut before a device section", CutBefore(Whole, "[01-002]"), {.noClosing = true, .moreDevices = true}},
        {"cut inside a device section's header", CutBefore(Whole, "[01-002]", 4),
         {.noClosing = true, .lastLineCut = true, .moreDevices = true}},
        {"cut after a group's GRPo", CutBefore(Whole, "GrpName=BELLS"), {.noClosing = true, .GrpName = {1}}},
        {"cut after a group section's header", CutBefore(Whole, "GRPo="),
         {.noClosing = true, .GRPo = {1}, .GrpName = {1}}},
        {"a device without its NAME line", Replaced(Whole, "NAME=SMOKE 1\r\n", ""), {.NAME = {1}}},
        {"a device without its FNAM line", Replaced(Whole, "FNAM=002 OUTPUT     #\r\n", ""), {.FNAM = {2}}},
        {"a group without its GRPo line", Replaced(Whole, "GRPo=01-1-1[002/000/000/000/000/000]\r\n", ""),
         {.GRPo = {1}}},
        {"an empty NAME line, as the writer writes a blank name", Replaced(Whole, "NAME=SMOKE 1", "NAME="), {}},
        {"a section without NAME and FNAM of no device in use",
         Replaced(Whole, "[#####]", "[01-003]\r\nTYPE=003 0-00-005-1-0 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 "
                                    "000 000 000\r\n[#####]"),
         {}},
        {"cut before the closing section", CutBefore(Whole, "[----------]"), {.noClosing = true}},
        // What is lost is a count the reader does not take: the file reads as the whole one.
        {"cut after the closing section's header", CutBefore(Whole, "NumOfGroups"), {}},
        {"more devices declared than held", Replaced(Whole, "NumOfDevices=002", "NumOfDevices=3  "),
         {.moreDevices = true}},
        {"more groups declared than held", Replaced(Whole, "NumOfGroups=1", "NumOfGroups=2"),
         {.moreGroups = true}},
        {"fewer declared than held",
         Replaced(Replaced(Whole, "NumOfDevices=002", "NumOfDevices=0  "), "NumOfGroups=1", "NumOfGroups=0"), {}},
        {"no count keys, as an older writer's file", noCounts, {}},
        {"counts no writer writes", Replaced(Whole, "NumOfDevices=002", "NumOfDevices=99999"), {}},
        {"names in other letter cases",
         Replaced(Replaced(Replaced(Replaced(Replaced(Whole, "[01-Gr-01]", "[01-gr-01]"), "GrpName=", "GRPNAME ="),
                                    "TYPE=002", "type=002"),
                           "NAME=BELL", " Name=BELL"),
                  "GRPo=", "grpo ="),
         {}},
        {"the first [Hardware] is the one read", Whole + "[Hardware]\r\nNumOfDevices=9\r\n", {}},
        {"a NUL in a device section's name", Replaced(Whole, "[01-002]", QByteArray("[01-0\0" "02]", 9)), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SignsOf(Read(c.file).cut), c.signs);
    }
    const ProjectFile::CutSigns counts = Read(CutBefore(Whole, "[01-002]")).cut;
    EXPECT_EQ(counts.devicesDeclared, 2);
    EXPECT_EQ(counts.devicesHeld, 1);
    EXPECT_EQ(counts.groupsDeclared, -1);
    EXPECT_EQ(Read(noCounts).cut.devicesDeclared, -1);
}

// A record's section is known by its name as the writer spells it, in any letter case, with
// blanks around it and NULs in it, as the reader finds it; no other name stands for a record.
TEST(CutSigns, ARecordSectionIsKnownByTheNameTheWriterGivesIt)
{
    auto damaged = [](const QString& n) { return QStringLiteral(" \t") + n.left(3) + QChar(0) + n.mid(3) + u' '; };
    struct Record {
        QString name;
        int address, group;
    };
    std::vector<Record> records;
    for (int a = 1; a <= MaxAddress; ++a) records.push_back({ProjectFile::DeviceSection(a), a, 0});
    for (int g = 1; g <= MaxGroups; ++g) records.push_back({ProjectFile::GroupSection(g), 0, g});
    for (const Record& rec : records) {
        for (const QString& name : {rec.name, rec.name.toLower(), rec.name.toUpper(), damaged(rec.name)}) {
            const ProjectFile::RecordSection r = ProjectFile::RecordSectionOf(name);
            EXPECT_EQ(r.address, rec.address) << name.toStdString();
            EXPECT_EQ(r.group, rec.group) << name.toStdString();
        }
    }
    for (const char* other : {"01", "01-", "01-000", "01-127", "01-0012", "01-01", "01- 002", "01-Gr-00", "01-Gr-33",
                              "01-Gr-1", "01-Gr-011", "02-001", "Hardware", "----------", "01-00x", "01-Gr-٠١"}) {
        const ProjectFile::RecordSection r = ProjectFile::RecordSectionOf(QString::fromUtf8(other));
        EXPECT_EQ(r.address + r.group, 0) << other;
    }
}

// Random projects as the writer writes them, cut at every line end and at random bytes: a cut
// either loses nothing the reader takes, or the read says the file is incomplete (or, cut inside
// its first lines, that it is no project file). Never less without a word.
TEST_F(CutFilesTest, EveryCutOfAWrittenFileReadsAsTheWholeOneOrSaysItIsIncomplete)
{
    std::mt19937 rng(31);
    for (int run = 0; run < 8; ++run) {
        ResetModule::ResetProject(false);
        const bool small = run % 2 == 1;
        MaxNumOfDevices = small ? 50 : MaxAddress;
        RandomProject::FillWholeProject(rng, small ? 50 : 1 + RandomProject::Pick(rng, MaxAddress));
        ProjectDetails.Addr = QStringLiteral("רחוב %1").arg(run);
        const QByteArray whole = Save();
        const ProjectFile::Contents all = ProjectFile::Read();
        ASSERT_FALSE(all.cut.any());
        ASSERT_FALSE(all.replaced.any());
        const Opened expected = WhatWasRead(all);

        std::vector<qsizetype> cuts;
        for (qsizetype i = 0; i < whole.size(); ++i)
            if (whole[i] == '\r' || whole[i] == '\n') cuts.push_back(i + 1);
        for (int k = 0; k < 60; ++k) cuts.push_back(1 + RandomProject::Pick(rng, int(whole.size())));
        for (const qsizetype at : cuts) {
            WriteBytes(ProjectPath(), whole.left(at));
            const ProjectFile::Contents c = ProjectFile::Read();
            if (c.notProjectFile || c.cut.any() || WhatWasRead(c) == expected) continue;
            ADD_FAILURE() << "run " << run << ": silent on the first " << at << " of " << whole.size() << " bytes";
            break;
        }
        if (HasFailure()) break;
    }
}

TEST_F(CutFilesTest, WholeFilesOpenWithoutABoxInBothLanguages)
{
    std::mt19937 rng(5);
    RandomProject::FillWholeProject(rng);
    const QByteArray written = Save();
    ResetModule::ResetProject(false);
    MaxNumOfDevices = 50;
    const QByteArray empty50 = Save();
    // Before the model key, and before the count keys.
    const QByteArray older = Replaced(Replaced(written, "MaxNumOfDevices=126\r\n", ""), "SoftwareVersion=1.32",
                                      "SoftwareVersion=1.27");
    const QByteArray noCounts = Replaced(Replaced(Whole, "NumOfDevices=002\r\n", ""), "NumOfGroups=1\r\n", "");
    QByteArray lf = Whole;
    lf.replace("\r\n", "\n");
    const QByteArray utf8 = "\xEF\xBB\xBF" + Replaced(Whole, "NAME=SMOKE 1", QStringLiteral("NAME=גלאי 1").toUtf8());
    const struct {
        const char* what;
        QByteArray file;
    } files[] = {
        {"a random project as written", written}, {"an empty 50-address project as written", empty50},
        {"a file from before the model key", older}, {"a file without count keys", noCounts},
        {"LF line ends", lf},                       {"UTF-8 with a byte-order mark", utf8},
        {"a file ending in CR alone", Whole.chopped(1)},
        {"the closing section's name with blanks and NULs", Replaced(Whole, "[----------]",
                                                                      QByteArray(" [ \0-----\0----- \t]", 20))},
    };
    for (const int16_t lang : {int16_t(2), int16_t(1)}) {
        UILanguage = lang;
        for (const auto& f : files) {
            SCOPED_TRACE(f.what);
            const ProjectFile::Contents c = Open(f.file);
            EXPECT_TRUE(c.ok);
            EXPECT_FALSE(c.cut.any());
        }
    }
    EXPECT_TRUE(prompter.Calls().empty());
}

// The user's case: the first 700 bytes of a six-device project, cut inside a device's NAME.
TEST_F(CutFilesTest, AFileCutShortOpensWithOneWarningNamingWhatShowsIt)
{
    for (int a = 1; a <= 6; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        r.ExtType = "08";
        r.BaseType = "1";
        r.DeviceIsIn = "0";
        r.Exist = "1";
        r.DeviceName = QStringLiteral("BELL %1").arg(a);
        r.FactoryName = ZeroPad(a, 3) + " OUTPUT     #";
    }
    QByteArray whole = Save();
    ASSERT_TRUE(whole.contains("NumOfDevices=006"));
    const QByteArray cut = CutBefore(whole, "NAME=BELL 3", 7);

    prompter.Expect(Heading, Ui::vbOK);
    Open(cut);
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].title, "Warning");
    EXPECT_EQ(prompter.Calls()[0].prompt,
              "The project file is incomplete (it may have been cut short); only what it holds was read:\r\n"
              "The closing section [----------] is missing\r\n"
              "The last line is cut off (it has no line end)\r\n"
              "Addresses without a TYPE line: 3\r\n"
              "Devices: the file declares 6 and holds 3\r\n"
              "Please check the project before it is saved or sent to the system.");
    EXPECT_EQ(AddressesInUse(), 2) << "what the file holds is read";
    EXPECT_EQ(ProjectFileName, "Site.HV6") << "the user decides what to do with it";

    UILanguage = 1;
    prompter.Expect(HebrewHeading, Ui::vbOK);
    Open(cut);
    ASSERT_EQ(prompter.Calls().size(), 2u);
    EXPECT_TRUE(prompter.Calls()[1].rightToLeft());
    EXPECT_EQ(prompter.Calls()[1].title, QStringLiteral("אזהרה"));
    EXPECT_TRUE(prompter.Calls()[1].prompt.contains(QStringLiteral("כתובות ללא שורת TYPE: 3")));
    EXPECT_TRUE(prompter.Calls()[1].prompt.contains(QStringLiteral("כתובות תפוסות: בקובץ רשומות 6 ויש בו 3")));
}

// A whole file but for one line the writer writes in every record's section: the one box names
// that record, and nothing else.
TEST_F(CutFilesTest, AFileWithoutOneRecordLineNamesThatRecordAlone)
{
    const struct {
        QByteArray line;
        const char* english;
        const char16_t* hebrew;
    } cases[] = {
        {"NAME=SMOKE 1\r\n", "Addresses without a NAME line: 1", u"כתובות ללא שורת NAME: 1"},
        {"FNAM=002 OUTPUT     #\r\n", "Addresses without an FNAM line: 2", u"כתובות ללא שורת FNAM: 2"},
        {"GRPo=01-1-1[002/000/000/000/000/000]\r\n", "Groups without a GRPo line: 1",
         u"קבוצות הפעלה ללא שורת GRPo: 1"},
        {"GrpName=BELLS\r\n", "Groups without a GrpName line: 1", u"קבוצות הפעלה ללא שורת GrpName: 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.english);
        const QByteArray file = Replaced(Whole, c.line, "");
        UILanguage = 2;
        prompter.Expect(Heading, Ui::vbOK);
        Open(file);
        ASSERT_EQ(prompter.Pending(), 0);
        EXPECT_EQ(prompter.Calls().back().prompt,
                  "The project file is incomplete (it may have been cut short); only what it holds was read:\r\n" +
                      QString::fromUtf8(c.english) +
                      "\r\nPlease check the project before it is saved or sent to the system.");
        UILanguage = 1;
        prompter.Expect(HebrewHeading, Ui::vbOK);
        Open(file);
        ASSERT_EQ(prompter.Pending(), 0);
        EXPECT_TRUE(prompter.Calls().back().rightToLeft());
        EXPECT_EQ(prompter.Calls().back().prompt.split(QStringLiteral("\r\n")).value(1), QString::fromUtf16(c.hebrew));
    }
    EXPECT_EQ(prompter.Calls().size(), 2 * std::size(cases));
}

TEST_F(CutFilesTest, ACutFileWithValuesReplacedGivesOneBoxForBoth)
{
    const QByteArray file =
        CutBefore(Replaced(Whole, "TYPE=001 0-00-005-1-1", "TYPE=001 0-00-005-x-1"), "GrpName=BELLS");
    prompter.Expect(Heading, Ui::vbOK);
    const ProjectFile::Contents c = Open(file);
    EXPECT_EQ(c.replaced.addresses, QList<int>{1});
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].prompt,
              "The project file is incomplete (it may have been cut short); only what it holds was read:\r\n"
              "The closing section [----------] is missing\r\n"
              "Groups without a GrpName line: 1\r\n"
              "\r\n"
              "Some values in the project file were invalid or did not agree with each other, and were replaced or "
              "removed:\r\n"
              "Addresses: 1\r\n"
              "Please check them before the project is sent to the system.");

    UILanguage = 1;
    prompter.Expect(HebrewHeading, Ui::vbOK);
    Open(file);
    ASSERT_EQ(prompter.Calls().size(), 2u);
    EXPECT_TRUE(prompter.Calls()[1].rightToLeft());
    EXPECT_TRUE(prompter.Calls()[1].prompt.contains(QStringLiteral("חלק מהערכים בקובץ הפרויקט")));
    EXPECT_TRUE(prompter.Calls()[1].prompt.contains(QStringLiteral("כתובות: 1")));
}

TEST_F(CutFilesTest, AnEmptyFileAndAFileOfNoProjectKeepTheirOwnWay)
{
    const ProjectFile::Contents empty = Open(QByteArray());
    EXPECT_FALSE(empty.cut.any());
    EXPECT_TRUE(prompter.Calls().empty()) << "an empty project, as for no file";

    prompter.Expect("is not a project file", Ui::vbOK);
    const ProjectFile::Contents other = Open(Whole.left(9));  // "[General]" without its line end
    EXPECT_TRUE(other.notProjectFile);
    EXPECT_EQ(prompter.Calls().size(), 1u) << "that box alone";
}
