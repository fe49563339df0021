// The settings engine on large project files: the full project (bench/common/FullProject.h) with
// 10,000 extra lines in one section, and with 100,000 extra sections. Opens each (the project
// reader, as the program opens a project) and lists every section of the second; prints the
// times, best and worst of a few rounds, against the 200 ms each should take. Every open must
// give the full project back with nothing replaced, and the list must hold every section.
#include <algorithm>
#include <cstdio>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "bench/common/BenchRun.h"
#include "bench/common/FullProject.h"
#include "core/CSetting.h"
#include "core/DataModel.h"
#include "projectfile/ProjectFile.h"

namespace {

constexpr double LimitMs = 200;
// The sections of the full project's file: [General], [Project Details], [Hardware], [01], one
// per device and per group, [#####] and [----------].
constexpr int ProjectSections = 4 + FullProject::Devices + MaxGroups + 2;

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Best and worst of a few rounds, in milliseconds; ok when every round's work succeeded.
struct Times {
    double best = 1e9, worst = 0;
    bool ok = true;
};
// Each round first writes the file with a different last line, so no round finds it parsed. Only
// the work is timed; what it left is checked after.
Times Measure(int rounds, const QString& file, const QByteArray& bytes, const std::function<bool()>& work,
              const std::function<bool()>& check)
{
    Times t;
    for (int i = 0; i < rounds && t.ok; ++i) {
        if (!WriteAll(file, bytes + "; round " + QByteArray::number(i) + "\r\n")) return {0, 0, false};
        QElapsedTimer timer;
        timer.start();
        const bool done = work();
        const double ms = timer.nsecsElapsed() / 1e6;
        t.ok = done && check();
        t.best = std::min(t.best, ms);
        t.worst = std::max(t.worst, ms);
    }
    return t;
}

void Report(BenchRun& bench, const QString& what, qsizetype bytes, const Times& t)
{
    std::printf("%-46s %8.1f KB  best %7.2f ms  worst %7.2f ms  (limit %.0f ms)  %s\n", qPrintable(what),
                bytes / 1024.0, t.best, t.worst, LimitMs, !t.ok ? "FAILED" : t.worst < LimitMs ? "ok" : "SLOW");
    std::fflush(stdout);
    bench.Require(t.ok, what);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchRun bench("bench_settings", argc, argv);
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    ProjectFileName = "Bench.HV6";
    const QString file = usrDataPath + ProjectFileName;
    FullProject::Fill();
    if (!bench.RequireFullProject(QStringLiteral("built"))) return bench.Exit();
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    CSetting writer;
    ProjectFile::Replaced mended;
    if (!bench.Require(ProjectFile::Write(writer, ProjectFile::CurrentHeader(), nullptr, &mended) && !mended.any(),
                       QStringLiteral("the save of the full project")))
        return bench.Exit();
    const QByteArray project = ReadAll(file);

    // The quick run: a tenth of the lines, a hundredth of the sections, one round.
    const int rounds = bench.Quick() ? 1 : 5;
    const int lines = bench.Quick() ? 1000 : 10000;
    const int sections = bench.Quick() ? 1000 : 100000;

    // Extra lines in the section of device 5: keys, comments and blank lines.
    QByteArray longSection;
    for (int i = 0; i < lines; ++i)
        longSection += i % 10 == 9 ? QByteArray("; note\r\n") : "Extra" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n";
    QByteArray withLongSection = project;
    const QByteArray device5 = "[01-005]\r\n";
    const qsizetype at = withLongSection.indexOf(device5);
    if (!bench.Require(at >= 0, QStringLiteral("the file holds no section of device 5"))) return bench.Exit();
    withLongSection.insert(at + device5.size(), longSection);

    QByteArray withManySections = project;
    for (int i = 0; i < sections; ++i) withManySections += "[Extra-" + QByteArray::number(i) + "]\r\nk=" + QByteArray::number(i) + "\r\n";

    // The open gives back the full project as it was saved, with nothing replaced.
    ProjectFile::Contents opened;
    auto open = [&] {
        opened = ProjectFile::Read();
        return opened.ok;
    };
    auto openedWhole = [&] {
        return !opened.replaced.any() && DeviceDataArray == devices && OutGrpArray == groups &&
               FullProject::Faults().isEmpty();
    };
    qsizetype listed = 0;
    auto list = [&] {
        CSetting s;
        s.Init(ProjectName, ProjectFile::Extension, usrDataPath, 1);
        listed = s.GetSectionNames().size();
        return true;
    };
    const QLocale number(QLocale::English);
    Report(bench, QStringLiteral("open: a section of %1 lines").arg(number.toString(lines)), withLongSection.size(),
           Measure(rounds, file, withLongSection, open, openedWhole));
    Report(bench, QStringLiteral("open: %1 sections").arg(number.toString(sections)), withManySections.size(),
           Measure(rounds, file, withManySections, open, openedWhole));
    Report(bench, QStringLiteral("list the sections of that file"), withManySections.size(),
           Measure(rounds, file, withManySections, list, [&] { return listed == sections + ProjectSections; }));
    return bench.Exit();
}
