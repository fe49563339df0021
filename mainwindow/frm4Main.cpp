// The main window: load, captions, language switch, navigation and the layout switches.
#include "mainwindow/frm4Main.h"

#include <algorithm>
#include <stdexcept>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "configeditors/frm5CardSettings.h"
#include "configeditors/frm8Groups.h"
#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ProgramInfo.h"
#include "startup/frm3Dialog.h"
#include "devices/frm6NamesAndSettings.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/MainTexts.h"
#include "platform/VbColor.h"
#include "panellink/LinkState.h"
#include "platform/ClickLabel.h"
#include "platform/Environment.h"
#include "platform/QtLanguage.h"
#include "platform/Ui.h"
#include "reports/frmGroups.h"
#include "reports/frmHistory.h"
#include "reports/frmView.h"
#include "reports/frmView2.h"

namespace {

frm4Main* g_current = nullptr;

constexpr uint32_t Orange = 0x0080FF;   // the history button at rest
constexpr uint32_t Yellow = 0x00FFFF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Grey = 0x808080;

bool UserMovesFocus(Qt::FocusReason r)
{
    return r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
           r == Qt::ShortcutFocusReason;
}

int16_t WholeNumber(const QString& text) { return int16_t(std::clamp<long long>(ValInt(text), -32768, 32767)); }

// A step of the load: a failure shows its description once and the load goes on.
template <typename Body>
void LoadStep(Body&& body)
{
    try {
        body();
    } catch (const CSettingError& e) {
        ShowMessage(MainTexts::LoadError(e.description));
    } catch (const std::exception& e) {
        ShowMessage(MainTexts::LoadError(QString::fromUtf8(e.what())));
    }
}

}  // namespace

frm4Main::frm4Main(QWidget* parent) : AskingDialog(parent)
{
    setObjectName(QStringLiteral("frm4Main"));
    g_current = this;
    BuildControls();
    Form_Load();
}

frm4Main::~frm4Main()
{
    if (g_current == this) g_current = nullptr;
}

frm4Main* frm4Main::Current() { return g_current; }

void frm4Main::SetWidthTwips(int twips)
{
    widthTwips_ = twips;
    setFixedSize(widthTwips_ / MainLayout::TwipsPerPixel, heightTwips_ / MainLayout::TwipsPerPixel);
}

void frm4Main::SetHeightTwips(int twips)
{
    heightTwips_ = twips;
    setFixedSize(widthTwips_ / MainLayout::TwipsPerPixel, heightTwips_ / MainLayout::TwipsPerPixel);
}

void frm4Main::Form_Load()
{
    LoadStep([&] {
        ManualSearch = false;
        SerialAnywhere = false;
        SearchComPort();
    });
    LoadStep([&] {
        CopySensitivityBoxes();
        VbColor::SetBackColor(Command6, Orange);
        ErrLocation = QStringLiteral("0x000000");
        detailHolders_ = {};
    });
    LoadStep([&] {
        if (frm3Dialog* start = frm3Dialog::Current()) {
            start->Timer1->stop();
            start->hide();
        }
        Timer1->stop();
        Timer2->stop();
        Timer3->stop();
        QuietSave = false;
        VerComNum = VerSoftNum = VerHardNum = TechCode = QStringLiteral("0000");
        VerifyMode = false;
        // The identity boxes, the verification list and its blinking button belong to this
        // window: a previous main window's check of another project must not show here.
        LinkView = LinkWindowView{};
        ManualDelays[0]->setChecked(true);
        DefaultSensitivity->click();
        NumOfDevices = "0";
    });
    // After New nothing is read: the project stays as the start dialog reset it.
    if (ProjectLoaded) LoadStep([&] { FileOpen1(); });
    LoadStep([&] { EnterProjectFolder(); });
    LoadStep([&] {
        heightTwips_ = MainLayout::HeightLarge;
        SetWidthTwips(AdminMode ? MainLayout::WidthAdmin : MainLayout::WidthNarrow);
        MaxMinAdminWindow->setVisible(AdminMode);
        BigOrSmallDisplay_Click(SmallDisplay ? 1 : 0);
        StackAdminTabs(true);
        SetMainCaptions();
        ShowModel();
        ShowCounts();
        Label6->setText(ProgramInfo::VersionCaption);
        // No panel transfer has succeeded yet.
        TransferError = true;
    });
}

