// The groups window's controls and where they stand in its two layouts (window pixels).
#include <array>
#include <cmath>

#include <QButtonGroup>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "configeditors/EditorWindow.h"
#include "configeditors/frm8Groups.h"
#include "platform/Controls.h"
#include "platform/Printer.h"

namespace {

// The window's width in twips (15 to the pixel); its heights are the editors' own.
constexpr int WidthTwips = 13800;
using EditorWindow::ClientHeight;
using EditorWindow::Px;

// The group buttons: one row, 900/32 units apart, the window's scale being one unit a pixel.
constexpr double ButtonPitch = 900.0 / 32;
constexpr int ButtonsLeft = 10, ButtonsTop = 8, ButtonSize = 28;
// The trigger options inside Frame1: 1650 twips wide, 1650 twips apart; tall enough for the
// chosen one's 14-point bold caption.
constexpr int OptionWidth = 1650 / EditorWindow::TwipsPerPixel;
constexpr int OptionTop = 24, OptionHeight = 30;

struct Place {
    const char* control;  // a control's name, or the name of every element of a control array
    QRect full;
    QRect compact;
};

const std::array<Place, 24> Places{{
    {"Label1", {10, 40, 445, 20}, {10, 40, 445, 20}},
    {"Label2", {465, 40, 445, 20}, {465, 40, 445, 20}},
    {"Text2", {10, 62, 900, 20}, {10, 62, 900, 20}},
    {"SystemInputDevices", {10, 84, 445, 160}, {10, 84, 445, 100}},
    {"SystemOutputDevices", {465, 84, 445, 160}, {465, 84, 445, 100}},
    {"Command3", {10, 248, 220, 40}, {10, 188, 220, 36}},
    {"Command4", {235, 248, 220, 40}, {235, 188, 220, 36}},
    {"Command5", {465, 248, 220, 40}, {465, 188, 220, 36}},
    {"Command6", {690, 248, 220, 40}, {690, 188, 220, 36}},
    {"Shape1", {10, 292, 900, 190}, {10, 228, 900, 140}},
    {"Text1", {16, 298, 300, 24}, {16, 234, 300, 24}},
    {"GroupInputDevices", {16, 326, 433, 150}, {16, 262, 433, 100}},
    {"GroupOutputDevices", {471, 326, 433, 150}, {471, 262, 433, 100}},
    {"Frame1", {10, 488, 345, 60}, {10, 374, 345, 56}},
    {"Label6", {365, 488, 545, 60}, {365, 374, 545, 56}},
    {"Command7", {10, 556, 125, 36}, {10, 436, 125, 34}},
    {"Command8", {140, 556, 125, 36}, {140, 436, 125, 34}},
    {"Command9", {270, 556, 70, 36}, {270, 436, 70, 34}},
    {"Command10", {345, 556, 60, 36}, {345, 436, 60, 34}},
    {"Command11", {410, 556, 100, 36}, {410, 436, 100, 34}},
    {"Command1", {515, 556, 110, 36}, {515, 436, 110, 34}},
    {"Command2", {630, 556, 140, 36}, {630, 436, 140, 34}},
    {"SaveAndExitBttn", {775, 556, 65, 36}, {775, 436, 65, 34}},
    {"ExitWithoutSave", {845, 556, 65, 36}, {845, 436, 65, 34}},
}};

// The listing box over the list area and the line box along its lower edge.
constexpr QRect List5Full{10, 40, 900, 416}, List5Compact{10, 40, 900, 302};
constexpr QRect Text6Full{10, 456, 900, 26}, Text6Compact{10, 342, 900, 26};

using Controls::Button;
using Controls::Make;

QListWidget* List(QWidget* parent, const QString& name)
{
    auto* l = Make<QListWidget>(parent, name);
    l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    l->hide();
    return l;
}

// Fixed-column lines read left to right in both languages, in the reports' fixed-pitch font.
QFont FixedFont() { return Printer::ReportFont(9.75); }

}  // namespace

