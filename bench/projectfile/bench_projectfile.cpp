// Saves and opens a full project (126 devices, 32 groups) a few times and prints the times.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "projectfile/ProjectFile.h"

namespace {

void FillFullProject()
{
    UILanguage = 2;
    MaxNumOfDevices = 126;
    ResetModule::ResetProject(true);
    for (int a = 1; a <= MaxAddress; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        r.ExtType = "16";
        r.BaseType = "7";
        r.Exist = "1";
        r.DeviceName = QStringLiteral("כניסה %1").arg(a);
        r.FactoryName = ZeroPad(a, 3) + " INPUT      #";
        r.NumOfGroups = "1";
        r.Grp[1] = ZeroPad((a - 1) % MaxGroups + 1, 2);
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpArray[g].Trigger = "1";
        OutGrpArray[g].OutCount = "6";
        for (int o = 1; o <= 6; ++o) OutGrpArray[g].OutAddr[o] = ZeroPad(o, 3);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    usrDataPath = dir.path() + "/";
    ProjectName = "Bench";
    ProjectFileName = "Bench.HV6";
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
