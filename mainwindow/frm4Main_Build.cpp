// The main window's controls and where they stand (window pixels; the contents of the
// administrator tabs in twips).
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"
#include "platform/ClickLabel.h"

using namespace Controls;

void frm4Main::BuildControls()
{
    BuildProjectArea();
    BuildEditorArea();
    BuildPanelArea();
    BuildBottomBand();
    BuildAdminArea();
    BuildAddressCheck();
    BuildPortControls();
    BuildPanelLink();
    Timer1 = Timer(this, QStringLiteral("Timer1"));
    Timer2 = Timer(this, QStringLiteral("Timer2"));
    Timer3 = Timer(this, QStringLiteral("Timer3"));
    WireControls();
    WireAdminArea();
    WireAddressCheck();
    WirePortControls();
    WirePanelLink();
}

void frm4Main::BuildProjectArea()
{
    LnguageLbl = {nullptr, Clickable(this, QStringLiteral("LnguageLbl1"), QStringLiteral("עברית"), 20, 8, 55, 20),
                  Clickable(this, QStringLiteral("LnguageLbl2"), QStringLiteral("English"), 80, 8, 60, 20)};
    BigOrSmallDisplay = {Clickable(this, QStringLiteral("BigOrSmallDisplay0"), QStringLiteral("מסך רגיל"), 160, 8, 70, 20),
                         Clickable(this, QStringLiteral("BigOrSmallDisplay1"), QStringLiteral("מסך קטן"), 235, 8, 70, 20)};
    VbColor::SetForeColor(BigOrSmallDisplay[0], 0x000000);
    VbColor::SetForeColor(BigOrSmallDisplay[1], 0x808080);

    Picture1 = Title(this, QStringLiteral("Picture1"), 320, 4, 280, 28);
    Picture1->setText(QStringLiteral("VERDAL 5000X"));
    Picture1->setAlignment(Qt::AlignCenter);
    Label6 = Label(this, QStringLiteral("Label6"), 640, 8, 210, 20);

    Label1 = Title(this, QStringLiteral("Label1"), 10, 40, 290, 22);
    Label26 = Label(this, QStringLiteral("Label26"), 10, 70, 90, 22);
    siteNameTxt = Make<QLineEdit>(this, QStringLiteral("siteNameTxt"), 105, 70, 195, 22);
    siteNameTxt->setReadOnly(true);
    Command4 = Button(this, QStringLiteral("Command4"), 105, 96, 195, 26);

    const std::array<QString, 5> labels{QStringLiteral("Label27"), QStringLiteral("Label28"), QStringLiteral("Label29"),
                                        QStringLiteral("Label30"), QStringLiteral("Label31")};
    const std::array<QString, 5> boxes{QStringLiteral("ProjectAddr"), QStringLiteral("ProjectContact"),
                                       QStringLiteral("ProjectContactTel"), QStringLiteral("ProjectInstallDate"),
                                       QStringLiteral("ProjectMiscellaneousness")};
    std::array<QLabel*, 5> l{};
    std::array<QLineEdit*, 5> b{};
    for (int i = 0; i < 5; ++i) {
        l[i] = Label(this, labels[i], 10, 130 + 30 * i, 90, 22);
        b[i] = Make<QLineEdit>(this, boxes[i], 105, 130 + 30 * i, 195, 22);
        b[i]->setMaxLength(std::numeric_limits<int>::max());  // free text of any length, kept whole
        VbColor::SetBackColor(b[i], 0xFFFFFF);
    }
    Label27 = l[0], Label28 = l[1], Label29 = l[2], Label30 = l[3], Label31 = l[4];
    ProjectAddr = b[0], ProjectContact = b[1], ProjectContactTel = b[2], ProjectInstallDate = b[3];
    ProjectMiscellaneousness = b[4];

    ProgFolderBttn = Button(this, QStringLiteral("ProgFolderBttn"), 10, 284, 290, 26);
    DefaultFolderLocation = Button(this, QStringLiteral("DefaultFolderLocation"), 10, 314, 290, 26);

    Label8 = Title(this, QStringLiteral("Label8"), 10, 354, 290, 20);
    Label2 = Label(this, QStringLiteral("Label2"), 10, 376, 290, 20);
}

void frm4Main::BuildEditorArea()
{
    struct Block {
        QPushButton** button;
        QLabel** label;
        QLabel** ext;
        const char* name;
        int top;
    };
    const std::array<Block, 3> blocks{{{&SysSetBttn, &LabelSysSetBttn, &ExtLabelSysSetBttn, "SysSetBttn", 40},
                                        {&DevicesSetBttn, &LabelDevicesSetBttn, &ExtLabelDevicesSetBttn, "DevicesSetBttn", 110},
                                        {&GroupsSetBttn, &LabelGroupsSetBttn, &ExtLabelGroupsSetBttn, "GroupsSetBttn", 190}}};
    for (const Block& k : blocks) {
        const QString name = QString::fromLatin1(k.name);
        *k.button = Button(this, name, 310, k.top, 110, 40);
        *k.label = Title(this, QStringLiteral("Label") + name, 428, k.top, 182, 20);
        *k.ext = Label(this, QStringLiteral("ExtLabel") + name, 428, k.top + 20, 182, 20);
    }
    Label3 = Label(this, QStringLiteral("Label3"), 310, 155, 210, 20);
    Label4 = Title(this, QStringLiteral("Label4"), 530, 155, 70, 20);
    Label17 = Label(this, QStringLiteral("Label17"), 310, 235, 210, 20);
    Label16 = Title(this, QStringLiteral("Label16"), 530, 235, 70, 20);

    Label34 = Title(this, QStringLiteral("Label34"), 310, 275, 290, 20);
    NewListCmd = Button(this, QStringLiteral("NewListCmd"), 310, 300, 140, 28);
    Command12 = Button(this, QStringLiteral("Command12"), 460, 300, 140, 28);
    Command3 = Button(this, QStringLiteral("Command3"), 310, 334, 140, 28);
    Command6 = Button(this, QStringLiteral("Command6"), 460, 334, 140, 28);
}

