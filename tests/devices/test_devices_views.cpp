// What the devices window shows besides its rows: type colours, page captions and paging, the
// go-to target, and the address map's cells.
#include <gtest/gtest.h>

#include "DevicesFixture.h"
#include "devices/DeviceColors.h"
#include "devices/DevicesMap.h"
#include "devices/DevicesPaging.h"

using namespace DevicesPaging;

namespace {

TEST(DeviceColorChoose, GivesEachTypeItsColourAndNothingElse)
{
    EXPECT_EQ(DeviceColorChoose(1, 1), 0x00FF00u);
    EXPECT_EQ(DeviceColorChoose(1, 11), 0xFF80CCu);
    EXPECT_EQ(DeviceColorChoose(2, 2), 0x000000u) << "black: the extinguish colour, not nothing";
    EXPECT_EQ(DeviceColorChoose(2, 4), 0xFF0087u);
    for (auto [g, i] : {std::pair{1, 0}, {1, 12}, {2, 5}, {3, 1}, {0, 1}}) EXPECT_FALSE(DeviceColorChoose(g, i).has_value());
    EXPECT_EQ(ColorOfKind(DeviceKind::Relay), 0xFF0000u);
    EXPECT_FALSE(ColorOfKind(8).has_value());
}

TEST(PageCaptions, NameThePagesAroundTheView)
{
    struct Case {
        int n;
        bool small;
        int value;
        Captions expected;
    };
    const Case cases[] = {
        {126, false, 0, {"1-20", "===", "21", "21-40", "0", "0"}},
        {126, false, 500, {"1-20", "20", "41", "41-60", "-500", "-20"}},
        {126, false, 2650, {"87-106", "106", "===", "107-126", "-2650", "-106"}},
        {126, false, 25, {"1-20", "1", "22", "22-41", "-25", "-1"}},
        {126, true, 0, {"1-15", "===", "16", "16-30", "0", "0"}},
        {126, true, 2775, {"97-111", "111", "===", "112-126", "-2775", "-111"}},
        {50, false, 750, {"11-30", "30", "===", "31-50", "-750", "-30"}},
        {50, true, 375, {"1-15", "15", "31", "31-45", "-375", "-15"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.n).arg(c.small).arg(c.value).toStdString());
        EXPECT_EQ(PageCaptions(CanvasTop(c.value), c.n, c.small), c.expected);
    }
}

TEST(Paging, StepsStayWithinTheRange)
{
    EXPECT_EQ(ScrollMax(126, false), 2650);
    EXPECT_EQ(ScrollMax(126, true), 2775);
    EXPECT_EQ(ScrollMax(50, false), 750);
    EXPECT_EQ(ScrollMax(50, true), 875);
    int v = 0;
    v = PagedValue(Page::Command3, v, 50, false);
    EXPECT_EQ(v, 500);
    v = PagedValue(Page::Command3, v, 50, false);
    EXPECT_EQ(v, 750);
    v = PagedValue(Page::Command4, v, 50, false);
    EXPECT_EQ(v, 250);
    v = PagedValue(Page::Command4, v, 50, false);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(PagedValue(Page::Command2, 0, 126, false), 0);
    EXPECT_EQ(PagedValue(Page::Command1, 2650, 126, false), 2650);
    EXPECT_EQ(PagedValue(Page::Command1, 100, 126, true), 125);
    EXPECT_EQ(PagedValue(Page::Command3, 2500, 126, true), 2775);
}

TEST(Paging, TheCanvasSnapsToWholeRows)
{
    EXPECT_EQ(CanvasTop(37), -25);
    EXPECT_EQ(CanvasTop(38), -50);
    EXPECT_EQ(CanvasTop(12), 0);
    EXPECT_EQ(CanvasTop(2650), -2650);
}

TEST(Paging, GoToTargets)
{
    struct Case {
        const char* text;
        int n;
        bool small;
        bool inRange;
        int row, value;
    };
    const Case cases[] = {
        {"0", 126, false, false, 0, 0},   {"127", 126, false, false, 0, 0}, {"abc", 126, false, false, 0, 0},
        {"", 126, false, false, 0, 0},    {"1", 126, false, true, 1, 0},    {"30", 126, false, true, 30, 725},
        {"107", 126, false, true, 107, 2650}, {"108", 126, false, true, 108, 2650},
        {"113", 126, true, true, 113, 2775},  {"112", 126, true, true, 112, 2775}, {"111", 126, true, true, 111, 2750},
        {"2.5", 126, false, true, 2, 38},  {"3.5", 126, false, true, 4, 62},  {" 4 ", 50, false, true, 4, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const GoTo g = GoToTarget(c.text, c.n, c.small);
        EXPECT_EQ(g.inRange, c.inRange);
        if (!c.inRange) continue;
        EXPECT_EQ(g.row, c.row);
        EXPECT_EQ(g.value, c.value);
    }
}

class MapTest : public DevicesFixture {};

TEST_F(MapTest, CellsShowAddressPositionAndTypeWord)
{
    for (int p = 0; p < 4; ++p) Put(10 + p, DeviceKind::FourZoneCard, p);
    Put(20, DeviceKind::AlarmFaultCard, 2);
    Put(21, DeviceKind::AlarmFaultCard, 3);
    Put(5, DeviceKind::SmokeDetector);
    Put(6, DeviceKind::Relay, 0);
    const QChar cr(u'\r');
    EXPECT_EQ(DevicesMap::CellText(1, DeviceDataArray[1], DeviceColors::Grey), QString("1") + cr + cr + "N/A");
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(DevicesMap::CellText(10 + p, DeviceDataArray[size_t(10 + p)], *ColorOfKind(20)),
                  Str(10 + p) + cr + "(" + Str(p + 1) + "/4)" + cr + "4Z");
    EXPECT_EQ(DevicesMap::PositionTag(DeviceDataArray[20]), "(1/2)");
    EXPECT_EQ(DevicesMap::PositionTag(DeviceDataArray[21]), "(2/2)");
    EXPECT_EQ(DevicesMap::PositionTag(DeviceDataArray[5]), "( 1 )");
    EXPECT_EQ(DevicesMap::PositionTag(DeviceDataArray[6]), "( 1 )");
    DeviceDataArray[5].CardAddr = "07";
    EXPECT_EQ(DevicesMap::PositionTag(DeviceDataArray[5]), "") << "a position the table does not know";
    // An occupied cell whose colour is no type's: N/A with its tag.
    EXPECT_EQ(DevicesMap::CellText(6, DeviceDataArray[6], 0x123456), QString("6") + cr + "( 1 )" + cr + "N/A");
}

TEST_F(MapTest, OutputWordsAreWhite)
{
    const auto relay = DevicesMap::WordOfColour(*ColorOfKind(DeviceKind::Relay));
    EXPECT_EQ(relay.text, "Relay");
    EXPECT_EQ(relay.foreColour, DeviceColors::White);
    const auto extinguish = DevicesMap::WordOfColour(0x000000);
    EXPECT_EQ(extinguish.text, "EXT");
    const auto smoke = DevicesMap::WordOfColour(0x00FF00);
    EXPECT_EQ(smoke.text, "Smoke");
    EXPECT_FALSE(smoke.foreColour.has_value());
    EXPECT_EQ(DevicesMap::WordOfColour(0x0000FF).text, "Red");
}

TEST_F(MapTest, FourteenCellsToALine)
{
    EXPECT_EQ(DevicesMap::CellTwips(1, false), QRect(100, 50, 900, 680));
    EXPECT_EQ(DevicesMap::CellTwips(14, false), QRect(12450, 50, 900, 680));
    EXPECT_EQ(DevicesMap::CellTwips(15, false), QRect(100, 770, 900, 680));
    EXPECT_EQ(DevicesMap::CellTwips(15, true), QRect(100, 710, 900, 620));
    EXPECT_EQ(DevicesMap::CellTwips(126, false).top(), 50 + 8 * 720);
}

}  // namespace
