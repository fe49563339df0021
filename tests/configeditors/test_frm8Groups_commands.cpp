// The groups window's commands through its controls: the deletions, the save's clean-up, the
// special dialer, the listings, and activation.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "GroupsWindowFixture.h"
#include "platform/VbColor.h"

namespace {

TEST_F(GroupsWindowTest, DeleteGroupAndDeleteAllAskFirst)
{
    Links(3, {2, 9});
    Links(8, {2});
    StoredGroup(2, 2, {10, 201});
    Links(4, {1});
    StoredGroup(1, 1, {9});
    StoredGroup(9, 0, {14});  // complete with input 3; 6 has outputs only and trigger 3
    StoredGroup(6, 3, {15});
    frm8Groups w;
    w.GroupSelectted[2]->click();
    prompter.Expect("Delete group ???", Ui::vbNo);
    w.Command1->click();
    EXPECT_EQ(w.GroupInputDevices[2]->count(), 2);
    prompter.Expect("Delete group ???", Ui::vbYes);
    w.Command1->click();
    EXPECT_EQ(w.GroupInputDevices[2]->count(), 0);
    EXPECT_EQ(w.GroupOutputDevices[2]->count(), 0);
    EXPECT_EQ(w.Model().GrpEditArray[2].Trigger, 0);
    EXPECT_EQ(w.Model().GrpEditArray[2].OutCount, 0);
    EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[2]), Blue);
    EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[9]), Green);

    // Delete all from group 6: its own trigger stays, every other group loses its inputs.
    w.GroupSelectted[6]->click();
    EXPECT_EQ(VbColor::BackColor(w.Shape1), Pink);
    prompter.Expect("Delete all groups ???", Ui::vbYes);
    w.Command2->click();
    EXPECT_EQ(w.ShownGroup(), 6);
    for (int g = 1; g <= MaxGroups; ++g) {
        EXPECT_EQ(w.GroupInputDevices[g]->count() + w.GroupOutputDevices[g]->count(), 0) << g;
        EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[g]), Blue) << g;
    }
    EXPECT_EQ(w.Model().GrpEditArray[6].Trigger, 3);
    EXPECT_EQ(w.Model().GrpEditArray[1].Trigger, 0);
    EXPECT_EQ(w.Model().GrpEditArray[9].Trigger, 0);
    EXPECT_EQ(prompter.Pending(), 0);
}

// Emptying an illegal group on Yes works on that group alone: the trigger of the group on
// screen stays as chosen.
TEST_F(GroupsWindowTest, TheSavesCleanUpKeepsTheShownGroupsTrigger)
{
    for (int a : {3, 4, 5}) Links(a, {1});
    StoredGroup(1, 3, {9});
    for (int a : {8, 12}) Links(a, {4});
    StoredGroup(4, 2, {});
    frm8Groups w;
    ASSERT_EQ(w.ShownGroup(), 1);
    ASSERT_TRUE(w.Option1[3]->isChecked());
    CloseWith(w, Ui::vbYes);
    EXPECT_EQ(OutGrpArray[1].Trigger.str(), "3");
    EXPECT_EQ(OutGrpArray[4].Trigger.str(), "0");
    EXPECT_EQ(DeviceDataArray[8].NumOfGroups.str(), "0 ");
    EXPECT_EQ(NumOfActiveGroups, 1);
}

TEST_F(GroupsWindowTest, SpecialDialerThroughItsWarning)
{
    Links(12, {31});
    StoredGroup(31, 1, {9}, "OLD NAME");
    frm8Groups w;
    w.GroupSelectted[31]->click();
    prompter.Expect("This will delete groups 31 and 32", Ui::vbNo);
    w.Command11->click();
    EXPECT_EQ(Addresses(w.GroupInputDevices[31]), V({12}));
    EXPECT_EQ(w.ShownGroup(), 31) << "No changes nothing";

    prompter.Expect("This will delete groups 31 and 32", Ui::vbYes);
    w.Command11->click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(w.ShownGroup(), 1);
    EXPECT_EQ(Addresses(w.GroupInputDevices[31]), V({3, 4, 5, 8}));
    EXPECT_EQ(Addresses(w.GroupOutputDevices[31]), V({205}));
    EXPECT_EQ(w.Text1[31]->text(), "Fire Dprt.-(2)");
    EXPECT_EQ(Addresses(w.GroupInputDevices[32]), V({20, 22, 23, 30}));
    EXPECT_EQ(w.Text1[32]->text(), "Fire Dprt.-(1)");
    EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[31]), Green);
    w.GroupSelectted[31]->click();
    EXPECT_TRUE(w.Option1[2]->isChecked());
    CloseWith(w, Ui::vbYes);
    EXPECT_EQ(OutGrpArray[31].GrpName.str(), "Fire Dprt.-(2)  ");
    EXPECT_EQ(OutGrpArray[32].Trigger.str(), "1");
    EXPECT_EQ(NumOfActiveGroups, 2);
}

