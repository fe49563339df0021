#include "startup/frm3Dialog.h"

#include <exception>

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "core/ResetModule.h"
#include "startup/StartDialogLogic.h"
#include "mainwindow/frm4Main.h"
#include "platform/ClickLabel.h"
#include "platform/FileDialog.h"
#include "platform/Program.h"
#include "platform/Ui.h"
#include "projectfile/ProjectFileName.h"

using namespace StartDialogLogic;

namespace {
frm3Dialog* current = nullptr;

const QColor Green(0x00, 0xFF, 0x00);
const QColor DarkGrey(0x40, 0x40, 0x40);

struct Captions {
    const char* newCmd;
    const char* openCmd;
    const char* exitCmd;
};
const Captions HebrewCaptions{"פרוייקט חדש", "פרוייקט קיים", "יציאה"};
const Captions EnglishCaptions{"New project", "Open project", "Exit"};
}  // namespace

frm3Dialog::frm3Dialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm3Dialog"));
    setWindowTitle(QStringLiteral("VERDAL5000X"));
    resize(425, 323);
    // Laid out once for both languages; its file dialogs follow the interface language.
    setLayoutDirection(Qt::LeftToRight);

    Picture1 = new QLabel(QStringLiteral("VERDAL 5000X"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(8, 8, 409, 120);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    QFont big = Picture1->font();
    big.setPointSize(24);
    big.setBold(true);
    Picture1->setFont(big);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 140, 160, 20);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(397, 144, 12, 12);
    Label2 = new QLabel(QStringLiteral("פעולה תקינה "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(257, 140, 134, 20);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetShape1Color(Green);

    LnguageLbl[1] = new ClickLabel(QStringLiteral("עברית"), this);
    LnguageLbl[2] = new ClickLabel(QStringLiteral("English"), this);
    for (int i = 1; i <= 2; ++i) {
        LnguageLbl[i]->setObjectName(QStringLiteral("LnguageLbl%1").arg(i));
        LnguageLbl[i]->setGeometry(8 + (i - 1) * 60, 170, 55, 20);
        LnguageLbl[i]->setCursor(Qt::PointingHandCursor);
        connect(LnguageLbl[i], &ClickLabel::clicked, this, [this, i] { LnguageLbl_Click(i); });
    }

    newCmd = new QPushButton(this);
    openCmd = new QPushButton(this);
    ExitCmd = new QPushButton(this);
    const std::array<std::pair<QPushButton*, const char*>, 3> buttons{
        {{newCmd, "newCmd"}, {openCmd, "openCmd"}, {ExitCmd, "ExitCmd"}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].first->setObjectName(QString::fromLatin1(buttons[i].second));
        buttons[i].first->setGeometry(8 + int(i) * 139, 230, 131, 48);
        buttons[i].first->setAutoDefault(false);
    }
    connect(newCmd, &QPushButton::clicked, this, &frm3Dialog::newCmd_Click);
    connect(openCmd, &QPushButton::clicked, this, &frm3Dialog::openCmd_Click);
    connect(ExitCmd, &QPushButton::clicked, this, &frm3Dialog::ExitCmd_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frm3Dialog::Timer1_Timer);

    current = this;
    Form_Load();
    Form_Activate();
}

frm3Dialog::~frm3Dialog()
{
    if (current == this) current = nullptr;
}

frm3Dialog* frm3Dialog::Current() { return current; }

void frm3Dialog::Form_Load()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        SmallDisplay = IsSmallScreen(screen->size().height());
    Label1->setText(ClockCaption(QDateTime::currentDateTime()));
    Timer1->start();
    SetLanguage(UILanguage);
    setFixedSize(425, 323);  // 4845 twips high
}

void frm3Dialog::Form_Activate() { SetUpFolders(); }

void frm3Dialog::SetLanguage(int16_t lang)
{
    const Captions* c = lang == 1 ? &HebrewCaptions : lang == 2 ? &EnglishCaptions : nullptr;
    if (!c) return;
    newCmd->setText(QString::fromUtf8(c->newCmd));
    openCmd->setText(QString::fromUtf8(c->openCmd));
    ExitCmd->setText(QString::fromUtf8(c->exitCmd));
}

// Only the captions change; messages keep the language the login left.
void frm3Dialog::LnguageLbl_Click(int index) { SetLanguage(static_cast<int16_t>(index)); }

void frm3Dialog::newCmd_Click()
{
    ResetModule::ResetProject(true);
    fileNew();
}

void frm3Dialog::openCmd_Click()
{
    ResetModule::ResetProject(false);
    fileOpen();
}

void frm3Dialog::fileNew()
{
    bool searchFailureShown = false;
    for (;;) {
        try {
            if (const auto name = FirstFreeDefaultName(usrDataPath)) ProjectFileName = *name;
        } catch (const std::exception& e) {
            // Said once: a search that keeps failing must not hold up the dialog.
            if (!searchFailureShown) Ui::MsgBox(QString::fromLocal8Bit(e.what()));
            searchFailureShown = true;
        }
        const FileDialog::Result chosen =
            FileDialog::Run({NewDialogTitle, ProjectFile::FileFilter, usrDataPath, ProjectFileName, true}, this);
        if (chosen.cancelled) return;
        TakeChosenFile(chosen.path);

        // The name is judged before any file is touched: a refused name never costs a file.
        if (!IsValidNewName(ProjectFileName)) {
            ShowMessage(InvalidNameMessage(UILanguage));
            continue;
        }
        const QString path = usrDataPath + ProjectFileName;
        if (MainMdl::FileExists(path)) {
            const int answer = ShowMessage(ReplaceQuestion(UILanguage, ProjectFileName));
            if (answer != Ui::vbYes) {
                ProjectFileOK = false;
                if (answer == Ui::vbNo) continue;
                return;
            }
            try {
                MainMdl::DeleteFile(path);
            } catch (const std::exception& e) {
                ShowMessage(DeleteFailedMessage(UILanguage, ProjectFileName, QString::fromLocal8Bit(e.what())));
                ProjectFileOK = false;
                continue;
            }
        }
        OpenChosenProject();
        return;
    }
}

void frm3Dialog::fileOpen()
{
    const FileDialog::Result chosen =
        FileDialog::Run({OpenDialogTitle, ProjectFile::FileFilter, usrDataPath, QString(), false}, this);
    if (chosen.cancelled) return;
    TakeChosenFile(chosen.path);
    if (ProjectFile::IsProjectFileName(ProjectFileName)) {
        OpenChosenProject();
        return;
    }
    ShowMessage(InvalidNameMessage(UILanguage));
    ProjectFileOK = false;
    ProjectFileName.clear();
}

void frm3Dialog::aaa(int, const QString&, const QString&) {}

void frm3Dialog::TakeChosenFile(const QString& path)
{
    const ChosenFile f = SplitChosenPath(path);
    ProjectFileName = f.name;
    usrDataPath = f.folder;
    QDir::setCurrent(usrDataPath);
}

void frm3Dialog::OpenChosenProject()
{
    ProjectFileOK = true;
    ProjectName = ProjectFile::NameWithoutExtension(ProjectFileName);
    RunMainWindow();
}

void frm3Dialog::RunMainWindow()
{
    const bool wasShown = isVisible();
    hide();
    {
        frm4Main main;
        Ui::ShowModal(main);
    }
    if (Program::HasEnded()) return;
    if (wasShown) show();
    if (!Timer1->isActive()) Timer1->start();
    Form_Activate();
}

void frm3Dialog::Timer1_Timer()
{
    Label1->setText(ClockCaption(QDateTime::currentDateTime()));
    SetShape1Color(shape1Color_ == Green ? DarkGrey : Green);
}

void frm3Dialog::SetShape1Color(const QColor& c)
{
    shape1Color_ = c;
    Shape1->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black; border-radius: 6px;")
                              .arg(c.name()));
}

void frm3Dialog::ExitCmd_Click() { close(); }

void frm3Dialog::closeEvent(QCloseEvent* e)
{
    if (ShowMessage(ExitQuestion(UILanguage)) != Ui::vbYes) {
        e->ignore();
        return;
    }
    e->accept();
    Timer1->stop();
    Program::End();
}

// Escape closes nothing here, as in the original window.
void frm3Dialog::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frm3Dialog::reject() { close(); }
