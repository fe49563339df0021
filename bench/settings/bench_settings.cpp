// The settings engine on large project files: a full project with 10,000 extra lines in one
// section, and one with 100,000 extra sections. Opens each (the project reader, as the program
// opens a project) and lists every section of the second; prints the times, best and worst of a
// few rounds, against the 200 ms each may take. Exits 1 when one is slower.
#include <algorithm>
#include <cstdio>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "bench/common/FullProject.h"
#include "projectfile/ProjectFile.h"

namespace {

constexpr double LimitMs = 200;
constexpr int Rounds = 5;

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

// Best and worst of a few rounds, in milliseconds.
struct Times {
    double best = 1e9, worst = 0;
};
// Each round first writes the file with a different last line, so no round finds it parsed.
Times Measure(const QString& file, const QByteArray& bytes, const std::function<bool()>& run)
{
    Times t;
    for (int i = 0; i < Rounds; ++i) {
        if (!WriteAll(file, bytes + "; round " + QByteArray::number(i) + "\r\n")) return {-1, -1};
        QElapsedTimer timer;
        timer.start();
        if (!run()) return {-1, -1};
        const double ms = timer.nsecsElapsed() / 1e6;
        t.best = std::min(t.best, ms);
        t.worst = std::max(t.worst, ms);
    }
    return t;
}

bool Report(const char* what, qsizetype bytes, const Times& t)
{
    const bool ok = t.worst >= 0 && t.worst < LimitMs;
    std::printf("%-46s %8.1f KB  best %7.2f ms  worst %7.2f ms  (limit %.0f ms)  %s\n", what, bytes / 1024.0, t.best,
                t.worst, LimitMs, t.worst < 0 ? "FAILED" : ok ? "ok" : "SLOW");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    ProjectFileName = "Bench.HV6";
    const QString file = usrDataPath + ProjectFileName;
    FillFullProject();
    CSetting writer;
    if (!ProjectFile::Write(writer, ProjectFile::CurrentHeader(), nullptr)) return 1;
    const QByteArray project = ReadAll(file);

    // 10,000 extra lines in the section of device 5: keys, comments and blank lines.
    QByteArray longSection;
    for (int i = 0; i < 10000; ++i)
        longSection += i % 10 == 9 ? QByteArray("; note\r\n") : "Extra" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n";
    QByteArray withLongSection = project;
    const QByteArray device5 = "[01-005]\r\n";
    withLongSection.insert(withLongSection.indexOf(device5) + device5.size(), longSection);

    QByteArray withManySections = project;
    for (int i = 0; i < 100000; ++i) withManySections += "[Extra-" + QByteArray::number(i) + "]\r\nk=" + QByteArray::number(i) + "\r\n";

    auto open = [] {
        const ProjectFile::Contents c = ProjectFile::Read();
        return c.ok && DeviceDataArray[126].Exist == "1";
    };
    bool ok = true;
    ok &= Report("open: a section of 10,000 lines", withLongSection.size(), Measure(file, withLongSection, open));
    ok &= Report("open: 100,000 sections", withManySections.size(), Measure(file, withManySections, open));
    ok &= Report("list the sections of that file", withManySections.size(), Measure(file, withManySections, [] {
                     CSetting s;
                     s.Init(ProjectName, ProjectFile::Extension, usrDataPath, 1);
                     return s.GetSectionNames().size() == 100000 + 4 + MaxAddress + MaxGroups + 2;
                 }));
    return ok ? 0 : 1;
}
