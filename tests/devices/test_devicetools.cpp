// Range fill and the bulk detector edits on the working table.
#include <gtest/gtest.h>

#include "WorkingTableFixture.h"
#include "devices/DeviceTools.h"
#include "platform/Ui.h"

namespace {

using DeviceTools::FillResult;

class RangeFillTest : public WorkingTableFixture {};

struct RangeCase {
    const char* first;
    const char* last;
    int maxDevices;
    FillResult result;
};

TEST_F(RangeFillTest, RangesAreCheckedBeforeAnythingIsWritten)
{
    const RangeCase cases[] = {
        {"5", "8", 126, FillResult::Filled},      {"1", "126", 126, FillResult::NotEmpty}, {"16", "126", 126, FillResult::Filled},
        {"7", "7", 126, FillResult::Invalid},     {"8", "5", 126, FillResult::Invalid},
        {"0", "10", 126, FillResult::Invalid},    {"51", "60", 50, FillResult::Invalid},
        {"120", "127", 126, FillResult::Invalid}, {"", "10", 126, FillResult::Invalid},
        {"x", "10", 126, FillResult::Invalid},    {"2.5", "10", 126, FillResult::Invalid},
        {"-3", "10", 126, FillResult::Invalid},   {"49", "50", 50, FillResult::Filled},
        {"10", "20", 126, FillResult::NotEmpty},  {"15", "16", 126, FillResult::NotEmpty},
    };
    for (const RangeCase& c : cases) {
        SetUp();
        MaxNumOfDevices = int16_t(c.maxDevices);
        Place(15, "00", "6");
        const auto before = DeviceDataArrayEdit;
        const auto out = DeviceTools::RangeFill(c.first, c.last, DeviceTools::FillSmoke);
        EXPECT_EQ(out.result, c.result) << c.first << ".." << c.last;
        if (c.result != FillResult::Filled) {
            EXPECT_EQ(DeviceDataArrayEdit, before) << c.first << ".." << c.last;
        }
    }
}

TEST_F(RangeFillTest, EachTypeWritesItsValuesAndNothingElse)
{
    struct TypeCase {
        int type;
        const char* ext;
        const char* base;
        const char* alarm;
        const char* pre;
    };
    const TypeCase types[] = {{DeviceTools::FillSmoke, "00", "5", "50", "45"},
                              {DeviceTools::FillRedCallPoint, "00", "7", "70", "40"},
                              {DeviceTools::FillInput, "16", "7", "70", "40"}};
    for (const TypeCase& t : types) {
        SetUp();
        DeviceDataArrayEdit[6].DeviceName = "KEEP";
        ASSERT_EQ(DeviceTools::RangeFill("5", "8", t.type).result, FillResult::Filled);
        for (int a = 5; a <= 8; ++a) {
            const DeviceRecord& r = DeviceDataArrayEdit[a];
            EXPECT_EQ(r.Address, ZeroPad(a, 3));
            EXPECT_EQ(r.Exist, "1");
            EXPECT_EQ(r.DeviceIsIn, "1");
            EXPECT_EQ(r.ExtType, t.ext);
            EXPECT_EQ(r.BaseType, t.base);
            EXPECT_EQ(r.AlarmValue, t.alarm);
            EXPECT_EQ(r.PreAlarmValue, t.pre);
            EXPECT_EQ(r.CardAddr, "01");
            EXPECT_EQ(r.OutOnTimes, "0");
        }
        EXPECT_EQ(DeviceDataArrayEdit[6].DeviceName, "KEEP");
        EXPECT_EQ(DeviceDataArrayEdit[4].Exist, "0");
        EXPECT_EQ(DeviceDataArrayEdit[9].Exist, "0");
    }
    // The input values are read at the time of the fill.
    SetUp();
    InputAlarmVal = 99;
    DeviceTools::RangeFill("1", "2", DeviceTools::FillInput);
    EXPECT_EQ(DeviceDataArrayEdit[2].AlarmValue, "99");
}

TEST_F(RangeFillTest, NotEmptyMessageByLanguage)
{
    EXPECT_EQ(DeviceTools::RangeNotEmpty(2)->prompt, "Range is not empty");
    const auto he = DeviceTools::RangeNotEmpty(1);
    EXPECT_EQ(he->prompt, QStringLiteral(u"תחום הכתובות לא ריק"));
    EXPECT_TRUE(he->style & Ui::vbMsgBoxRtlReading);
    EXPECT_EQ(he->style & 7, Ui::vbOKCancel);
    EXPECT_FALSE(DeviceTools::RangeNotEmpty(3));
}

class BulkEditTest : public WorkingTableFixture {};

TEST_F(BulkEditTest, OnlyAnalogueSmokeDetectorsChange)
{
    Place(3, "00", "5").PreAlarmValue = "45";
    Place(40, "00", "5").PreAlarmValue = "45";
    Place(41, "00", "6").AlarmValue = "58";
    Place(42, "24", "5").AlarmValue = "11";   // smoke/heat, kind 29
    Place(43, "08", "4").AlarmValue = "12";   // conventional, kind 12
    DeviceDataArrayEdit[60].BaseType = "5";   // a free record of kind 5 counts too
    const auto before = DeviceDataArrayEdit;

    DeviceTools::SetSmokeSensitivity(2);
    for (int a : {3, 40, 60}) {
        EXPECT_EQ(DeviceDataArrayEdit[a].AlarmValue, "20") << a;
        EXPECT_EQ(DeviceDataArrayEdit[a].PreAlarmValue, before[a].PreAlarmValue);
    }
    for (int a : {41, 42, 43})
        EXPECT_EQ(DeviceDataArrayEdit[a], before[a]) << a;

    DeviceTools::SetSmokeSensitivity(0);
    EXPECT_EQ(DeviceDataArrayEdit[3].AlarmValue, "50");
    DeviceTools::SetSmokeSensitivity(1);
    EXPECT_EQ(DeviceDataArrayEdit[3].AlarmValue, "35");

    DeviceTools::SetSmokeVerification(0);
    EXPECT_EQ(DeviceDataArrayEdit[40].DeviceNeedVer, "1");
    EXPECT_EQ(DeviceDataArrayEdit[42].DeviceNeedVer, before[42].DeviceNeedVer);
    DeviceTools::SetSmokeVerification(1);
    EXPECT_EQ(DeviceDataArrayEdit[40].DeviceNeedVer, "0");
}

TEST_F(BulkEditTest, WarningsAreYesNoAndOnlyForKnownLanguages)
{
    const auto en = DeviceTools::SensitivityWarning(2);
    EXPECT_EQ(en->prompt, "Click YES to change sensitivity of all smoke detectors");
    EXPECT_EQ(en->title, "Warning");
    EXPECT_EQ(en->style & 7, Ui::vbYesNo);
    EXPECT_EQ(DeviceTools::VerificationWarning(1)->title, QStringLiteral(u"אזהרה"));
    EXPECT_EQ(DeviceTools::DeleteNamesWarning(1)->prompt, QStringLiteral(u"לחץ על YES למחיקת כל השמות"));
    EXPECT_FALSE(DeviceTools::SensitivityWarning(0));
    EXPECT_FALSE(DeviceTools::VerificationWarning(3));
    EXPECT_FALSE(DeviceTools::DeleteNamesWarning(0));
}

}  // namespace
