// The start dialog: folders, the default project name, the name rules, replacing a file, the
// reset of the project, the clock and the exit, driven through its buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/common/ScriptedPrompter.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/SettingsFile.h"
#include "projectfile/ProjectFileName.h"
#include "startup/StartDialogLogic.h"
#include "startup/frm3Dialog.h"
#include "platform/ClickLabel.h"
#include "platform/Environment.h"
#include "platform/Program.h"
#include "platform/TextCodec.h"

using namespace StartDialogLogic;

namespace {

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("x");
}

// A home, a program folder and a settings file of the test's own; the program's end recorded.
class StartDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCwd = QDir::currentPath();
        ASSERT_TRUE(tmp.isValid());
        home = tmp.path() + "/home";
        program = tmp.path() + "/prog/";
        QDir().mkpath(home);
        QDir().mkpath(program);
        Environment::SetHome(home);
        Environment::SetDocuments(QString());
        Environment::SetProgramFolder(program);
        Environment::SetConfigFolder(tmp.path() + "/config");
        Environment::SetExecutableName("Verdal5000");
        defaultFolder = home + "/Documents/Verdal5000 SiteData/";
        UILanguage = 2;
        MaxNumOfDevices = 126;
        ProjectFileName.clear();
        ProjectName.clear();
        ProjectFileOK = false;
        usrDataPath.clear();
        DefaultDataPath.clear();
        Program::SetEndHook([this] { ++ends; });
    }
    void TearDown() override
    {
        Program::SetEndHook(nullptr);
        Environment::SetHome(QString());
        Environment::SetProgramFolder(QString());
        Environment::SetConfigFolder(QString());
        Environment::SetExecutableName(QString());
        QDir::setCurrent(savedCwd);
    }

    void WriteSettings(const QString& folderValue)
    {
        QFile f(SettingsFile::Folder() + "Verdal5000.Pzw");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(TextCodec::ToCp1255("[General]\r\nusrDataPath=" + folderValue + "\r\n"));
    }
    QString Folder(const QString& name)
    {
        const QString f = tmp.path() + "/" + name + "/";
        QDir().mkpath(f);
        return f;
    }
    static QString Cwd() { return QDir::currentPath() + "/"; }

    QTemporaryDir tmp;
    QString savedCwd, home, program, defaultFolder;
    int ends = 0;
    ScriptedPrompter prompter;
    ModalDriver modal;
    ScriptedFileDialog files;
};

// --- folders ---------------------------------------------------------------------------------

TEST_F(StartDialogTest, WithoutSettingsFileTheDefaultFolderIsMadeAndEntered)
{
    frm3Dialog dlg;
    EXPECT_EQ(DefaultDataPath, defaultFolder);
    EXPECT_EQ(usrDataPath, defaultFolder);
    EXPECT_TRUE(QFileInfo(defaultFolder).isDir());  // Documents did not exist either
    EXPECT_EQ(Cwd(), defaultFolder);
}

TEST_F(StartDialogTest, ProjectFolderComesFromTheSettingsFile)
{
    const QString site = Folder("sites/north");
    WriteSettings(site);
    frm3Dialog dlg;
    EXPECT_EQ(usrDataPath, site);
    EXPECT_EQ(Cwd(), site);
    EXPECT_EQ(DefaultDataPath, defaultFolder);
}

TEST_F(StartDialogTest, SettingsFolderWithoutFinalSlashGetsOne)
{
    const QString site = Folder("south");
    WriteSettings(site.chopped(1));
    frm3Dialog dlg;
    EXPECT_EQ(usrDataPath, site);
}

TEST_F(StartDialogTest, VanishedOrEmptySettingsFolderGivesTheProgramFolder)
{
    for (const QString& value : {tmp.path() + "/gone/", QString()}) {
        WriteSettings(value);
        frm3Dialog dlg;
        EXPECT_EQ(usrDataPath, program) << value.toStdString();
        EXPECT_EQ(Cwd(), program);
    }
}