void frm8Groups::BuildControls()
{
    // The frame around the shown group's lists lies under them.
    Shape1 = Make<QFrame>(this, QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);

    Label1 = Make<QLabel>(this, QStringLiteral("Label1"));
    Label2 = Make<QLabel>(this, QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
    }
    Text2 = Make<QLineEdit>(this, QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setFocusPolicy(Qt::NoFocus);

    GroupSelectted.assign(MaxGroups + 1, nullptr);
    Text1.assign(MaxGroups + 1, nullptr);
    for (auto* v : {&SystemInputDevices, &GroupInputDevices, &SystemOutputDevices, &GroupOutputDevices})
        v->assign(MaxGroups + 1, nullptr);
    for (int g = 0; g <= MaxGroups; ++g) {
        QPushButton* b = Button(this, QStringLiteral("GroupSelectted_%1").arg(g));
        b->setCheckable(true);
        b->setText(g == 0 ? QString() : QString::number(g));
        b->setGeometry(ButtonsLeft + int(std::lround(ButtonPitch * (g - 1))), ButtonsTop, ButtonSize, ButtonSize);
        b->setVisible(g != 0);
        GroupSelectted[g] = b;
        SystemInputDevices[g] = List(this, QStringLiteral("SystemInputDevices_%1").arg(g));
        SystemOutputDevices[g] = List(this, QStringLiteral("SystemOutputDevices_%1").arg(g));
        GroupInputDevices[g] = List(this, QStringLiteral("GroupInputDevices_%1").arg(g));
        GroupOutputDevices[g] = List(this, QStringLiteral("GroupOutputDevices_%1").arg(g));
        Text1[g] = Make<QLineEdit>(this, QStringLiteral("Text1_%1").arg(g));
        Text1[g]->hide();
    }
    // One choice among the group buttons (element 0, the template, takes no part) and one among
    // the trigger options, each in its own set: pressing the shown group's button again, or
    // choosing a trigger, leaves the other set as it is.
    auto* groupChoice = new QButtonGroup(this);
    for (int g = 1; g <= MaxGroups; ++g) groupChoice->addButton(GroupSelectted[g], g);

    Command3 = Button(this, QStringLiteral("Command3"));
    Command4 = Button(this, QStringLiteral("Command4"));
    Command5 = Button(this, QStringLiteral("Command5"));
    Command6 = Button(this, QStringLiteral("Command6"));

    Frame1 = Make<QGroupBox>(this, QStringLiteral("Frame1"));
    Option1.assign(4, nullptr);
    for (int k = 0; k <= 3; ++k) {
        Option1[k] = Make<QRadioButton>(Frame1, QStringLiteral("Option1_%1").arg(k));
        if (k == 0) {
            Option1[k]->setGeometry(-OptionWidth * 2, 0, OptionWidth, 24);  // off the window
            Option1[k]->hide();
        } else {
            Option1[k]->setGeometry(8 + OptionWidth * (k - 1), OptionTop, OptionWidth, OptionHeight);
        }
    }
    auto* triggerChoice = new QButtonGroup(this);
    for (int k = 0; k <= 3; ++k) triggerChoice->addButton(Option1[k], k);

    Label6 = Make<QLabel>(this, QStringLiteral("Label6"));
    Label6->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    Label6->setFrameShape(QFrame::Panel);
    Label6->setFrameShadow(QFrame::Sunken);

    Command7 = Button(this, QStringLiteral("Command7"));
    Command8 = Button(this, QStringLiteral("Command8"));
    Command9 = Button(this, QStringLiteral("Command9"));
    Command10 = Button(this, QStringLiteral("Command10"));
    Command11 = Button(this, QStringLiteral("Command11"));
    Command1 = Button(this, QStringLiteral("Command1"));
    Command2 = Button(this, QStringLiteral("Command2"));
    SaveAndExitBttn = Button(this, QStringLiteral("SaveAndExitBttn"));
    ExitWithoutSave = Button(this, QStringLiteral("ExitWithoutSave"));

    List5 = Make<QListWidget>(this, QStringLiteral("List5"));
    List5->setFont(FixedFont());
    List5->setLayoutDirection(Qt::LeftToRight);
    List5->hide();
    // The line box starts off the window; a listing brings it beside the listing box.
    Text6 = Make<QLineEdit>(this, QStringLiteral("Text6"));
    Text6->setFont(FixedFont());
    Text6->setLayoutDirection(Qt::LeftToRight);
    Text6->setReadOnly(true);
    Text6->setFocusPolicy(Qt::ClickFocus);
    Text6->setGeometry(-Text6Full.width() * 2, Text6Full.top(), Text6Full.width(), Text6Full.height());
}

void frm8Groups::PlaceControls(bool small)
{
    setFixedSize(Px(WidthTwips), Px(ClientHeight(small)));
    for (const Place& p : Places) {
        const QString name = QString::fromLatin1(p.control);
        const QRect& r = small ? p.compact : p.full;
        if (QWidget* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            w->setGeometry(r);
            continue;
        }
        // A control array: every element stands at the same place.
        for (int g = 0; g <= MaxGroups; ++g)
            if (QWidget* w = findChild<QWidget*>(name + QLatin1Char('_') + QString::number(g), Qt::FindDirectChildrenOnly))
                w->setGeometry(r);
    }
    List5->setGeometry(small ? List5Compact : List5Full);
}

void frm8Groups::PlaceText6()
{
    Text6->setGeometry(height() == Px(ClientHeight(true)) ? Text6Compact : Text6Full);
}
