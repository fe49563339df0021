// The devices window driven through its controls: opening on a full project, both views,
// paging and go-to, names typed in the rows, deletion and the closing questions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "core/CSetting.h"
#include "devices/DeviceColors.h"
#include "devices/DevicesPaging.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/ClickLabel.h"
#include "platform/VbColor.h"
#include "projectfile/ProjectFile.h"

namespace {

int CanvasTopOf(int value) { return DevicesPaging::CanvasTop(value); }

class WindowTest : public DevicesFixture {
protected:
    // Every address holds a device: smoke detectors, with a relay at 9 and 10 (two addresses)
    // in group 1 and the detectors 1 to 3 its inputs.
    void FullProject()
    {
        for (int a = 1; a <= MaxNumOfDevices; ++a) Put(a, DeviceKind::SmokeDetector, 1, {}, "DEVICE " + Str(a));
        Put(9, DeviceKind::Relay, 2, {}, "BELL");
        Put(10, DeviceKind::Relay, 3, {}, "BELL 2");
        for (int a = 1; a <= 3; ++a) Put(a, DeviceKind::SmokeDetector, 1, {1}, "DEVICE " + Str(a));
        Group(1, 2, {9, 10});
        NumOfDevices = ZeroPad(MaxNumOfDevices, 3);
    }
    // Shows the window and makes it the active one, so the focus moves as a user's would.
    static void Show(frm6NamesAndSettings& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    ScriptedPrompter prompter;
};

TEST_F(WindowTest, OpensOnTheMapOfAFullProject)
{
    FullProject();
    frm6NamesAndSettings w;
    EXPECT_EQ(w.windowTitle(), "Tessel126 - Devices settings");
    EXPECT_FALSE(w.Picture2->isHidden()) << "the window opens on the map";
    EXPECT_TRUE(w.Frame1->isHidden());
    EXPECT_TRUE(w.Picture7->isHidden());
    EXPECT_TRUE(w.VScroll1->isHidden());
    ASSERT_EQ(w.Label4.size(), 127u);
    EXPECT_EQ(w.Label4[9]->text(), "9\n(1/2)\nRelay");
    EXPECT_EQ(VbColor::ForeColor(w.Label4[9]), DeviceColors::White);
    EXPECT_EQ(w.Label4[126]->text(), "126\n( 1 )\nSmoke");
    EXPECT_EQ(VbColor::BackColor(w.Label4[126]), 0x00FF00u);
    EXPECT_EQ(w.Label3->text(), "Captured : 126 / Available : 0");
    EXPECT_EQ(w.SaveBttn->text(), "OK");
    EXPECT_EQ(w.ExitCmd->text(), "Cancel");
    EXPECT_EQ(w.HeadingBoxes[8]->text(), "Name of device");
    // The scroll bar works from the start.
    EXPECT_EQ(w.VScroll1->maximum(), 2650);
    EXPECT_EQ(w.VScroll1->pageStep(), 500);
    EXPECT_EQ(w.VScroll1->singleStep(), 25);
    EXPECT_EQ(w.Command3->text(), "21-40");
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(WindowTest, TheRowsStandOnTheirColumns)
{
    FullProject();
    frm6NamesAndSettings w;
    ASSERT_EQ(w.NewName.size(), 127u);
    EXPECT_EQ(w.NumOfLine[126]->geometry(), QRect(0, 3125, 30, 25));
    EXPECT_EQ(w.NumOfLine[7]->text(), "7");
    EXPECT_EQ(w.NewName[1]->geometry(), QRect(380, 0, 330, 25));
    EXPECT_EQ(w.DisableDevice[9]->height(), 50);
    EXPECT_TRUE(w.DisableDevice[10]->isHidden());
    EXPECT_TRUE(w.ExistDeviceYesNo[5]->isChecked());
    EXPECT_TRUE(w.ExistDeviceYesNo[5]->isHidden());
    EXPECT_TRUE(w.NumOfLine[0]->isHidden()) << "the template is never shown";
    EXPECT_EQ(w.NewName[1]->maxLength(), 16);
    EXPECT_EQ(w.NewName[1]->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(w.Frame1->geometry(), QRect(0, 25, 900, 500));
    EXPECT_EQ(w.Command3->geometry(), QRect(812, 400, 80, 125));
    EXPECT_EQ(w.height(), 600);
}

TEST_F(WindowTest, HebrewAndTheSmallScreen)
{
    MaxNumOfDevices = 50;
    SmallDisplay = true;
    UILanguage = 1;
    Put(50, DeviceKind::InputDevice);
    frm6NamesAndSettings w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral(u"Tessel50 - הגדרת התקנים"));
    EXPECT_EQ(w.NewName.size(), 51u);
    EXPECT_EQ(w.NumOfLine[50]->y(), 1225);
    EXPECT_EQ(w.NewName[50]->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(w.FactoryName[50]->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(w.FactoryName[50]->text(), QStringLiteral(u"050 התקן מבוא  #"));
    EXPECT_EQ(w.Command10->text(), QStringLiteral(u"תצוגה ויזואלית"));
    EXPECT_EQ(w.Frame1->geometry(), QRect(0, 25, 900, 375));
    EXPECT_EQ(w.Command2->geometry(), QRect(812, 119, 80, 94));
    EXPECT_EQ(w.height(), 475);
    EXPECT_EQ(w.VScroll1->maximum(), 875);
    w.Command11->click();
    w.Command3->click();
    EXPECT_EQ(w.Picture1->y(), -375);
    EXPECT_EQ(w.Command4->text(), "1-15");
    EXPECT_EQ(w.Command3->text(), "31-45");
}

TEST_F(WindowTest, PagingToTheEndAndBack)
{
    FullProject();
    frm6NamesAndSettings w;
    w.Command11->click();
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_EQ(w.Label4.size(), 1u) << "the map's cells are unloaded";
    EXPECT_FALSE(w.Frame1->isHidden());
    EXPECT_FALSE(w.VScroll1->isHidden());
    for (int k = 0; k < 7; ++k) w.Command3->click();
    EXPECT_EQ(w.VScroll1->value(), 2650);
    EXPECT_EQ(w.Picture1->y(), -2650);
    EXPECT_EQ(w.Command4->text(), "87-106");
    EXPECT_EQ(w.Command2->text(), "106");
    EXPECT_EQ(w.Command1->text(), "===");
    EXPECT_EQ(w.Command3->text(), "107-126");
    w.Command2->click();
    EXPECT_EQ(w.Picture1->y(), -2625);
    w.Command4->click();
    EXPECT_EQ(w.Picture1->y(), -2125);
    // The thumb left between two rows shows whole rows.
    w.VScroll1->setValue(37);
    EXPECT_EQ(w.Picture1->y(), -25);
    EXPECT_EQ(w.Command2->text(), "1");
    w.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w.VScroll1->value(), 537);
    EXPECT_EQ(w.Picture1->y(), -525);
}

TEST_F(WindowTest, TheWheelOverTheRowsScrollsThem)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    // As it reaches the window from the row under the pointer (a row control does not take it).
    const QPointF at = w.NewName[5]->mapTo(&w, QPointF(10, 10));
    QWheelEvent wheel(at, w.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &wheel);
    EXPECT_GT(w.VScroll1->value(), 0);
    EXPECT_EQ(w.Picture1->y(), CanvasTopOf(w.VScroll1->value()));
}

TEST_F(WindowTest, GoToMarksScrollsAndFocuses)
{
    FullProject();
    ResetModule::ResetDevices(60, 60, 1);
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    QTest::keyClicks(w.Text20, "50");
    QTest::keyClick(w.Text20, Qt::Key_Return);
    EXPECT_EQ(w.Text20->text(), "");
    EXPECT_EQ(w.VScroll1->value(), 1225);
    EXPECT_EQ(w.Picture1->y(), -1225);
    EXPECT_TRUE(w.NewName[50]->hasFocus());
    EXPECT_EQ(VbColor::BackColor(w.NumOfLine[50]), DeviceColors::Red);
    EXPECT_EQ(VbColor::BackColor(w.NewName[50]), DeviceColors::Yellow);
    EXPECT_EQ(w.NewName[50]->selectedText(), w.NewName[50]->text());

    // A free address: marked and shown, the focus stays.
    w.Text20->setText("60");
    w.Command5->click();
    EXPECT_EQ(VbColor::BackColor(w.NumOfLine[60]), DeviceColors::Red);
    EXPECT_NE(VbColor::BackColor(w.NumOfLine[50]), DeviceColors::Red);
    EXPECT_TRUE(w.NewName[50]->hasFocus());
    EXPECT_EQ(w.Picture1->y(), -1475);
    // Out of range: only the mark goes; Enter in an empty box does nothing.
    w.Text20->setText("300");
    w.Command5->click();
    EXPECT_NE(VbColor::BackColor(w.NumOfLine[60]), DeviceColors::Red);
    EXPECT_EQ(w.Picture1->y(), -1475);
    QTest::keyClick(w.Text20, Qt::Key_Return);
    EXPECT_EQ(w.Picture1->y(), -1475);
}

TEST_F(WindowTest, AMapCellOpensItsAddressInTheRows)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Label4[100]->click();
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_FALSE(w.Frame1->isHidden());
    EXPECT_EQ(w.Picture1->y(), -99 * 25);
    QTest::keyClick(&w, Qt::Key_Escape);  // the type panel the click opened on the detector
    EXPECT_TRUE(w.NewName[100]->hasFocus());
    // Back to the map: built afresh.
    w.Command10->click();
    EXPECT_FALSE(w.Picture2->isHidden());
    EXPECT_EQ(w.Label4.size(), 127u);
    EXPECT_TRUE(w.Frame1->isHidden());
}

TEST_F(WindowTest, TheMapHidesTheSummaryPanel)
{
    frm6NamesAndSettings w;
    w.Command11->click();
    w.Picture4->show();  // as the summary leaves it
    w.Command10->click();
    EXPECT_TRUE(w.Picture4->isHidden());
}

TEST_F(WindowTest, NamesTypedAndMovedThroughWithTheArrows)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    w.NewName[5]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(CurrentRow, 0);
    EXPECT_EQ(VbColor::BackColor(w.NumOfLine[5]), DeviceColors::Red);
    EXPECT_EQ(w.NewName[5]->selectedText(), w.NewName[5]->text()) << "typing replaces the name";
    QTest::keyClicks(w.NewName[5], "corridor a");
    QTest::keyClick(w.NewName[5], Qt::Key_Down);
    EXPECT_TRUE(w.NewName[6]->hasFocus());
    EXPECT_EQ(w.NewName[5]->text(), "CORRIDOR A");
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), "CORRIDOR A      ");
    EXPECT_EQ(CurrentRow, 5);
    QTest::keyClick(w.NewName[6], Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(w.NewName[6]->text(), "CORRIDOR A");
    EXPECT_TRUE(w.NewName[6]->hasFocus());
    // Up from the first device wraps to the last, and the rows follow the focus.
    w.NewName[1]->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(w.NewName[1], Qt::Key_Up);
    EXPECT_TRUE(w.NewName[126]->hasFocus());
    EXPECT_EQ(w.Picture1->y(), -2650);
    EXPECT_EQ(DeviceDataArrayEdit[6].DeviceName.str(), "CORRIDOR A      ");
}

