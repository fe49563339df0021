// The devices window: its controls outside the rows, the load, the captions and the closing.
#include "devices/frm6NamesAndSettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/Conv.h"
#include "core/languages.h"
#include "devices/DevicesTexts.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"
#include "platform/ClickLabel.h"
#include "platform/VbColor.h"

using namespace Controls;

namespace {

QFrame* Panel(QWidget* parent, const QString& name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    return f;
}

}  // namespace

frm6NamesAndSettings::frm6NamesAndSettings(QWidget* parent) : AskingDialog(parent)
{
    setObjectName(QStringLiteral("frm6NamesAndSettings"));
    BuildControls();
    Form_Load();
}

frm6NamesAndSettings::~frm6NamesAndSettings() = default;

void frm6NamesAndSettings::BuildControls()
{
    setFont(frm6Controls::RowFont());

    // The rows: frame, viewport and the canvas that moves behind it.
    Frame1 = Panel(this, QStringLiteral("Frame1"));
    Picture9 = new QWidget(Frame1);
    Picture9->setObjectName(QStringLiteral("Picture9"));
    Picture1 = new QWidget(Picture9);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    VbColor::SetBackColor(Picture1, DeviceColors::LightGrey);
    {
        // The factory names are display only: their disabled boxes keep a readable text. The
        // rows inherit this from the canvas instead of each being given it.
        QPalette p = Picture1->palette();
        p.setColor(QPalette::Disabled, QPalette::Text, VbColor::ToQColor(0x404040));
        Picture1->setPalette(p);
    }

    for (int k = 1; k <= 9; ++k) {
        auto* heading = Make<QLineEdit>(this, QStringLiteral("Text%1").arg(k), 0, 0, 10, 25);
        heading->setReadOnly(true);
        heading->setFocusPolicy(Qt::NoFocus);
        heading->setAlignment(Qt::AlignCenter);
        VbColor::SetBackColor(heading, DeviceColors::DarkGrey);
        VbColor::SetForeColor(heading, DeviceColors::White);
        HeadingBoxes[size_t(k)] = heading;
    }

    // The scroll bar and the paging buttons lie over the right-hand part of the frame.
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    Command4 = Button(this, QStringLiteral("Command4"), 0, 0, 80, 125);
    Command2 = Button(this, QStringLiteral("Command2"), 0, 0, 80, 125);
    Command1 = Button(this, QStringLiteral("Command1"), 0, 0, 80, 125);
    Command3 = Button(this, QStringLiteral("Command3"), 0, 0, 80, 125);

    // The address map covers the main area; its cells are made each time it is shown.
    Picture2 = Panel(this, QStringLiteral("Picture2"));
    VbColor::SetBackColor(Picture2, DeviceColors::LightGrey);
    Label4.assign(1, nullptr);

    // The names-view tools: the go-to box (the range fill, names import and bulk edits join it).
    Picture7 = Panel(this, QStringLiteral("Picture7"));
    Label1 = Label(Picture7, QStringLiteral("Label1"), 4, 4, 104, 20);
    Text20 = Make<QLineEdit>(Picture7, QStringLiteral("Text20"), 4, 28, 52, 26);
    Command5 = Button(Picture7, QStringLiteral("Command5"), 60, 28, 48, 26);
    for (int k = 0; k < 2; ++k) {
        Label11[size_t(k)] = Label(Picture7, QStringLiteral("Label11_%1").arg(k), 4 + 52 * k, 56, 50, 16);
        Label11[size_t(k)]->hide();  // the canvas position, for the designer's eyes only
    }

    // The view buttons, OK and Cancel, and the captured/available counter.
    Picture6 = Panel(this, QStringLiteral("Picture6"));
    Label3 = Label(Picture6, QStringLiteral("Label3"), 4, 2, 434, 20);
    Label3->setAlignment(Qt::AlignCenter);
    Command10 = Button(Picture6, QStringLiteral("Command10"), 4, 26, 108, 44);
    Command11 = Button(Picture6, QStringLiteral("Command11"), 116, 26, 108, 44);
    Command9 = Button(Picture6, QStringLiteral("Command9"), 228, 26, 58, 44);
    SaveBttn = Button(Picture6, QStringLiteral("SaveBttn"), 290, 26, 72, 44);
    ExitCmd = Button(Picture6, QStringLiteral("ExitCmd"), 366, 26, 72, 44);

    // The type panel and the address summary: built by their own shares of the window.
    Picture3 = Panel(this, QStringLiteral("Picture3"));
    Picture4 = Panel(this, QStringLiteral("Picture4"));
    BuildPanels();

    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(VScroll1, &QScrollBar::sliderMoved, this, [this] { VScroll1_Scroll(); });
    connect(Command4, &QPushButton::clicked, this, &frm6NamesAndSettings::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &frm6NamesAndSettings::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm6NamesAndSettings::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frm6NamesAndSettings::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &frm6NamesAndSettings::Command5_Click);
    connect(Text20, &QLineEdit::returnPressed, this, [this] {
        if (!Text20->text().isEmpty()) Command5->click();
    });
    connect(Command9, &QPushButton::clicked, this, &frm6NamesAndSettings::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &frm6NamesAndSettings::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &frm6NamesAndSettings::Command11_Click);
    connect(SaveBttn, &QPushButton::clicked, this, &frm6NamesAndSettings::SaveBttn_Click);
    connect(ExitCmd, &QPushButton::clicked, this, &frm6NamesAndSettings::ExitCmd_Click);

    // Picture7's range fill, names and bulk buttons; the summary's labels; the map's hover strip.
    BuildToolControls();
    BuildSummaryControls();
    BuildHoverControls();
}

