#pragma once
// A clean working table for the devices tools tests: empty working table, 126 addresses, English tables and
// the default sensitivity values; a smoke detector or other device placed with one call.
#include <gtest/gtest.h>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"

class WorkingTableFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetModule::ResetDevices(1, MaxAddress, 1);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        ResetModule::ResetGroups();
        MaxNumOfDevices = 126;
        SmallDisplay = false;
        AdminMode = false;
        NameCheckQuiet = false;
        HighSens = 20; MediumSens = 35; LowSens = 50;
        High2Medium = 27; Medium2Low = 43;
        InputAlarmVal = 70; InputPREAlarmVal = 40;
        languages::SetLanguage(2);
    }
    void TearDown() override { languages::SetLanguage(2); NameCheckQuiet = false; }

    // An occupied working record of a kind (ext + base) at address a.
    static DeviceRecord& Place(int a, const char* ext, const char* base, const char* cardAddr = "01",
                               const char* isIn = "1")
    {
        DeviceRecord& r = DeviceDataArrayEdit[a];
        r.Address = ZeroPad(a, 3);
        r.Exist = "1";
        r.ExtType = ext;
        r.BaseType = base;
        r.CardAddr = cardAddr;
        r.DeviceIsIn = isIn;
        return r;
    }
};
