// The serial port controls of the main window: the search at load and on demand, the list of
// ports with a manual pick, the list of the machine's ports (in place of a device manager), the
// COM settings panel with its Fast/Slow pair, and opening and closing the port for a transfer.
#include <algorithm>
#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "mainwindow/MainTexts.h"
#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"
#include "panellink/PortChoice.h"
#include "platform/Ui.h"

using namespace Controls;

namespace {

constexpr uint32_t LightGreen = 0xC0FFC0;

frm4Main::PortCatalogSource& CatalogSource()
{
    static frm4Main::PortCatalogSource source;
    return source;
}

frm4Main::SerialPortMaker& PortMaker()
{
    static frm4Main::SerialPortMaker maker;
    return maker;
}

PortCatalog MachinePorts() { return CatalogSource() ? CatalogSource()() : PortCatalog::Scan(); }

// The machine's ports as the search numbers them: number, device and the system's description.
Message PortList(const PortCatalog& catalog, int16_t lang)
{
    using languages::ByLanguage;
    QString text;
    if (catalog.Entries().empty()) {
        text = ByLanguage(lang, QStringLiteral("לא נמצאו יציאות תקשורת במחשב"), QStringLiteral("No serial port found on this computer"));
    } else {
        text = ByLanguage(lang, QStringLiteral("יציאות התקשורת במחשב:"), QStringLiteral("Serial ports of this computer:"));
        for (const PortEntry& e : catalog.Entries()) {
            const QString line = QStringLiteral("COM") + Str(e.number) + QStringLiteral("   ") + e.path +
                                 QStringLiteral("   ") + e.description;
            // Each port's line reads left to right in a Hebrew box too.
            text += QLatin1Char('\r') + ByLanguage(lang, Ui::LeftToRight(line), line);
        }
    }
    const QString title = ByLanguage(lang, QStringLiteral("מנהל התקנים"), QStringLiteral("Device manager"));
    return ByLanguage(lang, Message{text, Ui::vbOKOnly | Ui::vbHebrew, title}, Message{text, Ui::vbOKOnly, title});
}

}  // namespace

frm4Main::PortCatalogSource frm4Main::SetPortCatalogSource(PortCatalogSource source)
{
    return std::exchange(CatalogSource(), std::move(source));
}

frm4Main::SerialPortMaker frm4Main::SetSerialPortMaker(SerialPortMaker maker)
{
    return std::exchange(PortMaker(), std::move(maker));
}

void frm4Main::BuildPortControls()
{
    comPort = PortMaker() ? PortMaker()() : std::make_unique<SerialSComm>();
    Option1 = {Make<QRadioButton>(Picture2, QStringLiteral("Option1_0"), 8, 8, 124, 24),
               Make<QRadioButton>(Picture2, QStringLiteral("Option1_1"), 140, 8, 124, 24)};
    Option1[0]->setText(QStringLiteral("Fast"));
    Option1[1]->setText(QStringLiteral("Slow"));
}

void frm4Main::WirePortControls()
{
    connect(FindMyCOM, &QPushButton::clicked, this, [this] { FindMyCOM_Click(); });
    connect(ComNumCmbo, &QComboBox::activated, this, [this](int i) { ComNumCmbo_Click(i); });
    connect(DeviceMngrOpen, &QPushButton::clicked, this, [this] { DeviceMngrOpen_Click(); });
    connect(ComSettings, &QPushButton::clicked, this, [this] { ComSettings_Click(); });
    connect(CloseComSet, &QPushButton::clicked, this, [this] { CloseComSet_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(ManualDelays[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) ManualDelays_Click(i); });
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) Option1_Click(i); });
    }
}

void frm4Main::SearchComPort()
{
    SetWindowEnabled(false);
    ActivMsgLbl->setText(SearchComPortText());
    MainMdl::Delay(0.5);
    FindComPort();
    ActivMsgLbl->clear();
    SetWindowEnabled(true);
}

void frm4Main::FindComPort()
{
    ComNumCmbo->clear();
    Label15->clear();
    // Adapters come and go: every search looks at the machine's ports afresh.
    comPort->SetCatalog(MachinePorts());
    PortSearchFlags flags{ManualSearch, SerialAnywhere};
    const PortSearchResult r = ::FindComPort(*comPort, flags, [this](int v) { StatBar->setValue(v); });
    ManualSearch = flags.ManualSearch;
    SerialAnywhere = flags.SerialAnywhere;
    for (const ComboEntry& e : r.ComNumCmbo) ComNumCmbo->addItem(e.text, e.port);
    FitPortListToEntries();
    ComNumCmbo->setCurrentIndex(r.ListIndex);
    Label13->setText(r.Label13);
    Label15->setText(r.Label15);
}

// The box is narrower than most descriptions; its drop-down is as wide as the widest entry, so
// two adapters of the same kind can be told apart.
void frm4Main::FitPortListToEntries()
{
    QAbstractItemView* list = ComNumCmbo->view();
    const QFontMetrics fm(list->font());
    int widest = 0;
    for (int i = 0; i < ComNumCmbo->count(); ++i) widest = std::max(widest, fm.horizontalAdvance(ComNumCmbo->itemText(i)));
    const int margins = 2 * list->frameWidth() + ComNumCmbo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    list->setMinimumWidth(std::max(ComNumCmbo->width(), widest + margins));
}

void frm4Main::FindMyCOM_Click()
{
    Label15->clear();
    ComNumCmbo->show();
    ManualSearch = true;
    FindComPort();
}

void frm4Main::ComNumCmbo_Click(int listIndex)
{
    if (listIndex < 0 || listIndex >= ComNumCmbo->count()) return;
    const ComboEntry entry{ComNumCmbo->itemText(listIndex), ComNumCmbo->itemData(listIndex).toInt()};
    Label15->setText(::ComNumCmbo_Click(*comPort, entry));
}

void frm4Main::DeviceMngrOpen_Click() { ShowMessage(PortList(MachinePorts(), UILanguage)); }

void frm4Main::ComSettings_Click()
{
    Picture2->move(620, 298);
    Option1[0]->setText(languages::ByLanguage(QStringLiteral("קצב מהיר"), QStringLiteral("Fast")));
    Option1[1]->setText(languages::ByLanguage(QStringLiteral("קצב איטי"), QStringLiteral("Slow")));
    Picture2->setVisible(!Picture2->isVisibleTo(this));
    if (Picture2->isVisibleTo(this)) Picture2->raise();
}

void frm4Main::CloseComSet_Click() { Picture2->hide(); }

void frm4Main::PaintDelayPairs(int Index)
{
    for (const auto* pair : {&ManualDelays, &Option1})
        for (int i = 0; i < 2; ++i) VbColor::SetBackColor((*pair)[i], i == Index ? LightGreen : VbColor::ButtonFace());
}

// Both pairs always show the same choice; selecting the other pair's element runs its handler,
// which finds its twin already selected and stops there.
void frm4Main::ManualDelays_Click(int Index)
{
    Option1[Index]->setChecked(true);
    PaintDelayPairs(Index);
}

void frm4Main::Option1_Click(int Index)
{
    ManualDelays[Index]->setChecked(true);
    PaintDelayPairs(Index);
}

void frm4Main::Command11_Click()
{
    setPortClose();
    Ui::MsgBox(QStringLiteral("Port closed"));
}

bool frm4Main::setPortOpen() { return ::setPortOpen(*comPort); }

void frm4Main::setPortClose() { ::setPortClose(*comPort); }
