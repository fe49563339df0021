#include "startup/frm1Login.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/DataModel.h"
#include "core/Message.h"
#include "core/ProgramInfo.h"
#include "startup/frm3Dialog.h"
#include "core/languages.h"
#include "platform/ClickLabel.h"
#include "platform/Environment.h"
#include "platform/Program.h"
#include "platform/QtLanguage.h"
#include "platform/Ui.h"

namespace {

const QString UserPassword = QStringLiteral("9146");
constexpr int MaxFailures = 5;  // the next wrong password ends the program

struct Captions {
    const char* userName;
    const char* password;
    const char* ok;
    const char* cancel;
};
const Captions HebrewCaptions{" שם משתמש ", " סיסמא ", "אישור", "יציאה"};
const Captions EnglishCaptions{" Username ", " Password ", "OK", "Exit"};

const char* const NewsLines[] = {" 1. שינוי בין גלאי עשן לגלאי חום", " 2. ", " 3. ", " 4. ", " 5. ", " 6. "};

}  // namespace

frm1Login::frm1Login(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm1Login"));
    setWindowTitle(QStringLiteral("Login"));
    setFixedSize(330, 210);
    // Laid out once for both languages; Qt's dialogs follow the language (QtLanguage).
    setLayoutDirection(Qt::LeftToRight);

    for (int i = 0; i < 2; ++i) {
        lblLabels[i] = new QLabel(this);
        lblLabels[i]->setObjectName(QStringLiteral("lblLabels%1").arg(i));
        lblLabels[i]->setGeometry(230, 20 + i * 36, 90, 24);
        lblLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtUserName->setGeometry(20, 20, 200, 24);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setGeometry(20, 56, 200, 24);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->installEventFilter(this);

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(20, 100, 95, 30);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(125, 100, 95, 30);
    // Enter counts once, through the password box; no button takes it as a default.
    for (QPushButton* b : {cmdOK, cmdCancel}) b->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frm1Login::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frm1Login::cmdCancel_Click);

    LnguageLbl[1] = new ClickLabel(QStringLiteral("עברית"), this);
    LnguageLbl[2] = new ClickLabel(QStringLiteral("english"), this);
    for (int i = 1; i <= 2; ++i) {
        LnguageLbl[i]->setObjectName(QStringLiteral("LnguageLbl%1").arg(i));
        LnguageLbl[i]->setGeometry(20 + (i - 1) * 60, 145, 55, 20);
        LnguageLbl[i]->setCursor(Qt::PointingHandCursor);
        connect(LnguageLbl[i], &ClickLabel::clicked, this, [this, i] { LnguageLbl_Click(i); });
    }

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(20, 180, 60, 20);
    Label2 = new ClickLabel(QStringLiteral("מה חדש ?"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(240, 180, 80, 20);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setCursor(Qt::PointingHandCursor);
    connect(Label2, &ClickLabel::clicked, this, &frm1Login::Label2_Click);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(10, 10, 310, 160);
    Picture1->setFrameShape(QFrame::Box);
    Picture1->hide();
    List1 = new QListWidget(Picture1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setLayoutDirection(Qt::RightToLeft);

    Form_Load();
}

void frm1Login::Form_Load()
{
    SmallDisplay = false;
    Label1->setText(ProgramInfo::Version);
    SetLanguage(1);
    languages::SetLanguage(1);
    // The login name alone: nothing of a terminating character reaches the box.
    txtUserName->setText(Environment::UserName());
    falseLogin = 0;
}

void frm1Login::SetLanguage(int16_t lang)
{
    const Captions* c = lang == 1 ? &HebrewCaptions : lang == 2 ? &EnglishCaptions : nullptr;
    if (!c) return;
    lblLabels[0]->setText(QString::fromUtf8(c->userName));
    lblLabels[1]->setText(QString::fromUtf8(c->password));
    cmdOK->setText(QString::fromUtf8(c->ok));
    cmdCancel->setText(QString::fromUtf8(c->cancel));
    UILanguage = lang;
    QtLanguage::Apply(lang == 1);
}

// Captions and UILanguage only; the language tables stay as the load filled them.
void frm1Login::LnguageLbl_Click(int index) { SetLanguage(static_cast<int16_t>(index)); }

void frm1Login::cmdOK_Click()
{
    MaxNumOfDevices = 126;
    ++falseLogin;
    const QString password = txtPassword->text();
    const bool admin = ProgramInfo::IsAdminPassword(password);
    if (admin || password == UserPassword) {
        if (admin) AdminMode = true;
        done(QDialog::Accepted);
        frm3Dialog startDialog;
        Ui::ShowModal(startDialog);
        return;
    }
    if (UILanguage == 1)
        Ui::MsgBox(QStringLiteral("סיסמא שגויה !!!"), Ui::vbOKOnly | Ui::vbHebrew);
    else if (UILanguage == 2)
        Ui::MsgBox(QStringLiteral("Wrong password !!!"), Ui::vbOKOnly);
    txtPassword->setFocus();
    txtPassword->clear();
    if (falseLogin > MaxFailures) Program::End();
}

void frm1Login::txtPassword_KeyPress(int keyAscii)
{
    if (keyAscii == 13) cmdOK->click();
}

void frm1Login::cmdCancel_Click()
{
    const Message question = languages::ByLanguage(
        UILanguage, Message{QStringLiteral("האם אתה בטוח ?"), Ui::vbYesNo | Ui::vbHebrew, QStringLiteral("יציאה מהתוכנה")},
        Message{QStringLiteral("Are you sure ?"), Ui::vbYesNo, QStringLiteral("Exit software")});
    if (ShowMessage(question) == Ui::vbYes) Program::End();
}

void frm1Login::Label2_Click()
{
    if (!Picture1->isHidden()) {
        Picture1->hide();
        return;
    }
    Picture1->show();
    Picture1->raise();
    List1->setGeometry(Picture1->contentsRect());
    List1->clear();
    for (const char* line : NewsLines) List1->addItem(QString::fromUtf8(line));
    List1->show();
}

bool frm1Login::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == txtPassword && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtPassword_KeyPress(13);
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

// Activation puts the focus into the password box.
void frm1Login::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    txtPassword->setFocus();
}

void frm1Login::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) txtPassword->setFocus();
    QDialog::changeEvent(e);
}

// Escape closes nothing here, as in the original window.
void frm1Login::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
