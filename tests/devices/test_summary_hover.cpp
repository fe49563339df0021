// The address summary's counts and the hover strip's texts and switches.
#include <gtest/gtest.h>

#include "WorkingTableFixture.h"
#include "devices/AddressSummary.h"
#include "devices/HoverInfo.h"

namespace {

class SummaryTest : public WorkingTableFixture {};

TEST_F(SummaryTest, EmptyTableAndHeadings)
{
    const auto c = AddressSummary::Count();
    EXPECT_EQ(c.inputTotal, 0);
    EXPECT_EQ(c.outputTotal, 0);
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(c.inputs[k], 0);
    EXPECT_EQ(AddressSummary::InputHeading(0), "Total Inputs in System : 0");
    EXPECT_EQ(AddressSummary::OutputHeading(0), "Total Outputs in System : 0");
    EXPECT_EQ(*AddressSummary::AddressesHeading(2), "Addresses");
    EXPECT_FALSE(AddressSummary::CloseCaption(0));
    EXPECT_EQ(AddressSummary::InputWord(8), "4 Zones Card");
    EXPECT_EQ(AddressSummary::OutputWord(4), "Line Relay");
}

TEST_F(SummaryTest, EveryAddressCountsInTheLineOfItsKind)
{
    for (int p = 0; p < 4; ++p) Place(40 + p, "16", "4", p == 0 ? "0" : p == 1 ? "1" : p == 2 ? "2" : "3");
    Place(1, "00", "5");
    Place(2, "08", "1", "02", "0");   // output, 2 addresses
    Place(3, "08", "1", "03", "0");
    Place(9, "00", "3");              // occupied kind 3: totals only
    DeviceDataArrayEdit[100].BaseType = "6";  // free record of kind 6: line only
    const auto c = AddressSummary::Count();
    EXPECT_EQ(c.inputs[8], 4);
    EXPECT_EQ(c.inputs[1], 1);
    EXPECT_EQ(c.inputs[2], 1);
    EXPECT_EQ(c.outputs[1], 2);
    EXPECT_EQ(c.inputTotal, 6);
    EXPECT_EQ(c.outputTotal, 2);
}

class HoverTest : public WorkingTableFixture {};

TEST_F(HoverTest, SwitchPatterns)
{
    auto bits = [](int a) {
        QString s;
        for (bool b : HoverInfo::SwitchesOf(a)) s += b ? '1' : '0';
        return s;  // switch 1 first
    };
    EXPECT_EQ(bits(1), "10000000");
    EXPECT_EQ(bits(7), "11100000");
    EXPECT_EQ(bits(85), "10101010");
    EXPECT_EQ(bits(126), "01111110");
}

TEST_F(HoverTest, NamesTextFromTheBoxes)
{
    EXPECT_EQ(*HoverInfo::NamesText(7, "", ""), "Device 7 not exist");
    Place(7, "00", "5");
    EXPECT_EQ(*HoverInfo::NamesText(7, "007 SMOKE", "HALL"), "Factory name\r007 SMOKE\rDevice name\rHALL");
    UILanguage = 1;
    EXPECT_TRUE(HoverInfo::NamesText(7, "F", "N")->startsWith(QStringLiteral(u"שם ברירת המחדל")));
    UILanguage = 3;
    EXPECT_FALSE(HoverInfo::NamesText(7, "F", "N"));
}

struct SettingsCase {
    const char* name;
    const char* ext;
    const char* base;
    const char* alarm;
    const char* delay;
    const char* offType;
    const char* onTimes;
    const char* notInAlarm;
    QString text;
};

TEST_F(HoverTest, SettingsTextOfEveryKind)
{
    const QString cr(QChar(13));
    const SettingsCase cases[] = {
        {"smoke low", "00", "5", "44", "0", "0", "0", "0", "LOW sensitivity"},
        {"smoke at Medium2Low", "00", "5", "43", "0", "0", "0", "0", "MEDIUM sensitivity"},
        {"smoke at High2Medium", "00", "5", "27", "0", "0", "0", "0", "MEDIUM sensitivity"},
        {"smoke high", "00", "5", "26", "0", "0", "0", "0", "HIGH sensitivity"},
        {"heat", "00", "6", "62", "0", "0", "0", "0", "Temperature 62"},
        {"call point alarm", "00", "7", "70", "0", "0", "0", "0", cr + "ALARM"},
        {"input supervision", "16", "7", "70", "0", "0", "0", "1", cr + "SUPERVISION"},
        {"output silence", "08", "1", "0", "0", "2", "0", "0", "Immediate activation" + cr + "Up to SILENCE"},
        {"output timed", "08", "1", "0", "1", "1", "4", "0", "Delay before 8 sec" + cr + "ON time 32 sec"},
        {"relay reset", "16", "3", "0", "15", "0", "0", "0", "Delay before 120 sec" + cr + "Up to RESET"},
        {"line relay other", "16", "5", "0", "11", "5", "0", "0", "Delay before 88 sec"},
        {"extinguish 1", "16", "1", "0", "1", "0", "0", "0", "Delay before 0 sec"},
        {"extinguish 2", "16", "1", "0", "2", "0", "0", "0", "Delay before 15 sec"},
        {"extinguish 8", "16", "1", "0", "8", "0", "0", "0", "Delay before 45 sec"},
        {"extinguish 0", "16", "1", "0", "0", "0", "0", "0", "Immediate activation"},
        {"conventional", "08", "4", "0", "0", "0", "0", "0", ""},
    };
    for (const SettingsCase& c : cases) {
        SetUp();
        DeviceRecord& r = Place(30, c.ext, c.base);
        r.AlarmValue = c.alarm;
        r.TimeDelayUp2ON = c.delay;
        r.offTypeAfterON = c.offType;
        r.OutOnTimes = c.onTimes;
        r.IsNotUseInAlarm = c.notInAlarm;
        const auto d = HoverInfo::DeviceSettingsText(30);
        EXPECT_EQ(d.settings, c.text) << c.name;
        EXPECT_EQ(d.position, "1 address device") << c.name;
    }
}

TEST_F(HoverTest, PositionsAndSwitchesOfMultiAddressDevices)
{
    const QString cr(QChar(13));
    Place(20, "08", "2", "02");
    Place(21, "08", "2", "03");
    for (int a : {20, 21}) {
        const auto d = HoverInfo::DeviceSettingsText(a);
        EXPECT_EQ(d.switchAddress, 20);
        EXPECT_TRUE(d.switches[7]) << a;
        EXPECT_TRUE(d.position.endsWith(" (20-21)")) << a;
    }
    EXPECT_EQ(HoverInfo::DeviceSettingsText(20).position, "2 addresses device" + cr + "first address (20-21)");
    EXPECT_EQ(HoverInfo::DeviceSettingsText(21).position, "2 addresses device" + cr + "second address (20-21)");

    for (int p = 0; p < 4; ++p) Place(40 + p, "16", "4", QByteArray::number(p).constData());
    for (int p = 0; p < 4; ++p) {
        const auto d = HoverInfo::DeviceSettingsText(40 + p);
        EXPECT_EQ(d.position, "4 addresses device" + cr + "address " + QString::number(p + 1) + " (40-43)");
        EXPECT_EQ(d.switchAddress, 40);
        EXPECT_FALSE(d.switches[7]);
    }

    Place(60, "00", "6");
    EXPECT_TRUE(HoverInfo::DeviceSettingsText(60).switches[7]);
    EXPECT_EQ(HoverInfo::DeviceSettingsText(7).position, "");   // free address
    EXPECT_EQ(HoverInfo::DeviceSettingsText(7).switchAddress, 7);
}

TEST_F(HoverTest, DamagedPositionCodesStayInsideTheTable)
{
    Place(1, "16", "4", "3");    // a four-zone part that would start at address -2
    Place(2, "08", "2", "05");   // a second part whose first would be address 1, kept
    Place(126, "08", "2", "02"); // a first part with no room for its second
    EXPECT_EQ(HoverInfo::DeviceSettingsText(1).position, "1 address device");
    EXPECT_EQ(HoverInfo::DeviceSettingsText(1).switchAddress, 1);
    EXPECT_EQ(HoverInfo::DeviceSettingsText(126).position, "1 address device");
    EXPECT_EQ(HoverInfo::DeviceSettingsText(2).switchAddress, 1);
}

TEST_F(HoverTest, HebrewWords)
{
    UILanguage = 1;
    Place(5, "00", "6").AlarmValue = "58";
    EXPECT_EQ(HoverInfo::DeviceSettingsText(5).settings, QStringLiteral(u"טמפרטורה : 58"));
    UILanguage = 0;
    EXPECT_EQ(HoverInfo::DeviceSettingsText(5).settings, "58");
}

}  // namespace
