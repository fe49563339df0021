// The groups window's information line through real clicks: it describes the device last
// clicked, as the working tables hold it now, until an event that empties it.
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

// The line after each event of the window, in both languages: emptied where the focus arrives
// in a list, another group is shown, inputs move, an output move is refused or a group is
// emptied; kept elsewhere; a click on an item sets it again for that item, also when the item was
// selected already; after an output move it tells of the device as the move has left it.
TEST_F(GroupsInfoTest, TheLineAfterEachEvent)
{
    GroupOne();
    Links(21, {2, 3, 4, 5});  // a conventional detector already in 4 groups
    using Lists = std::vector<QListWidget*> frm8Groups::*;
    // What the line reads afterwards: emptied, as the first click left it, or a text of its own.
    struct After {
        enum { Emptied, AsClicked, Reads } kind;
        QString english, hebrew;
    };
    const After emptied{After::Emptied, {}, {}}, asClicked{After::AsClicked, {}, {}};
    auto reads = [](const QString& en, const QString& he) { return After{After::Reads, en, he}; };
    struct Case {
        const char* event;
        Lists list;  // the item clicked first, in group 1
        int address;
        std::function<void(frm8Groups&)> act;
        After after;
    };
    auto click = [](QPushButton* frm8Groups::*b) { return [b](frm8Groups& w) { QTest::mouseClick(w.*b, Qt::LeftButton); }; };
    // Below the last item of a list: the focus goes there, no item is clicked, and the group's
    // other lists lose their selections.
    auto clickBelowItems = [](Lists l) {
        return [l](frm8Groups& w) {
            QWidget* v = (w.*l)[1]->viewport();
            QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(10, v->height() - 4));
            ASSERT_EQ(QApplication::focusWidget(), (w.*l)[1]);
            for (QListWidget* other : {w.SystemInputDevices[1], w.GroupInputDevices[1], w.SystemOutputDevices[1],
                                       w.GroupOutputDevices[1]})
                EXPECT_TRUE(other == (w.*l)[1] || other->selectedItems().isEmpty()) << other->objectName().toStdString();
        };
    };
    auto answer = [this](int button, QPushButton* frm8Groups::*b) {
        return [this, button, b](frm8Groups& w) {
            prompter.Expect(button);
            QTest::mouseClick(w.*b, Qt::LeftButton);
        };
    };
    // Somewhere else first, then the item clicked first once more.
    auto andBack = [](std::function<void(frm8Groups&)> elsewhere, Lists l, int address) {
        return [=](frm8Groups& w) {
            elsewhere(w);
            ASSERT_NE(QApplication::focusWidget(), (w.*l)[1]);
            ClickItem((w.*l)[1], address);
            ASSERT_EQ(QApplication::focusWidget(), (w.*l)[1]);
        };
    };
    const auto nameBox = [](frm8Groups& w) {
        QTest::mouseClick(w.Text1[1], Qt::LeftButton);
        QTest::keyClicks(w.Text1[1], "X");
    };
    const auto option1 = [](frm8Groups& w) { QTest::mouseClick(w.Option1[1], Qt::LeftButton); };
    const auto listing = [](frm8Groups& w) {
        QTest::mouseClick(w.Command7, Qt::LeftButton);
        QTest::mouseClick(w.Command10, Qt::LeftButton);
    };
    const QString out010en = "Device 010 nxist in one group:\n1\nFactory name: 010 OUTPUT     ";
    // A Hebrew line keeps the factory name's own order.
    const QString out010he =
        QStringLiteral("התקן מס' 010 נמצא בקבוצה אחת:\n1\nשם ברירת המחדל: ") + Ui::LeftToRight("010 OUTPUT     ");
    const std::vector<Case> cases{
        // Emptied.
        {"focus to another list", &frm8Groups::GroupInputDevices, 3, clickBelowItems(&frm8Groups::SystemOutputDevices),
         emptied},
        {"a click in the system inputs list", &frm8Groups::GroupOutputDevices, 9,
         clickBelowItems(&frm8Groups::SystemInputDevices), emptied},
        {"another group shown", &frm8Groups::GroupInputDevices, 3,
         [](frm8Groups& w) { QTest::mouseClick(w.GroupSelectted[2], Qt::LeftButton); }, emptied},
        {"add input", &frm8Groups::SystemInputDevices, 12, click(&frm8Groups::Command3), emptied},
        {"add input refused", &frm8Groups::SystemInputDevices, 21, answer(Ui::vbOK, &frm8Groups::Command3), emptied},
        {"add input, nothing selected", &frm8Groups::GroupOutputDevices, 9, click(&frm8Groups::Command3), emptied},
        {"remove input", &frm8Groups::GroupInputDevices, 3, click(&frm8Groups::Command4), emptied},
        {"double-click an input", &frm8Groups::SystemInputDevices, 12,
         [](frm8Groups& w) { DoubleClickItem(w.SystemInputDevices[1], 12); }, emptied},
        {"add outputs refused", &frm8Groups::SystemOutputDevices, 10,
         [this](frm8Groups& w) {
             for (int a : {14, 15, 16, 201, 205}) ClickItem(w.SystemOutputDevices[1], a, Qt::ControlModifier);
             ASSERT_EQ(w.SystemOutputDevices[1]->selectedItems().size(), 6);
             prompter.Expect(Ui::vbOK);
             QTest::mouseClick(w.Command5, Qt::LeftButton);
         },
         emptied},
        {"delete group, Yes", &frm8Groups::GroupOutputDevices, 9, answer(Ui::vbYes, &frm8Groups::Command1), emptied},
        {"delete all, Yes", &frm8Groups::GroupInputDevices, 3, answer(Ui::vbYes, &frm8Groups::Command2), emptied},
        {"special dialer, Yes", &frm8Groups::GroupInputDevices, 3, answer(Ui::vbYes, &frm8Groups::Command11), emptied},
        // Kept.
        {"trigger option", &frm8Groups::GroupInputDevices, 3, option1, asClicked},
        {"name box", &frm8Groups::GroupInputDevices, 3, nameBox, asClicked},
        {"listing and HIDE", &frm8Groups::SystemOutputDevices, 14, listing, asClicked},
        {"the shown group again", &frm8Groups::GroupInputDevices, 3,
         [](frm8Groups& w) { QTest::mouseClick(w.GroupSelectted[1], Qt::LeftButton); }, asClicked},
        {"delete group, No", &frm8Groups::GroupInputDevices, 3, answer(Ui::vbNo, &frm8Groups::Command1), asClicked},
        {"delete all, No", &frm8Groups::GroupOutputDevices, 9, answer(Ui::vbNo, &frm8Groups::Command2), asClicked},
        {"special dialer, No", &frm8Groups::GroupInputDevices, 3, answer(Ui::vbNo, &frm8Groups::Command11), asClicked},
        // The item selected already, clicked again after the focus was elsewhere.
        {"name box, then the item", &frm8Groups::GroupInputDevices, 3,
         andBack(nameBox, &frm8Groups::GroupInputDevices, 3), asClicked},
        {"trigger option, then the item", &frm8Groups::GroupInputDevices, 3,
         andBack(option1, &frm8Groups::GroupInputDevices, 3), asClicked},
        {"listing, then the item", &frm8Groups::SystemInputDevices, 12,
         andBack(listing, &frm8Groups::SystemInputDevices, 12), asClicked},
        {"another list, then the item", &frm8Groups::GroupInputDevices, 3,
         andBack(clickBelowItems(&frm8Groups::SystemOutputDevices), &frm8Groups::GroupInputDevices, 3), asClicked},
        // Output moves: the device as the move has left it.
        {"add output", &frm8Groups::SystemOutputDevices, 10, click(&frm8Groups::Command5), reads(out010en, out010he)},
        {"double-click an output", &frm8Groups::SystemOutputDevices, 10,
         [](frm8Groups& w) { DoubleClickItem(w.SystemOutputDevices[1], 10); }, reads(out010en, out010he)},
        {"add special output", &frm8Groups::SystemOutputDevices, 201, click(&frm8Groups::Command5),
         reads("Device 201 nxist in one group:\n1", QStringLiteral("התקן מס' 201 נמצא בקבוצה אחת:\n1"))},
        {"remove output", &frm8Groups::GroupOutputDevices, 9, click(&frm8Groups::Command6),
         reads("Device 009 not exist in groups\nFactory name: 009 OUTPUT     ",
               QStringLiteral("התקן מס' 009 לא נמצא בקבוצות\nשם ברירת המחדל: ") + Ui::LeftToRight("009 OUTPUT     "))},
    };
    for (const int16_t lang : {int16_t(2), int16_t(1)}) {
        UILanguage = lang;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(lang == 1 ? "Hebrew: " : "English: ") + c.event);
            frm8Groups w;
            Show(w);
            ClickItem((w.*c.list)[1], c.address);
            const QString clicked = w.Label6->text();
            ASSERT_TRUE(clicked.startsWith((lang == 1 ? QStringLiteral("התקן מס' %1 ") : QStringLiteral("Device %1 "))
                                               .arg(c.address, 3, 10, QLatin1Char('0'))))
                << clicked.toStdString();
            c.act(w);
            switch (c.after.kind) {
            case After::Emptied: EXPECT_EQ(w.Label6->text(), "") << w.Label6->text().toStdString(); break;
            case After::AsClicked: EXPECT_EQ(w.Label6->text(), clicked) << w.Label6->text().toStdString(); break;
            case After::Reads:
                EXPECT_EQ(w.Label6->text(), lang == 1 ? c.after.hebrew : c.after.english) << w.Label6->text().toStdString();
            }
            EXPECT_EQ(prompter.Pending(), 0);
            prompter.Expect(Ui::vbNo);  // "Save data ?"
            w.close();
        }
    }
    UILanguage = 2;
}

