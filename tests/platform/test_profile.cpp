#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/Profile.h"
#include "platform/TextCodec.h"

namespace {

QString He(const char* utf8) { return QString::fromUtf8(utf8); }
QByteArray Cp(const QString& s) { return TextCodec::ToCp1255(s); }

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Profile::ClearTestHooks();
    }
    void TearDown() override { Profile::ClearTestHooks(); }

    QString Path(const QString& name = QStringLiteral("a.ini")) const { return dir.filePath(name); }
    void Put(const QByteArray& bytes, const QString& name = QStringLiteral("a.ini")) const
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Bytes(const QString& name = QStringLiteral("a.ini")) const
    {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString Get(const QString& section, const QString& key, const QString& def = QStringLiteral("<default>")) const
    {
        return Profile::GetString(Path(), section, key, def);
    }
    QStringList FilesInDir() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
};

// A hand-made file with Hebrew names in Windows-1255, comments, stray lines and duplicates.
QByteArray Fixture()
{
    return "; settings of the site\r\n"
           "[General]\r\n"
           "  Name \t=  " + Cp(He("ערך  פנימי")) + " \t\r\n"
           "Empty=\r\n"
           "Quoted='a' \"b\"\r\n"
           "a line without equals\r\n"
           "Dup=first\r\n"
           "dup=second\r\n"
           "\r\n"
           "[" + Cp(He("קבוצה")) + "]  text after the bracket\r\n"
           + Cp(He("מפתח")) + "=" + Cp(He("שלום")) + "\r\n"
           "\xC0x=point\r\n"
           "[ general ]\r\n"
           "Other=hidden\r\n";
}

}  // namespace

TEST_F(ProfileTest, UnchangedLinesSurviveARewriteByteForByte)
{
    const QByteArray undefined = "[raw]\r\nraw=\x81\x8A\xFF\r\n";
    Put(Fixture() + undefined);
    ASSERT_TRUE(Profile::Write(Path(), QStringLiteral("general"), QStringLiteral("QUOTED"), QStringLiteral("new")));
    QByteArray expected = Fixture() + undefined;
    expected.replace("Quoted='a' \"b\"", "Quoted=new");
    EXPECT_EQ(Bytes(), expected);
    // Bytes the code page leaves undefined come back as text that writes the same bytes.
    const QString raw = Get(QStringLiteral("RAW"), QStringLiteral("raw"));
    ASSERT_TRUE(Profile::Write(Path(), QStringLiteral("copy"), QStringLiteral("raw"), raw));
    EXPECT_TRUE(Bytes().endsWith("[copy]\r\nraw=\x81\x8A\xFF\r\n"));
}