TEST_F(WindowTest, ARefusedNameShowsWhatTheCheckKept)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    w.NewName[4]->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(w.NewName[4], "ex@it");
    prompter.Expect(Ui::vbOK);
    w.NewName[5]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(w.NewName[4]->text(), "EXIT");
    EXPECT_TRUE(w.NewName[5]->hasFocus());
    EXPECT_EQ(prompter.Pending(), 0);
}

TEST_F(WindowTest, DeletingATwoAddressOutputTakesItOutOfItsGroup)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    prompter.Expect("You are about to delete 2 addresses : 9, 10", Ui::vbYes);
    prompter.Expect("Delete name/names ???", Ui::vbYes);
    // The row is shown marked while the question is asked.
    const Ui::Prompter scripted = Ui::CurrentPrompter();
    uint32_t numberAtQuestion = 0;
    Ui::SetPrompter([&](const Ui::MsgBoxCall& call) {
        if (numberAtQuestion == 0) numberAtQuestion = VbColor::BackColor(w.NumOfLine[9]);
        return scripted(call);
    });
    QTest::mouseClick(w.DisableDevice[9], Qt::LeftButton);
    Ui::SetPrompter(scripted);
    EXPECT_EQ(numberAtQuestion, DeviceColors::Red);
    for (int a : {9, 10}) {
        EXPECT_FALSE(w.ExistDeviceYesNo[size_t(a)]->isChecked());
        EXPECT_EQ(w.EnableDevice[size_t(a)]->text(), "Enable");
        EXPECT_TRUE(w.EnableDevice[size_t(a)]->isEnabled());
        EXPECT_FALSE(w.NewName[size_t(a)]->isEnabled());
        EXPECT_EQ(w.NewName[size_t(a)]->text(), "");
        EXPECT_EQ(w.DisableDevice[size_t(a)]->height(), 25);
        EXPECT_FALSE(w.DisableDevice[size_t(a)]->isHidden());
    }
    EXPECT_TRUE(w.NewName[8]->hasFocus());
    EXPECT_EQ(w.Label3->text(), "Captured : 124 / Available : 2");
    EXPECT_EQ(w.Editor().OutGrpArrayEdit[1].OutCount.str(), "0");
    EXPECT_EQ(OutGrpArray[1].OutCount.str(), "2") << "the project waits for the commit";

    // Inputs: the group's trigger follows the inputs left.
    prompter.Expect("You are about to delete addresses 1", Ui::vbYes);
    prompter.Expect("Delete name/names ???", Ui::vbNo);
    w.DisableDevice[1]->click();
    EXPECT_EQ(w.Editor().OutGrpArrayEdit[1].Trigger.str(), "2");
    prompter.Expect(Ui::vbYes);
    prompter.Expect(Ui::vbNo);
    w.DisableDevice[2]->click();
    EXPECT_EQ(w.Editor().OutGrpArrayEdit[1].Trigger.str(), "1");
}

