// Opens the names-and-settings report on a full 126-device project, writes its file and prints
// it to a PDF file, a few times, and prints the times (goals: under 100 ms, 100 ms and 1 s).
#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "platform/Printer.h"
#include "reports/frmView2.h"

namespace {

void FillFullProject()
{
    using namespace DeviceKind;
    const int kinds[] = {SmokeDetector, HeatDetector, ConventionalDetector, RedCallPoint, YellowCallPoint,
                         BeamCard,      InputDevice,  Output,               Relay,        LineRelay};
    MaxNumOfDevices = 126;
    ResetModule::ResetProject(true);
    for (int a = 1; a <= MaxAddress; ++a) {
        const int kind = kinds[a % 10];
        const KindInfo* k = Find(kind);
        DeviceRecord& r = DeviceDataArray[a];
        r.ExtType = k->extType;
        r.BaseType = k->baseType;
        r.Exist = "1";
        r.DeviceIsIn = k->isInput ? "1" : "0";
        r.DeviceName = a % 2 ? QStringLiteral("חדר %1").arg(a) : QStringLiteral("ROOM %1").arg(a);
        r.FactoryName = languages::FactoryNameFor(a, kind, 1);
        r.NumOfGroups = "02";
        r.Grp[1] = ZeroPad((a - 1) % MaxGroups + 1, 2);
        r.Grp[2] = ZeroPad(a % MaxGroups + 1, 2);
    }
}

double Ms(qint64 ns) { return double(ns) / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    languages::SetLanguage(1);
    SmallDisplay = false;
    FillFullProject();
    const QString pdf = dir.filePath("bench.pdf");
    Printer::SetDialogHook([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });

    constexpr int rounds = 10;
    qint64 open = 0, save = 0, print = 0, worstOpen = 0, worstSave = 0, worstPrint = 0;
    int lines = 0;
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        frmView2 w;
        t.start();
        w.show();  // the activation builds the report into the list
        QApplication::processEvents();
        const qint64 o = t.nsecsElapsed();
        lines = w.NewList->count();
        t.start();
        if (!w.saveTxtFile()) return 1;
        const qint64 s = t.nsecsElapsed();
        t.start();
        if (!w.printTxtFile(w.TxtFilePath)) return 1;
        const qint64 p = t.nsecsElapsed();
        open += o;
        save += s;
        print += p;
        worstOpen = std::max(worstOpen, o);
        worstSave = std::max(worstSave, s);
        worstPrint = std::max(worstPrint, p);
        w.hide();
    }
    std::printf("names and settings report, 126 devices, %d lines, %d rounds\n", lines, rounds);
    std::printf("  open  (activation + list): mean %7.2f ms, worst %7.2f ms (goal < 100 ms)\n", Ms(open / rounds), Ms(worstOpen));
    std::printf("  write the report file    : mean %7.2f ms, worst %7.2f ms (goal < 100 ms)\n", Ms(save / rounds), Ms(worstSave));
    std::printf("  print to PDF             : mean %7.2f ms, worst %7.2f ms (goal < 1000 ms)\n", Ms(print / rounds), Ms(worstPrint));
    return 0;
}