TEST_F(ProfileTest, LookupsIgnoreAsciiCaseAndBlanksOnly)
{
    Put(Fixture());
    const struct {
        QString section, key, value;
    } cases[] = {
        {"General", "Name", He("ערך  פנימי")},
        {"GENERAL", "nAME", He("ערך  פנימי")},
        {"  general\t", " name ", He("ערך  פנימי")},
        {"general", "quoted", "'a' \"b\""},
        {He("קבוצה"), He("מפתח"), He("שלום")},
        {He("קבוצה"), QString(QChar(0x05B0)) + "X", "point"},
        // Hebrew letters match exactly: alef is not the point 0xC0, whatever a Latin case table says.
        {He("קבוצה"), He("אx"), "<default>"},
        {"General", "a line without equals", "<default>"},
        {"General", "; settings of the site", "<default>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get(c.section, c.key), c.value) << c.section.toStdString() << "/" << c.key.toStdString();
}

TEST_F(ProfileTest, EmptyValueIsNotMissing)
{
    Put(Fixture());
    EXPECT_EQ(Get("General", "Empty"), "");
    EXPECT_EQ(Get("General", "Absent"), "<default>");
    EXPECT_EQ(Get("NoSection", "Empty"), "<default>");
    EXPECT_EQ(Profile::GetString(Path("none.ini"), "General", "Empty", "<default>"), "<default>");
    EXPECT_FALSE(Profile::Read(Path(), "General", "Absent").has_value());
    EXPECT_FALSE(QFile::exists(Path("none.ini")));
}

TEST_F(ProfileTest, FirstDuplicateIsReadWrittenAndDeleted)
{
    Put(Fixture());
    EXPECT_EQ(Get("General", "DUP"), "first");
    EXPECT_EQ(Get("General", "Other"), "<default>") << "the second [general] is never consulted";

    ASSERT_TRUE(Profile::Write(Path(), "general", "dup", "changed"));
    EXPECT_TRUE(Bytes().contains("Dup=changed\r\ndup=second\r\n"));
    ASSERT_TRUE(Profile::Write(Path(), "general", "Other", "new"));
    EXPECT_EQ(Get("General", "Other"), "new");
    EXPECT_TRUE(Bytes().endsWith("[ general ]\r\nOther=hidden\r\n"));

    ASSERT_TRUE(Profile::DeleteKey(Path(), "GENERAL", "dup"));
    EXPECT_EQ(Get("General", "dup"), "second");
}

TEST_F(ProfileTest, NewKeysFollowTheLastKeyAndNewSectionsEndTheFile)
{
    Put("[A]\r\nk1=1\r\n; note\r\nstray\r\n\r\n[B]\r\n\r\n[C]\r\nc=3");
    ASSERT_TRUE(Profile::Write(Path(), "a", "k2", "2"));
    ASSERT_TRUE(Profile::Write(Path(), "B", "b", "x"));
    ASSERT_TRUE(Profile::Write(Path(), "D", "d", "4"));
    EXPECT_EQ(Bytes(), QByteArray("[A]\r\nk1=1\r\nk2=2\r\n; note\r\nstray\r\n\r\n[B]\r\nb=x\r\n\r\n[C]\r\nc=3\r\n"
                                  "[D]\r\nd=4\r\n"));
}

TEST_F(ProfileTest, AMissingFileIsCreatedWithKeysAndSectionsAsGiven)
{
    ASSERT_TRUE(Profile::Write(Path("new.ini"), "General", "Admin ", "19"));
    ASSERT_TRUE(Profile::Write(Path("new.ini"), "General", "Value", "  kept as given  "));
    ASSERT_TRUE(Profile::Write(Path("new.ini"), He("אתר"), He("שם"), He("בית ספר")));
    EXPECT_EQ(Bytes("new.ini"), "[General]\r\nAdmin =19\r\nValue=  kept as given  \r\n[" + Cp(He("אתר")) + "]\r\n" +
                                    Cp(He("שם")) + "=" + Cp(He("בית ספר")) + "\r\n");
    EXPECT_EQ(Profile::GetString(Path("new.ini"), "general", "admin", ""), "19");
}

TEST_F(ProfileTest, AValueReplacedInPlaceKeepsTheLayoutBeforeIt)
{
    Put("[S]\r\n  Key  =  old value  \r\nnext=1\r\n");
    ASSERT_TRUE(Profile::Write(Path(), "s", "KEY", "new"));
    EXPECT_EQ(Bytes(), "[S]\r\n  Key  =  new\r\nnext=1\r\n");
}

TEST_F(ProfileTest, DeleteRemovesOnlyThatLine)
{
    Put(Fixture());
    ASSERT_TRUE(Profile::DeleteKey(Path(), "general", "empty"));
    QByteArray expected = Fixture();
    expected.replace("Empty=\r\n", "");
    EXPECT_EQ(Bytes(), expected);
    EXPECT_TRUE(Profile::DeleteKey(Path(), "general", "absent"));
    EXPECT_TRUE(Profile::DeleteKey(Path(), "absent", "absent"));
    EXPECT_EQ(Bytes(), expected);
    EXPECT_TRUE(Profile::DeleteKey(Path("none.ini"), "General", "Name"));
    EXPECT_FALSE(QFile::exists(Path("none.ini")));
}

TEST_F(ProfileTest, ALineBreakInAValueCannotAddKeysOrSections)
{
    ASSERT_TRUE(Profile::Write(Path(), "S", "name", "a\r\n[Evil]\nx=1\rend"));
    ASSERT_TRUE(Profile::Write(Path(), "S\n[T]", "k\r\nz", "v"));
    EXPECT_EQ(Bytes(), "[S]\r\nname=a  [Evil] x=1 end\r\n[S [T]]\r\nk  z=v\r\n");
    EXPECT_EQ(Profile::Sections(Path()), QStringList({"S", "S [T"}));
    EXPECT_EQ(Profile::Keys(Path(), "S"), QStringList({"name"}));
    EXPECT_EQ(Get("S", "name"), "a  [Evil] x=1 end");
}

TEST_F(ProfileTest, LfOnlyAndCrOnlyFilesAreReadAndRewrittenWithCrLf)
{
    for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r")}) {
        Put("[S]" + eol + "a=1" + eol + "b=2" + eol);
        EXPECT_EQ(Get("S", "b"), "2");
        ASSERT_TRUE(Profile::Write(Path(), "S", "a", "3"));
        EXPECT_EQ(Bytes(), "[S]\r\na=3\r\nb=2\r\n");
    }
}

TEST_F(ProfileTest, LongValuesAndQuotesComeBackWhole)
{
    const QString longValue = QString(300, QChar(0x05D0)) + "'\"";
    ASSERT_TRUE(Profile::Write(Path(), "S", "v", longValue));
    ASSERT_TRUE(Profile::Write(Path(), "S", "q", "\"quoted\""));
    EXPECT_EQ(Get("S", "v"), longValue);
    EXPECT_EQ(Get("S", "q"), "\"quoted\"");
}

TEST_F(ProfileTest, KeysAndSectionsAreListedInFileOrderEachOnce)
{
    Put(Fixture());
    EXPECT_EQ(Profile::Sections(Path()), QStringList({"General", He("קבוצה")}));
    EXPECT_EQ(Profile::Keys(Path(), "general"), QStringList({"Name", "Empty", "Quoted", "Dup"}));
    EXPECT_TRUE(Profile::Keys(Path(), "absent").isEmpty());
    EXPECT_TRUE(Profile::Sections(Path("none.ini")).isEmpty());
}

TEST_F(ProfileTest, AFileChangedBehindOurBackIsReadAfresh)
{
    Put("[S]\r\nk=1\r\n");
    EXPECT_EQ(Get("S", "k"), "1");
    Put("[S]\r\nk=2\r\n");  // same size
    EXPECT_EQ(Get("S", "k"), "2");
    ASSERT_TRUE(Profile::Write(Path(), "S", "j", "x"));
    EXPECT_EQ(Bytes(), "[S]\r\nk=2\r\nj=x\r\n");
}

TEST_F(ProfileTest, FailedWritesAreReportedAndLeaveNoTrace)
{
    Put(Fixture());
    Put("not a folder", "file");
    QDir(dir.path()).mkdir("folder");
    const struct {
        QString path;
        int number;
    } cases[] = {
        {dir.filePath("missing/a.ini"), Profile::ErrorNumber::PathNotFound},
        {dir.filePath("file/a.ini"), Profile::ErrorNumber::PathNotFound},
        {dir.filePath("folder"), Profile::ErrorNumber::PathFileAccess},
    };
    for (const auto& c : cases) {
        Profile::Error e;
        EXPECT_FALSE(Profile::Write(c.path, "S", "k", "v", &e)) << c.path.toStdString();
        EXPECT_EQ(e.number, c.number) << c.path.toStdString();
        EXPECT_FALSE(e.message.isEmpty());
    }
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());

    Profile::FailNextWrite();
    Profile::Error e;
    EXPECT_FALSE(Profile::Write(Path(), "General", "Name", "lost", &e));
    EXPECT_EQ(e.number, Profile::ErrorNumber::DiskFull);
    Profile::FailNextWrite({Profile::ErrorNumber::PermissionDenied, "Permission denied"});
    EXPECT_FALSE(Profile::DeleteKey(Path(), "General", "Name", &e));
    EXPECT_EQ(e.number, Profile::ErrorNumber::PermissionDenied);
    EXPECT_EQ(Bytes(), Fixture());
    EXPECT_EQ(FilesInDir(), QStringList({"a.ini", "file"})) << "no temporary file stays behind";

    EXPECT_TRUE(Profile::Write(Path(), "General", "Name", "kept")) << "the hook fails one write only";
}

