// Opens the names-and-settings report on the full project (bench/common/FullProject.h), writes
// its file and prints it to a PDF file, a few times, and prints the times (goals: under 100 ms,
// 100 ms and 1 s). The report must name every device, its file hold every line of the list, and
// the print give a PDF file, each without a message.
#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "bench/common/BenchRun.h"
#include "bench/common/FullProject.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "platform/Printer.h"
#include "platform/Ui.h"
#include "reports/frmView2.h"

namespace {

// Every device's name stands in a line of the report; the report has no section for the combined
// smoke/heat detectors.
bool ListsEveryName(const QListWidget& list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    const QString all = lines.join(QLatin1Char('\n'));
    for (int a = 1; a <= MaxAddress; ++a)
        if (KindOf(DeviceDataArray[a]) != DeviceKind::SmokeHeatDetector && !all.contains(DeviceDataArray[a].DeviceName.trimmed()))
            return false;
    return true;
}

// A file of at least `lines` lines.
bool HoldsLines(const QString& path, int lines)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.readAll().count('\n') >= lines;
}

bool IsPdf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.size() > 1000 && f.read(5) == "%PDF-";
}

double Ms(qint64 ns) { return double(ns) / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    BenchRun bench("bench_reports", argc, argv);
    int messages = 0;
    Ui::SetPrompter([&](const Ui::MsgBoxCall&) {
        ++messages;
        return int(Ui::vbCancel);
    });
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    SmallDisplay = false;
    FullProject::Fill(1);
    if (!bench.RequireFullProject(QStringLiteral("built"))) return bench.Exit();
    const QString pdf = dir.filePath("bench.pdf");
    Printer::SetDialogHook([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });

    const int rounds = bench.Quick() ? 1 : 10;
    qint64 open = 0, save = 0, print = 0, worstOpen = 0, worstSave = 0, worstPrint = 0;
    int lines = 0;
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        QFile::remove(pdf);
        frmView2 w;
        t.start();
        w.show();  // the activation builds the report into the list
        QApplication::processEvents();
        const qint64 o = t.nsecsElapsed();
        lines = w.NewList->count();
        if (!bench.Require(ListsEveryName(*w.NewList), QStringLiteral("the report does not name every device")))
            break;
        t.start();
        const bool saved = w.saveTxtFile();
        const qint64 s = t.nsecsElapsed();
        if (!bench.Require(saved && HoldsLines(w.TxtFilePath, lines), QStringLiteral("the report file: ") + w.TxtFilePath))
            break;
        t.start();
        const bool printed = w.printTxtFile(w.TxtFilePath);
        const qint64 p = t.nsecsElapsed();
        if (!bench.Require(printed && IsPdf(pdf), QStringLiteral("the print to PDF"))) break;
        open += o;
        save += s;
        print += p;
        worstOpen = std::max(worstOpen, o);
        worstSave = std::max(worstSave, s);
        worstPrint = std::max(worstPrint, p);
        w.hide();
    }
    bench.Require(messages == 0, QStringLiteral("the report showed %1 message(s)").arg(messages));
    std::printf("names and settings report, 126 devices, %d lines, %d rounds\n", lines, rounds);
    std::printf("  open  (activation + list): mean %7.2f ms, worst %7.2f ms (goal < 100 ms)\n", Ms(open / rounds), Ms(worstOpen));
    std::printf("  write the report file    : mean %7.2f ms, worst %7.2f ms (goal < 100 ms)\n", Ms(save / rounds), Ms(worstSave));
    std::printf("  print to PDF             : mean %7.2f ms, worst %7.2f ms (goal < 1000 ms)\n", Ms(print / rounds), Ms(worstPrint));
    return bench.Exit();
}
