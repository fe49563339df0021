#include "panellink/GroupBlock.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "panellink/Frame.h"

namespace {

class GroupBlockTest : public LinkTest {
protected:
    // 32 records of group data, all without outputs unless changed.
    static std::vector<QByteArray> EmptyReply()
    {
        std::vector<QByteArray> r;
        for (int g = 0; g < 32; ++g) r.push_back(H("00 00 00 00 00 00 00 00 00").replace(0, 1, QByteArray(1, char(g))));
        return r;
    }
    static void ReceiveAll(const std::vector<QByteArray>& records)
    {
        LinkState::BeginBlock();
        for (size_t i = 0; i < records.size(); ++i) LinkState::StoreRecord(int(i) + 1, records[i]);
        LinkState::StoreEnd(int(records.size()) + 1);
    }
};

TEST_F(GroupBlockTest, EncodesAll32GroupsWithoutACount)
{
    OutGrpRecord& g1 = OutGrpArray[1];
    g1.Trigger = "2";
    g1.OutCount = "2";
    g1.OutAddr[1] = "201";
    g1.OutAddr[2] = "005";
    ASSERT_TRUE(fillOutGrp2Snd());
    EXPECT_EQ(DataOf(FrameArray[0]), H("00 02 02 C9 05 00 00 00 00"));
    EXPECT_EQ(DataOf(FrameArray[31]), H("1F 00 00 00 00 00 00 00 00"));
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(Frame::CheckReceived(FrameArray[i]), Frame::Check::Good);
        EXPECT_EQ(FrameArray[i].left(5), H("AA 01 0D 10 C5"));
    }
    EXPECT_TRUE(FrameArray[32].isEmpty());
}

TEST_F(GroupBlockTest, UnsendableGroupFailsTheBlock)
{
    const std::function<void(OutGrpRecord&)> spoil[] = {
        [](OutGrpRecord& g) { g.GrpNo = "00"; },
        [](OutGrpRecord& g) { g.GrpNo = "33"; },
        [](OutGrpRecord& g) { g.OutCount = "7"; },
        [](OutGrpRecord& g) { g.OutAddr[3] = "300"; },
    };
    for (const auto& s : spoil) {
        Fresh(2);
        s(OutGrpArray[9]);
        EXPECT_FALSE(fillOutGrp2Snd());
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, QStringLiteral("0x000020"));
        EXPECT_TRUE(FrameArray[0].isEmpty());
    }
}

TEST_F(GroupBlockTest, DecodesByPositionAndCountsGroupsInUse)
{
    auto reply = EmptyReply();
    reply[4][0] = char(0x09);   // group 5 whatever its first byte says
    reply[4][1] = char(3);
    reply[4][2] = char(1);
    reply[4][3] = char(0xCD);
    reply[1] = H("01 01 03 07 00 CA 00 00 00");
    reply[6] = H("06 01 01 C9 00 00 00 00 00");
    ReceiveAll(reply);
    OutGrpArray[5].GrpName = "KEEP";
    // The devices come before the groups: one input in groups 2, 5 and 7, which makes them in use.
    DeviceRecord& in = DeviceDataArray[1];
    in.Exist = "1";
    in.ExtType = "16";
    in.BaseType = "7";
    in.NumOfGroups = "03";
    in.Grp[1] = "02";
    in.Grp[2] = "05";
    in.Grp[3] = "07";
    ASSERT_TRUE(fillOutGrpArray_rcv());
    EXPECT_EQ(OutGrpArray[5].GrpNo, "05");
    EXPECT_EQ(OutGrpArray[5].Trigger, "3");
    EXPECT_EQ(OutGrpArray[5].OutAddr[1], "205");
    EXPECT_EQ(OutGrpArray[5].GrpName, "KEEP");
    EXPECT_EQ(OutGrpArray[2].OutAddr[1], "007");
    EXPECT_EQ(OutGrpArray[2].OutAddr[2], "000");
    EXPECT_EQ(OutGrpArray[2].OutAddr[3], "202");
    EXPECT_EQ(NumOfActiveGroups, 3);
    EXPECT_TRUE(ProjectLoaded);
}

TEST_F(GroupBlockTest, HostileRepliesChangeNothing)
{
    std::vector<std::vector<QByteArray>> cases;
    auto reply = EmptyReply();
    reply.pop_back();
    cases.push_back(reply);                        // 31 records
    reply = EmptyReply();
    reply[3] = reply[3].left(8);
    cases.push_back(reply);                        // short record
    reply = EmptyReply();
    reply[3][2] = char(7);
    cases.push_back(reply);                        // seven outputs
    reply = EmptyReply();
    reply.push_back(reply[0]);
    cases.push_back(reply);                        // 33 records
    for (const auto& c : cases) {
        Fresh(2);
        NumOfActiveGroups = 4;
        const auto before = OutGrpArray;
        ReceiveAll(c);
        EXPECT_FALSE(fillOutGrpArray_rcv());
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, QStringLiteral("0x000030"));
        EXPECT_TRUE(OutGrpArray == before);
        EXPECT_EQ(NumOfActiveGroups, 4);
    }
}

}  // namespace
