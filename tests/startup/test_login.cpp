// The start-up: the login window through its controls, and the start procedure's road from the
// login through the start dialog to the main window and back.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "tests/common/ScriptedPrompter.h"
#include "core/DataModel.h"
#include "startup/MainMdlMain.h"
#include "startup/frm1Login.h"
#include "startup/frm3Dialog.h"
#include "core/languages.h"
#include "platform/ClickLabel.h"
#include "platform/Environment.h"
#include "platform/Program.h"

namespace {

const QString WrongHebrew = QStringLiteral("סיסמא שגויה !!!");

class LoginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCwd = QDir::currentPath();
        ASSERT_TRUE(tmp.isValid());
        Environment::SetHome(tmp.path() + "/home");
        Environment::SetProgramFolder(tmp.path() + "/prog");
        QDir().mkpath(tmp.path() + "/prog");
        Environment::SetExecutableName("Verdal5000");
        Environment::SetUserName("dana");
        AdminMode = false;
        SmallDisplay = true;
        MaxNumOfDevices = 0;
        UILanguage = 0;
        languages::SetLanguage(2);
        Program::SetEndHook([this] {
            ++ends;
            boxesAtEnd = prompter.Calls().size();
        });
    }
    void TearDown() override
    {
        Program::SetEndHook(nullptr);
        Environment::SetHome(QString());
        Environment::SetProgramFolder(QString());
        Environment::SetExecutableName(QString());
        Environment::SetUserName(QString());
        QDir::setCurrent(savedCwd);
    }

    // The start dialog appears and is left at once.
    void ExpectStartDialog() { modal.Expect("frm3Dialog", [](QWidget&) {}); }
    static void Type(frm1Login& w, const QString& password)
    {
        w.txtPassword->clear();
        QTest::keyClicks(w.txtPassword, password);
    }

    QTemporaryDir tmp;
    QString savedCwd;
    int ends = 0;
    std::size_t boxesAtEnd = 0;
    ScriptedPrompter prompter;
    ModalDriver modal;
    ScriptedFileDialog files;
};

TEST_F(LoginTest, LoadFillsNameVersionAndHebrew)
{
    frm1Login w;
    EXPECT_EQ(w.txtUserName->text(), "dana");  // the name alone
    EXPECT_EQ(w.Label1->text(), "1.32");
    EXPECT_EQ(w.windowTitle(), "Login");
    EXPECT_EQ(w.lblLabels[0]->text(), QStringLiteral(" שם משתמש "));
    EXPECT_EQ(w.lblLabels[1]->text(), QStringLiteral(" סיסמא "));
    EXPECT_EQ(w.cmdOK->text(), QStringLiteral("אישור"));
    EXPECT_EQ(w.cmdCancel->text(), QStringLiteral("יציאה"));
    EXPECT_EQ(w.LnguageLbl[1]->text(), QStringLiteral("עברית"));
    EXPECT_EQ(w.LnguageLbl[2]->text(), "english");
    EXPECT_EQ(UILanguage, 1);
    EXPECT_FALSE(SmallDisplay);
    EXPECT_EQ(w.falseLogin, 0);
    // The language tables are Hebrew now.
    const QString label = LblSmokeDet;
    languages::SetLanguage(1);
    EXPECT_EQ(label, LblSmokeDet);
}

struct PasswordCase {
    const char* password;
    bool admin;
};

TEST_F(LoginTest, BothPasswordsOpenTheStartDialog)
{
    for (const PasswordCase c : {PasswordCase{"58316", true}, PasswordCase{"9146", false}}) {
        AdminMode = false;
        frm1Login w;
        w.show();
        Type(w, c.password);
        modal.Expect("frm3Dialog", [&](QWidget&) {
            EXPECT_FALSE(w.isVisible());  // the login is gone before the start dialog runs
            EXPECT_EQ(AdminMode, c.admin);
            EXPECT_EQ(MaxNumOfDevices, 126);
        });
        w.cmdOK->click();
        EXPECT_EQ(w.falseLogin, 1);
        EXPECT_TRUE(prompter.Calls().empty());
    }
    EXPECT_EQ(ends, 0);
}

TEST_F(LoginTest, NearMissesAreWrong)
{
    frm1Login w;
    // Five of them: a sixth failure would end the program.
    for (const char* p : {"9146 ", " 9146", "58316 ", "91460", ""}) {
        MaxNumOfDevices = 50;
        Type(w, p);
        prompter.Expect(WrongHebrew, Ui::vbOK);
        w.cmdOK->click();
        EXPECT_EQ(w.txtPassword->text(), "") << p;
        EXPECT_EQ(MaxNumOfDevices, 126);  // set by every press, also a failed one
    }
    EXPECT_EQ(w.falseLogin, 5);
    EXPECT_FALSE(AdminMode);
    EXPECT_EQ(ends, 0);
    const Ui::MsgBoxCall& box = prompter.Calls().at(0);
    EXPECT_EQ(box.buttons(), Ui::vbOKOnly);
    EXPECT_TRUE(box.rightToLeft());
    EXPECT_EQ(box.title, "");
}

