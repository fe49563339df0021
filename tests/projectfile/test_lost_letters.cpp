// A project file saved as UTF-8 that holds characters Windows-1255 has no code for: they read as
// "?", as the next save writes them, and the one box after the open names where.
#include <random>

#include <gtest/gtest.h>

#include "ProjectFileOpenFixture.h"
#include "RandomProject.h"
#include "WholeProjectFile.h"
#include "platform/TextCodec.h"

namespace {

// The project as a Linux editor saves it: UTF-8, no byte-order mark.
QByteArray Utf8File(const WholeFileTexts& t) { return WholeProjectFile(t).toUtf8(); }

const QString Cafe = QString::fromUtf8("CAF\u00C9 NORD");  // no É in Windows-1255

using LostLettersTest = ProjectFileOpenTest;

}  // namespace

// The user's case: device 2 named "CAFÉ NORD".
TEST_F(LostLettersTest, ANameWithALetterWithoutACodeIsNamedInTheOneBox)
{
    WholeFileTexts t;
    t.name2 = Cafe;
    const QByteArray file = Utf8File(t);

    prompter.Expect("cannot hold", Ui::vbOK);
    Open(file);
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].title, "Warning");
    EXPECT_EQ(prompter.Calls()[0].prompt,
              "The file holds characters that a project file (Windows-1255) cannot hold; each was read as \"?\":\r\n"
              "Addresses: 2\r\n"
              "Please check the project before it is saved or sent to the system.");
    EXPECT_EQ(DeviceDataArray[2].DeviceName.str().trimmed(), "CAF? NORD") << "read as today";
    EXPECT_TRUE(Save().contains("NAME=CAF? NORD" + QByteArray(7, ' ') + "\r\n")) << "the save writes what the window shows";

    UILanguage = 1;
    prompter.Expect(QStringLiteral("נקרא כ-\"?\""), Ui::vbOK);
    Open(file);
    ASSERT_EQ(prompter.Calls().size(), 2u);
    EXPECT_TRUE(prompter.Calls()[1].rightToLeft());
    EXPECT_EQ(prompter.Calls()[1].title, QStringLiteral("אזהרה"));
    EXPECT_EQ(prompter.Calls()[1].prompt.split(QStringLiteral("\r\n")).value(1), QStringLiteral("כתובות: 2"));
}

TEST_F(LostLettersTest, EveryKindOfPlaceIsNamedOnce)
{
    WholeFileTexts t;
    t.addr = QString::fromUtf8("Stra\u00DFe 1");
    t.name1 = QString::fromUtf8("\u0416 1");
    t.factory2 = QString::fromUtf8("002 OUTPUT \u2192   #");
    t.group = QString::fromUtf8("ALARM \U0001F525");
    prompter.Expect("cannot hold", Ui::vbOK);
    const ProjectFile::Contents c = Open(Utf8File(t));
    EXPECT_EQ(c.lost.addresses, (QList<int>{1, 2}));
    EXPECT_EQ(c.lost.groups, QList<int>{1});
    EXPECT_TRUE(c.lost.details);
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].prompt,
              "The file holds characters that a project file (Windows-1255) cannot hold; each was read as \"?\":\r\n"
              "Addresses: 1, 2\r\n"
              "Groups: 1\r\n"
              "Project details\r\n"
              "Please check the project before it is saved or sent to the system.");
    EXPECT_EQ(c.details[0], "Stra?e 1");
    EXPECT_EQ(OutGrpArray[1].GrpName.str().trimmed(), "ALARM ??");
}

// Cut short as well, and with a value replaced: one box for all three.
TEST_F(LostLettersTest, OneBoxWithTheCutAndTheReplacedPlaces)
{
    WholeFileTexts t;
    t.name2 = Cafe;
    QByteArray file = Utf8File(t);
    file.replace("TYPE=001 0-00-005-1-1", "TYPE=001 0-00-005-x-1");
    file = file.left(file.indexOf("GrpName="));
    prompter.Expect("incomplete", Ui::vbOK);
    Open(file);
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].prompt,
              "The project file is incomplete (it may have been cut short); only what it holds was read:\r\n"
              "The closing section [----------] is missing\r\n"
              "Groups without a GrpName line: 1\r\n"
              "\r\n"
              "The file holds characters that a project file (Windows-1255) cannot hold; each was read as \"?\":\r\n"
              "Addresses: 2\r\n"
              "\r\n"
              "Some values in the project file were invalid or did not agree with each other, and were replaced or "
              "removed:\r\n"
              "Addresses: 1\r\n"
              "Please check them before the project is sent to the system.");
}

