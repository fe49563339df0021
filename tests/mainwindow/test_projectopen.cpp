// The main window's load on files the user should be warned about, and detail texts of any
// length, through the window's own controls.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ProjectFixture.h"
#include "mainwindow/frm4Main.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

class ProjectOpenTest : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        Environment::SetExecutableName("Verdal5000");
        Shell::SetTestMode(true);
        clock.onAdvance = [](double) { QCoreApplication::processEvents(); };
        Clock::SetCurrent(&clock);
        ProjectLoaded = true;  // the start dialog's Open
    }
    void TearDown() override
    {
        Clock::SetCurrent(nullptr);
        Shell::SetTestMode(false);
        Environment::SetExecutableName(QString());
        ProjectFixture::TearDown();
    }

    ScriptedPrompter prompter;
    VirtualClock clock;
};

}  // namespace

TEST_F(ProjectOpenTest, AFileOfAnotherProgramIsNotOpenedAndAnUpdateCannotOverwriteIt)
{
    const QByteArray other = QByteArray("\xFF\xFE[\0G\0e\0n\0e\0r\0a\0l\0]\0\r\0\n\0", 22);
    WriteBytes(ProjectPath(), other);
    prompter.Expect("is not a project file", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(w.siteNameTxt->text(), "");
    EXPECT_EQ(w.Label4->text(), "0");

    prompter.Expect("Missing file name", Ui::vbOK);
    w.UpDateCmd->click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(Bytes(folder + "Site.HV6"), other);
}

TEST_F(ProjectOpenTest, ValuesOutOfRangeAreNamedOnceAfterTheLoad)
{
    WriteBytes(ProjectPath(),
               "[General]\r\nSiteName=Site.HV6\r\n[Hardware]\r\nNumOfDevices=9\r\n"
               "[01-004]\r\nTYPE=004 0-00-005-1-1 00-00-00-0-1 01-00-0-0-0-0 000 000 070 045 001 099 000 000 000\r\n"
               "[01-009]\r\nTYPE=009 0-08-001-0-1 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n");
    prompter.Expect("Addresses: 4\r\n", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(w.Label4->text(), "2") << "the addresses in use, not the file's 9";
    EXPECT_EQ(DeviceDataArray[4].NumOfGroups.str(), "00");
}

TEST_F(ProjectOpenTest, DetailBoxesKeepTextsOfAnyLength)
{
    ProjectLoaded = false;
    QString text;
    for (int i = 0; text.size() < 40000; ++i) text += QStringLiteral("רחוב %1, ").arg(i);
    text += QStringLiteral("סוף");  // a value is read back without blanks around it
    {
        frm4Main w;
        w.ProjectMiscellaneousness->setText(text);
        EXPECT_EQ(w.ProjectMiscellaneousness->text(), text);
        prompter.Expect("successfully saved", Ui::vbOK);
        w.UpDateCmd->click();
    }
    EXPECT_EQ(ProjectDetails.Misc, text);
    ResetModule::ResetProject(false);
    frm4Main again;
    EXPECT_EQ(again.ProjectMiscellaneousness->text(), text);
}

// A file saved as UTF-8 with letters a project file cannot hold: the window's load names where,
// once, and shows what was read.
TEST_F(ProjectOpenTest, LettersWithoutACodeAreNamedOnceAfterTheLoad)
{
    WriteBytes(ProjectPath(),
               QString::fromUtf8("[General]\r\nSiteName=Site.HV6\r\n[Project Details]\r\nAddr=Caf\u00E9 St.\r\n"
                                 "[01-002]\r\nNAME=CAF\u00C9 NORD\r\nFNAM=002 OUTPUT     #\r\n"
                                 "TYPE=002 0-08-001-0-1 00-00-00-0-1 00-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
                                 "[----------]\r\nNumOfGroups=0\r\n")
                   .toUtf8());
    prompter.Expect("Addresses: 2\r\nProject details\r\n", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(w.ProjectAddr->text(), "Caf? St.");
    EXPECT_EQ(DeviceDataArray[2].DeviceName.str().trimmed(), "CAF? NORD");
    EXPECT_EQ(w.Label4->text(), "1");
}
