// An upload whose project holds a value the panel cannot take, or records that contradict each
// other, sends nothing at all and says where; the empty-list refusal counts the addresses in use, not NumOfDevices.
#include <functional>

#include <gtest/gtest.h>

#include "core/ProjectWhole.h"
#include "panellink/DeviceBlock.h"
#include "panellink/GroupBlock.h"
#include "panellink/Frame.h"
#include "test_operations_support.h"

namespace {

class UploadInvalidTest : public OperationsTest {
protected:
    void SetUp() override
    {
        OperationsTest::SetUp();
        AddDevice(3, DeviceKind::SmokeDetector, QStringLiteral("SMOKE 3"));
        AddDevice(7, DeviceKind::Output, QStringLiteral("BELL 7"));
        Connect(Versions(171));
    }
    void ExpectNothingSent()
    {
        EXPECT_TRUE(port.outputs.empty());
        EXPECT_TRUE(panel->CommandsReceived().empty());
        EXPECT_EQ(view.saves, 0) << "the file keeps what it held";
    }
};

TEST_F(UploadInvalidTest, ARecordThatCannotBeEncodedStopsTheUploadBeforeAnyByte)
{
    struct Case {
        const char* what;
        std::function<void()> spoil;
        const char* message;
    };
    const std::vector<Case> cases{
        {"a flag of a device", [] { DeviceDataArray[7].DeviceDisable = "x"; },
         "the project holds an invalid value at address 7"},
        {"a group link that is no group", [] { DeviceDataArray[3].NumOfGroups = "01"; DeviceDataArray[3].Grp[1] = "40"; },
         "the project holds an invalid value at address 3"},
        // The first address and the last of each model: the whole range is checked, ends included.
        {"a flag on the first address", [] { AddDevice(1, DeviceKind::Output, "FIRST"); DeviceDataArray[1].DeviceDisable = "x"; },
         "the project holds an invalid value at address 1"},
        {"a flag on the small model's last address", [] { AddDevice(50, DeviceKind::Output, "L50"); DeviceDataArray[50].DeviceDisable = "x"; },
         "the project holds an invalid value at address 50"},
        {"a flag on the last address", [] { AddDevice(126, DeviceKind::Output, "L126"); DeviceDataArray[126].DeviceDisable = "x"; },
         "the project holds an invalid value at address 126"},
        {"a free last address", [] { DeviceDataArray[126].AlarmValue = "300"; },
         "the project holds an invalid value at address 126"},
        {"a free address", [] { DeviceDataArray[100].AlarmValue = "300"; },
         "the project holds an invalid value at address 100"},
        {"an output of a group", [] { OutGrpArray[12].OutCount = "1"; OutGrpArray[12].OutAddr[1] = "999"; },
         "the project holds an invalid value in operating group 12"},
        {"an output of the last group", [] { OutGrpArray[MaxGroups].OutCount = "1"; OutGrpArray[MaxGroups].OutAddr[1] = "999"; },
         "the project holds an invalid value in operating group 32"},
        {"a system flag", [] { SysFlags2.NightEna = "2"; }, "the project holds an invalid value in the system settings"},
        {"a night time", [] { NightStart = "22:0"; }, "the project holds an invalid value in the system settings"},
        {"a remote unit", [] { RemoteUnits.PS[2] = "1e300"; }, "the project holds an invalid value in the system settings"},
        // Records that encode one by one but contradict each other.
        {"a relay's second half with no first half", [] { AddDevice(20, DeviceKind::Relay, "HALF", 3); },
         "the project holds an invalid value at address 20"},
        {"a four-zone card on the last address alone", [] { AddDevice(126, DeviceKind::FourZoneCard, "ZONE", 0); },
         "the project holds an invalid value at address 126"},
        {"an input listed as an output", [] { OutGrpArray[4].OutCount = "1"; OutGrpArray[4].OutAddr[1] = "003"; },
         "the project holds an invalid value in operating group 4"},
        {"outputs with a count of none", [] { OutGrpArray[6].OutAddr[1] = "007"; },
         "the project holds an invalid value in operating group 6"},
        {"a trigger above the inputs linked",
         [] {
             DeviceDataArray[3].NumOfGroups = "01";
             DeviceDataArray[3].Grp[1] = "08";
             DeviceDataArray[3].WithAlarmGroup = "1";
             OutGrpArray[8].Trigger = "2";
         },
         "the project holds an invalid value in operating group 8"},
        {"links of an output", [] { DeviceDataArray[7].NumOfGroups = "01"; DeviceDataArray[7].Grp[1] = "02"; },
         "the project holds an invalid value at address 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto devices = DeviceDataArray;
        const auto groups = OutGrpArray;
        const SysFlags2Record flags2 = SysFlags2;
        const FixedText<4> night = NightStart;
        const RemoteUnitsRecord units = RemoteUnits;
        c.spoil();
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        prompter.Expect(c.message, Ui::vbOK);
        ops.Upload2Sys_Click();
        EXPECT_EQ(prompter.Pending(), 0);
        ExpectNothingSent();
        EXPECT_FALSE(ops.Running());
        EXPECT_FALSE(Prompts().join('|').contains("Com error")) << "the cable is not blamed";
        DeviceDataArray = devices;
        OutGrpArray = groups;
        SysFlags2 = flags2;
        NightStart = night;
        RemoteUnits = units;
    }
    // Mended, the same project goes out whole.
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(panel->Memory().devices[7].toHex(), EncodeDeviceRecord(7, DeviceDataArray[7])->toHex());
}

// The last guard: records that every encoder takes but that contradict each other, as no entry
// point (reader, download, editor) repaired them. Refused, nothing sent, nothing changed, and the
// message names the first place.
TEST_F(UploadInvalidTest, RecordsThatEncodeButContradictAreRefusedAtTheFirstPlace)
{
    auto linkTo32 = [] {
        DeviceDataArray[3].NumOfGroups = "01";
        DeviceDataArray[3].Grp[1] = "32";
        DeviceDataArray[3].WithAlarmGroup = "1";
    };
    struct Case {
        const char* what;
        std::function<void()> spoil;
        const char* message;
    };
    const std::vector<Case> cases{
        {"a detector marked as an output", [] { DeviceDataArray[3].DeviceIsIn = "0"; },
         "the project holds an invalid value at address 3"},
        {"an output marked as an input", [] { DeviceDataArray[7].DeviceIsIn = "1"; },
         "the project holds an invalid value at address 7"},
        {"group 32 listing an input as its output",
         [&] { linkTo32(); OutGrpArray[32].Trigger = "1"; OutGrpArray[32].OutCount = "1"; OutGrpArray[32].OutAddr[1] = "003"; },
         "the project holds an invalid value in operating group 32"},
        {"group 32 waiting for two inputs where one is linked",
         [&] { linkTo32(); OutGrpArray[32].Trigger = "2"; OutGrpArray[32].OutCount = "1"; OutGrpArray[32].OutAddr[1] = "007"; },
         "the project holds an invalid value in operating group 32"},
        {"group 32 listing a free address", [] { OutGrpArray[32].OutCount = "1"; OutGrpArray[32].OutAddr[1] = "099"; },
         "the project holds an invalid value in operating group 32"},
        {"two broken addresses, the later one broken first",
         [] { AddDevice(110, DeviceKind::Relay, "HALF", 3); DeviceDataArray[7].DeviceIsIn = "1"; },
         "the project holds an invalid value at address 7"},
        {"two relay halves alone", [] { AddDevice(90, DeviceKind::Relay, "B", 3); AddDevice(20, DeviceKind::Relay, "A", 3); },
         "the project holds an invalid value at address 20"},
    };
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    const QString count = NumOfDevices.str();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil();
        for (int a = 1; a <= MaxAddress; ++a) ASSERT_TRUE(EncodeDeviceRecord(a, DeviceDataArray[a])) << a;
        for (int g = 1; g <= MaxGroups; ++g) ASSERT_TRUE(EncodeGroupRecord(OutGrpArray[g])) << g;
        const auto spoiled = DeviceDataArray;
        const auto spoiledGroups = OutGrpArray;
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        prompter.Expect(c.message, Ui::vbOK);
        ops.Upload2Sys_Click();
        EXPECT_EQ(prompter.Pending(), 0);
        ExpectNothingSent();
        EXPECT_TRUE(DeviceDataArray == spoiled) << "the check repairs nothing on its own";
        EXPECT_TRUE(OutGrpArray == spoiledGroups);
        DeviceDataArray = devices;
        OutGrpArray = groups;
        NumOfDevices = count;
    }
}

// No whole project holds a group value that only the group encoder refuses: the range check
// reads a number field as the encoders do (the same blanks trimmed, digits only), and every value
// it accepts lies in the encoders' ranges (FieldRangesNumber tests the reading over random
// fields). A group number behind a no-break space, which a Unicode trim would have let through
// as 5 while the encoder stops at it, is not whole: the whole-project check names the group
// before any encoder runs, and nothing is sent.
TEST_F(UploadInvalidTest, AGroupValueTheEncoderWouldReadApartIsNotWhole)
{
    OutGrpArray[5].GrpNo = QString(QChar(0x00A0)) + QLatin1Char('5');
    ASSERT_EQ(ProjectWhole::Check(DeviceDataArray, OutGrpArray).groups, QList<int>{5});
    ASSERT_FALSE(EncodeGroupRecord(OutGrpArray[5]).has_value());
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("the project holds an invalid value in operating group 5", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    ExpectNothingSent();
}

TEST_F(UploadInvalidTest, TheMessageIsInHebrewInTheHebrewInterface)
{
    UILanguage = 1;
    OutGrpArray[5].GrpNo = "00";
    prompter.Expect(Ui::vbYes);
    prompter.Expect(QStringLiteral("בפרויקט ערך לא חוקי בקבוצת הפעלה 5"), Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
    ExpectNothingSent();
}

TEST_F(UploadInvalidTest, TheEmptyListRefusalCountsTheAddressesInUse)
{
    // A count that says devices where there are none: refused, nothing sent.
    ResetModule::ResetDevices(1, MaxAddress, 1);
    NumOfDevices = "5";
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("An empty devices list cannot be sent to the system !", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    ExpectNothingSent();

    // A count of 0 beside a device in use: the device goes out.
    AddDevice(9, DeviceKind::InputDevice, QStringLiteral("DOOR"));
    NumOfDevices = "0";
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    ops.Upload2Sys_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(panel->Memory().devices[9].toHex(), EncodeDeviceRecord(9, DeviceDataArray[9])->toHex());
}

}  // namespace
