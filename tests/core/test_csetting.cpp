#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/CSetting.h"
#include "platform/Environment.h"
#include "platform/Profile.h"
#include "platform/TextCodec.h"

namespace {

class CSettingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Profile::ClearTestHooks();
        Environment::SetProgramFolder(dir.filePath("program") + "/");
        Environment::SetConfigFolder(dir.filePath("config") + "/");
        QDir(dir.path()).mkdir("program");
        folder = dir.path() + "/";
    }
    void TearDown() override
    {
        Profile::ClearTestHooks();
        Environment::SetProgramFolder(QString());
        Environment::SetConfigFolder(QString());
    }

    void Put(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A settings object on <folder>site.HV6, as the project file uses it.
    void InitProject(CSetting& s, const QString& name = "site")
    {
        s.Init(name, ".HV6", folder, 1);
        s.SetSaveMode(1);
    }

    QTemporaryDir dir;
    QString folder;
};

// The error a call raises, or nothing.
std::optional<CSettingError> ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const CSettingError& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace

TEST_F(CSettingTest, InitJoinsFolderNameAndTypeExactlyAsGiven)
{
    CSetting s;
    s.Init(" my site ", ".HV6", folder, 1);
    EXPECT_EQ(s.FileName(), folder + " my site .HV6") << "a project name keeps its blanks";
    s.Init("site", ".HV6", dir.path(), 1);
    EXPECT_EQ(s.FileName(), dir.path() + "site.HV6") << "a folder without its final slash runs into the name";
    s.Init();
    EXPECT_EQ(s.FileName(), Environment::ProgramFolder() + Environment::ExecutableName() + ".Pzw");
    EXPECT_EQ(s.SaveMode(), 1);
    s.SetSaveMode(0);
    EXPECT_EQ(s.SaveMode(), 0);
}

TEST_F(CSettingTest, AnOperationBeforeInitUsesTheProgramsSettingsFile)
{
    CSetting s;
    s.SaveSettingStr("General", "usrDataPath", "/data/");
    const QString file = Environment::ProgramFolder() + Environment::ExecutableName() + ".Pzw";
    EXPECT_EQ(Bytes(file), "[General]\r\nusrDataPath=/data/\r\n");
    EXPECT_EQ(s.SaveMode(), 1);
}

TEST_F(CSettingTest, ReadsGiveDefaultsWholeValuesAndStripBlanksAndNul)
{
    CSetting s;
    InitProject(s);
    EXPECT_EQ(s.GetSettingStr("General", "SiteName", "NoName"), "NoName") << "missing file";
    const QString longDetail(200, QChar(0x05D3));
    Put(folder + "site.HV6", "[Project Details]\r\nMisc=" + TextCodec::ToCp1255(longDetail) +
                                 "\r\nAddr=  street 5\r\nCont=ab" + QByteArray(1, '\0') + "cd\r\nTel:=\r\n");
    EXPECT_EQ(s.GetSettingStr("Project Details", "Misc", ""), longDetail) << "read whole, not cut at 127";
    EXPECT_EQ(s.GetSettingStr("project details", "ADDR", ""), "street 5");
    EXPECT_EQ(s.GetSettingStr("Project Details", "Cont", ""), "ab");
    EXPECT_EQ(s.GetSettingStr("Project Details", "Tel:", "x"), "");
    EXPECT_EQ(s.GetSettingStr("Project Details", "Inst", " def "), "def");
    EXPECT_EQ(s.GetSettingStr("Project Details", "Addr", "", QString("/other/")), "street 5")
        << "the application name argument does not change the file";
    EXPECT_EQ(s.AppName(), "/other/");
}