TEST_F(WindowTest, ClosingWithYesWritesExactlyTheEditsToTheProjectFile)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    prompter.Expect(Ui::vbYes);
    prompter.Expect(Ui::vbYes);
    w.DisableDevice[9]->click();
    w.NewName[20]->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(w.NewName[20], "stairs");
    w.NewName[21]->setFocus(Qt::OtherFocusReason);
    w.NewName[22]->setText("");  // emptied, still in the box
    // The Cancel button asks too; Yes commits.
    prompter.Expect("Save data ?", Ui::vbYes);
    w.ExitCmd->click();
    EXPECT_FALSE(w.isVisible());

    auto expected = DeviceDataArray;
    EXPECT_EQ(expected[20].DeviceName.str(), "STAIRS          ");
    EXPECT_EQ(expected[22].DeviceName.str(), "SMOKE DET   22  ");
    EXPECT_EQ(expected[9].Exist.str(), "0");
    EXPECT_EQ(NumOfDevices.str(), "124");
    EXPECT_EQ(OutGrpArray[1].OutCount.str(), "0");
    CSetting setting;
    ASSERT_TRUE(ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr));
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    for (int a = 1; a <= 126; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(DeviceDataArray[size_t(a)].Exist, expected[size_t(a)].Exist);
        EXPECT_EQ(DeviceDataArray[size_t(a)].DeviceName, expected[size_t(a)].DeviceName);
        EXPECT_EQ(KindOf(DeviceDataArray[size_t(a)]), KindOf(expected[size_t(a)]));
    }
}

TEST_F(WindowTest, ClosingWithNoOrCancel)
{
    FullProject();
    const auto project = DeviceDataArray;
    {
        frm6NamesAndSettings w;
        Show(w);
        w.Command11->click();
        w.NewName[3]->setText("CHANGED");
        prompter.Expect("Save data ?", Ui::vbCancel);
        w.close();
        EXPECT_TRUE(w.isVisible()) << "Cancel keeps the window open";
        EXPECT_EQ(w.NewName[3]->text(), "CHANGED");
        prompter.Expect("Save data ?", Ui::vbNo);
        w.SaveBttn->click();
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(DeviceDataArray, project);
    EXPECT_EQ(DeviceDataArrayEdit[3].Exist.str(), "0");
    EXPECT_FALSE(DataChanged);
}

TEST_F(WindowTest, ANameStillBeingTypedIsCheckedBeforeTheQuestion)
{
    FullProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    w.NewName[7]->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(w.NewName[7], "hall~");
    prompter.Expect(Ui::vbOK);  // the name check
    prompter.Expect("Save data ?", Ui::vbYes);
    w.close();
    EXPECT_EQ(DeviceDataArray[7].DeviceName.str(), "HALL            ");
}

}  // namespace
