// The strip below the address map: while the pointer moves over a cell it tells the device's
// names, its settings and its place in a device of several addresses, and draws the eight address
// switches as the installer sets them; the map's background clears it.
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "core/DataModel.h"
#include "devices/DeviceColors.h"
#include "devices/DevicesMap.h"
#include "devices/HoverInfo.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/Controls.h"
#include "platform/ClickLabel.h"
#include "platform/VbColor.h"

using Controls::Px;
using frm6Controls::Lines;

namespace {

const QString kSwitchNumbers = QStringLiteral("1     2     3     4     5     6     7     8");
constexpr uint32_t kSwitchBody = 0xC00000;  // the switch block's blue

QRect Twips(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

}  // namespace

void frm6NamesAndSettings::BuildHoverControls()
{
    Shape6 = Controls::Make<QFrame>(Picture2, QStringLiteral("Shape6"), 0, 0, 10, 10);
    Shape6->setFrameShape(QFrame::Box);

    // The switch block: the numbers 1 to 8 above, two boxes per switch, the upper one dark for 1.
    picDipSW = Controls::Make<QFrame>(Picture2, QStringLiteral("picDipSW"), 0, 0, Px(3350), Px(1150));
    VbColor::SetBackColor(picDipSW, kSwitchBody);
    DipSWNumbers = Controls::Label(picDipSW, QStringLiteral("DipSWNumbers"), 8, 2, Px(3350) - 12, 16, kSwitchNumbers);
    VbColor::SetForeColor(DipSWNumbers, DeviceColors::White);
    const QFontMetrics metrics(DipSWNumbers->font());
    for (int k = 0; k < 8; ++k) {
        // Each switch stands under its number.
        const int centre = 8 + metrics.horizontalAdvance(kSwitchNumbers.left(6 * k)) + metrics.horizontalAdvance(QLatin1Char('1')) / 2;
        for (int half = 0; half < 2; ++half) {
            auto* box = Controls::Label(picDipSW, QStringLiteral("Bit%1_%2").arg(half).arg(k), centre - 7, 21 + 26 * half, 14, 26);
            box->setFrameShape(QFrame::Box);
            (half == 0 ? Bit0 : Bit1)[size_t(k)] = box;
        }
    }
    ShowSwitches({});

    Label5 = Controls::Label(Picture2, QStringLiteral("Label5"), 0, 0, 10, 10);
    Label6 = Controls::Label(Picture2, QStringLiteral("Label6"), 0, 0, 10, 10);
    Label8 = Controls::Label(Picture2, QStringLiteral("Label8"), 0, 0, 10, 10);
    for (QLabel* l : {Label5, Label6, Label8}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFont(frm6Controls::CellFont(DevicesMap::CellPoints(SmallDisplay)));
    }

    // The map and its cells report the pointer's moves without a button held.
    hoverHook_ = new Controls::EventHook(this, [this](QObject* o, QEvent* e) { return HoverEvent(o, e); });
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(hoverHook_);
}

void frm6NamesAndSettings::WatchMapCell(QWidget* cell)
{
    cell->setMouseTracking(true);
    cell->installEventFilter(hoverHook_);
}

bool frm6NamesAndSettings::HoverEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove) return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == Picture2) {
        Picture2_MouseMove(at.x(), at.y());
        return true;
    }
    for (size_t i = 1; i < Label4.size(); ++i)
        if (Label4[i] == watched) {
            Label4_MouseMove(int(i), at.x(), at.y());
            // Not on to the map behind the cell, which would clear the strip again.
            return true;
        }
    return false;
}

// The places that follow the layout, set each time the map button is pressed.
void frm6NamesAndSettings::PlaceHoverStrip()
{
    const bool small = SmallDisplay;
    picDipSW->setGeometry(Twips(100, small ? 6000 : 6600, 3350, 1150));
    // On the small screen the names' four lines take the strip's whole height.
    Label5->setGeometry(small ? Twips(3650, 6000, 3000, 1125) : Twips(3650, 6600, 3000, 1150));
    Shape6->setGeometry(Twips(0, small ? 6000 : 7875, 13500, 1150));
}

// A map built afresh starts with empty texts; the switches stay as they were.
void frm6NamesAndSettings::ResetHoverStrip()
{
    VbColor::SetBackColor(Label5, DeviceColors::White);
    // The small screen's strip ends at the window's edge, beside the lower panel: the settings
    // and position texts lie in the band of that panel that its buttons leave free.
    const bool small = SmallDisplay;
    Label6->setGeometry(small ? Twips(6850, 6330, 3000, 375) : Twips(6850, 6600, 3000, 1150));
    Label8->setGeometry(small ? Twips(10050, 6330, 3300, 375) : Twips(10050, 6600, 3300, 1150));
    for (QLabel* l : {Label5, Label6, Label8}) l->clear();
}

void frm6NamesAndSettings::ShowSwitches(const HoverInfo::Switches& s)
{
    for (size_t k = 0; k < s.size(); ++k) {
        VbColor::SetBackColor(Bit0[k], s[k] ? DeviceColors::Black : DeviceColors::White);
        VbColor::SetBackColor(Bit1[k], s[k] ? DeviceColors::White : DeviceColors::Black);
    }
}

void frm6NamesAndSettings::Label4_MouseMove(int Index, int X, int Y)
{
    if (Index < 1 || Index >= int(Label4.size()) || !Label4[size_t(Index)] || Index >= int(NewName.size())) return;
    const QWidget* cell = Label4[size_t(Index)];
    if (!(X > 0 && X < cell->width() && Y > 0 && Y < cell->height())) return;
    // The names as the row's boxes hold them, typed and not yet stored included.
    if (const auto names = HoverInfo::NamesText(Index, FactoryName[size_t(Index)]->text(), NewName[size_t(Index)]->text()))
        Label5->setText(Lines(*names));
    Label6->clear();
    Label8->clear();
    const HoverInfo::Description d = HoverInfo::DeviceSettingsText(Index);
    Label6->setText(Lines(d.settings));
    Label8->setText(Lines(d.position));
    ShowSwitches(d.switches);
}

void frm6NamesAndSettings::Picture2_MouseMove(int X, int Y)
{
    // The map's area in twips.
    if (!(X > 0 && X * 15 < 13500 && Y > 0 && Y * 15 < 9000)) return;
    for (QLabel* l : {Label5, Label6, Label8}) l->clear();
    ShowSwitches({});
}
