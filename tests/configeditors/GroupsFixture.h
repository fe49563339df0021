#pragma once
// A project for the groups window: devices of the kinds the groups use, stored memberships and
// groups written as a file or the panel leaves them, English tables.
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "configeditors/GroupsModel.h"
#include "core/Conv.h"
#include "core/languages.h"
#include "panellink/test_operations_support.h"

class GroupsTest : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        languages::SetLanguage(2);
        ResetModule::ResetGroups();
    }

    // The stored links of a device, as the shared table holds them.
    static void Links(int address, std::initializer_list<int> groups)
    {
        DeviceRecord& r = DeviceDataArray[address];
        r.NumOfGroups = ZeroPad(int(groups.size()), 2);
        int k = 0;
        for (int g : groups) r.Grp[++k] = ZeroPad(g, 2);
        r.WithAlarmGroup = groups.size() > 0 ? "1" : "0";
    }

    // A stored group.
    static void StoredGroup(int g, int trigger, std::initializer_list<int> outputs, const QString& name = QString())
    {
        OutGrpRecord& r = OutGrpArray[g];
        r.Trigger = Str(trigger);
        r.OutCount = Str(int(outputs.size()));
        int k = 0;
        for (int a : outputs) r.OutAddr[++k] = ZeroPad(a, 3);
        if (!name.isEmpty()) r.GrpName = name;
    }

    static void Flags(bool relay1, bool relay2, bool dialer)
    {
        SysFlags2.RlyA1NotSys = relay1 ? "1" : "0";
        SysFlags2.RlyA2NotSys = relay2 ? "1" : "0";
        SysFlags2.DialerANotSys = dialer ? "1" : "0";
    }

    // Smoke 3, 4, 5, heat 8, input 12, red call points 20, 22, conventional 21, yellow call point
    // 23, an alarm/fault card at 30-31, outputs 9, 10, 14, relay 15, line relay 16; named "DEV a".
    static void SiteDevices()
    {
        struct D {
            int address, kind, cardAddr;
        };
        const std::vector<D> devices{
            {3, DeviceKind::SmokeDetector, 1},        {4, DeviceKind::SmokeDetector, 1},
            {5, DeviceKind::SmokeDetector, 1},        {8, DeviceKind::HeatDetector, 1},
            {9, DeviceKind::Output, 1},               {10, DeviceKind::Output, 1},
            {12, DeviceKind::InputDevice, 1},         {14, DeviceKind::Output, 1},
            {15, DeviceKind::Relay, 1},               {16, DeviceKind::LineRelay, 1},
            {20, DeviceKind::RedCallPoint, 1},        {21, DeviceKind::ConventionalDetector, 1},
            {22, DeviceKind::RedCallPoint, 1},        {23, DeviceKind::YellowCallPoint, 1},
            {30, DeviceKind::AlarmFaultCard, 2},      {31, DeviceKind::AlarmFaultCard, 3},
        };
        for (const D& d : devices) AddDevice(d.address, d.kind, QStringLiteral("DEV %1").arg(d.address), d.cardAddr);
    }

    static GroupsModel Loaded()
    {
        GroupsModel m;
        m.LoadGroups();
        return m;
    }

    static std::vector<int> V(std::initializer_list<int> v) { return v; }
    // OutAddr(1..6) of a working group.
    static std::vector<int> Slots(const GroupsModel& m, int g)
    {
        const auto& a = m.GrpEditArray[g].OutAddr;
        return {a[1], a[2], a[3], a[4], a[5], a[6]};
    }
    // Grp(1..4) of a working input.
    static std::vector<int> LinksOf(const GroupsModel& m, int address)
    {
        const auto& r = m.DevGrpArray[address];
        return {r.NumOfGroups, r.Grp[1], r.Grp[2], r.Grp[3], r.Grp[4]};
    }
};
