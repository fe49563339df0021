// What a panel reply brings into the project is always something the encoders take back: group
// triggers and outputs, the loop class, the remote units and the device kinds held to their
// ranges; device and name records come back unchanged through encode and decode.
#include <gtest/gtest.h>

#include "core/Conv.h"
#include "core/ProjectWhole.h"
#include "panellink/Bytes.h"
#include "panellink/DeviceBlock.h"
#include "panellink/GroupBlock.h"
#include "panellink/LinkFixture.h"
#include "panellink/NameBlock.h"
#include "panellink/SystemBlocks.h"
#include "panellink/UploadCheck.h"

namespace {

class RepliesInRangeTest : public LinkTest {};

TEST_F(RepliesInRangeTest, GroupTriggersAndOutputsOutOfRangeTakeTheEmptyGroupsValues)
{
    LinkState::BeginBlock();
    for (int g = 1; g <= MaxGroups; ++g) LinkState::StoreRecord(g, H("00 00 00 00 00 00 00 00 00"));
    // Group 3: trigger 7, outputs 127 (no address), 201 (relay 1), 203 (nothing), 255, 126.
    LinkState::StoreRecord(3, H("02 07 05 7F C9 CB FF 7E 00"));
    // Group 4: trigger 3, the dialer and address 1.
    LinkState::StoreRecord(4, H("03 03 02 CD 01 00 00 00 00"));
    LinkState::StoreEnd(MaxGroups + 1);
    ASSERT_TRUE(fillOutGrpArray_rcv());

    const OutGrpRecord& g3 = OutGrpArray[3];
    EXPECT_EQ(g3.Trigger.str(), "0");
    EXPECT_EQ(g3.OutCount.str(), "5");
    const char* outputs3[] = {"000", "201", "000", "000", "126", "000"};
    for (int o = 1; o <= 6; ++o) EXPECT_EQ(g3.OutAddr[o].str(), outputs3[o - 1]) << o;
    EXPECT_EQ(OutGrpArray[4].Trigger.str(), "3");
    EXPECT_EQ(OutGrpArray[4].OutAddr[1].str(), "205");
    EXPECT_EQ(OutGrpArray[4].OutAddr[2].str(), "001");
    EXPECT_EQ(PanelReplaced.groups, QList<int>{3});

    // The download then makes the groups whole: no device is on addresses 1 and 126. No input is
    // linked, so the groups never operate, and their triggers stay as the panel holds them.
    ProjectWhole::MakeProjectWhole();
    EXPECT_EQ(g3.OutCount.str(), "1");
    EXPECT_EQ(g3.OutAddr[1].str(), "201");
    EXPECT_EQ(OutGrpArray[4].Trigger.str(), "3");
    EXPECT_EQ(OutGrpArray[4].OutAddr[2].str(), "000");
    EXPECT_FALSE(FirstUnencodableRecord().has_value());
}

TEST_F(RepliesInRangeTest, SystemReplyGivesOnlyLoopClassesBAndA)
{
    struct Case {
        uint8_t flags;
        const char* loopClass;
    } const cases[] = {{0x03, "003"}, {0x04, "004"}, {0x05, "003"}, {0x00, "003"}, {0xFF, "003"}};
    for (const Case& c : cases) {
        Receive({H("32 01 71 01 50 01 34 12 00 00 00 00 00 00 00").replace(9, 1, QByteArray(1, char(c.flags)))});
        ASSERT_TRUE(fillDataSysArray_rcv());
        EXPECT_EQ(SysFlags.LoopSysStat.str(), c.loopClass) << int(c.flags);
        EXPECT_TRUE(EncodeDataSys().has_value());
    }
}

TEST_F(RepliesInRangeTest, RemoteUnitsAreInTheSystemOrNot)
{
    Receive({H("01 02 10 FF")});
    ASSERT_TRUE(fillSubDataArray_rcv());
    EXPECT_EQ(RemoteUnits.Panel[1], "1");
    EXPECT_EQ(RemoteUnits.Panel[2], "0");
    EXPECT_EQ(RemoteUnits.PS[1], "0");
    EXPECT_EQ(RemoteUnits.PS[2], "0");
}

TEST_F(RepliesInRangeTest, ADeviceOfAnUnknownKindLeavesItsAddressEmpty)
{
    // Address 4: type code 8 (kind 8, no such kind) in use; address 6: a smoke detector.
    Receive({H("04 21 00 10 00 00 40 40 00 00 00 00 00 00"), H("06 17 03 12 00 00 41 2D 00 00 00 00 00 00")});
    LinkState::StoreEnd(3);
    ASSERT_TRUE(fillDeviceDataArray_rcv());
    EXPECT_EQ(DeviceDataArray[4].Exist.str(), "0");
    EXPECT_EQ(KindOf(DeviceDataArray[4]), 0);
    EXPECT_EQ(KindOf(DeviceDataArray[6]), DeviceKind::SmokeDetector);
    EXPECT_EQ(NumOfDevices.trimmed(), "1");
}

TEST_F(RepliesInRangeTest, DeviceRecordsComeBackThroughEncodeAndDecode)
{
    const QByteArray records[] = {
        H("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00"),  // smoke detector in groups 1 and 3
        H("14 51 00 20 00 00 40 40 00 00 00 00 00 00"),  // four-zone card, third part
        H("28 CF FF AF 0F 82 FF 00 04 1F 00 1E 01 00"),  // relay: every flag, position 10, four groups
        H("07 1F 00 F0 00 00 40 40 00 00 00 00 00 00"),  // red call point with position 15
        H("30 02 00 00 00 00 00 00 00 00 00 00 00 00"),  // kind 0, not in use
    };
    for (const QByteArray& b : records) {
        SCOPED_TRACE(b.toHex(' ').toStdString());
        const auto first = DecodeDeviceRecord(b, DeviceDataArray[PanelBytes::At(b, 1)]);
        ASSERT_TRUE(first);
        const auto bytes = EncodeDeviceRecord(PanelBytes::At(b, 1), *first);
        ASSERT_TRUE(bytes);
        const auto second = DecodeDeviceRecord(*bytes, DeviceDataArray[PanelBytes::At(b, 1)]);
        ASSERT_TRUE(second);
        EXPECT_EQ(*second, *first);
    }
}

TEST_F(RepliesInRangeTest, NameRecordsComeBackThroughEncodeAndDecodeHebrewIncluded)
{
    const QString names[] = {QStringLiteral("גלאי עשן 12"), QStringLiteral("FLOOR 2 ROOM 123"), QStringLiteral("חדר 7 - A"),
                             QStringLiteral("12 34 56"), QString(16, u' '), QStringLiteral("אבגדהוזחטיכלמנסע")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = EncodeNameRecord(9, name);
        ASSERT_EQ(bytes.size(), NameRecordBytes);
        for (int i = 2; i < bytes.size(); ++i) EXPECT_LT(uint8_t(bytes[i]), 128) << "7-bit panel code";
        const auto back = DecodeNameRecord(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->address, 9);
        EXPECT_EQ(back->name, (name + QString(16, u' ')).left(16));
        EXPECT_EQ(EncodeNameRecord(9, back->name), bytes) << "and the same record goes out again";
    }
}

}  // namespace
