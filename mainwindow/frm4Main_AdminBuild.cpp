// The administrator area's controls: the code frame, the maintenance buttons, the seven tabs
// with their contents, and the verification panel (window pixels; tab contents from twips).
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "mainwindow/AdminValues.h"
#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"

using namespace Controls;

namespace {

// The first row of a tab's tools, under the title.
constexpr int ToolsTop = 36;

QLineEdit* Box(QWidget* parent, const QString& name, int left, int top, int width, const QString& text, int height = 20)
{
    auto* b = Make<QLineEdit>(parent, name, left, top, width, height);
    b->setText(text);
    return b;
}

// A column of buttons in a tab, one under the other below the tab's title.
void ButtonColumn(QWidget* tab, const std::vector<std::pair<QPushButton**, const char*>>& buttons,
                  const std::vector<const char*>& captions)
{
    for (size_t i = 0; i < buttons.size(); ++i)
        *buttons[i].first = Button(tab, QString::fromLatin1(buttons[i].second), 4, ToolsTop + 23 * int(i), 167, 22,
                                   QString::fromLatin1(captions[i]));
}

}  // namespace

void frm4Main::BuildAdminArea()
{
    MaxMinAdminWindow = Button(this, QStringLiteral("MaxMinAdminWindow"), 862, 6, 36, 22, QStringLiteral("<>"));
    MaxMinAdminWindow->hide();

    static const std::array<const char*, 7> titles{"SET", "GET", "SYS DATA", "COM", "VALUES", "DIFF", "DEVICE DATA"};
    for (int i = 0; i < 7; ++i) {
        auto* panel = Make<QFrame>(this, QStringLiteral("Picture10_%1").arg(i), 910, 30 + 35 * i, 175, 35);
        panel->setFrameShape(QFrame::Box);
        panel->setAutoFillBackground(true);
        // The tools speak English and show codes, values and fixed columns: they read left to
        // right in the Hebrew window too.
        panel->setLayoutDirection(Qt::LeftToRight);
        Picture10.push_back(panel);
        // A collapsed tab (35 high) shows its title and nothing of its tools, which start below.
        AdminLbl.push_back(Clickable(panel, QStringLiteral("AdminLbl%1").arg(i), QString::fromLatin1(titles[i]), 2, 2, 170, 32));
        // The tools of a tab stand close together in a small font; the title keeps the window's.
        QFont small = panel->font();
        small.setPixelSize(10);
        panel->setFont(small);
        QFont title = font();
        title.setPointSizeF(title.pointSizeF());
        AdminLbl[i]->setFont(title);
    }
    BuildAdminAccess();
    BuildLinkTabs();
    BuildValuesTab();
    BuildDiffAndDumpTabs();
    BuildVerificationPanel();
}

void frm4Main::BuildAdminAccess()
{
    Label24 = Clickable(this, QStringLiteral("Label24"), QStringLiteral("A"), 0, 0, Px(135), Px(195));
    Label24->setCursor(Qt::ArrowCursor);
    VbColor::SetForeColor(Label24, 0xC0C0C0);
    VbColor::SetBackColor(Label24, 0xFFFFFF);

    Frame1 = Make<QGroupBox>(this, QStringLiteral("Frame1"), 0, 0, 150, 80);
    Frame1->setTitle(QStringLiteral("Admin Enter"));
    Frame1->setAutoFillBackground(true);
    Text4 = Box(Frame1, QStringLiteral("Text4"), 8, 24, 134, QStringLiteral("Admin"));
    VbColor::SetBackColor(Text4, 0xC0C0C0);
    Text3 = Box(Frame1, QStringLiteral("Text3"), 8, 50, 134, QStringLiteral("password"));
    VbColor::SetBackColor(Text3, 0xFFFFFF);
    Frame1->hide();

    // The model, the language flag and the Serial-anywhere search stand above the tabs.
    Command13 = Button(this, QStringLiteral("Command13"), 910, 4, 50, 22, QStringLiteral("126"));
    Command16 = Button(this, QStringLiteral("Command16"), 964, 4, 30, 22, QStringLiteral("ע"));
    Command14 = Button(this, QStringLiteral("Command14"), 998, 4, 30, 22, QStringLiteral("S"));
}

