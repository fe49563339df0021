#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"

struct FixedCase { QString in; QString out3; };

TEST(FixedText, AssignPadsCutsAndCountsCharacters)
{
    const FixedCase cases[] = {
        {"", "   "}, {"6", "6  "}, {"64", "64 "}, {"001", "001"}, {"1234", "123"},
        {QStringLiteral("אבגד"), QStringLiteral("אבג")}, {QStringLiteral("א"), QStringLiteral("א  ")},
    };
    for (const auto& c : cases) {
        FixedText<3> f;
        f = c.in;
        EXPECT_EQ(f.str(), c.out3) << c.in.toStdString();
        EXPECT_EQ(f.str().size(), 3);
    }
    EXPECT_EQ(FixedText<16>("0").str(), QString("0") + QString(15, ' '));
}

struct ValCase { const char* in; double out; };

TEST(Conv, ValIsLenient)
{
    const ValCase cases[] = {
        {"", 0}, {"   ", 0}, {"64 ", 64}, {" 64", 64}, {"1 2 3", 123}, {"-5", -5}, {"+7", 7},
        {"12abc", 12}, {"abc", 0}, {"3.5", 3.5}, {"1.2.3", 1.2}, {"08", 8}, {"1E2", 100},
        {"&H1F", 31}, {"&HFFFF", -1}, {"- 4", -4}, {"-", 0}, {"0x10", 0},
        {"&h1f", 31}, {"&O17", 15}, {"&O19", 1}, {"&H1G", 1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.in), c.out) << c.in;
    EXPECT_EQ(ValInt("2.5"), 2);
    EXPECT_EQ(ValInt("3.5"), 4);
}

TEST(Conv, HugeAndLongNumbersGiveAClearResult)
{
    constexpr long long top = std::numeric_limits<long long>::max();
    constexpr long long bottom = std::numeric_limits<long long>::min();
    const QString fortyHex = QStringLiteral("&H") + QString(40, u'F');
    const QString manyDigits = QString(400, u'9');
    struct Case {
        QString in;
        long long out;
    } const cases[] = {
        {"1e300", top}, {"-1e300", bottom}, {"1e400", top}, {"-1e400", bottom}, {fortyHex, top},
        {"&H" + QString(300, u'7'), top}, {manyDigits, top}, {"-" + manyDigits, bottom},
        {"&O" + QString(60, u'7'), top}, {"9223372036854775807", top}, {"-9223372036854775808", bottom},
        {"1e-400", 0}, {"&H7FFFFFFF", 2147483647}, {"&H10000", 65536},
    };
    for (const Case& c : cases) EXPECT_EQ(ValInt(c.in), c.out) << c.in.toStdString();
    EXPECT_TRUE(std::isinf(Val("1e400")));
    EXPECT_GT(Val(fortyHex), 1e47);
}

TEST(Conv, StrAndZeroPad)
{
    EXPECT_EQ(Str(5), "5");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(ZeroPad(7, 3), "007");
    EXPECT_EQ(ZeroPad(126, 3), "126");
    EXPECT_EQ(ZeroPad(1234, 3), "234");
}

class ResetTest : public ::testing::Test {
protected:
    void SetUp() override { UILanguage = 2; MaxNumOfDevices = 126; }
};

TEST_F(ResetTest, DeviceResetValues)
{
    DeviceDataArray[7].Exist = "1";
    DeviceDataArray[7].Grp[0] = "99";
    ResetModule::ResetDevices(1, 126, 1);
    const DeviceRecord& r = DeviceDataArray[7];
    EXPECT_EQ(r.Address.str(), "007");
    EXPECT_EQ(r.Exist.str(), "0");
    EXPECT_EQ(r.DeviceIsIn.str(), "1");
    EXPECT_EQ(r.CardAddr.str(), "01");
    EXPECT_EQ(r.AlarmValue.str(), "64 ");
    EXPECT_EQ(r.PreAlarmValue.str(), "64 ");
    EXPECT_EQ(r.ExtType.str(), "00");
    EXPECT_EQ(r.NumOfGroups.str(), "00");
    for (int g = 1; g <= 4; ++g) EXPECT_EQ(r.Grp[g].str(), "00");
    EXPECT_EQ(r.Grp[0].str(), "99") << "element 0 is left alone";
    EXPECT_EQ(r.DeviceName.str(), "0" + QString(15, ' '));
    EXPECT_EQ(r.FactoryName.str(), "0" + QString(15, ' '));
    EXPECT_EQ(KindOf(r), 0);
}