TEST_F(StartDialogTest, DefaultFolderThatCannotBeMadeFallsBackOnceAndGoesOn)
{
    Touch(home + "/Documents");  // a file where the documents folder should be
    frm3Dialog dlg;
    EXPECT_EQ(usrDataPath, program);
    EXPECT_EQ(Cwd(), program);
    EXPECT_TRUE(prompter.Calls().empty());
    // A settings folder that exists still wins.
    const QString site = Folder("site");
    WriteSettings(site);
    dlg.Form_Activate();
    EXPECT_EQ(usrDataPath, site);
}

TEST_F(StartDialogTest, ActivationAloneDoesNotRedoTheFolders)
{
    frm3Dialog dlg;
    dlg.show();
    QDialog other;
    other.show();
    usrDataPath = "/elsewhere/";
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&dlg);
    QApplication::processEvents();
    EXPECT_EQ(usrDataPath, "/elsewhere/");
}

// --- default name and name rules -----------------------------------------------------------

TEST_F(StartDialogTest, FirstFreeDefaultName)
{
    const QString f = Folder("names");
    EXPECT_EQ(FirstFreeDefaultName(f), "Verdal126_1.HV6");
    Touch(f + "Verdal126_1.HV6");
    Touch(f + "Verdal126_2.HV6");
    Touch(f + "Verdal126_4.HV6");
    EXPECT_EQ(FirstFreeDefaultName(f), "Verdal126_3.HV6");
    for (int n = 3; n <= 98; ++n) Touch(f + DefaultProjectName(n));
    EXPECT_EQ(FirstFreeDefaultName(f), std::nullopt);
}

TEST_F(StartDialogTest, NewProposesTheFirstFreeNameInTheProjectFolder)
{
    frm3Dialog dlg;
    Touch(usrDataPath + "Verdal126_1.HV6");
    Touch(usrDataPath + "Verdal126_2.HV6");
    files.ExpectCancel();
    dlg.newCmd->click();
    const FileDialog::Options o = files.Last();
    EXPECT_TRUE(o.save);
    EXPECT_EQ(o.proposedName, "Verdal126_3.HV6");
    EXPECT_EQ(o.initialFolder, defaultFolder);
    EXPECT_EQ(o.title, "Verdal - New Projects File");
    EXPECT_EQ(o.filter, "Verdal File (*.HV6)");
}

TEST_F(StartDialogTest, AllDefaultNamesTakenKeepsTheLastName)
{
    frm3Dialog dlg;
    for (int n = 1; n <= 98; ++n) Touch(usrDataPath + DefaultProjectName(n));
    ProjectFileName = "Earlier.HV6";
    files.ExpectCancel();
    dlg.newCmd->click();
    EXPECT_EQ(files.Last().proposedName, "Earlier.HV6");
}

struct NameCase {
    const char* name;
    bool validNew;
    bool validOpen;
};

TEST(StartDialogNames, ValidityForNewAndOpen)
{
    const NameCase cases[] = {
        {"Abcd.HV6", true, true},  {"Abc.HV6", false, true}, {"A.HV6", false, true},
        {".HV6", false, false},    {"Abcd.hv6", false, false}, {"Abcd.Hv6", false, false},
        {"Abcd.HV6 ", false, false}, {"AbcdHV6", false, false}, {"", false, false},
        {"אתר צפון.HV6", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidNewName(QString::fromUtf8(c.name)), c.validNew) << c.name;
        EXPECT_EQ(ProjectFile::IsProjectFileName(QString::fromUtf8(c.name)), c.validOpen) << c.name;
    }
    EXPECT_EQ(ProjectFile::NameWithoutExtension("Site.HV6"), "Site");
    const ChosenFile f = SplitChosenPath("/a/b c/Site.HV6");
    EXPECT_EQ(f.folder, "/a/b c/");
    EXPECT_EQ(f.name, "Site.HV6");
}

TEST_F(StartDialogTest, NewWithAShortNameSaysSoAndOffersAFreshDefault)
{
    frm3Dialog dlg;
    const QString f = Folder("proj");
    files.ExpectChoice(f + "Abc.HV6");
    files.ExpectCancel();
    prompter.Expect("Invalid file name", Ui::vbOK);
    dlg.newCmd->click();
    EXPECT_EQ(prompter.Calls().at(0).title, "File name error");
    EXPECT_EQ(files.Last().proposedName, "Verdal126_1.HV6");
    EXPECT_EQ(files.Last().initialFolder, f);  // the chosen folder stays
    EXPECT_FALSE(ProjectFileOK);
}