void frm4Main::BuildLinkTabs()
{
    ButtonColumn(Picture10[0],
                 {{&SET_SUB_DATA, "SET_SUB_DATA"}, {&SET_BAUD_RATE, "SET_BAUD_RATE"}, {&SET_TIME, "SET_TIME"},
                  {&SET_DATA_SYS, "SET_DATA_SYS"}, {&SET_DEVICE_NAME, "SET_DEVICE_NAME"}, {&SET_OUT_GRP, "SET_OUT_GRP"},
                  {&SET_DEVICE_DATA, "SET_DEVICE_DATA"}},
                 {"SetSubData", "SetBaudRate", "SetTime", "SetDataSys", "SetDeviceName", "SetOutGrp", "SetDeviceData"});
    ButtonColumn(Picture10[1],
                 {{&GET_SUB_DATA, "GET_SUB_DATA"}, {&GET_HISTORY_A, "GET_HISTORY_A"}, {&GET_DATA_SYS, "GET_DATA_SYS"},
                  {&GET_OUT_GRP, "GET_OUT_GRP"}, {&GET_DEVICE_DATA, "GET_DEVICE_DATA"}, {&GET_DEVICE_NAME, "GET_DEVICE_NAME"}},
                 {"GetSubData", "GetHistoryA", "GetDataSys", "GetOutGrp", "GetDeviceData", "GetDevicName"});

    // "SYS DATA": the identity of the panel last read.
    QFrame* sys = Picture10[2];
    const std::array<std::pair<QLineEdit**, const char*>, 4> identity{
        {{&txtVerComNum, "VerComNum"}, {&txtVerSoftNum, "VerSoftNum"}, {&txtVerHardNum, "VerHardNum"}, {&txtTechCode, "TechCode"}}};
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(identity[i].second);
        Label(sys, QStringLiteral("lbl") + name, 6, ToolsTop + 28 * i, 82, 20, name);
        *identity[i].first = Box(sys, QStringLiteral("txt") + name, 90, ToolsTop + 28 * i, 78, QString());
    }

    // "COM": port close; Fast/Slow; the presets; the time-out boxes under their unit; the
    // transfer time. One row each, so no caption shares its width with another control.
    QFrame* com = Picture10[3];
    Command11 = Button(com, QStringLiteral("Command11"), 4, ToolsTop, 90, 20, QStringLiteral("CLOSE PORT"));
    ManualDelays = {Make<QRadioButton>(com, QStringLiteral("ManualDelays0"), 4, ToolsTop + 22, 80, 20),
                    Make<QRadioButton>(com, QStringLiteral("ManualDelays1"), 88, ToolsTop + 22, 80, 20)};
    ManualDelays[0]->setText(QStringLiteral("Fast"));
    ManualDelays[1]->setText(QStringLiteral("Slow"));
    DefaultValues4Delays = Button(com, QStringLiteral("DefaultValues4Delays"), 4, ToolsTop + 44, 54, 20, QStringLiteral("9.6K"));
    Command9 = Button(com, QStringLiteral("Command9"), 61, ToolsTop + 44, 54, 20, QStringLiteral("38.4K"));
    Command10 = Button(com, QStringLiteral("Command10"), 118, ToolsTop + 44, 54, 20, QStringLiteral("57.6K"));
    Label(com, QStringLiteral("lblSeconds"), 108, ToolsTop + 66, 64, 16, QStringLiteral("Seconds"));
    const std::array<std::tuple<QLineEdit**, const char*, const char*, const char*>, 3> timing{
        {{&TimeDelay, "TimeDelay", "TimeDelay", "2.5"},
         {&FullStr, "FullStr", "FullStr", "0.36"},
         {&FullStr2, "FullStr2", "FullStr2 (wait4ACK)", "0.1"}}};
    for (int i = 0; i < 3; ++i) {
        const auto& [box, name, caption, text] = timing[i];
        const int top = ToolsTop + 82 + 20 * i;
        Label(com, QStringLiteral("lbl") + QString::fromLatin1(name), 4, top, 102, 18, QString::fromLatin1(caption));
        *box = Box(com, QString::fromLatin1(name), 108, top, 44, QString::fromLatin1(text), 18);
    }
    Label(com, QStringLiteral("lblText2"), 4, ToolsTop + 144, 102, 18, QStringLiteral("Data transfer time"));
    Text2 = Box(com, QStringLiteral("Text2"), 108, ToolsTop + 144, 64, QString(), 18);
}

