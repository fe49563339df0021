// The groups window's information line through real clicks: it describes the device last
// clicked, as the working tables hold it now, whatever happened since the click.
#include <functional>
#include <random>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GroupsWindowFixture.h"
#include "RandomProject.h"
#include "configeditors/GroupsTexts.h"
#include "core/languages.h"
#include "mainwindow/LayoutChecks.h"

namespace {

class GroupsInfoTest : public GroupsWindowTest {
protected:
    static void Show(frm8Groups& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    // The row of the item of `address` in `list` (-1: not there).
    static int Row(const QListWidget* l, int address)
    {
        for (int i = 0; i < l->count(); ++i)
            if (GroupsModel::ItemAddress(l->item(i)->text()) == address) return i;
        return -1;
    }
    static QPoint ItemCentre(QListWidget* l, int row)
    {
        l->scrollToItem(l->item(row));
        return l->visualItemRect(l->item(row)).center();
    }
    static void ClickItem(QListWidget* l, int address, Qt::KeyboardModifiers mods = {})
    {
        const int row = Row(l, address);
        ASSERT_GE(row, 0) << address;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, mods, ItemCentre(l, row));
    }
    static void DoubleClickItem(QListWidget* l, int address)
    {
        const int row = Row(l, address);
        ASSERT_GE(row, 0) << address;
        const QPoint p = ItemCentre(l, row);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    }
    // Input 003 in group 1 with output 009; outputs 10 and 201 free.
    static void GroupOne()
    {
        Links(3, {1});
        StoredGroup(1, 1, {9});
    }
};


const QString In003 = "Device 003 Exist in one group of 4 groups\n1\nFactory name: 003 SMOKE DET  ";

TEST_F(GroupsInfoTest, ClickingTheSelectedItemAgainAfterTheFocusWasElsewhere)
{
    GroupOne();
    struct Case {
        const char* where;
        std::function<QWidget*(frm8Groups&)> target;
    };
    const std::vector<Case> cases{
        {"name box", [](frm8Groups& w) -> QWidget* { return w.Text1[1]; }},
        {"trigger option", [](frm8Groups& w) -> QWidget* { return w.Option1[1]; }},
        {"listing button", [](frm8Groups& w) -> QWidget* { return w.Command10; }},
        {"other list", [](frm8Groups& w) -> QWidget* { return w.SystemOutputDevices[1]->viewport(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        frm8Groups w;
        Show(w);
        ClickItem(w.GroupInputDevices[1], 3);
        ASSERT_EQ(w.Label6->text(), In003);
        QWidget* target = c.target(w);
        // Below the last item of the other list: the focus goes there, no item is clicked.
        const QPoint at = target == w.SystemOutputDevices[1]->viewport() ? QPoint(10, target->height() - 4)
                                                                        : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        ASSERT_NE(QApplication::focusWidget(), w.GroupInputDevices[1]);
        EXPECT_EQ(w.Label6->text(), In003) << "the focus elsewhere leaves the line";
        ClickItem(w.GroupInputDevices[1], 3);
        ASSERT_EQ(QApplication::focusWidget(), w.GroupInputDevices[1]);
        EXPECT_TRUE(w.GroupInputDevices[1]->item(0)->isSelected());
        EXPECT_EQ(w.Label6->text(), In003);
    }
}

TEST_F(GroupsInfoTest, AfterAMoveTheLineDescribesTheDeviceAsItIsNow)
{
    GroupOne();
    using Lists = std::vector<QListWidget*> frm8Groups::*;
    struct Case {
        const char* move;
        Lists list;
        int address;
        std::function<void(frm8Groups&)> act;
        QString line;
    };
    auto press = [](QPushButton* frm8Groups::*b) { return [b](frm8Groups& w) { QTest::mouseClick(w.*b, Qt::LeftButton); }; };
    const std::vector<Case> cases{
        {"add input", &frm8Groups::SystemInputDevices, 12, press(&frm8Groups::Command3),
         "Device 012 Exist in one group of 4 groups\n1\nFactory name: 012 INPUT      "},
        {"remove input", &frm8Groups::GroupInputDevices, 3, press(&frm8Groups::Command4),
         "Device 003 not in groups\nFactory name: 003 SMOKE DET  "},
        {"add output", &frm8Groups::SystemOutputDevices, 10, press(&frm8Groups::Command5),
         "Device 010 nxist in one group:\n1\nFactory name: 010 OUTPUT     "},
        {"add special output", &frm8Groups::SystemOutputDevices, 201, press(&frm8Groups::Command5),
         "Device 201 nxist in one group:\n1"},
        {"remove output", &frm8Groups::GroupOutputDevices, 9, press(&frm8Groups::Command6),
         "Device 009 not exist in groups\nFactory name: 009 OUTPUT     "},
        {"double-click", &frm8Groups::SystemInputDevices, 12,
         [](frm8Groups& w) { DoubleClickItem(w.SystemInputDevices[1], 12); },
         "Device 012 Exist in one group of 4 groups\n1\nFactory name: 012 INPUT      "},
        {"delete group", &frm8Groups::GroupOutputDevices, 9,
         [this](frm8Groups& w) {
             prompter.Expect("Delete group ???", Ui::vbYes);
             QTest::mouseClick(w.Command1, Qt::LeftButton);
         },
         "Device 009 not exist in groups\nFactory name: 009 OUTPUT     "},
        {"delete all, seen from another group", &frm8Groups::GroupInputDevices, 3,
         [this](frm8Groups& w) {
             QTest::mouseClick(w.GroupSelectted[4], Qt::LeftButton);
             prompter.Expect("Delete all groups ???", Ui::vbYes);
             QTest::mouseClick(w.Command2, Qt::LeftButton);
         },
         "Device 003 not in groups\nFactory name: 003 SMOKE DET  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.move);
        frm8Groups w;
        Show(w);
        ClickItem((w.*c.list)[1], c.address);
        ASSERT_TRUE(w.Label6->text().startsWith(QStringLiteral("Device %1 ").arg(c.address, 3, 10, QLatin1Char('0'))));
        const QString before = w.Label6->text();
        c.act(w);
        EXPECT_EQ(w.Label6->text(), c.line);
        EXPECT_NE(w.Label6->text(), before);
        EXPECT_EQ(prompter.Pending(), 0);
    }
}

// Random sequences of what a user does in the window, on random whole projects: after every
// step the line is the text of the device last clicked (the topmost item selected in the list
// of that click) as the working tables hold it at that moment.
TEST_F(GroupsInfoTest, TheLineAlwaysDescribesTheDeviceLastClickedAsItIsNow)
{
    std::mt19937 rng(2024);
    using RandomProject::Pick;
    const Ui::Prompter scripted = Ui::CurrentPrompter();
    // Every box is answered at random where it asks, with OK where it only tells.
    Ui::SetPrompter([&rng](const Ui::MsgBoxCall& c) {
        return c.buttons() == Ui::vbOKOnly ? int(Ui::vbOK) : (Pick(rng, 2) ? int(Ui::vbYes) : int(Ui::vbNo));
    });
    const std::array<std::vector<QListWidget*> frm8Groups::*, 4> lists{
        &frm8Groups::SystemInputDevices, &frm8Groups::GroupInputDevices, &frm8Groups::SystemOutputDevices,
        &frm8Groups::GroupOutputDevices};
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE(run);
        MaxNumOfDevices = Pick(rng, 2) ? 126 : 50;
        RandomProject::FillWholeProject(rng, MaxNumOfDevices);
        Flags(Pick(rng, 2), Pick(rng, 2), Pick(rng, 3) > 0);
        UILanguage = int16_t(1 + Pick(rng, 2));
        frm8Groups w;
        Show(w);
        int device = 0;  // the test's own account of the device last clicked
        bool input = false;
        for (int step = 0; step < 60; ++step) {
            const int g = w.ShownGroup();
            ASSERT_NE(g, 0);
            QString did;
            switch (Pick(rng, 10)) {
            case 0:
            case 1:
            case 2: {  // a click on an item, alone or with Ctrl or Shift
                const int n = Pick(rng, 4);
                QListWidget* l = (w.*lists[size_t(n)])[g];
                if (l->count() == 0) break;
                const int row = Pick(rng, l->count());
                const int a = GroupsModel::ItemAddress(l->item(row)->text());
                const Qt::KeyboardModifiers mods =
                    std::array<Qt::KeyboardModifiers, 4>{{{}, {}, Qt::ControlModifier, Qt::ShiftModifier}}[size_t(Pick(rng, 4))];
                did = QStringLiteral("click %1 in list %2, keys %3").arg(a).arg(n).arg(int(mods));
                QTest::mouseClick(l->viewport(), Qt::LeftButton, mods, ItemCentre(l, row));
                input = n < 2;
                device = 0;
                for (int i = 0; i < l->count() && device == 0; ++i)
                    if (l->item(i)->isSelected()) device = GroupsModel::ItemAddress(l->item(i)->text());
                if (mods == Qt::KeyboardModifiers{}) ASSERT_EQ(device, a) << "a plain click selects its item alone";
                break;
            }
            case 3: {  // a double-click moves the item
                const int n = Pick(rng, 4);
                QListWidget* l = (w.*lists[size_t(n)])[g];
                if (l->count() == 0) break;
                device = GroupsModel::ItemAddress(l->item(Pick(rng, l->count()))->text());
                input = n < 2;
                did = QStringLiteral("double-click %1 in list %2").arg(device).arg(n);
                DoubleClickItem(l, device);
                break;
            }
            case 4: {
                QPushButton* b = std::array{w.Command3, w.Command4, w.Command5, w.Command6}[size_t(Pick(rng, 4))];
                did = "press " + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
                break;
            }
            case 5: {
                const int k = 1 + Pick(rng, 3);
                did = QStringLiteral("trigger option %1").arg(k);
                QTest::mouseClick(w.Option1[k], Qt::LeftButton);
                break;
            }
            case 6: {
                const int to = 1 + Pick(rng, MaxGroups);
                did = QStringLiteral("group %1").arg(to);
                QTest::mouseClick(w.GroupSelectted[to], Qt::LeftButton);
                break;
            }
            case 7: {  // the focus elsewhere
                switch (Pick(rng, 4)) {
                case 0:
                    did = "name box";
                    QTest::mouseClick(w.Text1[g], Qt::LeftButton);
                    QTest::keyClicks(w.Text1[g], "X");
                    break;
                case 1:
                    did = "Tab";
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Tab);
                    break;
                case 2:
                    did = "listing and HIDE";
                    QTest::mouseClick(Pick(rng, 2) ? w.Command7 : w.Command8, Qt::LeftButton);
                    QTest::mouseClick(w.Command10, Qt::LeftButton);
                    break;
                default:
                    did = "HIDE";
                    QTest::mouseClick(w.Command10, Qt::LeftButton);
                }
                break;
            }
            case 8: {
                QPushButton* b = std::array{w.Command1, w.Command2}[size_t(Pick(rng, 2))];
                did = "press " + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
                break;
            }
            default:
                if (w.Command11->isHidden()) break;
                did = "special dialer";
                QTest::mouseClick(w.Command11, Qt::LeftButton);
            }
            const QString expected = input ? GroupsTexts::InputInfo(w.Model(), device) : GroupsTexts::OutputInfo(w.Model(), device);
            ASSERT_EQ(w.Label6->text(), QString(expected).replace('\r', '\n')) << "step " << step << ": " << did.toStdString();
        }
    }
    Ui::SetPrompter(scripted);
}

// In each language and layout, right after a move the line describes the moved device in its
// new state (and VD_SCREENSHOTS keeps a picture of it).
TEST_F(GroupsInfoTest, TheLineAfterAMoveInEveryLook)
{
    GroupOne();
    for (const int16_t lang : {int16_t(2), int16_t(1)}) {
        for (const bool small : {false, true}) {
            SCOPED_TRACE(std::to_string(lang) + (small ? " small" : " large"));
            UILanguage = lang;
            languages::SetLanguage(lang);
            SmallDisplay = small;
            QApplication::setLayoutDirection(lang == 1 ? Qt::RightToLeft : Qt::LeftToRight);
            {
                frm8Groups w;
                Show(w);
                ClickItem(w.SystemInputDevices[1], 12);
                const QString before = w.Label6->text();
                QTest::mouseClick(w.Command3, Qt::LeftButton);
                EXPECT_NE(w.Label6->text(), before) << "the line follows the move";
                EXPECT_TRUE(w.Label6->text().contains("012")) << w.Label6->text().toStdString();
                LayoutChecks::Screenshot(w, QStringLiteral("groups-%1-%2").arg(lang == 1 ? "he" : "en", small ? "small" : "large"));
                ASSERT_GE(Row(w.GroupInputDevices[1], 12), 0);
                prompter.Expect(lang == 1 ? QStringLiteral("לשמור נתונים ?") : QStringLiteral("Save data ?"), Ui::vbNo);
                w.close();
            }
            // Back to the English look, and group 1 as it was, for the next look.
            QApplication::setLayoutDirection(Qt::LeftToRight);
        }
    }
    UILanguage = 2;
    languages::SetLanguage(2);
    SmallDisplay = false;
}

}  // namespace
