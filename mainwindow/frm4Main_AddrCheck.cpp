// The address-check tool: the address box and the eight DIP switches of a loop device, each
// drawn as an ON half over an OFF half (positions inside the switch picture from twips).
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "mainwindow/AddressCheck.h"
#include "platform/ColumnLabel.h"
#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"

using namespace Controls;

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;

void Paint(QLabel* half, uint32_t colour, const QString& caption)
{
    VbColor::SetBackColor(half, colour);
    VbColor::SetForeColor(half, colour == White ? Black : White);
    half->setText(caption);
}

ClickLabel* SwitchHalf(QWidget* parent, const QString& name, int i, int topTwips)
{
    ClickLabel* half = Clickable(parent, name, QString(), Px(100 + 300 * i), Px(topTwips), Px(200), Px(300));
    half->setAlignment(Qt::AlignCenter);
    QFont f = half->font();
    f.setPixelSize(6);
    half->setFont(f);
    return half;
}

}  // namespace

void frm4Main::BuildAddressCheck()
{
    // Clear of the switch picture, also when the Hebrew captions stand at the right.
    Label8->setGeometry(10, 354, 124, 20);
    Label2->setGeometry(10, 374, 124, 20);
    Label8->setText(QStringLiteral("בדיקת כתובת"));
    Label2->setText(QStringLiteral("הזן מספר בין 1 ל- 126"));
    Text1 = Make<QLineEdit>(this, QStringLiteral("Text1"), 10, 398, 60, 22);
    Command1 = Button(this, QStringLiteral("Command1"), 74, 397, 60, 24, QStringLiteral("חשב"));

    picDipSW = Make<QFrame>(this, QStringLiteral("picDipSW"), 140, 354, Px(2550), 104);
    picDipSW->setFrameShape(QFrame::Box);
    Label7 = Label(picDipSW, QStringLiteral("Label7"), Px(100), 1, 30, Px(240), QStringLiteral("ON"));
    QFont small = Label7->font();
    small.setPixelSize(9);
    Label7->setFont(small);
    for (int i = 0; i < 8; ++i) {
        Bit1.push_back(SwitchHalf(picDipSW, QStringLiteral("Bit1_%1").arg(i), i, 250));
        Bit0.push_back(SwitchHalf(picDipSW, QStringLiteral("Bit0_%1").arg(i), i, 550));
        QLabel* number = Label(picDipSW, QStringLiteral("DipSWNumbers%1").arg(i), Px(100 + 300 * i), Px(850), Px(200),
                               Px(200), Str(i + 1));
        number->setAlignment(Qt::AlignCenter);
        number->setFont(small);
        DipSWNumbers.push_back(number);
        // At start every switch is OFF, without captions.
        Paint(Bit1[i], Black, QString());
        Paint(Bit0[i], White, QString());
    }
    // The weights, each under its switch and in the numbers' size.
    Label18 = Make<ColumnLabel>(picDipSW, QStringLiteral("Label18"), Px(100), Px(1100), Px(2450), Px(250));
    Label18->setText(QStringLiteral("  1     2    4     8   16   32   64   ---"));
    Label18->setFont(small);
    std::vector<ColumnLabel::Column> columns;
    for (QLabel* number : DipSWNumbers) columns.push_back({number->x() - Label18->x() - 3, number->width() + 6});
    Label18->SetColumns(columns);
}

void frm4Main::WireAddressCheck()
{
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    // Every edit of the box recomputes the switches at once.
    connect(Text1, &QLineEdit::textChanged, this, [this] { Command1->click(); });
    for (int i = 0; i < 8; ++i) {
        // Switch 8 (weight 128) is beyond every address: a click on it does nothing.
        auto toggle = [this, i] {
            if (i < 7) DipSW2Address(i);
        };
        connect(Bit0[i], &ClickLabel::clicked, this, toggle);
        connect(Bit1[i], &ClickLabel::clicked, this, toggle);
    }
}

void frm4Main::Command1_Click()
{
    const AddressCheck::Outcome o = AddressCheck::FromText(Text1->text(), MaxNumOfDevices);
    if (o.emptyBox) Text1->clear();
    if (o.refused)
        if (const auto m = AddressCheck::WrongNumber(UILanguage)) ShowMessage(*m);
    ShowSwitches(o.on);
}

void frm4Main::ShowSwitches(const std::array<bool, 8>& on)
{
    for (int i = 0; i < 8; ++i) {
        if (on[i]) {
            Paint(Bit1[i], White, AddressCheck::OnCaption);
            Paint(Bit0[i], Black, QString());
        } else {
            Paint(Bit0[i], White, AddressCheck::OffCaption);
            Paint(Bit1[i], Black, QString());
        }
    }
}

void frm4Main::DipSW2Address(int Index)
{
    if (Index < 0 || Index > 7) return;
    const bool off = VbColor::BackColor(Bit1[Index]) == Black || VbColor::BackColor(Bit0[Index]) == White;
    VbColor::SetBackColor(Bit1[Index], off ? White : Black);
    VbColor::SetBackColor(Bit0[Index], off ? Black : White);

    AddressCheck::Switches on{};
    for (int i = 0; i < 8; ++i) on[i] = VbColor::BackColor(Bit1[i]) == White;
    const QString text = Str(AddressCheck::FromSwitches(on));
    // The box's change recomputes the switches; an unchanged text gets the same redraw.
    if (Text1->text() == text) Command1_Click();
    else Text1->setText(text);
}