void frm4Main::BuildValuesTab()
{
    QFrame* values = Picture10[4];
    Label(values, QStringLiteral("lblSmokeSens"), 6, ToolsTop, 165, 16, QStringLiteral("Smoke Sensetivity"));
    Label(values, QStringLiteral("lblInputValues"), 6, ToolsTop + 104, 165, 16, QStringLiteral("Input Alarm & PreAlarm Values"));

    static const std::array<const char*, 5> captions{"High", "Medium", "Low", "Alarm", "PreAlarm"};
    static const std::array<const char*, 3> tips{"לחיצה כפולה מכניסה רגישות גבוה לכל הגלאים",
                                                 "לחיצה כפולה מכניסה רגישות בנונית לכל הגלאים",
                                                 "לחיצה כפולה מכניסה רגישות נמוכה לכל הגלאים"};
    for (int i = 0; i < 5; ++i) {
        const int left = 6 + 54 * (i % 3), top = ToolsTop + (i < 3 ? 16 : 120);
        SensLbl.push_back(Clickable(values, QStringLiteral("SensLbl%1").arg(i), QString::fromLatin1(captions[i]), left, top, 52, 16));
        if (i < 3) SensLbl[i]->setToolTip(QString::fromUtf8(tips[i]));
    }

    const int boxes = ToolsTop + 32;
    HighSens = Box(values, QStringLiteral("HighSens"), 6, boxes, 44, AdminValues::DefaultHighSens);
    MediumSens = Box(values, QStringLiteral("MediumSens"), 60, boxes, 44, AdminValues::DefaultMediumSens);
    LowSens = Box(values, QStringLiteral("LowSens"), 114, boxes, 44, AdminValues::DefaultLowSens);
    // The reading thresholds stand between the sensitivities they divide.
    High2Medium = Box(values, QStringLiteral("High2Medium"), 33, boxes + 22, 44, AdminValues::DefaultHigh2Medium);
    Medium2Low = Box(values, QStringLiteral("Medium2Low"), 87, boxes + 22, 44, AdminValues::DefaultMedium2Low);
    DefaultSensitivity = Button(values, QStringLiteral("DefaultSensitivity"), 6, boxes + 46, 60, 20, QStringLiteral("Default"));
    InputAlarmValTxt = Box(values, QStringLiteral("InputAlarmValTxt"), 6, ToolsTop + 136, 44, AdminValues::DefaultInputValue);
    InputPREAlarmValTxt = Box(values, QStringLiteral("InputPREAlarmValTxt"), 60, ToolsTop + 136, 44, AdminValues::DefaultInputValue);
    Command8 = Button(values, QStringLiteral("Command8"), 114, ToolsTop + 136, 56, 20, QStringLiteral("Default"));

    for (QLineEdit* box : ValueBoxes()) acceptedValues_.push_back(box->text());
}

void frm4Main::BuildDiffAndDumpTabs()
{
    QFrame* diff = Picture10[5];
    Command15 = Button(diff, QStringLiteral("Command15"), 6, ToolsTop, 100, 24, QStringLiteral("AF420 TST"));
    Command15->setToolTip(QStringLiteral("Disable Alarm in all AF420 cards"));
    Label38 = Label(diff, QStringLiteral("Label38"), 6, ToolsTop + 32, 160, 18, QStringLiteral("Last error"));
    Label37 = Label(diff, QStringLiteral("Label37"), 6, ToolsTop + 52, 165, 40);

    // "DEVICE DATA": placed when the tab opens.
    QFrame* dump = Picture10[6];
    const QFont fixed = FixedFont(9);
    Label35 = Label(dump, QStringLiteral("Label35"), Px(150), ToolsTop, 643, Px(1000));
    List2 = Make<QListWidget>(dump, QStringLiteral("List2"), Px(100), 99, Px(9450), Px(1000));
    Label36 = Label(dump, QStringLiteral("Label36"), Px(150), 166, Px(9450), Px(1000));
    List3 = Make<QListWidget>(dump, QStringLiteral("List3"), Px(150), Px(3600), Px(2550), Px(900));
    List4 = Make<QListWidget>(dump, QStringLiteral("List4"), Px(150) + Px(2550), Px(3600), Px(6900), Px(900));
    for (QWidget* w : std::initializer_list<QWidget*>{Label35, List2, Label36, List3, List4}) w->setFont(fixed);
    Label35->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label36->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frm4Main::BuildVerificationPanel()
{
    Command7 = Button(this, QStringLiteral("Command7"), 620, 404, 276, 30, QStringLiteral("שגיאה בנתונים"));
    Command7->hide();

    Picture6 = Make<QFrame>(this, QStringLiteral("Picture6"), 0, 0, 906, 628);
    Picture6->setFrameShape(QFrame::Box);
    Picture6->setAutoFillBackground(true);
    List1 = Make<QListWidget>(Picture6, QStringLiteral("List1"), Px(200), Px(200), 773, 588);
    Command5 = Button(Picture6, QStringLiteral("Command5"), 800, 561, 87, 27, QStringLiteral("סגור"));
    Label23 = Label(Picture6, QStringLiteral("Label23"), 800, Px(100), 100, 27, QStringLiteral("לא ללחוץ על X !!!"));
    Picture6->hide();
}
