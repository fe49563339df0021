#pragma once
// A small full project for the report tests: every kind of device, Hebrew and English names,
// groups with loop, relay, dialer and unknown outputs, and an event history with device and
// system events. Dates, times and the decimal separator are fixed.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "ProjectFixture.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/languages.h"
#include "panellink/HistoryBlock.h"
#include "platform/TextFile.h"
#include "reports/Regional.h"

namespace ReportTest {

inline Regional FixedRegional() { return {QStringLiteral("24/03/2025"), QStringLiteral("14:05"), QStringLiteral(".")}; }

struct Device {
    int address;
    int kind;
    int cardAddr;
    QString name;  // empty: the name as reset
    std::vector<int> groups;
};

// A device of the kind at the address, its factory name in the current label language.
inline DeviceRecord& Put(const Device& d)
{
    DeviceRecord& r = DeviceDataArray[d.address];
    const DeviceKind::KindInfo* k = DeviceKind::Find(d.kind);
    r.ExtType = k->extType;
    r.BaseType = k->baseType;
    r.Exist = "1";
    r.DeviceIsIn = k->isInput ? "1" : "0";
    r.CardAddr = ZeroPad(d.cardAddr, 2);
    r.FactoryName = languages::FactoryNameFor(d.address, d.kind, d.cardAddr);
    if (!d.name.isEmpty()) r.DeviceName = d.name;
    r.NumOfGroups = ZeroPad(int(d.groups.size()), 2);
    for (size_t j = 0; j < d.groups.size(); ++j) r.Grp[j + 1] = ZeroPad(d.groups[j], 2);
    return r;
}

inline void Group(int g, int trigger, const std::vector<int>& outputs, const QString& name)
{
    OutGrpRecord& grp = OutGrpArray[g];
    grp.Trigger = Str(trigger);
    grp.OutCount = Str(int(outputs.size()));
    for (size_t k = 0; k < outputs.size(); ++k) grp.OutAddr[k + 1] = ZeroPad(outputs[k], 3);
    if (!name.isNull()) grp.GrpName = name;
}

inline void Event(int place, int device, const QString& where, const QString& what, const char* hhmm, const char* ddmmyy)
{
    HistoryRecord e;
    e.DevNo = Str(device);
    e.EventText = where.leftJustified(32, u' ', true) + what.leftJustified(12, u' ', true);
    const QString t = QString::fromLatin1(hhmm), d = QString::fromLatin1(ddmmyy);
    e.Hour = t.left(2);
    e.Minute = t.mid(2, 2);
    e.Day = d.left(2);
    e.Month = d.mid(2, 2);
    e.Year = d.mid(4, 2);
    HistoryArray[place] = e;
    HistoryLines[place] = HistoryLine(place, e);
}

// The sample project, in the shared data; factory names in the labels' current language.
inline void FillSampleProject()
{
    using namespace DeviceKind;
    High2Medium = 40;
    Medium2Low = 80;
    Put({1, SmokeDetector, 1, "KITCHEN", {1, 2}}).AlarmValue = "035";
    DeviceDataArray[1].DeviceNeedVer = "1";
    Put({2, SmokeDetector, 1, QStringLiteral("מטבח"), {}}).AlarmValue = "080";
    Put({3, SmokeDetector, 1, QString(), {29, 30, 31, 32}}).AlarmValue = "081";
    DeviceDataArray[3].DeviceNeedVer = "2";
    Put({4, HeatDetector, 1, QStringLiteral("מחסן"), {1}}).AlarmValue = "058";
    Put({5, SmokeHeatDetector, 1, "LOBBY", {}});
    Put({6, ConventionalDetector, 1, "OFFICE 2", {3}});
    Put({7, RedCallPoint, 1, "ENTRANCE", {1, 3}});
    Put({8, YellowCallPoint, 1, QStringLiteral("יציאה"), {}});
    Put({9, BeamCard, 1, "HALL", {2}});
    Put({10, AlarmFaultCard, 1, "PUMP", {}});
    Put({11, AlarmFaultCard, 2, "GENERATOR", {2}});
    Put({12, AlarmFaultCard, 3, "GENERATOR", {2}});
    Put({13, TwoInputCard, 2, "DOOR A", {1}});
    Put({14, TwoInputCard, 3, "DOOR B", {}}).IsNotUseInAlarm = "1";
    for (int part = 0; part < 4; ++part) Put({16 + part, FourZoneCard, part, QStringLiteral("אזור %1").arg(part + 1), {2}});
    Put({20, InputDevice, 1, "FLOW SWITCH", {2, 4}}).IsNotUseInAlarm = "1";
    DeviceRecord& ext = Put({21, Extinguish, 2, QStringLiteral("כיבוי מטבח"), {}});
    ext.DlyB4ON = "1";
    ext.TimeDelayUp2ON = "04";
    ext.OutBehevior = "01";
    Put({22, Output, 3, "EXT LAMP", {}}).offTypeAfterON = "2";
    Put({23, Extinguish, 1, "SERVER ROOM", {}}).OutBehevior = "01";
    DeviceRecord& out = Put({24, Output, 1, "SIREN", {}});
    out.DlyB4ON = "1";
    out.TimeDelayUp2ON = "11";
    out.offTypeAfterON = "1";
    out.OutOnTimes = "11";
    Put({25, Output, 2, "STROBE", {}}).OutBehevior = "02";
    DeviceRecord& strobe2 = Put({26, Output, 3, "STROBE", {}});
    strobe2.OutBehevior = "03";
    strobe2.offTypeAfterON = "2";
    Put({27, Relay, 1, "AC", {}});
    Put({28, Relay, 2, QStringLiteral("מעלית"), {}});
    Put({29, Relay, 3, QStringLiteral("מעלית"), {}}).DlyB4ON = "2";
    Put({30, LineRelay, 1, "DAMPER", {}});
    Put({126, SmokeDetector, 1, "ROOF", {1}}).AlarmValue = "050";

    Group(1, 1, {201, 24}, QStringLiteral("קומה ראשונה"));
    Group(2, 2, {22, 205, 150}, QString(16, u' '));
    Group(3, 0, {27}, "NO TRIGGER");
    Group(4, 1, {}, "NO OUTPUTS");
    Group(31, 1, {202, 28}, "FIRE DEPT");

    Event(1, 7, "ENTRANCE", "ALARM", "0930", "240325");
    Event(2, 0, QStringLiteral("ספק כוח"), QStringLiteral("תקלה"), "1015", "240325");
    Event(5, 24, "SIREN", "FAULT", "2359", "311224");
}

// The kinds that take one address, and a Hebrew or English name for a device at an address.
inline constexpr int SingleAddressKinds[] = {DeviceKind::SmokeDetector, DeviceKind::HeatDetector, DeviceKind::ConventionalDetector,
                                             DeviceKind::RedCallPoint,  DeviceKind::YellowCallPoint, DeviceKind::BeamCard,
                                             DeviceKind::InputDevice,   DeviceKind::Output,       DeviceKind::Relay,
                                             DeviceKind::LineRelay};
inline QString RoomName(int a) { return a % 2 ? QStringLiteral("חדר %1").arg(a) : QStringLiteral("ROOM %1").arg(a); }

// All 126 addresses in use: the single-address kinds in turn, Hebrew and English names, each
// device in a group.
inline void FillFullProject()
{
    for (int a = 1; a <= MaxAddress; ++a) Put({a, SingleAddressKinds[a % 10], 1, RoomName(a), {(a - 1) % MaxGroups + 1}});
    for (int g = 1; g <= MaxGroups; ++g) Group(g, 1, {g * 3}, QStringLiteral("GROUP %1").arg(g));
}

// The sample project, its free addresses filled with the single-address kinds in groups 5 to 8,
// and a hundred more events: each of the four reports takes two pages or more.
inline void FillLongProject()
{
    FillSampleProject();
    for (int a = 31; a < MaxAddress; ++a) Put({a, SingleAddressKinds[a % 10], 1, RoomName(a), {a % 4 + 5}});
    for (int g = 5; g <= 8; ++g) Group(g, 1, {g * 3 + 30}, QStringLiteral("GROUP %1").arg(g));
    for (int place = 6; place < 106; ++place)
        Event(place, place, RoomName(place), place % 3 ? QStringLiteral("ALARM") : QStringLiteral("תקלה"), "1200", "010125");
}

// The sample project with five relay cards of one address, counted in a totals line that holds
// two numbers alone among the Hebrew.
inline void FillFiveRelayCards()
{
    FillSampleProject();
    for (int a = 40; a < 44; ++a) Put({a, DeviceKind::Relay, 1, RoomName(a), {}});
}
inline const QString FiveRelayCardsTotal = QStringLiteral("----- סה''כ כרטיסי ממסרים ככתובת 1   : 5");

// A smoke detector and a smoke/heat detector, and the smoke/heat detector's device line and total
// in the names-and-settings report of the language (1 Hebrew, 2 English).
inline void FillSmokeAndSmokeHeat()
{
    Put({1, DeviceKind::SmokeDetector, 1, "KITCHEN", {1}});
    Put({2, DeviceKind::SmokeHeatDetector, 1, "LOBBY", {3, 12}});
}
inline QString SmokeHeatLine(int16_t lang)
{
    return (lang == 1 ? QStringLiteral("002 גלאי משולב #") : QStringLiteral("002 S/H DET    #")) +
           QStringLiteral("\tLOBBY           \t        3,12");
}
inline QString SmokeHeatTotal(int16_t lang)
{
    return lang == 1 ? QStringLiteral("----- סה''כ גלאים משולבים       : 1") : QStringLiteral("----- Total smoke/heat detectors: 1");
}

class ReportFixture : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        ResetModule::ResetHistory();
        Regional::SetForTests(FixedRegional());
        TextFile::ClearTestHooks();
    }
    void TearDown() override
    {
        Regional::SetForTests(std::nullopt);
        languages::SetLanguage(2);
        ProjectFixture::TearDown();
    }
};

inline QString Lines(const QStringList& l) { return l.join(u'\n') + u'\n'; }

}  // namespace ReportTest
