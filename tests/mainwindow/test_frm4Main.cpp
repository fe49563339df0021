// The main window driven through its controls: load after New and Open, captions in both
// languages, both layouts, the editor and report buttons, Update, save-as, folders and closing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ProjectFixture.h"
#include "core/CSetting.h"
#include "core/DataModel.h"
#include "projectfile/ProjectFile.h"
#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "panellink/LinkState.h"
#include "platform/ClickLabel.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

class MainWindowTest : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        Environment::SetExecutableName("Verdal5000");
        Shell::SetTestMode(true);
        Shell::ClearRecordedCalls();
        TransferError = false;
        // The port search's pause passes at once; the events it lets run still run.
        clock.onAdvance = [](double) { QCoreApplication::processEvents(); };
        Clock::SetCurrent(&clock);
    }
    void TearDown() override
    {
        Clock::SetCurrent(nullptr);
        Shell::SetTestMode(false);
        Environment::SetExecutableName(QString());
        ProjectFixture::TearDown();
    }

    // A project file on disk, written by the program's own writer from a prepared project.
    void SaveProjectOnDisk(int model, const QString& address)
    {
        MaxNumOfDevices = int16_t(model);
        ProjectDetails.Addr = address;
        NumOfDevices = "001";
        DeviceDataArray[4].Exist = "1";
        DeviceDataArray[4].BaseType = "5";  // a smoke detector
        NumOfActiveGroups = 0;
        CSetting s;
        ASSERT_TRUE(ProjectFile::Write(s, ProjectFile::CurrentHeader(), nullptr));
        ResetModule::ResetProject(false);
        MaxNumOfDevices = 126;
    }

    const Ui::MsgBoxCall& LastBox() const { return prompter.LastCall(); }

    ScriptedPrompter prompter;
    ModalDriver modal;
    ScriptedFileDialog files;
    VirtualClock clock;
};

QString SettingsFileText(const QString& programFolder)
{
    QFile f(programFolder + "Verdal5000.Pzw");
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

}  // namespace

