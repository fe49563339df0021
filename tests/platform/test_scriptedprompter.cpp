#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <QDialog>
#include <QWidget>

#include "common/ScriptedPrompter.h"
#include "platform/Ui.h"

using namespace Ui;

TEST(ScriptedPrompter, AnswersInOrderAndRecordsEveryBox)
{
    ScriptedPrompter prompter;
    prompter.Expect("Save data", vbYes);
    prompter.Expect(vbOK);
    EXPECT_EQ(MsgBox("Save data ?", vbYesNoCancel, "Warning"), vbYes);
    EXPECT_EQ(MsgBox("Invalid file name", vbOKOnly, "File name error"), vbOK);
    ASSERT_EQ(prompter.Calls().size(), 2u);
    EXPECT_EQ(prompter.Calls()[0].title, "Warning");
    EXPECT_EQ(prompter.Calls()[1].prompt, "Invalid file name");
    EXPECT_EQ(prompter.Pending(), 0);
}

TEST(ScriptedPrompter, UnexpectedBoxFailsAndIsDismissed)
{
    ScriptedPrompter prompter;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Com error", vbOKOnly, "Error"), "Com error");
    EXPECT_EQ(answer, vbOK);
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Delete ?", vbYesNo), "Unexpected message box");
    EXPECT_EQ(answer, vbNo);
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Save ?", vbYesNoCancel), "Save ?");
    EXPECT_EQ(answer, vbCancel);
}

TEST(ScriptedPrompter, WrongTextFails)
{
    ScriptedPrompter prompter;
    prompter.Expect("Save data", vbYes);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Exit ?", vbYesNo), "does not contain");
    EXPECT_EQ(answer, vbNo);
}

TEST(ScriptedPrompter, AnswerThatIsNoButtonOfTheBoxFails)
{
    ScriptedPrompter prompter;
    prompter.Expect(vbYes);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox("Done", vbOKOnly), "not a button");
    EXPECT_EQ(answer, vbOK);
}

TEST(ScriptedPrompter, UnusedAnswerFailsAtTheEnd)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.Expect("Data transfer completed", vbOK);
        },
        "Data transfer completed");
}

TEST(ModalDriver, RunsTheQueuedDriveForEachModalWindowNestedToo)
{
    ModalDriver driver;
    QDialog outer;
    outer.setObjectName("outerDialog");
    QWidget inner;
    std::vector<QString> order;
    driver.Expect("outerDialog", [&](QWidget&) {
        order.push_back("outer");
        ShowModal(inner);
        order.push_back("outer done");
    });
    driver.Expect("QWidget", [&](QWidget& w) {
        EXPECT_EQ(&w, &inner);
        order.push_back("inner");
    });
    ShowModal(outer);
    EXPECT_EQ(order, (std::vector<QString>{"outer", "inner", "outer done"}));
    EXPECT_EQ(driver.Shown(), (std::vector<QString>{"QDialog", "QWidget"}));
}

TEST(ModalDriver, UnexpectedOrWrongWindowFails)
{
    ModalDriver driver;
    QDialog d;
    EXPECT_NONFATAL_FAILURE(ShowModal(d), "Unexpected modal window QDialog");
    bool ran = false;
    driver.Expect("frm4Main", [&](QWidget&) { ran = true; });
    EXPECT_NONFATAL_FAILURE(ShowModal(d), "frm4Main was expected");
    EXPECT_FALSE(ran);
}

TEST(ModalDriver, UnusedDriveFailsAtTheEnd)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver driver;
            driver.Expect("frm5CardSettings", [](QWidget&) {});
        },
        "frm5CardSettings");
}
