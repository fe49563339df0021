// The groups window through its controls: opening in both languages and layouts, building a
// group and saving it with Yes, No and Cancel, the refusals, the trigger options and the
// information line.
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "CaptionsFit.h"
#include "GroupsWindowFixture.h"
#include "platform/VbColor.h"

namespace {

TEST_F(GroupsWindowTest, OpensOnGroupOneInBothLanguagesAndLayouts)
{
    struct Case {
        int16_t lang;
        bool small, admin;
        QSize size;
        QString title, label1, add, frame1;
    };
    const std::vector<Case> cases{
        {2, false, false, {920, 600}, "Tessel126 - Operating groups", "INPUTS", "Add\nto group 1",
         "Quantity of inputs that operate outputs"},
        {2, true, true, {920, 475}, "Tessel126 - Operating groups", "INPUTS", "Add\nto group 1",
         "Quantity of inputs that operate outputs"},
        {1, false, true, {920, 600}, QStringLiteral("Tessel126 - קבוצות הפעלה"), QStringLiteral("התקני מבוא"),
         QStringLiteral("להוסיף\nלקבוצה מס' 1"), QStringLiteral("כמות התקני מבוא מפעילים התקני מוצא בקבוצה")},
        {1, true, false, {920, 475}, QStringLiteral("Tessel126 - קבוצות הפעלה"), QStringLiteral("התקני מבוא"),
         QStringLiteral("להוסיף\nלקבוצה מס' 1"), QStringLiteral("כמות התקני מבוא מפעילים התקני מוצא בקבוצה")},
    };
    MaxNumOfDevices = 50;  // the caption names the larger model whatever the panel
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang * 10 + c.small);
        UILanguage = c.lang;
        SmallDisplay = c.small;
        AdminMode = c.admin;
        frm8Groups w;
        EXPECT_EQ(w.size(), c.size);
        EXPECT_EQ(w.windowTitle(), c.title);
        EXPECT_EQ(w.Label1->text(), c.label1);
        EXPECT_EQ(w.Command3->text(), c.add);
        EXPECT_EQ(w.Command5->text(), c.add);
        EXPECT_EQ(w.Frame1->title(), c.frame1);
        EXPECT_EQ(w.layoutDirection(), c.lang == 1 ? Qt::RightToLeft : Qt::LeftToRight);
        EXPECT_EQ(w.List5->layoutDirection(), Qt::LeftToRight) << "fixed-column lines read left to right";
        EXPECT_EQ(w.ShownGroup(), 1);
        EXPECT_TRUE(w.GroupSelectted[1]->font().bold());
        EXPECT_FALSE(w.GroupSelectted[2]->font().bold());
        EXPECT_FALSE(w.SystemInputDevices[1]->isHidden());
        EXPECT_FALSE(w.Text1[1]->isHidden());
        EXPECT_TRUE(w.SystemInputDevices[2]->isHidden());
        EXPECT_TRUE(w.GroupOutputDevices[32]->isHidden());
        EXPECT_EQ(w.Command9->isHidden(), !c.admin);
        EXPECT_FALSE(w.Command11->isHidden()) << "the dialer flag is on";
        EXPECT_EQ(w.Text1[1]->text(), (c.lang == 1 ? QStringLiteral("קבוצת הפעלה ") : QStringLiteral("Group ")) + "1");
        EXPECT_EQ(w.GroupSelectted[32]->x() - w.GroupSelectted[1]->x(), 872) << "900/32 apart";
        EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[7]), Blue);
        w.show();
        ExpectCaptionsFit(w);
        // The windows' heights hold the title bar: 9420 and 7545 twips outside.
        EXPECT_LE(w.ExitWithoutSave->geometry().bottom(), w.height() - 1);
    }
    Flags(false, false, false);
    frm8Groups w;
    EXPECT_TRUE(w.Command11->isHidden());
}

