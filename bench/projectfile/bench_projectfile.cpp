// Saves and opens the full project (126 devices, 32 groups, bench/common/FullProject.h) a few
// times and prints the times. Every save must write the project as it stands, with nothing to
// make whole, and every open must give it back as it was, with nothing replaced.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "bench/common/BenchRun.h"
#include "bench/common/FullProject.h"
#include "core/CSetting.h"
#include "core/DataModel.h"
#include "projectfile/ProjectFile.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchRun bench("bench_projectfile", argc, argv);
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    ProjectFileName = "Bench.HV6";
    FullProject::Fill();
    if (!bench.RequireFullProject(QStringLiteral("built"))) return bench.Exit();
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;

    const int rounds = bench.Quick() ? 1 : 20;
    QElapsedTimer t;
    qint64 save = 0, open = 0;
    for (int i = 0; i < rounds; ++i) {
        CSetting setting;
        QString error;
        ProjectFile::Replaced mended;
        t.start();
        const bool saved = ProjectFile::Write(setting, ProjectFile::CurrentHeader(), &error, &mended);
        save += t.nsecsElapsed();
        if (!bench.Require(saved, QStringLiteral("the save: ") + error) ||
            !bench.Require(!mended.any(), QStringLiteral("the save made the project whole first")))
            break;
        t.start();
        const ProjectFile::Contents c = ProjectFile::Read();
        open += t.nsecsElapsed();
        if (!bench.Require(c.ok, QStringLiteral("the open: ") + c.error) ||
            !bench.Require(!c.replaced.any(), QStringLiteral("the open replaced values or made the project whole")) ||
            !bench.Require(!c.cut.any(), QStringLiteral("the open called a whole file incomplete")) ||
            !bench.Require(DeviceDataArray == devices && OutGrpArray == groups,
                           QStringLiteral("the open gave back another project")) ||
            !bench.RequireFullProject(QStringLiteral("opened")))
            break;
    }
    std::printf("full project: save %.2f ms, open %.2f ms (mean of %d)\n", save / 1e6 / rounds, open / 1e6 / rounds, rounds);
    return bench.Exit();
}