TEST_F(CSettingTest, IntegersReadLikeTheProfileFunctions)
{
    CSetting s;
    InitProject(s);
    Put(folder + "site.HV6", "[H]\r\na=12\r\nb= -7x\r\nc=\r\nd=abc\r\ne=40000\r\nf=+32767\r\n");
    const struct {
        const char* key;
        int16_t expected;
    } cases[] = {{"a", 12}, {"b", -7}, {"c", 99}, {"d", 0}, {"f", 32767}, {"missing", 99}};
    for (const auto& c : cases) EXPECT_EQ(s.GetSettingInt("H", c.key, 99), c.expected) << c.key;

    const auto e = ErrorOf([&] { s.GetSettingInt("H", "e", 0); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number, CSetting::ErrReadingSetting);
    EXPECT_EQ(e->source, "CSetting.GetSettingInt");
    EXPECT_EQ(e->description, "Error reading Setting (6, Overflow)");
}

TEST_F(CSettingTest, SectionsAndKeysAreListedWithTheirValues)
{
    CSetting s;
    InitProject(s);
    EXPECT_TRUE(s.GetSectionNames().isEmpty());
    Put(folder + "site.HV6", "[General]\r\nSiteName=a.HV6\r\nAdmin =19\r\n[E]\r\n[X]\r\nk=\r\n");
    using KV = CSetting::KeyValue;
    EXPECT_EQ(s.GetSettingAll("general"), QList<KV>({{"SiteName", "a.HV6"}, {"Admin", "19"}}));
    EXPECT_EQ(s.GetSettingAll("X"), QList<KV>({{"k", ""}})) << "a one-letter key is a key";
    EXPECT_TRUE(s.GetSettingAll("E").isEmpty());
    EXPECT_TRUE(s.GetSettingAll("missing").isEmpty());
    EXPECT_EQ(s.GetSectionNames(), QStringList({"General", "E", "X"}));
}

TEST_F(CSettingTest, WritesAndDeletes)
{
    CSetting s;
    InitProject(s);
    s.SaveSettingStr("General", "SiteName", "site.HV6", "ignored");
    s.SaveSettingInt("Hardware", "MaxNumOfDevices", 126);
    s.SaveSettingInt("Hardware", "Neg", -5);
    s.DeleteKey("Hardware", "Neg");
    s.DeleteKey("Hardware", "never there");
    EXPECT_EQ(Bytes(folder + "site.HV6"), "[General]\r\nSiteName=site.HV6\r\n[Hardware]\r\nMaxNumOfDevices=126\r\n");
}

TEST_F(CSettingTest, EveryFailureRaisesItsNumberSourceAndDescription)
{
    Put(folder + "site.HV6", "[S]\r\nk=1\r\n");
    CSetting ok;
    InitProject(ok);
    CSetting noFolder;
    noFolder.Init("site", ".HV6", folder + "gone/", 1);
    CSetting isFolder;
    QDir(dir.path()).mkdir("dir.HV6");
    isFolder.Init("dir", ".HV6", folder, 1);

    const struct {
        const char* what;
        std::function<void()> call;
        int32_t number;
        const char* source;
        const char* description;
    } cases[] = {
        {"save to a missing folder", [&] { noFolder.SaveSettingStr("S", "k", "v"); }, CSetting::ErrWriting,
         "CSetting.SaveSettingStr", "Error writing Setting (76, Path not found)"},
        {"save int to a missing folder", [&] { noFolder.SaveSettingInt("S", "k", 1); }, CSetting::ErrWriting,
         "CSetting.SaveSettingInt", "Error writing Setting (76, Path not found)"},
        {"disk full", [&] { Profile::FailNextWrite(); ok.SaveSettingStr("S", "k", "v"); }, CSetting::ErrWriting,
         "CSetting.SaveSettingStr", "Error writing Setting (61, Disk full)"},
        {"delete on a protected file", [&] { Profile::FailNextWrite(); ok.DeleteKey("S", "k"); },
         CSetting::ErrDeletingKey, "CSetting.DeleteKey",
         "Error Deleting Key (-2147220987, Error Deleting Key (check if file is protected))"},
        {"read a folder", [&] { isFolder.GetSettingStr("S", "k", ""); }, CSetting::ErrReadingSetting,
         "CSetting.GetSettingStr", "Error reading Setting (75, Path/File access error)"},
        {"read int of a folder", [&] { isFolder.GetSettingInt("S", "k", 0); }, CSetting::ErrReadingSetting,
         "CSetting.GetSettingInt", "Error reading Setting (75, Path/File access error)"},
        {"keys of a folder", [&] { isFolder.GetSettingAll("S"); }, CSetting::ErrReadingSection,
         "CSetting.GetSettingAll", "Error reading Section (75, Path/File access error)"},
        {"sections of a folder", [&] { isFolder.GetSectionNames(); }, CSetting::ErrReadingSection,
         "CSetting.GetSectionNames", "Error reading Section (75, Path/File access error)"},
    };
    for (const auto& c : cases) {
        const auto e = ErrorOf(c.call);
        ASSERT_TRUE(e) << c.what;
        EXPECT_EQ(e->number, c.number) << c.what;
        EXPECT_EQ(e->source, c.source) << c.what;
        EXPECT_EQ(e->description, c.description) << c.what;
    }
    EXPECT_EQ(Bytes(folder + "site.HV6"), "[S]\r\nk=1\r\n");
    EXPECT_FALSE(QDir(folder + "gone").exists());
}

TEST_F(CSettingTest, ABatchWritesOnceAndAFreshOneReplacesTheFile)
{
    Put(folder + "site.HV6", "[Old]\r\nk=1\r\n");
    CSetting s;
    InitProject(s);
    s.BeginBatch(true);
    s.SaveSettingStr("General", "SiteName", "site.HV6");
    s.SaveSettingStr("01-001", "NAME", "a");
    s.SaveSettingStr("01-001", "NAME", "b");
    EXPECT_EQ(s.GetSettingStr("01-001", "NAME", ""), "b");
    EXPECT_EQ(s.GetSectionNames(), QStringList({"General", "01-001"}));
    EXPECT_EQ(Bytes(folder + "site.HV6"), "[Old]\r\nk=1\r\n");
    s.CommitBatch();
    EXPECT_FALSE(s.InBatch());
    EXPECT_EQ(Bytes(folder + "site.HV6"), "[General]\r\nSiteName=site.HV6\r\n[01-001]\r\nNAME=b\r\n");

    s.BeginBatch();
    s.DeleteKey("General", "SiteName");
    Profile::FailNextWrite();
    const auto e = ErrorOf([&] { s.CommitBatch(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number, CSetting::ErrWriting);
    EXPECT_EQ(e->description, "Error writing Setting (61, Disk full)");
    EXPECT_EQ(Bytes(folder + "site.HV6"), "[General]\r\nSiteName=site.HV6\r\n[01-001]\r\nNAME=b\r\n");
}

TEST_F(CSettingTest, TheSettingsStoreModeKeepsValuesPerApplication)
{
    CSetting s;
    s.Init("Verdal", std::nullopt, std::nullopt, 0);
    EXPECT_EQ(s.GetSettingStr("Main", "k", "def"), "def");
    s.SaveSettingStr("Main", "k", "v");
    s.SaveSettingInt("Main", "n", 42);
    s.SaveSettingStr("Main", "t", "text");
    EXPECT_EQ(s.GetSettingStr("Main", "k", ""), "v");
    EXPECT_EQ(s.GetSettingInt("Main", "n", 0), 42);
    EXPECT_EQ(s.GetSettingInt("Main", "missing", 7), 7);
    s.DeleteKey("Main", "k");
    EXPECT_EQ(s.GetSettingStr("Main", "k", ""), "v") << "the store keeps its keys";
    EXPECT_EQ(s.GetSettingAll("Main").size(), 3);

    const auto e = ErrorOf([&] { s.GetSettingInt("Main", "t", 0); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number, CSetting::ErrNotNumeric);
    EXPECT_EQ(e->source, "CSetting.GetSettingInt");
    EXPECT_EQ(e->description, "The setting value returned was not numeric");

    CSetting other;
    other.Init("Other", std::nullopt, std::nullopt, 0);
    EXPECT_EQ(other.GetSettingStr("Main", "k", "none"), "none");
    EXPECT_FALSE(QFile::exists(Environment::ProgramFolder() + "Verdal.Pzw"));
}