TEST_F(GroupsWindowTest, BuildAGroupSaveWithYesAndReopen)
{
    {
        frm8Groups w;
        w.GroupSelectted[5]->click();
        ASSERT_EQ(w.ShownGroup(), 5);
        EXPECT_EQ(w.Command6->text(), "Delete\nfrom group 5");
        Select(w.SystemInputDevices[5], {3, 12, 8});
        w.Command3->click();
        EXPECT_EQ(Addresses(w.GroupInputDevices[5]), V({3, 8, 12}));
        EXPECT_EQ(Addresses(w.SystemInputDevices[5]), V({4, 5, 20, 21, 22, 23, 30}));
        EXPECT_TRUE(w.Option1[1]->isChecked());
        Select(w.SystemOutputDevices[5], {9, 201});
        w.Command5->click();
        EXPECT_EQ(Items(w.GroupOutputDevices[5]), QStringList({"009 DEV 9" + QString(11, ' '), "201 Alarm rly 1 "}));
        EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[5]), Blue) << "the colours catch up when a group is shown";
        w.Option1[2]->click();
        w.Text1[5]->clear();
        QTest::keyClicks(w.Text1[5], "LOBBY");
        w.GroupSelectted[6]->click();
        EXPECT_EQ(VbColor::BackColor(w.GroupSelectted[5]), Green);
        w.GroupSelectted[5]->click();
        EXPECT_EQ(VbColor::BackColor(w.Shape1), Green);
        EXPECT_TRUE(w.Option1[2]->isChecked());
        CloseWith(w, Ui::vbYes);
    }
    EXPECT_EQ(DeviceDataArray[3].NumOfGroups.str(), "1 ");
    EXPECT_EQ(DeviceDataArray[3].Grp[1].str(), "05");
    EXPECT_EQ(DeviceDataArray[8].WithAlarmGroup, "1");
    EXPECT_EQ(OutGrpArray[5].Trigger.str(), "2");
    EXPECT_EQ(OutGrpArray[5].OutCount.str(), "2");
    EXPECT_EQ(OutGrpArray[5].OutAddr[1].str(), "201") << "outputs added together go in last address first";
    EXPECT_EQ(OutGrpArray[5].OutAddr[2].str(), "009");
    EXPECT_EQ(OutGrpArray[5].GrpName.str(), "LOBBY           ");
    EXPECT_EQ(NumOfActiveGroups, 1);
    EXPECT_TRUE(DataChanged);

    frm8Groups again;
    EXPECT_EQ(VbColor::BackColor(again.GroupSelectted[5]), Green);
    again.GroupSelectted[5]->click();
    EXPECT_EQ(Addresses(again.GroupInputDevices[5]), V({3, 8, 12}));
    EXPECT_EQ(Addresses(again.GroupOutputDevices[5]), V({9, 201}));
    EXPECT_TRUE(again.Option1[2]->isChecked());
    EXPECT_TRUE(again.Option1[3]->isEnabled());
    EXPECT_EQ(again.Text1[5]->text(), "LOBBY           ");
    CloseWith(again, Ui::vbNo);
}

TEST_F(GroupsWindowTest, NoLeavesTheProjectAndCancelKeepsTheWindowOpen)
{
    Links(3, {1});
    StoredGroup(1, 1, {9});
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    DataChanged = true;
    frm8Groups w;
    w.show();
    Select(w.SystemInputDevices[1], {4, 5});
    w.Command3->click();
    prompter.Expect("Save data ?", Ui::vbCancel);
    w.ExitWithoutSave->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.GroupInputDevices[1]->count(), 3) << "the edits stay";
    // The close box asks the same question.
    prompter.Expect("Save data ?", Ui::vbNo);
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(DeviceDataArray, devices);
    EXPECT_EQ(OutGrpArray, groups);
    EXPECT_FALSE(DataChanged);
}

TEST_F(GroupsWindowTest, RefusalsAreShownInMessageBoxes)
{
    Links(4, {1, 2, 3, 4});
    StoredGroup(9, 0, {9, 10, 14, 15});
    frm8Groups w;
    w.GroupSelectted[9]->click();
    Select(w.SystemInputDevices[9], {3, 4, 5});
    prompter.Expect("Input device' 4 can be in 4 groups !!!", Ui::vbOK);
    w.Command3->click();
    EXPECT_EQ(Addresses(w.GroupInputDevices[9]), V({3, 5}));
    EXPECT_EQ(Addresses(w.SystemInputDevices[9]), V({4, 8, 12, 20, 21, 22, 23, 30}));

    Select(w.SystemOutputDevices[9], {16, 201, 205});
    prompter.Expect("The amount of OUTPUTS can't be more than 6", Ui::vbOK);
    w.Command5->click();
    EXPECT_EQ(w.GroupOutputDevices[9]->count(), 4);
    EXPECT_TRUE(w.SystemOutputDevices[9]->selectedItems().isEmpty());
    EXPECT_EQ(w.Label6->text(), "") << "a refused output move empties the line";
    Select(w.SystemOutputDevices[9], {16, 205});
    w.Command5->click();
    EXPECT_EQ(w.GroupOutputDevices[9]->count(), 6);
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().front().title, "") << "the program's title";
}

