#pragma once
// The project as the panel's blocks carry it, taken at one moment, so that a test can say which
// blocks a step changed: the system block with the panel's identity, the remote units, the device
// records, their names, the groups, and the two counts that follow the tables.
#include <array>
#include <ostream>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/DataModel.h"

// Readable failures for records: every field, separated by "|".
inline void PrintTo(const DeviceRecord& r, std::ostream* os)
{
    QStringList f{r.Address.str(), r.DeviceDisable.str(), r.ExtType.str(), r.BaseType.str(), r.DeviceIsIn.str(),
                  r.Exist.str(), r.LoopSide.str(), r.offTypeAfterON.str(), r.OutBehevior.str(), r.DeviceNeedVer.str(),
                  r.NameExist.str(), r.IsNotUseInAlarm.str(), r.WithAlarmGroup.str(), r.WithFaultGroup.str(),
                  r.DlyB4ON.str(), r.CardAddr.str(), r.OutOnTimes.str(), r.TimeDelayUp2ON.str(), r.AlarmValue.str(),
                  r.PreAlarmValue.str(), r.NumOfGroups.str()};
    for (int k = 1; k <= 4; ++k) f << r.Grp[k].str();
    f << r.SpareField.str() << r.DeviceName.str() << r.FactoryName.str();
    *os << f.join('|').toStdString();
}
inline void PrintTo(const OutGrpRecord& g, std::ostream* os)
{
    QStringList f{g.GrpNo.str(), g.Trigger.str(), g.OutCount.str()};
    for (int o = 1; o <= 6; ++o) f << g.OutAddr[o].str();
    f << g.GrpName.str();
    *os << f.join('|').toStdString();
}

// LoopClass: the system block's loop class, which the device block's decoder sets from the
// highest address in use.
enum class ProjectBlock { System, Remote, Devices, Names, Groups, Counts, LoopClass };

struct ProjectBlocks {
    std::array<DeviceRecord, MaxAddress + 1> devices;
    std::array<OutGrpRecord, MaxGroups + 1> groups;
    QString sysByte1, nightStart, nightFinish, numOfSys;
    SysFlagsRecord flags;
    SysFlags2Record flags2;
    RemoteUnitsRecord remote;
    QString verCom, verSoft, verHard, techCode;
    QString numOfDevices;
    int activeGroups = 0;

    static ProjectBlocks Take()
    {
        return {DeviceDataArray, OutGrpArray, DataSysByte1.str(), NightStart.str(), NightFinish.str(), NumOfSys.str(),
                SysFlags, SysFlags2, RemoteUnits, VerComNum, VerSoftNum, VerHardNum, TechCode, NumOfDevices.str(),
                NumOfActiveGroups};
    }

    // The same with one block's values blanked, so the rest can be compared. The device records
    // without their names are the device block; a group's name is no part of the group block (the
    // panel does not carry it).
    ProjectBlocks Without(ProjectBlock b) const
    {
        ProjectBlocks p = *this;
        switch (b) {
        case ProjectBlock::System:
            p.sysByte1 = p.nightStart = p.nightFinish = QString();
            p.flags = {};
            p.flags2 = {};
            p.verCom = p.verSoft = p.verHard = p.techCode = QString();
            break;
        case ProjectBlock::Remote: p.remote = {}; break;
        case ProjectBlock::Devices:
            for (DeviceRecord& r : p.devices) {
                DeviceRecord blank;
                blank.DeviceName = r.DeviceName;
                r = blank;
            }
            break;
        case ProjectBlock::Names:
            for (DeviceRecord& r : p.devices) r.DeviceName = QString();
            break;
        case ProjectBlock::Groups:
            for (OutGrpRecord& g : p.groups) {
                OutGrpRecord blank;
                blank.GrpName = g.GrpName;
                g = blank;
            }
            break;
        case ProjectBlock::Counts:
            p.numOfDevices.clear();
            p.activeGroups = 0;
            break;
        case ProjectBlock::LoopClass: p.flags.LoopSysStat = QString(); break;
        }
        return p;
    }

    ProjectBlocks Without(const std::vector<ProjectBlock>& blocks) const
    {
        ProjectBlocks p = *this;
        for (ProjectBlock b : blocks) p = p.Without(b);
        return p;
    }

    // The places where two snapshots differ ("address 12", "group 3", "system", ...), at most a few.
    QStringList Differences(const ProjectBlocks& o) const
    {
        QStringList d;
        for (int a = 1; a <= MaxAddress; ++a)
            if (!(devices[a] == o.devices[a])) d << QStringLiteral("address %1").arg(a);
        for (int g = 1; g <= MaxGroups; ++g)
            if (!(groups[g] == o.groups[g])) d << QStringLiteral("group %1").arg(g);
        if (sysByte1 != o.sysByte1 || nightStart != o.nightStart || nightFinish != o.nightFinish ||
            numOfSys != o.numOfSys || !(flags == o.flags) || !(flags2 == o.flags2))
            d << QStringLiteral("system");
        if (!(remote == o.remote)) d << QStringLiteral("remote units");
        if (verCom != o.verCom || verSoft != o.verSoft || verHard != o.verHard || techCode != o.techCode)
            d << QStringLiteral("identity");
        if (numOfDevices != o.numOfDevices || activeGroups != o.activeGroups)
            d << QStringLiteral("counts %1/%2 against %3/%4")
                     .arg(numOfDevices)
                     .arg(activeGroups)
                     .arg(o.numOfDevices)
                     .arg(o.activeGroups);
        if (d.size() > 6) d = d.mid(0, 6) << QStringLiteral("...");
        return d;
    }
};
