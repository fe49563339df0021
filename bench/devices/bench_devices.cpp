// Opens the devices window on the full project (bench/common/FullProject.h) offscreen and prints
// how long the opening takes (build, load and first paint of the map) and how long a page
// scroll of the names view takes to repaint. Goals: under 300 ms and under 30 ms. The window must
// open without a message, show a map cell and a row with its names for every device, page down
// and back, and leave the project as it was.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QCheckBox>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "bench/common/BenchRun.h"
#include "bench/common/FullProject.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/ProjectWhole.h"
#include "core/languages.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/ClickLabel.h"
#include "platform/QtLanguage.h"
#include "platform/Ui.h"

namespace {

// Address a as part `cardAddr` of a device of the kind, in the project table.
void PutDevice(int a, int kind, int cardAddr)
{
    DeviceRecord& r = DeviceDataArray[size_t(a)];
    const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
    r.ExtType = k->extType;
    r.BaseType = k->baseType;
    r.DeviceIsIn = k->isInput ? "1" : "0";
    r.CardAddr = ZeroPad(cardAddr, 2);
    r.FactoryName = languages::FactoryNameFor(a, kind, cardAddr);
    r.TimeDelayUp2ON = "4";
    r.offTypeAfterON = "1";
    r.OutOnTimes = "11";
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The address map shows a cell for every address.
bool MapShowsEveryDevice(const frm6NamesAndSettings& w)
{
    if (w.Label4.size() <= size_t(MaxAddress)) return false;
    for (int a = 1; a <= MaxAddress; ++a)
        if (!w.Label4[size_t(a)] || w.Label4[size_t(a)]->text().isEmpty()) return false;
    return true;
}

// The names view shows a row for every device, with both its names.
bool RowsShowEveryDevice(const frm6NamesAndSettings& w)
{
    if (w.NewName.size() <= size_t(MaxAddress)) return false;
    for (int a = 1; a <= MaxAddress; ++a) {
        const DeviceRecord& r = DeviceDataArray[size_t(a)];
        if (!w.ExistDeviceYesNo[size_t(a)]->isChecked() || w.NewName[size_t(a)]->text() != r.DeviceName.trimmed() ||
            w.FactoryName[size_t(a)]->text().trimmed() != r.FactoryName.trimmed())
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchRun bench("bench_devices", argc, argv);
    int messages = 0;
    Ui::SetPrompter([&](const Ui::MsgBoxCall&) {
        ++messages;
        return int(Ui::vbCancel);
    });
    // --grab FOLDER: also saves pictures of both views, in both languages and both layouts.
    const QString grab = argc > 2 && QString::fromLatin1(argv[1]) == QLatin1String("--grab") ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!grab.isEmpty()) {
        for (int16_t lang : {int16_t(2), int16_t(1)})
            for (bool small : {false, true}) {
                FullProject::Fill(lang);
                // A two-address relay and a four-zone card, so the strip shows a device's parts;
                // the project made whole around them.
                PutDevice(9, DeviceKind::Relay, 2);
                PutDevice(10, DeviceKind::Relay, 3);
                for (int part = 0; part < 4; ++part) PutDevice(40 + part, DeviceKind::FourZoneCard, part);
                ProjectWhole::MakeProjectWhole();
                SmallDisplay = small;
                // The program's windows read right to left in Hebrew, as the main window sets it.
                QtLanguage::Apply(lang == 1);
                frm6NamesAndSettings w;
                w.show();
                const QString stem = grab + (lang == 2 ? "/en" : "/he") + (small ? "-small" : "-big");
                w.grab().save(stem + "-map.png");
                // The hover strip over a relay's second address and over a four-zone card.
                for (int a : {10, 42}) {
                    w.Label4_MouseMove(a, 5, 5);
                    w.grab().save(stem + "-hover" + QString::number(a) + ".png");
                }
                w.Command9->click();
                w.grab().save(stem + "-summary.png");
                w.Command11->click();
                w.Command3->click();
                w.grab().save(stem + "-names.png");
            }
        SmallDisplay = false;
        QtLanguage::Apply(false);
    }

    const int rounds = bench.Quick() ? 1 : 5;
    for (int16_t lang : {int16_t(2), int16_t(1)}) {
        const char* language = lang == 2 ? "English" : "Hebrew";
        FullProject::Fill(lang);
        if (!bench.RequireFullProject(QStringLiteral("built"))) break;
        const auto devices = DeviceDataArray;
        const auto groups = OutGrpArray;
        std::vector<double> opens, views, pages;
        messages = 0;
        bool mapped = true, shown = true, paged = true;
        for (int round = 0; round < rounds; ++round) {
            QElapsedTimer t;
            t.start();
            auto* w = new frm6NamesAndSettings;
            w->show();
            w->repaint();
            QCoreApplication::processEvents();
            opens.push_back(t.nsecsElapsed() / 1e6);
            mapped = mapped && MapShowsEveryDevice(*w);

            t.start();
            w->Command11->click();
            w->repaint();
            views.push_back(t.nsecsElapsed() / 1e6);
            shown = shown && RowsShowEveryDevice(*w);

            const int top = w->VScroll1->value();
            int bottom = top;
            for (int k = 0; k < 12; ++k) {
                QPushButton* b = k < 6 ? w->Command3 : w->Command4;
                t.start();
                b->click();
                w->repaint();
                pages.push_back(t.nsecsElapsed() / 1e6);
                if (k == 5) bottom = w->VScroll1->value();
            }
            paged = paged && bottom > top && w->VScroll1->value() == top;
            w->hide();
            delete w;
            QCoreApplication::processEvents();
        }
        std::printf("%s: open %.1f ms (first %.1f), names view %.1f ms, page scroll repaint %.1f ms (max %.1f)\n",
                    language, Median(opens), opens.front(), Median(views), Median(pages),
                    *std::max_element(pages.begin(), pages.end()));
        std::fflush(stdout);
        bench.Require(messages == 0, QStringLiteral("%1: the window showed %2 message(s)").arg(language).arg(messages));
        bench.Require(mapped, QStringLiteral("%1: the map does not show every address").arg(language));
        bench.Require(shown, QStringLiteral("%1: the names view does not show every device with its names").arg(language));
        bench.Require(paged, QStringLiteral("%1: six pages down and six up did not come back").arg(language));
        bench.Require(DeviceDataArray == devices && OutGrpArray == groups,
                      QStringLiteral("%1: the window changed the project").arg(language));
    }
    return bench.Exit();
}