TEST_F(MainWindowTest, LoadAfterNewShowsAnEmptyProject)
{
    NumOfActiveGroups = 0;
    frm4Main w;
    EXPECT_EQ(w.Label4->text(), "0");
    EXPECT_EQ(w.Label16->text(), "0");
    EXPECT_EQ(w.siteNameTxt->text(), "Site");
    for (QLineEdit* box : {w.ProjectAddr, w.ProjectContact, w.ProjectContactTel, w.ProjectInstallDate,
                           w.ProjectMiscellaneousness})
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(w.windowTitle(), "Tessel126");
    EXPECT_EQ(w.Label6->text(), "1.32 -=(QX-2o25-16)=-");
    EXPECT_EQ(w.Label13->text(), "(COM1)");  // the tests' own adapter
    EXPECT_EQ(ComPortNum, "1");
    EXPECT_EQ(w.size(), QSize(906, 628));
    EXPECT_FALSE(w.MaxMinAdminWindow->isVisibleTo(&w));
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(VerComNum, "0000");
    EXPECT_EQ(HighSens, 50);
    EXPECT_EQ(Medium2Low, 75);
    EXPECT_EQ(InputPREAlarmVal, 64);
    EXPECT_EQ(VbColor::BackColor(w.Command6), 0x0080FFu);
    EXPECT_EQ(NumOfDevices.str(), "0  ");
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(MainWindowTest, LoadAfterOpenReadsTheFileAndCaptionsTheModel)
{
    SaveProjectOnDisk(50, "Main St. 5");
    ProjectLoaded = true;
    frm4Main w;
    EXPECT_EQ(MaxNumOfDevices, 50);
    EXPECT_EQ(w.windowTitle(), "Tessel50");
    EXPECT_EQ(w.Command13->text(), "50");
    EXPECT_EQ(w.Label2->text(), "Enter number 1-50") << "captions are set after the file is read";
    EXPECT_EQ(w.ProjectAddr->text(), "Main St. 5");
    EXPECT_EQ(ProjectDetails.Addr, "") << "only Update copies the boxes";
    EXPECT_EQ(w.Label4->text(), "1");
    EXPECT_EQ(DeviceDataArray[4].Exist.str(), "1");
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(MainWindowTest, AnUnreadableFileGivesOneMessageAndAWorkingWindow)
{
    ASSERT_TRUE(QDir().mkpath(ProjectPath()));  // a folder in place of the file
    ProjectLoaded = true;
    prompter.Expect("Error reading", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(w.UpDateCmd->text(), "Update");
    EXPECT_EQ(w.siteNameTxt->text(), "Site");
}

TEST_F(MainWindowTest, AMissingProjectFolderFallsBackToTheProgramFolder)
{
    usrDataPath = tmp.path() + "/gone/";
    prompter.Expect("Path not found", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(usrDataPath, Environment::ProgramFolder());
    EXPECT_EQ(QDir::currentPath() + "/", Environment::ProgramFolder());
}

TEST_F(MainWindowTest, LanguageLabelsRecaptionAtOnceAndLaterMessagesFollow)
{
    frm4Main w;
    EXPECT_EQ(w.UpDateCmd->text(), "Update");
    EXPECT_EQ(w.ComSettings->text(), "Com port settings");
    EXPECT_EQ(w.Label2->text(), "Enter number 1-126");
    EXPECT_EQ(w.DefaultFolderLocation->text(), "Default Folder location");

    w.LnguageLbl[1]->click();
    EXPECT_EQ(UILanguage, 1);
    EXPECT_EQ(w.UpDateCmd->text(), QStringLiteral("עדכון שינויים"));
    EXPECT_EQ(w.Label2->text(), QStringLiteral("הזן מספר בין 1 ל- 126"));
    EXPECT_EQ(w.DefaultFolderLocation->text(), QStringLiteral("מיקום ב''מ תיקיית פרוייקטים"));
    EXPECT_EQ(w.Label12->text(), QStringLiteral("לעדכון קובץ לחץ על [עדכן שינויים] לפני יציאה מהתוכנה"));
    EXPECT_EQ(w.layoutDirection(), Qt::RightToLeft);

    prompter.Expect(QStringLiteral("נתוני המערכת נשמרו בהצלחה בקובץ"), Ui::vbOK);
    w.UpDateCmd->click();
    EXPECT_TRUE(LastBox().rightToLeft());

    w.LnguageLbl[2]->click();
    EXPECT_EQ(w.ExitBttn->text(), "EXIT");
    EXPECT_EQ(w.layoutDirection(), Qt::LeftToRight);
    prompter.Expect("The system data was successfully saved in the file", Ui::vbOK);
    w.UpDateCmd->click();
    EXPECT_FALSE(LastBox().rightToLeft());
}

TEST_F(MainWindowTest, DisplaySwitchMovesTheBottomBand)
{
    frm4Main w;
    w.BigOrSmallDisplay[1]->click();
    EXPECT_TRUE(SmallDisplay);
    EXPECT_EQ(w.HeightTwips(), 8400);
    EXPECT_EQ(w.height(), 560);
    EXPECT_EQ(w.width(), 906) << "the width belongs to the administrator switch";
    EXPECT_EQ(w.UpDateCmd->geometry(), QRect(554, 495, 160, 30));
    EXPECT_EQ(w.ExitBttn->geometry(), QRect(724, 495, 160, 30));
    EXPECT_EQ(w.ActivMsgLbl->geometry(), QRect(10, 495, 251, 15));
    EXPECT_EQ(w.StatBar->geometry(), QRect(10, 510, 251, 20));
    EXPECT_EQ(w.ActivMsgLbl->font().pointSize(), 8);
    EXPECT_EQ(VbColor::ForeColor(w.BigOrSmallDisplay[1]), 0x000000u);
    EXPECT_EQ(VbColor::ForeColor(w.BigOrSmallDisplay[0]), 0x808080u);

    w.BigOrSmallDisplay[0]->click();
    EXPECT_FALSE(SmallDisplay);
    EXPECT_EQ(w.height(), 628);
    EXPECT_EQ(w.UpDateCmd->geometry(), QRect(284, 560, 151, 30));
    EXPECT_EQ(w.ExitBttn->geometry(), QRect(473, 560, 151, 30));
    EXPECT_EQ(w.ActivMsgLbl->font().pointSize(), 12);
    EXPECT_EQ(VbColor::ForeColor(w.BigOrSmallDisplay[0]), 0x000000u);
}

TEST_F(MainWindowTest, ASmallScreenStartsInTheSmallLayout)
{
    SmallDisplay = true;
    frm4Main w;
    EXPECT_EQ(w.height(), 560);
    EXPECT_EQ(w.UpDateCmd->geometry(), QRect(554, 495, 160, 30));
}

TEST_F(MainWindowTest, AdministratorWidthSwitch)
{
    AdminMode = true;
    frm4Main w;
    EXPECT_EQ(w.WidthTwips(), 16350);
    EXPECT_EQ(w.width(), 1090);
    EXPECT_TRUE(w.MaxMinAdminWindow->isVisibleTo(&w));
    w.MaxMinAdminWindow->click();
    EXPECT_EQ(w.WidthTwips(), 13590);
    w.MaxMinAdminWindow->click();
    EXPECT_EQ(w.WidthTwips(), 16350);
}

TEST_F(MainWindowTest, UpdateSavesDetailsProjectAndSettings)
{
    frm4Main w;
    w.ProjectAddr->setText(QStringLiteral("רחוב הגפן 3"));
    w.ProjectContactTel->setText("03-5555555");
    NumOfDevices = "012";
    prompter.Expect("The system data was successfully saved in the file\rSite.HV6", Ui::vbOK);
    w.UpDateCmd->click();
    EXPECT_EQ(ProjectDetails.Addr, QStringLiteral("רחוב הגפן 3"));
    EXPECT_EQ(ProjectDetails.Tel, "03-5555555");
    EXPECT_EQ(w.Label4->text(), "0") << "the count of what the file holds: no device";
    EXPECT_EQ(LastBox().title, "");
    const QByteArray file = Bytes(ProjectPath());
    EXPECT_TRUE(file.contains("Addr=\xF8\xE7\xE5\xE1 \xE4\xE2\xF4\xEF 3\r\n"));
    EXPECT_TRUE(file.contains("Tel:=03-5555555\r\n"));
    EXPECT_TRUE(SettingsFileText(Environment::ProgramFolder()).contains("usrDataPath=" + folder));

    // A quiet save shows nothing, once.
    w.QuietSave = true;
    w.UpDateCmd->click();
    EXPECT_FALSE(w.QuietSave);
    EXPECT_EQ(prompter.Calls().size(), 1u);
    prompter.Expect("successfully saved", Ui::vbOK);
    w.UpDateCmd->click();
}

// The last guard: a project whose records contradict each other is made whole before it is
// written, and the user is told where.
TEST_F(MainWindowTest, UpdateWritesOnlyAWholeProjectAndSaysWhatItMended)
{
    frm4Main w;
    DeviceRecord& half = DeviceDataArray[20];  // a relay's second half with no first half
    half.Exist = "1";
    half.ExtType = "16";
    half.BaseType = "3";
    half.DeviceIsIn = "0";
    half.CardAddr = "03";
    OutGrpArray[4].OutAddr[1] = "020";  // listed, but counted as none
    prompter.Expect("Addresses: 20\r\nGroups: 4", Ui::vbOK);
    prompter.Expect("successfully saved", Ui::vbOK);
    w.UpDateCmd->click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls()[0].title, "Warning");
    EXPECT_EQ(w.Label4->text(), "1");
    const QByteArray file = Bytes(ProjectPath());
    EXPECT_TRUE(file.contains("TYPE=020 0-16-003-0-1 00-00-00-0-0 01")) << "a single relay";
    EXPECT_TRUE(file.contains("GRPo=04-0-1[020/")) << file.toStdString();
}

// The save's warning says the project's own data were mended, never that the file was invalid.
TEST_F(MainWindowTest, TheSavesWarningIsHeadedAsMendedBeforeTheSaveInBothLanguages)
{
    struct Case {
        int lang;
        QString title, heading;
    };
    const Case cases[] = {
        {2, "Warning", "Some data of the project did not agree with each other, and were mended before the save:"},
        {1, QStringLiteral("אזהרה"), QStringLiteral("חלק מנתוני הפרויקט לא התאימו זה לזה, ותוקנו לפני השמירה:")},
    };
    frm4Main w;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        w.LnguageLbl[c.lang]->click();
        OutGrpArray[4].OutAddr[1] = "020";  // a free address listed as an output
        prompter.Expect(Ui::vbOK);
        prompter.Expect(Ui::vbOK);
        w.UpDateCmd->click();
        ASSERT_EQ(prompter.Pending(), 0);
        const Ui::MsgBoxCall& warning = prompter.Calls()[prompter.Calls().size() - 2];
        EXPECT_EQ(warning.title, c.title);
        EXPECT_EQ(warning.prompt.split("\r\n").front(), c.heading);
    }
}

TEST_F(MainWindowTest, UpdateWithoutAFileNameSaysSo)
{
    frm4Main w;
    ProjectFileName.clear();
    prompter.Expect("Missing file name forproject\ruse - New or Load", Ui::vbOK);
    w.UpDateCmd->click();
    EXPECT_EQ(LastBox().title, "Missing file name");
    EXPECT_FALSE(ProjectFileOK);
    EXPECT_EQ(prompter.Calls().size(), 1u) << "no success message";
}

TEST_F(MainWindowTest, AFailedSaveIsReportedAndClosingWithYesStaysOpen)
{
    frm4Main w;
    w.show();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    prompter.Expect("Save data before exit ?", Ui::vbYes);
    prompter.Expect("could not be saved", Ui::vbOK);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(LastBox().title, "Error");
    for (const Ui::MsgBoxCall& c : prompter.Calls()) EXPECT_FALSE(c.prompt.contains("successfully"));

    prompter.Expect("Save data before exit ?", Ui::vbNo);
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, ClosingAsksYesNoCancel)
{
    frm4Main w;
    w.show();
    w.ProjectContact->setText("Avi");
    prompter.Expect("Save data before exit ?", Ui::vbCancel);
    w.ExitBttn->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.ProjectContact->text(), "Avi");
    EXPECT_EQ(LastBox().title, "Exit");
    EXPECT_EQ(LastBox().buttons(), Ui::vbYesNoCancel);

    prompter.Expect("Save data before exit ?", Ui::vbNo);
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(QFile::exists(ProjectPath())) << "No saves nothing";
}

TEST_F(MainWindowTest, ClosingWithYesSaves)
{
    UILanguage = 1;
    frm4Main w;
    w.show();
    w.ProjectContact->setText("Avi");
    prompter.Expect(QStringLiteral("האם לשמור נתונים לפני יציאה ?"), Ui::vbYes);
    prompter.Expect(QStringLiteral("נשמרו בהצלחה"), Ui::vbOK);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(prompter.Calls()[0].title, QStringLiteral("יציאה מהתוכנה"));
    EXPECT_TRUE(Bytes(ProjectPath()).contains("Cont=Avi\r\n"));
}

TEST_F(MainWindowTest, SaveAsWritesTheBoxesUnderTheNewName)
{
    const QString other = tmp.path() + "/other/";
    QDir().mkpath(other);
    frm4Main w;
    w.ProjectAddr->setText("Typed address");
    files.ExpectChoice(other + "Renamed.HV6");
    prompter.Expect("successfully saved in the file\rRenamed.HV6", Ui::vbOK);
    w.Command4->click();

    const FileDialog::Options o = files.Last();
    EXPECT_TRUE(o.save);
    EXPECT_EQ(o.title, "Verdal - Save Projects File");
    EXPECT_EQ(o.filter, "Verdal File (*.HV6)");
    EXPECT_EQ(o.initialFolder, folder);
    EXPECT_EQ(o.proposedName, "Site.HV6");

    EXPECT_EQ(ProjectFileName, "Renamed.HV6");
    EXPECT_EQ(ProjectName, "Renamed");
    EXPECT_EQ(usrDataPath, other);
    EXPECT_EQ(w.siteNameTxt->text(), "Renamed");
    EXPECT_TRUE(Bytes(other + "Renamed.HV6").contains("Addr=Typed address\r\n"));
    EXPECT_TRUE(Bytes(other + "Renamed.HV6").contains("SiteName=Renamed.HV6\r\n"));
    EXPECT_FALSE(QFile::exists(Environment::ProgramFolder() + "Verdal5000.Pzw")) << "save-as leaves the settings file";
}

TEST_F(MainWindowTest, SaveAsRefusesBadNamesAndKeepsNameAndFolder)
{
    const QString other = tmp.path() + "/other/";
    QDir().mkpath(other);
    frm4Main w;
    for (const QString& name : {QString("Lower.hv6"), QString(".HV6"), QString("NoExtension")}) {
        SCOPED_TRACE(name.toStdString());
        files.ExpectChoice(other + name);
        prompter.Expect("Invalid file name", Ui::vbOK);
        w.Command4->click();
        EXPECT_EQ(LastBox().title, "File name error");
        EXPECT_TRUE(LastBox().rightToLeft());
        EXPECT_EQ(ProjectFileName, "Site.HV6");
        EXPECT_EQ(usrDataPath, folder);
        EXPECT_TRUE(QDir(other).entryList(QDir::Files).isEmpty());
    }

    files.ExpectCancel();
    w.Command4->click();
    EXPECT_EQ(ProjectFileName, "Site.HV6");
    EXPECT_EQ(w.siteNameTxt->text(), "Site");
}

TEST_F(MainWindowTest, SaveAsOntoAnExistingFileAsksFirst)
{
    frm4Main w;
    const QString target = folder + "Old.HV6";
    WriteBytes(target, "[General]\r\nSiteName=Old.HV6\r\n");

    files.ExpectChoice(target);
    prompter.Expect("Existing file name, do you want to replace it ?", Ui::vbNo);
    w.Command4->click();
    EXPECT_EQ(LastBox().title, "Existing file name");
    EXPECT_EQ(Bytes(target), QByteArray("[General]\r\nSiteName=Old.HV6\r\n"));
    EXPECT_EQ(ProjectFileName, "Site.HV6");
    EXPECT_EQ(w.siteNameTxt->text(), "Site");

    files.ExpectChoice(target);
    prompter.Expect("Existing file name, do you want to replace it ?", Ui::vbYes);
    prompter.Expect("successfully saved", Ui::vbOK);
    w.Command4->click();
    EXPECT_TRUE(Bytes(target).contains("[01]\r\n"));
    EXPECT_EQ(ProjectFileName, "Old.HV6");
    EXPECT_EQ(w.siteNameTxt->text(), "Old");
}

TEST_F(MainWindowTest, ReportButtonsNeedAProjectFileExceptTheHistory)
{
    frm4Main w;
    w.show();
    ProjectFileOK = false;
    for (QPushButton* b : {w.NewListCmd, w.Command12, w.Command3}) {
        prompter.Expect("No name was selected for a new projectfile\ror a previous project file was uploaded", Ui::vbOK);
        b->click();
        EXPECT_EQ(LastBox().title, "There is no project file name");
    }
    EXPECT_TRUE(modal.Shown().empty());

    w.Timer2->start();
    VbColor::SetBackColor(w.Command6, 0x00FFFF);
    modal.Expect("frmHistory", [&](QWidget&) { EXPECT_FALSE(w.isVisible()); });
    w.Command6->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.Timer2->isActive());
    EXPECT_EQ(VbColor::BackColor(w.Command6), 0x0080FFu);

    ProjectFileOK = true;
    modal.Expect("frmView", [&](QWidget&) { EXPECT_FALSE(w.isVisible()); });
    w.NewListCmd->click();
    modal.Expect("frmView2", [](QWidget&) {});
    w.Command12->click();
    modal.Expect("frmGroups", [](QWidget&) {});
    w.Command3->click();
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, EditorButtonsAndTheirShortcuts)
{
    frm4Main w;
    w.show();
    modal.Expect("frm5CardSettings", [&](QWidget&) { EXPECT_FALSE(w.isVisible()); });
    w.SysSetBttn->click();
    EXPECT_TRUE(w.isVisible());

    w.HighSens->setText("40");
    modal.Expect("frm6NamesAndSettings", [&](QWidget&) {
        EXPECT_EQ(HighSens, 40) << "the administrator boxes take effect in the editor";
        NumOfDevices = "012";  // what the devices window's commit leaves
    });
    w.DevicesSetBttn->click();
    EXPECT_EQ(w.Label4->text(), "12");

    modal.Expect("frm8Groups", [&](QWidget&) { w.Label16->setText("3"); });
    w.GroupsSetBttn->click();
    EXPECT_EQ(w.Label16->text(), "3");

    // Ctrl with a digit of the main keyboard in a detail box.
    modal.Expect("frm5CardSettings", [](QWidget&) {});
    QTest::keyClick(w.ProjectAddr, Qt::Key_1, Qt::ControlModifier);
    modal.Expect("frm6NamesAndSettings", [](QWidget&) {});
    QTest::keyClick(w.ProjectMiscellaneousness, Qt::Key_2, Qt::ControlModifier);
    modal.Expect("frm8Groups", [](QWidget&) {});
    QTest::keyClick(w.ProjectContactTel, Qt::Key_3, Qt::ControlModifier);
    // Other modifiers and the keypad do nothing.
    QTest::keyClick(w.ProjectAddr, Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w.ProjectAddr, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(w.ProjectAddr, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(modal.Shown().size(), 6u);
    EXPECT_EQ(modal.Pending(), 0);
}

TEST_F(MainWindowTest, DetailBoxesColourWithTheFocusAndKeepCommentsOnOneLine)
{
    frm4Main w;
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w.ProjectContact, &in);
    EXPECT_EQ(VbColor::BackColor(w.ProjectContact), 0x00FFFFu);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w.ProjectContact, &out);
    EXPECT_EQ(VbColor::BackColor(w.ProjectContact), 0xFFFFFFu);

    QTest::keyClicks(w.ProjectMiscellaneousness, "two");
    QTest::keyClick(w.ProjectMiscellaneousness, Qt::Key_Return);
    QTest::keyClicks(w.ProjectMiscellaneousness, "lines");
    EXPECT_EQ(w.ProjectMiscellaneousness->text(), "two lines");

    // Tab out of the comments leads back to the address.
    w.ProjectContact->setFocus();
    QTest::keyClick(w.ProjectMiscellaneousness, Qt::Key_Tab);
    EXPECT_EQ(w.focusWidget(), w.ProjectAddr);
}

