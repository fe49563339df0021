// Opens the devices window on a full project (126 devices, names, groups) offscreen and prints
// how long the opening takes (build, load and first paint of the map) and how long a page
// scroll of the names view takes to repaint. Goals: under 300 ms and under 30 ms.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "devices/frm6NamesAndSettings.h"
#include "platform/QtLanguage.h"
#include "platform/Ui.h"

namespace {

void FillFullProject(int16_t lang)
{
    UILanguage = lang;
    MaxNumOfDevices = 126;
    ResetModule::ResetProject(true);
    languages::SetLanguage(lang);
    const int kinds[] = {DeviceKind::SmokeDetector, DeviceKind::HeatDetector, DeviceKind::InputDevice,
                         DeviceKind::RedCallPoint, DeviceKind::Output, DeviceKind::Relay};
    for (int a = 1; a <= MaxAddress; ++a) {
        DeviceRecord& r = DeviceDataArray[size_t(a)];
        const DeviceKind::KindInfo* k = DeviceKind::Find(kinds[a % 6]);
        r.ExtType = k->extType;
        r.BaseType = k->baseType;
        r.DeviceIsIn = k->isInput ? "1" : "0";
        r.Exist = "1";
        r.NameExist = "1";
        r.DeviceName = QStringLiteral("DEVICE %1").arg(a);
        r.FactoryName = languages::FactoryNameFor(a, kinds[a % 6], 1);
        if (k->isInput) {
            r.NumOfGroups = "1";
            r.Grp[1] = ZeroPad((a - 1) % MaxGroups + 1, 2);
        }
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpArray[size_t(g)].Trigger = "1";
        OutGrpArray[size_t(g)].OutCount = "1";
        OutGrpArray[size_t(g)].OutAddr[1] = "005";
    }
}

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

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Ui::SetPrompter([](const Ui::MsgBoxCall&) { return int(Ui::vbCancel); });
    // --grab FOLDER: also saves pictures of both views, in both languages and both layouts.
    const QString grab = argc > 2 && QString::fromLatin1(argv[1]) == QLatin1String("--grab") ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!grab.isEmpty()) {
        for (int16_t lang : {int16_t(2), int16_t(1)})
            for (bool small : {false, true}) {
                FillFullProject(lang);
                // A two-address relay and a four-zone card, so the strip shows a device's parts.
                PutDevice(9, DeviceKind::Relay, 2);
                PutDevice(10, DeviceKind::Relay, 3);
                for (int part = 0; part < 4; ++part) PutDevice(40 + part, DeviceKind::FourZoneCard, part);
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

    for (int16_t lang : {int16_t(2), int16_t(1)}) {
        FillFullProject(lang);
        std::vector<double> opens, views, pages;
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer t;
            t.start();
            auto* w = new frm6NamesAndSettings;
            w->show();
            w->repaint();
            QCoreApplication::processEvents();
            opens.push_back(t.nsecsElapsed() / 1e6);

            t.start();
            w->Command11->click();
            w->repaint();
            views.push_back(t.nsecsElapsed() / 1e6);

            for (int k = 0; k < 12; ++k) {
                QPushButton* b = k < 6 ? w->Command3 : w->Command4;
                t.start();
                b->click();
                w->repaint();
                pages.push_back(t.nsecsElapsed() / 1e6);
            }
            w->hide();
            delete w;
            QCoreApplication::processEvents();
        }
        std::printf("%s: open %.1f ms (first %.1f), names view %.1f ms, page scroll repaint %.1f ms (max %.1f)\n",
                    lang == 2 ? "English" : "Hebrew", Median(opens), opens.front(), Median(views), Median(pages),
                    *std::max_element(pages.begin(), pages.end()));
    }
    return 0;
}
