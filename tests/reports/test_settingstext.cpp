// One device's settings as report column text, and the halving count of a time code.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "reports/SettingsText.h"

namespace {

using namespace ReportTest;
using SettingsText::SettingsToListView;

class SettingsTextTest : public ReportFixture {
protected:
    QString Col(int col, int16_t lang = 2) { return SettingsToListView(col, 9, lang, FixedRegional()); }
    DeviceRecord& r = DeviceDataArray[9];
};

TEST(HalvingCountTest, TheTableOfCodes)
{
    const int expected[17] = {0, 0, 1, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4};
    for (int c = 0; c <= 16; ++c) EXPECT_EQ(SettingsText::HalvingCount(c), expected[c]) << "code " << c;
    EXPECT_EQ(SettingsText::HalvingCount(31), 5);
    EXPECT_EQ(SettingsText::HalvingCount(32), 5);
    // A half goes to the even neighbour at every step: 2.5 -> 2, 3.5 -> 4.
    EXPECT_EQ(SettingsText::HalvingCount(2.5), 1);
    EXPECT_EQ(SettingsText::HalvingCount(3.5), 2);
    EXPECT_EQ(SettingsText::HalvingCount(std::numeric_limits<double>::infinity()), 0);
}

TEST_F(SettingsTextTest, GroupsAddressesAndNames)
{
    r.FactoryName = "009 BEAM VRST  #";
    r.DeviceName = "HALL";
    EXPECT_EQ(Col(1), "009 BEAM VRST  #");
    EXPECT_EQ(Col(2), "HALL            ");

    r.NumOfGroups = "00";
    EXPECT_EQ(Col(3), "   Not found");
    EXPECT_EQ(Col(3, 1), QStringLiteral("     לא נמצא"));
    r.NumOfGroups = "04";
    r.Grp = {"00", "29", "30", "31", "32"};
    EXPECT_EQ(Col(3), " 29,30,31,32");
    for (const char* count : {"05", "99"}) {
        r.NumOfGroups = count;
        EXPECT_EQ(Col(3), " 29,30,31,32") << count << ": a count above the record's four slots shows the four";
    }
    r.NumOfGroups = "-1";
    EXPECT_EQ(Col(3), "   Not found");
    r.NumOfGroups = "02";
    r.Grp[1] = "01";
    r.Grp[2] = "12";
    EXPECT_EQ(Col(3), "        1,12");

    const std::pair<const char*, const char*> cards[] = {{"01", "         -1-"}, {"00", "         -1-"}, {"02", "         1/2"}, {"03", "         2/2"}};
    for (const auto& [card, text] : cards) {
        r.CardAddr = card;
        EXPECT_EQ(Col(4), text) << card;
    }
    EXPECT_EQ(Col(0), "");
    EXPECT_EQ(Col(8), "");
    EXPECT_EQ(SettingsToListView(1, 127, 2, FixedRegional()), "");
}

TEST_F(SettingsTextTest, OutputSettings)
{
    const struct {
        const char* behaviour;
        const char* english;
        QString hebrew;
    } modes[] = {{"00", "     GENERAL", QStringLiteral("        רגיל")},
                 {"01", "            ", QStringLiteral("            ")},
                 {"02", "   ANY FAULT", QStringLiteral("    מכל תקלה")},
                 {"03", "   ANY ALARM", QStringLiteral("   מכל אזעקה")}};
    for (const auto& m : modes) {
        r.OutBehevior = m.behaviour;
        EXPECT_EQ(Col(5), m.english) << m.behaviour;
        EXPECT_EQ(Col(5, 1), m.hebrew) << m.behaviour;
    }

    r.DlyB4ON = "0";
    EXPECT_EQ(Col(6), "          NO");
    EXPECT_EQ(Col(6, 1), QStringLiteral("         ללא"));
    r.DlyB4ON = "1";
    const std::pair<const char*, const char*> delays[] = {{"00", "0"}, {"01", "7.5"}, {"04", "30"}, {"11", "82.5"}, {"15", "112.5"}};
    for (const auto& [code, text] : delays) {
        r.TimeDelayUp2ON = code;
        EXPECT_EQ(Col(6), QString(text).rightJustified(12)) << code;
    }
    r.DlyB4ON = "2";
    EXPECT_EQ(Col(6), QString(12, u' '));

    r.offTypeAfterON = "0";
    EXPECT_EQ(Col(7), "          NO\t       RESET");
    EXPECT_EQ(Col(7, 1), QStringLiteral("          לא\t    עד אתחול"));
    r.offTypeAfterON = "2";
    EXPECT_EQ(Col(7), "         YES\t     SILENCE");
    EXPECT_EQ(Col(7, 1), QStringLiteral("          כן\t     עד השתק"));
    r.offTypeAfterON = "1";
    const std::pair<const char*, const char*> onTimes[] = {{"01", "0"}, {"02", "15"}, {"04", "30"}, {"08", "45"}, {"11", "60"}, {"15", "60"}};
    for (const auto& [code, text] : onTimes) {
        r.OutOnTimes = code;
        EXPECT_EQ(Col(7), "          NO\t" + QString(text).rightJustified(12)) << code;
    }
    r.offTypeAfterON = "3";
    EXPECT_EQ(Col(7), QString(12, u' ') + "\t" + QString(12, u' '));
    EXPECT_EQ(Col(7).size(), 25);
}

TEST_F(SettingsTextTest, TheDecimalSeparatorIsTheSystems)
{
    r.DlyB4ON = "1";
    r.TimeDelayUp2ON = "11";
    Regional comma = FixedRegional();
    comma.decimalPoint = ",";
    EXPECT_EQ(SettingsToListView(6, 9, 2, comma), "        82,5");
}

}  // namespace