// Every character that has a code reads without a word: Hebrew with its points, the shekel sign,
// a "?" of the file itself; a Windows-1255 file never loses one.
TEST_F(LostLettersTest, FilesWhoseCharactersAllHaveACodeOpenWithoutABox)
{
    WholeFileTexts t;
    t.name1 = QString::fromUtf8("גַּלַּאי עָשָׁן");
    t.name2 = QString::fromUtf8("פַּעֲמוֹן ?");
    t.addr = QString::fromUtf8("רחוב הרצל 1, 50 \u20AA \u2013 \u201Cא\u201D");
    t.group = QString::fromUtf8("צְפִירוֹת");
    const QByteArray utf8 = Utf8File(t);
    const struct {
        const char* what;
        QByteArray file;
    } files[] = {
        {"UTF-8", utf8},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8},
        {"Windows-1255", TextCodec::ToCp1255(QString::fromUtf8(utf8))},
    };
    for (const int16_t lang : {int16_t(2), int16_t(1)}) {
        UILanguage = lang;
        for (const auto& f : files) {
            SCOPED_TRACE(f.what);
            const ProjectFile::Contents c = Open(f.file);
            EXPECT_FALSE(c.lost.any());
            EXPECT_EQ(DeviceDataArray[1].DeviceName.str().trimmed(), t.name1);
        }
    }
    EXPECT_TRUE(prompter.Calls().empty());
}

// Random whole projects saved again as UTF-8, with Hebrew (two bytes a letter in UTF-8) and
// characters without a code put into random names, factory names, group names and details: the
// read names exactly the places that held one, wherever they stand in the file.
TEST_F(LostLettersTest, ARandomUtf8FileNamesExactlyThePlacesThatLostALetter)
{
    const QString hebrew = QString::fromUtf8("אבגשת\u05B7\u05BC");
    const QString none = QString::fromUtf8("\u00C9\u0416\u4E2D\u05C7");
    const QStringList detailKeys{"Addr", "Cont", "Tel:", "Inst", "Misc"};
    std::mt19937 rng(35);
    auto pick = [&](int n) { return RandomProject::Pick(rng, n); };
    for (int run = 0; run < 12; ++run) {
        ResetModule::ResetProject(false);
        RandomProject::FillWholeProject(rng, 1 + pick(MaxAddress));
        ProjectDetails.Addr = QStringLiteral("MAIN ST %1").arg(run);
        ProjectDetails.Misc = QStringLiteral("NOTES");
        QStringList lines = TextCodec::FromCp1255(Save()).split(QStringLiteral("\r\n"));

        ProjectFile::LostLetters expected;
        QString section;
        for (QString& line : lines) {
            if (line.startsWith(u'[')) {
                section = line.mid(1, line.indexOf(u']') - 1);
                continue;
            }
            const QString key = line.section(u'=', 0, 0);
            const ProjectFile::RecordSection r = ProjectFile::RecordSectionOf(section);
            const bool name = (r.address && (key == "NAME" || key == "FNAM")) || (r.group && key == "GrpName");
            const bool detail = section == "Project Details" && detailKeys.contains(key);
            const qsizetype from = key.size() + 1;
            if ((!name && !detail) || line.size() <= from) continue;
            const int choice = pick(3);  // kept, Hebrew put in, a character without a code put in
            if (choice == 0) continue;
            const qsizetype at = from + pick(int(line.size() - from));
            line[at] = choice == 1 ? hebrew[pick(int(hebrew.size()))] : none[pick(int(none.size()))];
            if (choice == 1) continue;
            if (r.address && !expected.addresses.contains(r.address)) expected.addresses << r.address;
            if (r.group) expected.groups << r.group;
            if (detail) expected.details = true;
        }
        WriteBytes(ProjectPath(), lines.join(QStringLiteral("\r\n")).toUtf8());
        const ProjectFile::Contents c = ProjectFile::Read();
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.lost.addresses, expected.addresses) << "run " << run;
        EXPECT_EQ(c.lost.groups, expected.groups) << "run " << run;
        EXPECT_EQ(c.lost.details, expected.details) << "run " << run;
        EXPECT_FALSE(c.cut.any());
        EXPECT_FALSE(c.replaced.any());
    }
}