TEST_F(LoginTest, FiveFailuresThenTheRightPasswordLogsIn)
{
    frm1Login w;
    for (int i = 0; i < 5; ++i) {
        Type(w, "0000");
        prompter.Expect(WrongHebrew, Ui::vbOK);
        w.cmdOK->click();
    }
    Type(w, "9146");
    ExpectStartDialog();
    w.cmdOK->click();
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(modal.Shown().size(), 1u);
}

TEST_F(LoginTest, TheSixthFailureSaysSoThenEndsTheProgram)
{
    frm1Login w;
    for (int i = 0; i < 6; ++i) {
        Type(w, "1234");
        prompter.Expect(WrongHebrew, Ui::vbOK);
        w.cmdOK->click();
        EXPECT_EQ(ends, i == 5 ? 1 : 0) << i;
    }
    EXPECT_EQ(boxesAtEnd, 6u);  // the message came before the end
    EXPECT_TRUE(modal.Shown().empty());
}

TEST_F(LoginTest, EnterInThePasswordBoxIsOneOkPress)
{
    frm1Login w;
    w.show();
    QTest::keyClicks(w.txtPassword, "77");
    prompter.Expect(WrongHebrew, Ui::vbOK);
    QTest::keyClick(w.txtPassword, Qt::Key_Return);
    EXPECT_EQ(w.falseLogin, 1);
    EXPECT_EQ(prompter.Calls().size(), 1u);

    QTest::keyClicks(w.txtPassword, "9146");
    ExpectStartDialog();
    QTest::keyClick(w.txtPassword, Qt::Key_Enter);
    EXPECT_EQ(w.falseLogin, 2);
    EXPECT_EQ(modal.Shown().size(), 1u);
}

TEST_F(LoginTest, EnglishLabelChangesCaptionsAndMessagesNotTheTables)
{
    frm1Login w;
    const QString hebrewLabel = LblSmokeDet;
    w.LnguageLbl[2]->click();
    EXPECT_EQ(UILanguage, 2);
    EXPECT_EQ(w.lblLabels[0]->text(), " Username ");
    EXPECT_EQ(w.lblLabels[1]->text(), " Password ");
    EXPECT_EQ(w.cmdOK->text(), "OK");
    EXPECT_EQ(w.cmdCancel->text(), "Exit");
    EXPECT_EQ(LblSmokeDet, hebrewLabel);

    Type(w, "x");
    prompter.Expect("Wrong password !!!", Ui::vbOK);
    w.cmdOK->click();
    EXPECT_FALSE(prompter.Calls().back().rightToLeft());

    w.LnguageLbl[1]->click();
    EXPECT_EQ(UILanguage, 1);
    EXPECT_EQ(w.cmdOK->text(), QStringLiteral("אישור"));
}

TEST_F(LoginTest, ExitAsksFirst)
{
    frm1Login w;
    prompter.Expect(QStringLiteral("האם אתה בטוח ?"), Ui::vbNo);
    w.cmdCancel->click();
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(prompter.Calls().at(0).title, QStringLiteral("יציאה מהתוכנה"));
    EXPECT_TRUE(prompter.Calls().at(0).rightToLeft());

    w.LnguageLbl[2]->click();
    prompter.Expect("Are you sure ?", Ui::vbYes);
    w.cmdCancel->click();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(prompter.Calls().at(1).title, "Exit software");
    EXPECT_EQ(prompter.Calls().at(1).buttons(), Ui::vbYesNo);
}

TEST_F(LoginTest, WhatsNewOpensAndCloses)
{
    frm1Login w;
    w.show();
    EXPECT_FALSE(w.Picture1->isVisible());
    w.Label2->click();
    EXPECT_TRUE(w.Picture1->isVisible());
    ASSERT_EQ(w.List1->count(), 6);
    EXPECT_EQ(w.List1->item(0)->text(), QStringLiteral(" 1. שינוי בין גלאי עשן לגלאי חום"));
    EXPECT_EQ(w.List1->item(5)->text(), " 6. ");
    w.Label2->click();
    EXPECT_FALSE(w.Picture1->isVisible());
    w.Label2->click();
    EXPECT_EQ(w.List1->count(), 6);  // filled afresh, not twice
}

// Main: login, start dialog, a new project in the main window, back, and Exit.
TEST_F(LoginTest, MainRunsFromLoginToExit)
{
    const QString folder = tmp.path() + "/proj/";
    QDir().mkpath(folder);
    modal.Expect("frm1Login", [&](QWidget& w) {
        auto& login = static_cast<frm1Login&>(w);
        login.LnguageLbl[2]->click();
        QTest::keyClicks(login.txtPassword, "58316");
        QTest::keyClick(login.txtPassword, Qt::Key_Return);
    });
    modal.Expect("frm3Dialog", [&](QWidget& w) {
        auto& start = static_cast<frm3Dialog&>(w);
        EXPECT_EQ(frm3Dialog::Current(), &start);
        files.ExpectChoice(folder + "Tower.HV6");
        start.newCmd->click();
        prompter.Expect("Are you sure ?", Ui::vbYes);
        start.ExitCmd->click();
    });
    modal.Expect("frm4Main", [&](QWidget&) {
        EXPECT_TRUE(AdminMode);
        EXPECT_EQ(ProjectName, "Tower");
    });
    MainMdl::Main();
    EXPECT_EQ(ends, 1);
}

}  // namespace