TEST_F(StartDialogTest, AnExistingFileWithARefusedNameIsNeitherOfferedNorDeleted)
{
    frm3Dialog dlg;
    const QString f = Folder("proj");
    for (const char* name : {"Abc.HV6", "Site.hv6"}) {
        Touch(f + name);
        files.ExpectChoice(f + name);
        prompter.Expect("Invalid file name", Ui::vbOK);
    }
    files.ExpectCancel();
    dlg.newCmd->click();
    EXPECT_EQ(prompter.Calls().size(), 2u);  // no replace question
    EXPECT_TRUE(QFile::exists(f + "Abc.HV6"));
    EXPECT_TRUE(QFile::exists(f + "Site.hv6"));
}

TEST_F(StartDialogTest, NewWithAValidNameRunsTheMainWindowAndComesBack)
{
    frm3Dialog dlg;
    dlg.show();
    const QString f = Folder("proj");
    const QString site = Folder("saved");
    files.ExpectChoice(f + "North.HV6");
    modal.Expect("frm4Main", [&](QWidget&) {
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_TRUE(ProjectFileOK);
        EXPECT_EQ(ProjectFileName, "North.HV6");
        EXPECT_EQ(ProjectName, "North");
        EXPECT_EQ(usrDataPath, f);
        EXPECT_EQ(Cwd(), f);
        EXPECT_FALSE(ProjectLoaded);
        WriteSettings(site);  // as the main window's Update does
    });
    dlg.newCmd->click();
    // Back at the start dialog: shown again, its folders set up afresh.
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.Timer1->isActive());
    EXPECT_EQ(usrDataPath, site);
}

TEST_F(StartDialogTest, OpenAcceptsShortNamesAndRefusesLowerCase)
{
    frm3Dialog dlg;
    const QString f = Folder("proj");
    files.ExpectChoice(f + "A.HV6");
    modal.Expect("frm4Main", [&](QWidget&) {
        EXPECT_TRUE(ProjectFileOK);
        EXPECT_EQ(ProjectName, "A");
        EXPECT_TRUE(ProjectLoaded);
    });
    dlg.openCmd->click();

    files.ExpectChoice(f + "Site.hv6");
    prompter.Expect("Invalid file name", Ui::vbOK);
    dlg.openCmd->click();  // one dialog only: a refused name is not asked again
    EXPECT_FALSE(ProjectFileOK);
    EXPECT_EQ(ProjectFileName, "");
    const FileDialog::Options o = files.Last();
    EXPECT_FALSE(o.save);
    EXPECT_EQ(o.title, "Verdal - Open Projects File");
    EXPECT_EQ(o.proposedName, "");
    EXPECT_EQ(o.initialFolder, defaultFolder);  // the return from the main window set the folders up
}

// --- replacing an existing file ----------------------------------------------------------

class ReplaceTest : public StartDialogTest {
protected:
    void SetUp() override
    {
        StartDialogTest::SetUp();
        folder = Folder("proj");
        Touch(folder + "Site.HV6");
        Touch(folder + "Other.HV6");
        files.ExpectChoice(folder + "Site.HV6");
    }
    QString folder;
};

TEST_F(ReplaceTest, YesDeletesThatFileOnlyAndGoesOn)
{
    frm3Dialog dlg;
    prompter.Expect("File name Site.HV6 exist\rDo you want to delete ?", Ui::vbYes);
    modal.Expect("frm4Main", [&](QWidget&) { EXPECT_TRUE(ProjectFileOK); });
    dlg.newCmd->click();
    EXPECT_EQ(prompter.Calls().at(0).title, "Exis file name");
    EXPECT_EQ(prompter.Calls().at(0).buttons(), Ui::vbYesNoCancel);
    EXPECT_FALSE(QFile::exists(folder + "Site.HV6"));
    EXPECT_TRUE(QFile::exists(folder + "Other.HV6"));
}

