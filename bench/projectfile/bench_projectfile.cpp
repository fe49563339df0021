// Saves and opens a full project (126 devices, 32 groups) a few times and prints the times.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "bench/common/FullProject.h"
#include "projectfile/ProjectFile.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    ProjectFileName = "Bench.HV6";
    UILanguage = 2;
    FillFullProject();

    constexpr int rounds = 20;
    QElapsedTimer t;
    qint64 save = 0, open = 0;
    for (int i = 0; i < rounds; ++i) {
        CSetting setting;
        t.start();
        if (!ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr)) return 1;
        save += t.nsecsElapsed();
        t.start();
        if (!ProjectFile::Read().ok) return 1;
        open += t.nsecsElapsed();
    }
    std::printf("full project: save %.2f ms, open %.2f ms (mean of %d)\n", save / 1e6 / rounds, open / 1e6 / rounds, rounds);
    return 0;
}
