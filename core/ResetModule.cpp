#include "core/ResetModule.h"

#include "core/Conv.h"
#include "core/DataModel.h"

namespace ResetModule {

void ResetRecord(DeviceRecord& r, int address)
{
    r.Address = ZeroPad(address, 3);
    r.DeviceDisable = "0";
    r.ExtType = "00";
    r.BaseType = "0";
    r.DeviceIsIn = "1";
    r.Exist = "0";
    r.LoopSide = "0";
    r.offTypeAfterON = "0";
    r.OutBehevior = "00";
    r.DeviceNeedVer = "0";
    r.NameExist = "0";
    r.IsNotUseInAlarm = "0";
    r.WithAlarmGroup = "0";
    r.WithFaultGroup = "0";
    r.DlyB4ON = "0";
    r.CardAddr = "01";
    r.OutOnTimes = "00";
    r.TimeDelayUp2ON = "00";
    r.AlarmValue = "64";
    r.PreAlarmValue = "64";
    r.NumOfGroups = "00";
    for (int g = 1; g <= 4; ++g) r.Grp[g] = "00";
    r.SpareField = "00";
    r.DeviceName = "0";
    r.FactoryName = "0";
}

void ResetDevices(int first, int last, int table)
{
    if (table != 1 && table != 2) return;
    if (first < 1 || last > MaxAddress || first > last) return;
    auto& t = table == 1 ? DeviceDataArray : DeviceDataArrayEdit;
    for (int i = first; i <= last; ++i) ResetRecord(t[i], i);
}

void ResetSysData()
{
    SysFlags = {"003", "1", "1", "0", "1", "0"};
    SysFlags2 = {"0", "0", "0", "0", "0", "0", "0", "0"};
    DataSysByte1 = "00";
    NumOfSys = "01";
    NightStart = "0000";
    NightFinish = "0000";
    ResetSubData();
}

void ResetProjectDetails()
{
    ProjectDetails = {};
    NumOfDevices = "0";
}

void ResetGroupLinks()
{
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpRecord& r = OutGrpArray[g];
        r.GrpNo = ZeroPad(g, 2);
        r.Trigger = "0";
        r.OutCount = "0";
        for (int o = 1; o <= MaxOutputsPerGroup; ++o) r.OutAddr[o] = "000";
    }
}

void ResetGroups()
{
    ResetGroupLinks();
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpRecord& r = OutGrpArray[g];
        if (UILanguage == 1)
            r.GrpName = QStringLiteral("קבוצת הפעלה ") + Str(g);
        else if (UILanguage == 2)
            r.GrpName = QStringLiteral("Group No.   ") + Str(g);
    }
}

void ResetSubData()
{
    for (int i = 1; i <= 2; ++i) {
        RemoteUnits.Panel[i] = "0";
        RemoteUnits.PS[i] = "0";
    }
}

void ResetHistory()
{
    for (int i = 1; i <= MaxHistory; ++i) {
        HistoryArray[i] = HistoryRecord{};
        HistoryLines[i].clear();
    }
}

void ResetProject(bool isNew)
{
    if (isNew) NumOfActiveGroups = 0;
    ResetDevices(1, MaxAddress, 1);
    ResetDevices(1, MaxAddress, 2);
    ResetSysData();
    ResetProjectDetails();
    ResetGroups();
    ResetSubData();
    ProjectLoaded = !isNew;
}

}  // namespace ResetModule
