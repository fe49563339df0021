#include "panellink/ProjectSnapshot.h"

ProjectSnapshot ProjectSnapshot::Take()
{
    return {DeviceDataArray, DeviceDataArrayEdit, OutGrpArray, DataSysByte1.str(), SysFlags, SysFlags2,
            NightStart.str(), NightFinish.str(), NumOfSys.str(), RemoteUnits, VerComNum, VerSoftNum,
            VerHardNum, TechCode, ProjectDetails, MaxNumOfDevices, NumOfDevices.str(), NumOfActiveGroups,
            ProjectLoaded, DataChanged, LinkView};
}

void ProjectSnapshot::Restore() const
{
    DeviceDataArray = devices;
    DeviceDataArrayEdit = devicesEdit;
    OutGrpArray = groups;
    DataSysByte1 = sysByte1;
    SysFlags = flags;
    SysFlags2 = flags2;
    NightStart = nightStart;
    NightFinish = nightFinish;
    NumOfSys = numOfSys;
    RemoteUnits = remote;
    VerComNum = verCom;
    VerSoftNum = verSoft;
    VerHardNum = verHard;
    TechCode = techCode;
    ProjectDetails = details;
    MaxNumOfDevices = maxDevices;
    NumOfDevices = numOfDevices;
    NumOfActiveGroups = activeGroups;
    ProjectLoaded = loaded;
    DataChanged = changed;
    LinkView = linkView;
}