TEST_F(ReplaceTest, NoKeepsTheFileAndAsksAgain)
{
    frm3Dialog dlg;
    prompter.Expect("Site.HV6", Ui::vbNo);
    files.ExpectCancel();
    dlg.newCmd->click();
    EXPECT_FALSE(ProjectFileOK);
    EXPECT_TRUE(QFile::exists(folder + "Site.HV6"));
    EXPECT_EQ(files.Last().proposedName, "Verdal126_1.HV6");
}

TEST_F(ReplaceTest, CancelKeepsTheFileAndReturns)
{
    frm3Dialog dlg;
    prompter.Expect("Site.HV6", Ui::vbCancel);
    dlg.newCmd->click();
    EXPECT_FALSE(ProjectFileOK);
    EXPECT_TRUE(QFile::exists(folder + "Site.HV6"));
}

TEST_F(ReplaceTest, HebrewQuestion)
{
    UILanguage = 1;
    frm3Dialog dlg;
    prompter.Expect(QStringLiteral("שם הקובץ Site.HV6 קיים\rהאם ברצונך למחוק את הקובץ הקיים ?"), Ui::vbCancel);
    dlg.newCmd->click();
    EXPECT_EQ(prompter.Calls().at(0).title, QStringLiteral("שם קובץ כפול"));
    EXPECT_TRUE(prompter.Calls().at(0).rightToLeft());
}

TEST_F(ReplaceTest, AFailedDeleteIsReportedAndTheDialogOfferedAgain)
{
    frm3Dialog dlg;
    std::vector<Ui::MsgBoxCall> calls;
    // Between the question and the delete, the file turns into a folder it cannot remove.
    Ui::SetPrompter([&](const Ui::MsgBoxCall& c) {
        calls.push_back(c);
        if (calls.size() > 1) return int(Ui::vbOK);
        QFile::remove(folder + "Site.HV6");
        QDir().mkdir(folder + "Site.HV6");
        return int(Ui::vbYes);
    });
    files.ExpectCancel();
    dlg.newCmd->click();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[1].prompt.startsWith("The file Site.HV6 cannot be deleted"));
    EXPECT_FALSE(ProjectFileOK);
    EXPECT_TRUE(QFileInfo(folder + "Site.HV6").isDir());
    EXPECT_TRUE(QFile::exists(folder + "Other.HV6"));
}

// --- reset of the project ----------------------------------------------------------------

class ProjectResetTest : public StartDialogTest {
protected:
    void SetUp() override
    {
        StartDialogTest::SetUp();
        ResetModule::ResetProject(true);
        MaxNumOfDevices = 50;  // the earlier project was a 50-address panel
        for (int a : {1, 50, 51, 126}) {
            DeviceDataArray[a].Exist = "1";
            DeviceDataArray[a].DeviceName = "Kitchen";
            DeviceDataArrayEdit[a].Exist = "1";
        }
        SysFlags.Slave = "1";
        NightStart = "2200";
        ProjectDetails.Addr = "Main street";
        NumOfDevices = "4";
        OutGrpArray[3].OutCount = "2";
        OutGrpArray[3].OutAddr[1] = "201";
        RemoteUnits.Panel[1] = "1";
        NumOfActiveGroups = 5;
        ProjectLoaded = true;
        HistoryArray[3].DevNo = "007";
        HistoryLines[3] = "line three";
    }
    void ExpectEmptyProject()
    {
        for (int a = 1; a <= MaxAddress; ++a) {
            EXPECT_EQ(DeviceDataArray[a].Exist.str(), "0") << a;
            EXPECT_EQ(DeviceDataArray[a].DeviceName.str(), "0" + QString(15, ' ')) << a;
            EXPECT_EQ(DeviceDataArrayEdit[a].Exist.str(), "0") << a;
        }
        EXPECT_EQ(SysFlags.Slave.str(), "0");
        EXPECT_EQ(NightStart.str(), "0000");
        EXPECT_EQ(ProjectDetails.Addr, "");
        EXPECT_EQ(NumOfDevices.str().trimmed(), "0");
        EXPECT_EQ(OutGrpArray[3].OutCount.str(), "0");
        EXPECT_EQ(OutGrpArray[3].OutAddr[1].str(), "000");
        EXPECT_EQ(OutGrpArray[7].GrpName.str().trimmed(), "Group No.   7");
        EXPECT_EQ(RemoteUnits.Panel[1], "0");
        // The history is not part of the project.
        EXPECT_EQ(HistoryArray[3].DevNo.str(), "007");
        EXPECT_EQ(HistoryLines[3], "line three");
    }
};