TEST_F(GroupsWindowTest, TriggerOptionsOfTheShownGroup)
{
    for (int a : {3, 4}) Links(a, {7});
    StoredGroup(7, 2, {9});
    StoredGroup(8, 3, {10});  // no inputs
    frm8Groups w;
    w.GroupSelectted[7]->click();
    EXPECT_TRUE(w.Option1[2]->isChecked());
    EXPECT_EQ(w.Option1[1]->text(), "1");
    EXPECT_EQ(w.Option1[2]->text(), "2");
    EXPECT_FALSE(w.Option1[3]->isEnabled());
    EXPECT_EQ(w.Option1[3]->text(), "");
    w.Option1[1]->click();
    EXPECT_EQ(w.ShownGroup(), 7) << "a trigger option is a choice of its own";
    w.GroupSelectted[7]->click();
    EXPECT_EQ(w.ShownGroup(), 7) << "pressing the shown group again keeps it";
    EXPECT_TRUE(w.Option1[1]->isChecked());
    EXPECT_EQ(w.Model().GrpEditArray[7].Trigger, 1);
    EXPECT_EQ(w.Option1[1]->font().pointSize(), 14);
    EXPECT_TRUE(w.Option1[1]->font().bold());
    ExpectCaptionsFit(w);
    EXPECT_EQ(w.Option1[2]->font().pointSize(), 10);
    EXPECT_FALSE(w.Option1[2]->font().bold());

    w.GroupSelectted[8]->click();
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FALSE(w.Option1[k]->isEnabled()) << k;
        EXPECT_FALSE(w.Option1[k]->isChecked()) << k;
        EXPECT_EQ(w.Option1[k]->text(), "") << k;
    }
    EXPECT_EQ(w.Model().GrpEditArray[8].Trigger, 3) << "a group without inputs keeps its trigger";
    EXPECT_EQ(w.Model().GrpEditArray[7].Trigger, 1) << "showing another group writes no trigger";

    // Removing the last input blanks the options and sets the trigger to 0.
    w.GroupSelectted[7]->click();
    Select(w.GroupInputDevices[7], {3, 4});
    w.Command4->click();
    EXPECT_FALSE(w.Option1[1]->isEnabled());
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_EQ(w.Model().GrpEditArray[7].Trigger, 0);
}

TEST_F(GroupsWindowTest, InformationLineFollowsTheSelection)
{
    Links(3, {3, 7});
    StoredGroup(3, 1, {9});
    StoredGroup(7, 1, {9});
    frm8Groups w;
    w.GroupSelectted[3]->click();
    Focus(w.GroupInputDevices[3]);
    Select(w.GroupInputDevices[3], {3});
    EXPECT_EQ(w.Label6->text(), "Device 003 Exist in 2 groups of 4 gropus\n3 , 7\nFactory name: 003 SMOKE DET  ");
    ExpectCaptionsFit(w);
    w.GroupInputDevices[3]->clearSelection();
    EXPECT_EQ(w.Label6->text(), "") << "nothing selected";

    Select(w.GroupOutputDevices[3], {9});
    EXPECT_EQ(w.Label6->text(), "Device 009 exist in 2 groups:\n3, 7\nFactory name: 009 OUTPUT     ");
    // Working in another list clears the selection of the others and empties the line; the
    // line then tells of the item clicked there.
    Focus(w.SystemInputDevices[3]);
    EXPECT_TRUE(w.GroupOutputDevices[3]->selectedItems().isEmpty());
    EXPECT_EQ(w.Label6->text(), "");
    Select(w.SystemInputDevices[3], {4});
    EXPECT_EQ(w.SystemInputDevices[3]->selectedItems().size(), 1);
    const QString in004 = "Device 004 not in groups\nFactory name: 004 SMOKE DET  ";
    EXPECT_EQ(w.Label6->text(), in004);
    // Several selected: the topmost is described.
    Select(w.SystemInputDevices[3], {12, 5});
    EXPECT_TRUE(w.Label6->text().startsWith("Device 004 not in groups"));
    w.GroupSelectted[4]->click();
    EXPECT_TRUE(w.SystemInputDevices[3]->selectedItems().isEmpty());
    EXPECT_EQ(w.Label6->text(), "") << "another group shown empties the line";
}

TEST_F(GroupsWindowTest, NameBoxSelectsItsTextOnEntry)
{
    frm8Groups w;
    Focus(w.Text1[1]);
    QApplication::processEvents();
    EXPECT_EQ(w.Text1[1]->selectedText(), "Group 1");
}

TEST_F(GroupsWindowTest, DoubleClickMovesTheItem)
{
    frm8Groups w;
    w.show();
    QListWidget* list = w.SystemInputDevices[1];
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect r = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(Addresses(w.GroupInputDevices[1]), V({4}));
    EXPECT_EQ(w.Label6->text(), "") << "an input move empties the line";
}

}  // namespace