// Without the dialer driven by groups the button only shows group 1: on group 1 already, nothing
// runs, and its selection and the information line stay.
TEST_F(GroupsWindowTest, SpecialDialerNotOfferedOnlyShowsGroupOne)
{
    Flags(true, false, false);
    frm8Groups w;
    w.GroupSelectted[5]->click();
    w.Command11->click();
    EXPECT_EQ(w.ShownGroup(), 1);
    Focus(w.SystemInputDevices[1]);
    Select(w.SystemInputDevices[1], {4});
    const QString line = w.Label6->text();
    ASSERT_TRUE(line.startsWith("Device 004 ")) << line.toStdString();
    w.Command11->click();
    EXPECT_EQ(w.ShownGroup(), 1);
    EXPECT_EQ(w.SystemInputDevices[1]->selectedItems().size(), 1);
    EXPECT_EQ(w.Label6->text(), line);
    EXPECT_EQ(prompter.Pending(), 0);
}

TEST_F(GroupsWindowTest, SpecialDialerShortageInHebrew)
{
    ResetModule::ResetProject(true);
    languages::SetLanguage(1);
    Flags(false, false, true);
    AddDevice(8, DeviceKind::HeatDetector);
    AddDevice(20, DeviceKind::RedCallPoint);
    frm8Groups w;
    prompter.Expect(QStringLiteral("פעולה זו תמחוק את קבוצות 31 ו-32"), Ui::vbYes);
    prompter.Expect(QStringLiteral("משתי (2) אזעקות - (גלאים)"), Ui::vbOK);
    w.Command11->click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_TRUE(prompter.Calls()[1].rightToLeft());
    EXPECT_EQ(w.GroupInputDevices[31]->count(), 0);
    EXPECT_EQ(w.Text1[31]->text(), QStringLiteral("חיוג למכבי אש-2"));
    EXPECT_EQ(Addresses(w.GroupInputDevices[32]), V({20}));
}

TEST_F(GroupsWindowTest, ListingsShowTheWorkingState)
{
    AdminMode = true;
    frm8Groups w;
    w.show();
    Select(w.SystemInputDevices[1], {3});
    w.Command3->click();
    w.Command7->click();
    EXPECT_TRUE(w.List5->isVisible());
    EXPECT_EQ(w.List5->count(), 126 + 2);
    EXPECT_EQ(w.List5->item(2)->text(), " [ 003 <1> (01/00/00/00) ] ");
    w.List5->setCurrentRow(2);
    EXPECT_EQ(w.Text6->text(), " [ 003 <1> (01/00/00/00) ] ");
    EXPECT_TRUE(w.Text6->isVisible());
    EXPECT_LE(w.List5->geometry().bottom(), w.Text6->geometry().top());

    w.Command9->click();
    EXPECT_EQ(w.Text6->text(), "") << "a new listing empties the line box";
    EXPECT_EQ(w.List5->item(0)->text(), "01.<1>-(OUT: 0)(000/000/000/000/000/000)#-(IN: 001)(003/)");
    w.Command10->click();
    EXPECT_FALSE(w.List5->isVisible());
    EXPECT_FALSE(w.Text6->isVisible());
    w.Command8->click();
    EXPECT_TRUE(w.List5->isVisible());
    EXPECT_FALSE(w.Text6->isVisible()) << "once hidden, the line box stays hidden";
    EXPECT_EQ(w.List5->count(), 32 + 1 + 2);
    EXPECT_EQ(w.List5->item(34)->text(), "Dialer Alarm Output - 205");
}

TEST_F(GroupsWindowTest, LineBoxHidesOnDoubleClick)
{
    frm8Groups w;
    w.show();
    w.Command8->click();
    ASSERT_TRUE(w.Text6->isVisible());
    QTest::mouseDClick(w.Text6, Qt::LeftButton);
    EXPECT_FALSE(w.Text6->isVisible());
    EXPECT_TRUE(w.List5->isVisible());
}

// Becoming active again (after a message box, for instance) neither repeats the items nor
// loses the edits.
TEST_F(GroupsWindowTest, ActivationDoesNotReloadTheLists)
{
    frm8Groups w;
    w.show();
    Select(w.SystemInputDevices[1], {3});
    w.Command3->click();
    const QStringList system = Items(w.SystemInputDevices[1]);
    for (QEvent::Type t : {QEvent::WindowDeactivate, QEvent::WindowActivate, QEvent::Show}) {
        QEvent e(t);
        QApplication::sendEvent(&w, &e);
    }
    w.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(Items(w.SystemInputDevices[1]), system);
    EXPECT_EQ(Addresses(w.GroupInputDevices[1]), V({3}));
}

}  // namespace
