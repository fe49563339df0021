#pragma once
// The devices window on a project of the tests' own, shown and active so the focus moves as a
// user's would, with its message boxes answered from a script.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"

class ToolsWindowTest : public DevicesFixture {
protected:
    void SetUp() override
    {
        DevicesFixture::SetUp();
        HighSens = 20; MediumSens = 35; LowSens = 50;
        High2Medium = 27; Medium2Low = 43;
        InputAlarmVal = 70; InputPREAlarmVal = 40;
    }

    // Smoke detectors named "DEVICE a" on 1 to 99, a two-address relay on 9 and 10, a heat
    // detector on 41, a four-zone card on 60 to 63; 100 to 126 free.
    static void SiteProject()
    {
        for (int a = 1; a <= 99; ++a) Put(a, DeviceKind::SmokeDetector, 1, {}, "DEVICE " + Str(a));
        Put(9, DeviceKind::Relay, 2, {}, "BELL");
        Put(10, DeviceKind::Relay, 3, {}, "BELL 2");
        Put(41, DeviceKind::HeatDetector, 1, {}, "KITCHEN").AlarmValue = "58";
        for (int p = 0; p < 4; ++p) Put(60 + p, DeviceKind::FourZoneCard, p, {}, "ZONE " + Str(p + 1));
        NumOfDevices = "099";
    }

    static void Show(frm6NamesAndSettings& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    // The names-import file of the project, as a spreadsheet saved it.
    void WriteCsv(const QByteArray& bytes) { WriteBytes(usrDataPath + ProjectName + ".csv", bytes); }

    ScriptedPrompter prompter;
};
