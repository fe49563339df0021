#pragma once
// The shared project as it stands, kept aside by an operation that reads the panel and put back
// when the read does not complete, so a failed read never leaves an emptied or half-filled project.
#include <array>
#include <cstdint>

#include <QString>

#include "core/DataModel.h"
#include "panellink/LinkState.h"

// Everything a download or a single step of the administrator area writes of the shared project:
// both device tables, the groups, the system block and remote units, the panel's identity and its
// boxes, the project details, the model, the counts and the loaded and changed flags.
struct ProjectSnapshot {
    std::array<DeviceRecord, MaxAddress + 1> devices, devicesEdit;
    std::array<OutGrpRecord, MaxGroups + 1> groups;
    QString sysByte1;
    SysFlagsRecord flags;
    SysFlags2Record flags2;
    QString nightStart, nightFinish, numOfSys;
    RemoteUnitsRecord remote;
    QString verCom, verSoft, verHard, techCode;
    ProjectDetailsRecord details;
    int16_t maxDevices;
    QString numOfDevices;
    int16_t activeGroups;
    bool loaded, changed;
    LinkWindowView linkView;

    static ProjectSnapshot Take();
    void Restore() const;
};