void frm6NamesAndSettings::Form_Load()
{
    Picture6->show();
    Picture2->hide();
    Picture4->hide();
    Picture3->hide();
    Picture7->hide();
    Frame1->hide();
    // Language tables, group copy, working copy and the rows' states.
    editor_.Form_Load();
    SetCaptions();
    FormCreate();
    ShowRows();
    Command10->click();
    SetPageCaptions();
    // The scroll bar works from the start, not only after its first change.
    SetScrollRange();
}

void frm6NamesAndSettings::SetCaptions()
{
    // The lower panels read in the interface language; the rows keep their fixed columns.
    if (UILanguage == 1 || UILanguage == 2)
        for (QWidget* panel : {static_cast<QWidget*>(Picture6), static_cast<QWidget*>(Picture7)})
            panel->setLayoutDirection(UILanguage == 1 ? Qt::RightToLeft : Qt::LeftToRight);
    if (const auto title = DevicesTexts::WindowTitle(UILanguage, MaxNumOfDevices)) setWindowTitle(*title);
    if (UILanguage == 1 || UILanguage == 2) {
        const bool english = UILanguage == 2;
        for (const DevicesTexts::Caption& c : DevicesTexts::CaptionTable()) {
            auto* w = findChild<QWidget*>(c.control);
            if (!w) continue;
            SetCaption(w, english ? c.english : c.hebrew);
            if (!c.englishTip.isEmpty() || !c.hebrewTip.isEmpty()) w->setToolTip(english ? c.englishTip : c.hebrewTip);
        }
    }
    for (const char* name : {"Command5", "Command6", "SaveBttn"})
        if (auto* w = findChild<QWidget*>(QLatin1String(name))) SetCaption(w, WordOK);
    SetCaption(ExitCmd, WordCancel);
    PlaceRangeTypes();
}

void frm6NamesAndSettings::SaveBttn_Click() { close(); }
void frm6NamesAndSettings::ExitCmd_Click() { close(); }

bool frm6NamesAndSettings::Form_QueryUnload()
{
    // An open type panel is resolved as its Cancel first: a new device is not left half made.
    if (typePanel_.Shown()) {
        typePanel_.CloseWithWindow();
        typePanelView_->Show();
    }
    // A name still being typed is checked as if its box had been left.
    for (int i = 1; i < int(NewName.size()); ++i)
        if (NewName[size_t(i)]->hasFocus()) {
            NewName_LostFocus(i);
            break;
        }
    const DevicesEditor::Close answer = editor_.Form_QueryUnload();
    if (answer == DevicesEditor::Close::Stay) return true;
    if (answer == DevicesEditor::Close::Committed)
        if (frm4Main* main = frm4Main::Current()) main->SetLabel4(Str(ValInt(NumOfDevices.str())));
    return false;
}

// Escape and the window's close box go through the question too.
void frm6NamesAndSettings::reject()
{
    if (!Closing() && typePanel_.Shown()) typePanelView_->Command13->click();  // Escape cancels the panel
    else AskingDialog::reject();
}

// The wheel over the rows moves them as their scroll bar does.
void frm6NamesAndSettings::wheelEvent(QWheelEvent* e)
{
    if (!Frame1->isHidden() && Frame1->geometry().contains(e->position().toPoint())) {
        QCoreApplication::sendEvent(VScroll1, e);
        return;
    }
    QDialog::wheelEvent(e);
}