TEST_F(ProfileTest, AFileThatCannotBeReadIsAnErrorNotADefault)
{
    QDir(dir.path()).mkdir("folder");
    Profile::Error e;
    EXPECT_EQ(Profile::GetString(dir.filePath("folder"), "S", "k", "def", &e), "def");
    EXPECT_EQ(e.number, Profile::ErrorNumber::PathFileAccess);
    Profile::Error none;
    Profile::GetString(Path("none.ini"), "S", "k", "def", &none);
    EXPECT_EQ(none.number, 0);
}

TEST_F(ProfileTest, ARewriteKeepsPermissionsAndLinks)
{
    Put("[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(Path(), Path("link.ini")));
    ASSERT_TRUE(Profile::Write(Path("link.ini"), "S", "k", "2"));
    EXPECT_TRUE(QFileInfo(Path("link.ini")).isSymLink());
    EXPECT_EQ(Bytes(), "[S]\r\nk=2\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ProfileTest, ABatchReachesTheDiskOnlyOnCommit)
{
    Put("[Old]\r\nk=1\r\n");
    {
        Profile::Batch b(Path());
        ASSERT_TRUE(b.ok());
        b.Write("Old", "j", "2");
        b.Write("New", "n", "3");
        b.DeleteKey("Old", "k");
        EXPECT_EQ(b.Read("old", "J"), "2");
        EXPECT_EQ(Bytes(), "[Old]\r\nk=1\r\n");
        ASSERT_TRUE(b.Commit());
    }
    EXPECT_EQ(Bytes(), "[Old]\r\nj=2\r\n[New]\r\nn=3\r\n");

    Profile::Batch fresh(Path(), Profile::Batch::Empty);
    fresh.Write("Only", "o", "1");
    Profile::FailNextWrite();
    Profile::Error e;
    EXPECT_FALSE(fresh.Commit(&e));
    EXPECT_EQ(e.number, Profile::ErrorNumber::DiskFull);
    EXPECT_EQ(Bytes(), "[Old]\r\nj=2\r\n[New]\r\nn=3\r\n");
    ASSERT_TRUE(fresh.Commit());
    EXPECT_EQ(Bytes(), "[Only]\r\no=1\r\n");
}

// A file saved as UTF-8 tells which keys held a character Windows-1255 has no code for: the key
// as read (its first line), in any line-end style; a "?" of the file itself is no loss, and a
// value written since holds what was written.
TEST_F(ProfileTest, AUtf8FileNamesTheKeysWhoseLettersWereLost)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end);
        const QByteArray file = QByteArray("[S]") + end + "Name=CAF\xC3\x89 NORD" + end + "Plain=what?" + end +
                                "Hebrew=\xD7\x92\xD6\xB7\xD7\x9C" + end + "Twice=ok" + end + "twice=\xC3\x9F" + end +
                                "[T]" + end + "Key=\xE2\x88\x9E" + end;
        Put(file);
        QStringList lost;
        const auto entries = Profile::Entries(Path(), "S", nullptr, &lost);
        EXPECT_EQ(lost, QStringList{"Name"});
        EXPECT_EQ(entries.value(0).second, "CAF? NORD");
        EXPECT_EQ(entries.value(2).second, He("גַל"));
        Profile::Entries(Path(), "t", nullptr, &lost);
        EXPECT_EQ(lost, QStringList{"Key"});
        Profile::Entries(Path(), "none", nullptr, &lost);
        EXPECT_TRUE(lost.isEmpty());

        Profile::Batch b(Path());
        b.Write("S", "name", "NEW");
        b.Entries("S", &lost);
        EXPECT_TRUE(lost.isEmpty());
        b.Entries("T", &lost);
        EXPECT_EQ(lost, QStringList{"Key"});
    }
    // The same letters in a Windows-1255 file lose nothing.
    Put("[S]\r\nName=" + Cp(He("גַל ?")) + "\r\n");
    QStringList lost{"stale"};
    Profile::Entries(Path(), "S", nullptr, &lost);
    EXPECT_TRUE(lost.isEmpty());
}