// Random sequences of what a user does in the window, on random whole projects: after every
// step the line is either empty or the text of the device last clicked (the topmost item
// selected in the list of that click) as the working tables hold it at that moment. It is
// emptied when the focus arrives in a list, another group is shown, inputs move, an output move
// is refused or a group is emptied, and only then.
TEST_F(GroupsInfoTest, TheLineIsTheDeviceLastClickedAsItIsNowUntilEmptied)
{
    std::mt19937 rng(2024);
    using RandomProject::Pick;
    const Ui::Prompter scripted = Ui::CurrentPrompter();
    // Every box is answered at random where it asks, with OK where it only tells; the answers
    // of each step are kept.
    std::vector<int> answers;
    Ui::SetPrompter([&rng, &answers](const Ui::MsgBoxCall& c) {
        answers.push_back(c.buttons() == Ui::vbOKOnly ? int(Ui::vbOK) : (Pick(rng, 2) ? int(Ui::vbYes) : int(Ui::vbNo)));
        return answers.back();
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
        int device = 0;  // the test's own account of the device the line tells of (0: empty)
        bool input = false;
        int emptied = 0;
        for (int step = 0; step < 60; ++step) {
            const int g = w.ShownGroup();
            ASSERT_NE(g, 0);
            answers.clear();
            const int before = device;
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
                if (mods == Qt::KeyboardModifiers{}) {
                    ASSERT_EQ(device, a) << "a plain click selects its item alone";
                }
                break;
            }
            case 3: {  // a double-click moves the item: an input move empties the line, an output
                       // move keeps telling of the item unless it is refused
                const int n = Pick(rng, 4);
                QListWidget* l = (w.*lists[size_t(n)])[g];
                if (l->count() == 0) break;
                device = GroupsModel::ItemAddress(l->item(Pick(rng, l->count()))->text());
                input = n < 2;
                did = QStringLiteral("double-click %1 in list %2").arg(device).arg(n);
                DoubleClickItem(l, device);
                if (input || !answers.empty()) device = 0;
                break;
            }
            case 4: {
                const int k = Pick(rng, 4);
                QPushButton* b = std::array{w.Command3, w.Command4, w.Command5, w.Command6}[size_t(k)];
                did = "press " + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
                if (k < 2 || !answers.empty()) device = 0;
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
                if (to != g) device = 0;
                break;
            }
            case 7: {  // the focus elsewhere: empties the line only when it arrives in a list
                switch (Pick(rng, 4)) {
                case 0:
                    did = "name box";
                    QTest::mouseClick(w.Text1[g], Qt::LeftButton);
                    QTest::keyClicks(w.Text1[g], "X");
                    break;
                case 1: {
                    did = "Tab";
                    QWidget* from = QApplication::focusWidget();
                    QTest::keyClick(from ? from : &w, Qt::Key_Tab);
                    QWidget* to = QApplication::focusWidget();
                    for (const auto list : lists)
                        if (to != from && to == (w.*list)[g]) device = 0;
                    break;
                }
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
            case 8: {  // Yes empties the group or every group, and the line
                QPushButton* b = std::array{w.Command1, w.Command2}[size_t(Pick(rng, 2))];
                did = "press " + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
                if (answers.at(0) == Ui::vbYes) device = 0;
                break;
            }
            default:
                if (w.Command11->isHidden()) break;
                did = "special dialer";
                QTest::mouseClick(w.Command11, Qt::LeftButton);
                if (answers.at(0) == Ui::vbYes) device = 0;
            }
            if (before != 0 && device == 0) ++emptied;
            const QString expected = input ? GroupsTexts::InputInfo(w.Model(), device) : GroupsTexts::OutputInfo(w.Model(), device);
            ASSERT_EQ(w.Label6->text(), QString(expected).replace('\r', '\n')) << "step " << step << ": " << did.toStdString();
        }
        EXPECT_GT(emptied, 0) << "the run empties the line somewhere";
    }
    Ui::SetPrompter(scripted);
}

// In each language and layout: an output move leaves the line telling of the moved output as it
// is now, an input move empties it, and a click on the moved input shows its three lines whole
// (VD_SCREENSHOTS keeps a picture of that).
TEST_F(GroupsInfoTest, TheLineAfterTheMovesInEveryLook)
{
    GroupOne();
    Links(12, {5});
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
                ClickItem(w.SystemOutputDevices[1], 10);
                QTest::mouseClick(w.Command5, Qt::LeftButton);
                EXPECT_EQ(w.Label6->text(), GroupsTexts::OutputInfo(w.Model(), 10).replace('\r', '\n'));
                EXPECT_TRUE(w.Label6->text().contains("\n1\n")) << w.Label6->text().toStdString();
                ClickItem(w.SystemInputDevices[1], 12);
                QTest::mouseClick(w.Command3, Qt::LeftButton);
                EXPECT_EQ(w.Label6->text(), "");
                ClickItem(w.GroupInputDevices[1], 12);
                EXPECT_EQ(w.Label6->text().split('\n').size(), 3);
                EXPECT_TRUE(w.Label6->text().contains("5 , 1")) << w.Label6->text().toStdString();
                EXPECT_EQ(LayoutChecks::CutCaptions(&w), std::vector<std::string>{});
                LayoutChecks::Screenshot(w, QStringLiteral("groups-%1-%2").arg(lang == 1 ? "he" : "en", small ? "small" : "large"));
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