TEST_F(MainWindowTest, LeavingTheCommentsByClickLeadsBackToTheAddress)
{
    frm4Main w;
    w.ProjectContact->setFocus();
    // A message box taking the focus is not the user leaving the comments.
    QFocusEvent toBox(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w.ProjectMiscellaneousness, &toBox);
    EXPECT_EQ(w.focusWidget(), w.ProjectContact);

    for (Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::BacktabFocusReason}) {
        w.ProjectContact->setFocus();
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(w.ProjectMiscellaneousness, &out);
        EXPECT_EQ(w.focusWidget(), w.ProjectAddr) << reason;
        EXPECT_EQ(VbColor::BackColor(w.ProjectMiscellaneousness), 0xFFFFFFu);
    }
}

TEST_F(MainWindowTest, VerificationPanelClosesAndTheProgressBarReturns)
{
    frm4Main w;
    w.show();
    w.Picture6->show();
    w.StatBar->hide();
    w.Command5->click();
    EXPECT_FALSE(w.Picture6->isVisible());
    EXPECT_TRUE(w.StatBar->isVisible());
}

TEST_F(MainWindowTest, FolderButtons)
{
    frm4Main w;
    w.ProgFolderBttn->click();
    EXPECT_EQ(Shell::RecordedCalls(), QStringList{folder});

    w.DefaultFolderLocation->click();
    const QString expected = tmp.path() + "/home/Documents/Verdal5000 SiteData/";
    EXPECT_EQ(DefaultDataPath, expected);
    EXPECT_EQ(usrDataPath, expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(QDir::currentPath() + "/", folder) << "the folder is not entered";
}