void frm4Main::CopySensitivityBoxes()
{
    // A box whose text was never accepted gets its last accepted value back first.
    CommitValueBoxes();
    ::HighSens = WholeNumber(HighSens->text());
    ::MediumSens = WholeNumber(MediumSens->text());
    ::LowSens = WholeNumber(LowSens->text());
    ::High2Medium = WholeNumber(High2Medium->text());
    ::Medium2Low = WholeNumber(Medium2Low->text());
    InputAlarmVal = WholeNumber(InputAlarmValTxt->text());
    InputPREAlarmVal = WholeNumber(InputPREAlarmValTxt->text());
}

void frm4Main::EnterProjectFolder()
{
    if (QDir::setCurrent(usrDataPath)) return;
    // A project folder that no longer exists: the program folder takes its place.
    const QString missing = usrDataPath;
    usrDataPath = Environment::ProgramFolder();
    QDir::setCurrent(usrDataPath);
    ShowMessage(MainTexts::LoadError(QStringLiteral("Path not found: ") + missing));
}

void frm4Main::SetMainCaptions()
{
    if (UILanguage != 1 && UILanguage != 2) return;
    for (const MainTexts::Caption& c : MainTexts::CaptionTable()) {
        const auto text = MainTexts::CaptionOf(c.control, UILanguage, MaxNumOfDevices);
        QWidget* w = findChild<QWidget*>(c.control);
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(*text);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(*text);
    }
    setLayoutDirection(UILanguage == 1 ? Qt::RightToLeft : Qt::LeftToRight);
    QtLanguage::Apply(UILanguage == 1);
}

void frm4Main::ShowModel()
{
    Command13->setText(Str(MaxNumOfDevices));
    setWindowTitle(QStringLiteral("Tessel") + Str(MaxNumOfDevices));
}

void frm4Main::ShowCounts()
{
    Label4->setText(Str(ValInt(NumOfDevices.str())));
    Label16->setText(Str(NumOfActiveGroups));
    siteNameTxt->setText(ProjectName);
    const auto boxes = DetailBoxes();
    for (int i = 0; i < 5; ++i) boxes[i]->setText(detailHolders_[i]);
    // A text longer than its box shows its start, not its end.
    for (QLineEdit* box : {siteNameTxt, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]}) box->setCursorPosition(0);
}

void frm4Main::LnguageLbl_Click(int Index)
{
    UILanguage = int16_t(Index);
    SetMainCaptions();
}

void frm4Main::ShortCutKeys(int KeyCode, Qt::KeyboardModifiers Shift)
{
    // Ctrl alone with a digit of the main keyboard (a keypad digit carries the keypad modifier).
    if (Shift != Qt::ControlModifier) return;
    if (KeyCode == Qt::Key_1) SysSetBttn->click();
    else if (KeyCode == Qt::Key_2) DevicesSetBttn->click();
    else if (KeyCode == Qt::Key_3) GroupsSetBttn->click();
}

template <typename Window>
void frm4Main::OpenModal()
{
    const bool wasVisible = isVisible();
    hide();
    {
        Window w;
        Ui::ShowModal(w);
    }
    if (wasVisible) show();
}

template <typename Window>
void frm4Main::OpenReport()
{
    if (!ProjectFileOK) {
        if (const auto m = MainTexts::NoProjectFile(UILanguage)) ShowMessage(*m);
        return;
    }
    OpenModal<Window>();
}