void frm4Main::BuildPanelArea()
{
    Label32 = Title(this, QStringLiteral("Label32"), 620, 40, 276, 20);
    Upload2Sys = Button(this, QStringLiteral("Upload2Sys"), 620, 65, 133, 36);
    Download2PC = Button(this, QStringLiteral("Download2PC"), 763, 65, 133, 36);
    HISTORY_A = Button(this, QStringLiteral("HISTORY_A"), 620, 107, 133, 30);
    ClckSnd = Button(this, QStringLiteral("ClckSnd"), 763, 107, 133, 30);

    Label14 = Title(this, QStringLiteral("Label14"), 620, 150, 276, 20);
    ComNumCmbo = Make<QComboBox>(this, QStringLiteral("ComNumCmbo"), 620, 175, 180, 24);
    ComNumCmbo->setPlaceholderText(QStringLiteral("---"));
    // "COM4-USB Serial Port": the entries read from their start in the Hebrew window too.
    ComNumCmbo->setLayoutDirection(Qt::LeftToRight);
    Label13 = Label(this, QStringLiteral("Label13"), 810, 175, 86, 24);
    Label15 = Label(this, QStringLiteral("Label15"), 810, 200, 86, 20);
    FindMyCOM = Button(this, QStringLiteral("FindMyCOM"), 620, 230, 133, 28);
    DeviceMngrOpen = Button(this, QStringLiteral("DeviceMngrOpen"), 763, 230, 133, 28);
    ComSettings = Button(this, QStringLiteral("ComSettings"), 620, 264, 276, 28);

    Picture2 = Make<QFrame>(this, QStringLiteral("Picture2"), 620, 298, 276, 100);
    Picture2->setFrameShape(QFrame::Box);
    CloseComSet = Button(Picture2, QStringLiteral("CloseComSet"), 8, 64, 260, 28);
    Picture2->hide();
}

void frm4Main::BuildBottomBand()
{
    Label12 = Label(this, QStringLiteral("Label12"), 10, 463, 886, 22);
    Label12->setAlignment(Qt::AlignCenter);
    ActivMsgLbl = Label(this, QStringLiteral("ActivMsgLbl"), 10, 500, 885, 20);
    StatBar = Make<QProgressBar>(this, QStringLiteral("StatBar"), 8, 525, 892, 20);
    StatBar->setRange(0, 100);
    StatBar->setValue(0);
    StatBar->setTextVisible(false);
    UpDateCmd = Button(this, QStringLiteral("UpDateCmd"), 284, 560, 151, 30);
    ExitBttn = Button(this, QStringLiteral("ExitBttn"), 473, 560, 151, 30);
    Command2 = Button(this, QStringLiteral("Command2"), 662, 560, 151, 30);
    Command2->setText(QStringLiteral("Admin Exit"));
    Command2->hide();
}

void frm4Main::WireControls()
{
    connect(SysSetBttn, &QPushButton::clicked, this, [this] { SysSetBttn_Click(); });
    connect(DevicesSetBttn, &QPushButton::clicked, this, [this] { DevicesSetBttn_Click(); });
    connect(GroupsSetBttn, &QPushButton::clicked, this, [this] { GroupsSetBttn_Click(); });
    connect(NewListCmd, &QPushButton::clicked, this, [this] { NewListCmd_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(UpDateCmd, &QPushButton::clicked, this, [this] { UpDateCmd_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(DefaultFolderLocation, &QPushButton::clicked, this, [this] { DefaultFolderLocation_Click(); });
    connect(ProgFolderBttn, &QPushButton::clicked, this, [this] { ProgFolderBttn_Click(); });
    connect(ExitBttn, &QPushButton::clicked, this, [this] { ExitBttn_Click(); });
    connect(MaxMinAdminWindow, &QPushButton::clicked, this, [this] { MaxMinAdminWindow_Click(); });
    connect(DefaultSensitivity, &QPushButton::clicked, this, [this] { DefaultSensitivity_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    for (int i = 1; i <= 2; ++i)
        connect(LnguageLbl[i], &ClickLabel::clicked, this, [this, i] { LnguageLbl_Click(i); });
    for (int i = 0; i <= 1; ++i)
        connect(BigOrSmallDisplay[i], &ClickLabel::clicked, this, [this, i] { BigOrSmallDisplay_Click(i); });
    for (int i = 0; i < 7; ++i)
        connect(AdminLbl[i], &ClickLabel::clicked, this, [this, i] { AdminLbl_Click(i); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    for (QLineEdit* box : DetailBoxes()) box->installEventFilter(this);
}