TEST_F(ResetTest, DeviceResetOutOfRangeOrOtherTableDoesNothing)
{
    ResetModule::ResetDevices(1, 126, 2);
    DeviceDataArrayEdit[5].Exist = "1";
    const auto before = DeviceDataArrayEdit;
    ResetModule::ResetDevices(1, 127, 2);
    ResetModule::ResetDevices(-1, 5, 2);
    ResetModule::ResetDevices(0, 5, 2);
    ResetModule::ResetDevices(1, 126, 3);
    ResetModule::ResetDevices(1, 126, 0);
    EXPECT_EQ(DeviceDataArrayEdit, before);
}

TEST_F(ResetTest, GroupNamesFollowLanguage)
{
    ResetModule::ResetGroups();
    EXPECT_EQ(OutGrpArray[7].GrpName.str(), "Group No.   7" + QString(3, ' '));
    EXPECT_EQ(OutGrpArray[7].GrpNo.str(), "07");
    EXPECT_EQ(OutGrpArray[7].OutAddr[6].str(), "000");
    UILanguage = 1;
    ResetModule::ResetGroups();
    EXPECT_EQ(OutGrpArray[7].GrpName.trimmed(), QStringLiteral("קבוצת הפעלה 7"));
    UILanguage = 3;
    OutGrpArray[7].GrpName = "Keep";
    ResetModule::ResetGroups();
    EXPECT_EQ(OutGrpArray[7].GrpName.trimmed(), "Keep");
}

TEST_F(ResetTest, SysDataAndSubData)
{
    RemoteUnits.Panel[2] = "1";
    ResetModule::ResetSysData();
    EXPECT_EQ(SysFlags.LoopSysStat.str(), "003");
    EXPECT_EQ(SysFlags.ResetWithCod.str(), "1");
    EXPECT_EQ(SysFlags.SilenceWithCod.str(), "1");
    EXPECT_EQ(SysFlags.Slave.str(), "0");
    EXPECT_EQ(SysFlags.LF_NO.str(), "1");
    EXPECT_EQ(SysFlags2.VrstDly.str(), "0");
    EXPECT_EQ(DataSysByte1.str(), "00");
    EXPECT_EQ(NumOfSys.str(), "01");
    EXPECT_EQ(NightStart.str(), "0000");
    EXPECT_EQ(RemoteUnits.Panel[2], "0");
}

TEST_F(ResetTest, ProjectResetCoversAllAddressesAndKeepsHistory)
{
    MaxNumOfDevices = 50;
    DeviceDataArray[100].Exist = "1";
    DeviceDataArrayEdit[51].Exist = "1";
    HistoryLines[3] = "event";
    ProjectDetails.Tel = "123";
    NumOfActiveGroups = 4;
    ResetModule::ResetProject(false);
    EXPECT_EQ(DeviceDataArray[100].Exist.str(), "0");
    EXPECT_EQ(DeviceDataArrayEdit[51].Exist.str(), "0");
    EXPECT_EQ(HistoryLines[3], "event");
    EXPECT_EQ(ProjectDetails.Tel, "");
    EXPECT_EQ(NumOfDevices.str(), "0  ");
    EXPECT_EQ(NumOfActiveGroups, 4) << "Open leaves the count for the file reader";
    EXPECT_TRUE(ProjectLoaded);
    ResetModule::ResetProject(true);
    EXPECT_EQ(NumOfActiveGroups, 0);
    EXPECT_FALSE(ProjectLoaded);
}

TEST_F(ResetTest, HistoryResetBlanks)
{
    HistoryArray[1].EventText = "x";
    HistoryLines[1] = "x";
    ResetModule::ResetHistory();
    EXPECT_EQ(HistoryArray[1].EventText.str(), QString(44, ' '));
    EXPECT_EQ(HistoryLines[1], "");
}