void frm4Main::SysSetBttn_Click() { OpenModal<frm5CardSettings>(); }
void frm4Main::GroupsSetBttn_Click() { OpenModal<frm8Groups>(); }

void frm4Main::DevicesSetBttn_Click()
{
    // Values changed in the administrator area take effect in the editor.
    CopySensitivityBoxes();
    OpenModal<frm6NamesAndSettings>();
    const long long n = ValInt(NumOfDevices.str());
    Label4->setText(n > 0 ? Str(n) : QStringLiteral("0"));
}

void frm4Main::NewListCmd_Click() { OpenReport<frmView>(); }
void frm4Main::Command12_Click() { OpenReport<frmView2>(); }
void frm4Main::Command3_Click() { OpenReport<frmGroups>(); }

void frm4Main::Command6_Click()
{
    Timer2->stop();
    VbColor::SetBackColor(Command6, Orange);
    OpenModal<frmHistory>();
}

void frm4Main::Timer2_Timer()
{
    VbColor::SetBackColor(Command6, VbColor::BackColor(Command6) == Yellow ? Orange : Yellow);
}

void frm4Main::BigOrSmallDisplay_Click(int Index)
{
    SmallDisplay = Index == 1;
    VbColor::SetForeColor(BigOrSmallDisplay[SmallDisplay ? 1 : 0], Black);
    VbColor::SetForeColor(BigOrSmallDisplay[SmallDisplay ? 0 : 1], Grey);
    SetHeightTwips(MainLayout::WindowHeight(SmallDisplay));
    for (const MainLayout::Row& row : MainLayout::DisplayTable())
        if (QWidget* w = findChild<QWidget*>(row.control)) w->setGeometry((SmallDisplay ? row.small : row.large).pixels());
    QFont f = ActivMsgLbl->font();
    f.setPointSize(MainLayout::StatusFontSize(SmallDisplay));
    ActivMsgLbl->setFont(f);
}

void frm4Main::MaxMinAdminWindow_Click()
{
    SetWidthTwips(widthTwips_ != MainLayout::WidthAdmin ? MainLayout::WidthAdmin : MainLayout::WidthNarrow);
    // An open device table closes with the narrowing (and stays closed when widened again).
    if (Picture10[6]->height() == 310) AdminLbl_Click(6);
}

void frm4Main::StackAdminTabs(bool atLoad)
{
    int top = 30;
    for (int k = 0; k < int(Picture10.size()); ++k) {
        const int height = atLoad && k == 0 ? 45 : 35;
        Picture10[k]->setGeometry(910, top, 175, height);
        top += 35;
    }
}

void frm4Main::ExitBttn_Click() { close(); }

void frm4Main::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool frm4Main::eventFilter(QObject* watched, QEvent* event)
{
    const auto boxes = DetailBoxes();
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || std::find(boxes.begin(), boxes.end(), box) == boxes.end()) return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
        VbColor::SetBackColor(box, Yellow);
        break;
    case QEvent::FocusOut:
        VbColor::SetBackColor(box, 0xFFFFFF);
        // Leaving the comments, by click or key, leads back to the address (a message box or
        // another window taking the focus is not leaving them).
        if (box == ProjectMiscellaneousness && UserMovesFocus(static_cast<QFocusEvent*>(event)->reason()))
            ProjectAddr->setFocus(Qt::OtherFocusReason);
        break;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->modifiers() == Qt::ControlModifier && k->key() >= Qt::Key_1 && k->key() <= Qt::Key_3) {
            ShortCutKeys(k->key(), k->modifiers());
            return true;
        }
        if (box != ProjectMiscellaneousness) break;
        // The comments stay on one line, and Tab leads back to the first detail.
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            box->insert(QStringLiteral(" "));
            return true;
        }
        if (k->key() == Qt::Key_Tab && k->modifiers() == Qt::NoModifier) {
            ProjectAddr->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
