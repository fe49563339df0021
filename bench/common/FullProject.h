#pragma once
// A full Tessel126 project for the benchmarks: an input with a Hebrew name at every address,
// each in one group, and 32 groups of six outputs.
#include <QString>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"

inline void FillFullProject()
{
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
