// The devices window's views: the address map with its cells, the names view, and the address
// summary's place among them.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/Conv.h"
#include "core/languages.h"
#include "devices/DevicesMap.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/Controls.h"
#include "platform/ClickLabel.h"
#include "platform/VbColor.h"

using Controls::Px;

void frm6NamesAndSettings::Command10_Click()
{
    VScroll1->hide();
    PlaceHoverStrip();
    // A map already shown is neither rebuilt nor refreshed.
    if (!Picture2->isHidden()) return;
    Frame1->hide();
    Picture7->hide();
    Picture6->show();
    ResetHoverStrip();
    HideAddressSummary();
    Picture2->setGeometry(0, 0, 900, 525);
    Picture2->show();
    Picture2->raise();
    Picture6->raise();  // on the small screen the map reaches under the lower panel
    BuildMapCells();
}

void frm6NamesAndSettings::Command11_Click()
{
    VScroll1->show();
    Frame1->show();
    Picture7->show();
    if (!Picture2->isHidden()) {
        UnloadMapCells();
        Picture2->hide();
    }
    if (!Picture4->isHidden()) HideAddressSummary();
}

// The address summary (Command9_Click, HideAddressSummary): frm6NamesAndSettings_Summary.cpp.

void frm6NamesAndSettings::BuildMapCells()
{
    const bool small = SmallDisplay;
    const int n = editor_.Count();
    UnloadMapCells();
    Picture2->setUpdatesEnabled(false);
    Label4.assign(size_t(n) + 1, nullptr);
    for (int i = 1; i <= n; ++i) {
        const QRect t = DevicesMap::CellTwips(i, small);
        auto* cell = new ClickLabel(Picture2);
        cell->setObjectName(QStringLiteral("Label4_%1").arg(i));
        cell->setGeometry(Px(t.x()), Px(t.y()), Px(t.width()), Px(t.height()));
        cell->setFont(frm6Controls::CellFont(DevicesMap::CellPoints(small)));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFrameShape(QFrame::Box);
        const uint32_t colour = editor_.Row(i).colorBack;
        VbColor::SetBackColor(cell, colour);
        if (const auto fore = DevicesMap::WordOfColour(colour).foreColour) VbColor::SetForeColor(cell, *fore);
        cell->setText(frm6Controls::Lines(DevicesMap::CellText(i, DeviceDataArrayEdit[size_t(i)], colour)));
        cell->show();
        connect(cell, &ClickLabel::clicked, this, [this, i] { Label4_Click(i); });
        WatchMapCell(cell);
        Label4[size_t(i)] = cell;
    }
    Picture2->setUpdatesEnabled(true);
}

void frm6NamesAndSettings::UnloadMapCells()
{
    // A cell may be the one whose click is running.
    for (size_t i = 1; i < Label4.size(); ++i)
        if (Label4[i]) {
            Label4[i]->hide();
            Label4[i]->deleteLater();
        }
    Label4.assign(1, nullptr);
}

void frm6NamesAndSettings::Label4_Click(int Index)
{
    Command11->click();
    Text20->setText(Str(Index));
    Command5->click();
    if (Index < 1 || Index >= int(DeviceSettings.size())) return;
    if (!DeviceSettings[size_t(Index)]->text().isEmpty()) DeviceSettings[size_t(Index)]->click();
    if (EnableDevice[size_t(Index)]->text() == WordEnable) EnableDevice[size_t(Index)]->click();
}
