// The administrator area: the code that switches administrator mode on, the column of tabs,
// the value boxes, the maintenance buttons, the device-table dump and the verification panel.
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/DataModel.h"
#include "core/ProgramInfo.h"
#include "mainwindow/AdminValues.h"
#include "mainwindow/DeviceDump.h"
#include "mainwindow/MainLayout.h"
#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"
#include "panellink/LinkState.h"
#include "platform/QtLanguage.h"

using namespace Controls;

namespace {

constexpr int OpenTabHeight = 200;
constexpr int DeviceTableHeight = 310;

// Focus that moves inside the window; a message box or another program taking the focus is
// not the user leaving the box.
bool MovesInsideWindow(QEvent* event)
{
    const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

}  // namespace

void frm4Main::WireAdminArea()
{
    connect(Label24, &ClickLabel::clicked, this, [this] { Label24_Click(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
    connect(Command16, &QPushButton::clicked, this, [this] { Command16_Click(); });
    connect(Command15, &QPushButton::clicked, this, [this] { Command15_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { Command14_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
    for (QLineEdit* box : ValueBoxes())
        connect(box, &QLineEdit::editingFinished, this, [this, box] { CommitValueBox(box); });

    auto* hook = new EventHook(this, [this](QObject* o, QEvent* e) { return AdminEvent(o, e); });
    for (QObject* o : std::initializer_list<QObject*>{Text3, Text4, Label37}) o->installEventFilter(hook);
    for (ClickLabel* l : SensLbl) l->installEventFilter(hook);
}

bool frm4Main::AdminEvent(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Label37) {
            Label37_DblClick();
            return true;
        }
        for (int i = 0; i < int(SensLbl.size()); ++i)
            if (watched == SensLbl[i]) {
                SensLbl_DblClick(i);
                return true;
            }
        return false;
    }
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    if (!MovesInsideWindow(event)) return false;
    const bool in = event->type() == QEvent::FocusIn;
    if (watched == Text4 && !in) Text4_LostFocus();
    if (watched == Text3) in ? Text3_GotFocus() : Text3_LostFocus();
    return false;
}

// --- access sequence -----------------------------------------------------------------------

void frm4Main::Label24_Click()
{
    if (Frame1->isVisibleTo(this)) return;
    Frame1->show();
    Frame1->raise();
    Frame1->move(0, 0);
    Text4->setFocus(Qt::OtherFocusReason);
    Text3->setText(QStringLiteral("password"));
}

void frm4Main::Text4_LostFocus()
{
    if (Frame1->isVisibleTo(this)) Text3->setFocus(Qt::OtherFocusReason);
}

void frm4Main::Text3_GotFocus() { Text3->clear(); }

void frm4Main::Text3_Change()
{
    if (!ProgramInfo::IsAdminPassword(Text3->text())) return;
    AdminMode = true;
    Command2->show();
    Frame1->hide();
    SetWidthTwips(MainLayout::WidthAdmin);
    MaxMinAdminWindow->show();
}

// A wrong or empty code closes the frame as soon as the box loses the focus.
void frm4Main::Text3_LostFocus()
{
    if (!AdminMode) Command2->click();
}

void frm4Main::Command2_Click()
{
    // Hiding the frame moves the focus out of the code box, which presses this button again.
    if (leavingAdmin_) return;
    leavingAdmin_ = true;
    AdminMode = false;
    Frame1->hide();
    Command2->hide();
    if (Picture10[6]->height() == DeviceTableHeight) AdminLbl_Click(6);
    SetWidthTwips(MainLayout::WidthNarrow);
    MaxMinAdminWindow->hide();
    leavingAdmin_ = false;
}

// --- tabs ----------------------------------------------------------------------------------

void frm4Main::AdminLbl_Click(int Index)
{
    if (Index < 0 || Index >= int(Picture10.size())) return;
    Label37_DblClick();
    // Clicking an open tab closes it; any click while the device table is open only closes it.
    const bool closing = Picture10[Index]->height() == OpenTabHeight || Picture10[6]->height() == DeviceTableHeight;
    StackAdminTabs(false);
    if (!closing) {
        QFrame* p = Picture10[Index];
        p->resize(p->width(), OpenTabHeight);
        for (int k = Index + 1; k < int(Picture10.size()); ++k)
            Picture10[k]->move(Picture10[k]->x(), Picture10[k]->y() + OpenTabHeight - 35);
    }
    AdminLbl[6]->resize(Px(2550), AdminLbl[6]->height());
    if (Index == 6 && !closing) OpenDeviceTable();
}

void frm4Main::OpenDeviceTable()
{
    QFrame* panel = Picture10[6];
    panel->resize(panel->width(), DeviceTableHeight);
    List2->clear();
    // The table spreads to the left over the other tabs.
    panel->setGeometry(435, panel->y(), 650, DeviceTableHeight);
    panel->raise();
    AdminLbl[6]->resize(Px(9650), AdminLbl[6]->height());
    // Under the title, a pixel apart, so nothing of the legend shows in the collapsed tab.
    const QRect title = AdminLbl[6]->geometry();
    Label35->setGeometry(Px(150), title.bottom() + 2, title.width(), Px(1000));
    Label35->setText(DeviceDump::UpperLegend());
    List2->setGeometry(Px(100), Label35->geometry().bottom() + 1, Px(9450), Px(1000));
    Label36->setGeometry(Label35->x(), List2->geometry().bottom() + 1, List2->width(), Px(1000));
    Label36->setText(DeviceDump::LowerLegend());
    FillAdminDeviceList();
}

void frm4Main::FillAdminDeviceList()
{
    List2->clear();
    List2->addItems(DeviceDump::Lines(MaxNumOfDevices));
    List3->setGeometry(List3->x(), Px(3600), Px(2550), Px(900));
    List3->clear();
    List3->addItems(DeviceDump::KindLegend());
    List4->setGeometry(List3->x() + List3->width(), Px(3600), Px(6900), Px(900));
    List4->clear();
    List4->addItems(DeviceDump::OutputCodeLegend());
}

void frm4Main::Label37_DblClick() { Label37->setText(AdminValues::ErrorLabelText()); }

// --- maintenance buttons -------------------------------------------------------------------

void frm4Main::Command13_Click()
{
    if (Command13->text() == QLatin1String("126")) {
        // The next save would drop them while groups still name them.
        if (AdminValues::DevicesAbove50()) {
            if (const auto m = AdminValues::Above50Refused(UILanguage)) ShowMessage(*m);
            return;
        }
        MaxNumOfDevices = 50;
    } else {
        MaxNumOfDevices = 126;
    }
    ShowModel();
}

void frm4Main::Command16_Click()
{
    const bool hebrew = Command16->text() == QStringLiteral("ע");
    Command16->setText(hebrew ? QStringLiteral("E") : QStringLiteral("ע"));
    UILanguage = hebrew ? 2 : 1;
    // No window is re-captioned; the messages and Qt's own dialogs follow the flag.
    QtLanguage::Apply(UILanguage == 1);
}

void frm4Main::Command15_Click()
{
    if (const auto colour = AdminValues::ToggleAlarmFaultCards()) VbColor::SetBackColor(Command15, *colour);
}

void frm4Main::Command14_Click()
{
    SerialAnywhere = true;
    FindComPort();
}

// --- value boxes ---------------------------------------------------------------------------

std::vector<QLineEdit*> frm4Main::ValueBoxes() const
{
    return {HighSens, MediumSens, LowSens, High2Medium, Medium2Low, InputAlarmValTxt, InputPREAlarmValTxt};
}

bool frm4Main::CommitValueBox(QLineEdit* box)
{
    if (checkingValue_) return true;
    const auto boxes = ValueBoxes();
    const size_t i = size_t(std::find(boxes.begin(), boxes.end(), box) - boxes.begin());
    if (i >= boxes.size()) return true;
    if (AdminValues::ParseValueBox(box->text())) {
        acceptedValues_[i] = box->text();
        return true;
    }
    // The message box takes the focus, which finishes the editing once more.
    checkingValue_ = true;
    ShowMessage(AdminValues::ValueRefused(UILanguage));
    box->setText(acceptedValues_[i]);
    checkingValue_ = false;
    return false;
}

bool frm4Main::CommitValueBoxes()
{
    bool all = true;
    for (QLineEdit* box : ValueBoxes()) all = CommitValueBox(box) && all;
    return all;
}

void frm4Main::Command8_Click()
{
    for (QLineEdit* box : {InputAlarmValTxt, InputPREAlarmValTxt}) {
        box->setText(AdminValues::DefaultInputValue);
        CommitValueBox(box);
    }
}

void frm4Main::DefaultSensitivity_Click()
{
    const std::array<std::pair<QLineEdit*, QString>, 5> defaults{{{HighSens, AdminValues::DefaultHighSens},
                                                                  {MediumSens, AdminValues::DefaultMediumSens},
                                                                  {LowSens, AdminValues::DefaultLowSens},
                                                                  {High2Medium, AdminValues::DefaultHigh2Medium},
                                                                  {Medium2Low, AdminValues::DefaultMedium2Low}}};
    for (const auto& [box, text] : defaults) {
        box->setText(text);
        CommitValueBox(box);
    }
}

void frm4Main::SensLbl_DblClick(int Index)
{
    if (Index < 0 || Index > 4) return;
    int value = 0;
    if (Index <= 2) {
        QLineEdit* box = std::array<QLineEdit*, 3>{HighSens, MediumSens, LowSens}[Index];
        if (!CommitValueBox(box)) return;
        value = *AdminValues::ParseValueBox(box->text());
    }
    ShowMessage(AdminValues::DetectorCount(AdminValues::ApplySensitivity(Index, value)));
}

// --- verification panel and timers ---------------------------------------------------------

void frm4Main::Command7_Click()
{
    StatBar->hide();
    const int w = widthTwips_, h = heightTwips_;
    Picture6->setGeometry(0, 0, Px(w), Px(h));
    List1->setGeometry(Px(200), Px(200), Px(w - 2000), Px(h - 600));
    Command5->setGeometry(Px(w - 1600), Px(h - 1000), Px(1300), Px(400));
    Label23->setGeometry(Px(w - 1600), Px(100), Px(1500), Px(400));
    Picture6->show();
    Picture6->raise();
    Timer1->stop();
    VbColor::SetBackColor(Command7, AdminValues::LightGrey);
}

void frm4Main::Timer1_Timer()
{
    VbColor::SetBackColor(Command7, AdminValues::NextVerifyBlink(VbColor::BackColor(Command7), SendAllowed));
}

void frm4Main::ShowLinkView()
{
    txtVerComNum->setText(LinkView.txtVerComNum);
    txtVerSoftNum->setText(LinkView.txtVerSoftNum);
    txtVerHardNum->setText(LinkView.txtVerHardNum);
    txtTechCode->setText(LinkView.txtTechCode);
    List1->clear();
    List1->addItems(LinkView.List1);
    Command7->setText(LinkView.Command7Caption.isEmpty() ? Command7->text() : LinkView.Command7Caption);
    Command7->setVisible(LinkView.Command7Visible);
    if (LinkView.Command7Visible) Command7->raise();
    if (LinkView.Timer1Enabled) Timer1->start();
    else Timer1->stop();
}
