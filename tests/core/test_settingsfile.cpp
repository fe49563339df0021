#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/ScriptedPrompter.h"
#include "core/CSetting.h"
#include "core/DataModel.h"
#include "core/SettingsFile.h"
#include "platform/Environment.h"
#include "platform/Profile.h"
#include "platform/TextCodec.h"

namespace {

QString He(const char* utf8) { return QString::fromUtf8(utf8); }

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Profile::ClearTestHooks();
        QDir(dir.path()).mkdir("program");
        program = dir.filePath("program") + "/";
        config = dir.filePath("config") + "/";
        Environment::SetProgramFolder(program);
        Environment::SetConfigFolder(config);
        saved = {usrDataPath, ProjectFileName, DefaultDataPath, IniFileName, UILanguage};
        usrDataPath = dir.filePath(He("פרויקטים")) + "/";
        ProjectFileName = He("אתר.HV6");
        DefaultDataPath = dir.filePath("Documents/Verdal5000 SiteData") + "/";
        IniFileName.clear();
        UILanguage = 2;
    }
    void TearDown() override
    {
        Profile::ClearTestHooks();
        Environment::SetProgramFolder(QString());
        Environment::SetConfigFolder(QString());
        usrDataPath = saved.usrDataPath;
        ProjectFileName = saved.projectFileName;
        DefaultDataPath = saved.defaultDataPath;
        IniFileName = saved.iniFileName;
        UILanguage = saved.uiLanguage;
    }

    QString FileIn(const QString& folder) const { return folder + Environment::ExecutableName() + ".Pzw"; }
    QByteArray Bytes(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Put(const QString& path, const QByteArray& bytes) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Golden() const
    {
        return "[General]\r\n"
               "Updated=05/03/2024 14:07:09\r\n"
               "SoftwareVersion     =1.32\r\n"
               "Language=0\r\n"
               "Admin =19\r\n"
               "usrDataPath=" + TextCodec::ToCp1255(usrDataPath) + "\r\n"
               "LastFile=" + TextCodec::ToCp1255(ProjectFileName) + "\r\n"
               "[Communication]\r\n"
               "SetOfComData=9600,N,8,1\r\n";
    }

    const QDateTime when{QDate(2024, 3, 5), QTime(14, 7, 9)};
    QTemporaryDir dir;
    QString program, config;
    struct {
        QString usrDataPath, projectFileName, defaultDataPath, iniFileName;
        int16_t uiLanguage;
    } saved;
};

}  // namespace

TEST_F(SettingsFileTest, SaveWritesExactlyTheSevenKeys)
{
    Put(FileIn(program), "[General]\r\nusrDataPath=/old/\r\nExtra=1\r\n[Other]\r\nk=v\r\n");
    ASSERT_TRUE(Usefull::SaveIniFile(when));
    EXPECT_EQ(Bytes(FileIn(program)), Golden());
    EXPECT_FALSE(QDir(config).exists()) << "a writable program folder keeps the file";
}

TEST_F(SettingsFileTest, ReadGivesTheDefaultFolderWithoutAFile)
{
    usrDataPath = "/somewhere/";
    ReadIniSettings();
    EXPECT_EQ(usrDataPath, DefaultDataPath);
    EXPECT_EQ(IniFileName, Environment::ExecutableName() + ".Pzw");
}

TEST_F(SettingsFileTest, ReadBringsBackTheSavedFolderWhole)
{
    usrDataPath = dir.filePath(QString(150, QChar(0x05E9)) + " folder") + "/";
    const QString saved = usrDataPath;
    ASSERT_TRUE(Usefull::SaveIniFile(when));
    usrDataPath.clear();
    ReadIniSettings();
    EXPECT_EQ(usrDataPath, saved) << "a long folder is not cut";
}

TEST_F(SettingsFileTest, OnlyTheFolderIsReadBack)
{
    Put(FileIn(program), "[General]\r\nLanguage=2\r\n[Communication]\r\nSetOfComData=57600,N,8,1\r\n");
    ReadIniSettings();
    EXPECT_EQ(usrDataPath, DefaultDataPath);
    EXPECT_EQ(UILanguage, 2);
}

TEST_F(SettingsFileTest, AnUnwritableProgramFolderUsesTheConfigFolder)
{
    program = dir.filePath("not installed here") + "/";
    Environment::SetProgramFolder(program);
    const QString saved = usrDataPath;
    ASSERT_TRUE(Usefull::SaveIniFile(when));
    EXPECT_EQ(Bytes(FileIn(config)), Golden());
    EXPECT_FALSE(QDir(program).exists());
    usrDataPath.clear();
    ReadIniSettings();
    EXPECT_EQ(usrDataPath, saved);
}

TEST_F(SettingsFileTest, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    const QByteArray old = "[General]\r\nusrDataPath=/old/\r\n";
    Put(FileIn(program), old);
    {
        ScriptedPrompter prompter;
        prompter.Expect("The settings file could not be saved", Ui::vbOK);
        Profile::FailNextWrite();
        EXPECT_FALSE(Usefull::SaveIniFile(when));
        ASSERT_EQ(prompter.Calls().size(), 1u);
        EXPECT_TRUE(prompter.Calls()[0].prompt.contains("Disk full"));
        EXPECT_FALSE(prompter.Calls()[0].rightToLeft());
    }
    EXPECT_EQ(Bytes(FileIn(program)), old);

    UILanguage = 1;
    QFile::remove(FileIn(program));
    QDir(program).mkdir(Environment::ExecutableName() + ".Pzw");  // a folder where the file belongs
    ScriptedPrompter prompter;
    prompter.Expect(He("לא ניתן לשמור את קובץ ההגדרות"), Ui::vbOK);
    EXPECT_FALSE(Usefull::SaveIniFile(when));
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_TRUE(prompter.Calls()[0].rightToLeft());
}

TEST_F(SettingsFileTest, AnUnreadableFileIsRaisedToTheStartDialog)
{
    QDir(program).mkdir(Environment::ExecutableName() + ".Pzw");
    try {
        ReadIniSettings();
        ADD_FAILURE() << "no error raised";
    } catch (const CSettingError& e) {
        EXPECT_EQ(e.number, CSetting::ErrReadingSetting);
        EXPECT_EQ(e.source, "CSetting.GetSettingStr");
    }
}