TEST_F(ProjectResetTest, NewResetsEveryAddressOfBothTablesAndKeepsTheHistory)
{
    frm3Dialog dlg;
    files.ExpectCancel();
    dlg.newCmd->click();
    ExpectEmptyProject();
    EXPECT_EQ(NumOfActiveGroups, 0);
    EXPECT_FALSE(ProjectLoaded);
}

TEST_F(ProjectResetTest, OpenResetsTooButLeavesTheGroupCountToTheFile)
{
    frm3Dialog dlg;
    files.ExpectCancel();
    dlg.openCmd->click();
    ExpectEmptyProject();
    EXPECT_EQ(NumOfActiveGroups, 5);
    EXPECT_TRUE(ProjectLoaded);
}

// --- language, clock, exit -----------------------------------------------------------------

TEST_F(StartDialogTest, LanguageLabelsChangeTheButtonsOnly)
{
    frm3Dialog dlg;
    EXPECT_EQ(dlg.newCmd->text(), "New project");
    EXPECT_EQ(dlg.openCmd->text(), "Open project");
    EXPECT_EQ(dlg.ExitCmd->text(), "Exit");
    dlg.LnguageLbl[1]->click();
    EXPECT_EQ(dlg.newCmd->text(), QStringLiteral("פרוייקט חדש"));
    EXPECT_EQ(dlg.openCmd->text(), QStringLiteral("פרוייקט קיים"));
    EXPECT_EQ(dlg.ExitCmd->text(), QStringLiteral("יציאה"));
    EXPECT_EQ(UILanguage, 2);
    prompter.Expect("Are you sure ?", Ui::vbNo);  // messages stay English
    dlg.ExitCmd->click();
    dlg.LnguageLbl[2]->click();
    EXPECT_EQ(dlg.newCmd->text(), "New project");
}

TEST_F(StartDialogTest, ExitAsksAndYesEndsTheProgram)
{
    frm3Dialog dlg;
    dlg.show();
    prompter.Expect("Are you sure ?", Ui::vbNo);
    dlg.ExitCmd->click();
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(prompter.Calls().at(0).title, "Exit");

    UILanguage = 1;
    prompter.Expect(QStringLiteral("האם אתה בטוח ?"), Ui::vbYes);
    dlg.close();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(prompter.Calls().at(1).title, QStringLiteral("יציאה מהתוכנה"));
    EXPECT_TRUE(prompter.Calls().at(1).rightToLeft());
}

TEST_F(StartDialogTest, ClockAndBlinkingIndicator)
{
    EXPECT_EQ(ClockCaption(QDateTime(QDate(2024, 3, 5), QTime(17, 9, 42))), "05/03/24  17:09 ");
    frm3Dialog dlg;
    EXPECT_EQ(dlg.Timer1->interval(), 500);
    EXPECT_TRUE(dlg.Timer1->isActive());
    EXPECT_TRUE(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d  \\d\\d:\\d\\d $").match(dlg.Label1->text()).hasMatch());
    EXPECT_EQ(dlg.height(), 323);
    const QColor first = dlg.Shape1Color();
    dlg.Timer1_Timer();
    const QColor second = dlg.Shape1Color();
    dlg.Timer1_Timer();
    EXPECT_EQ(QSet<QRgb>({first.rgb(), second.rgb()}), QSet<QRgb>({qRgb(0, 255, 0), qRgb(0x40, 0x40, 0x40)}));
    EXPECT_EQ(dlg.Shape1Color(), first);
}

TEST(StartDialogScreen, SmallLayoutBelow768Pixels)
{
    EXPECT_TRUE(IsSmallScreen(600));
    EXPECT_TRUE(IsSmallScreen(767));
    EXPECT_FALSE(IsSmallScreen(768));
}

}  // namespace
