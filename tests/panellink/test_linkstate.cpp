#include "panellink/LinkState.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"

namespace {

class LinkStateTest : public LinkTest {};

TEST_F(LinkStateTest, ReceivedCountIsAlwaysRecorded)
{
    LinkState::StoreRecord(1, H("01"));
    EXPECT_EQ(LinkState::FrameCount(), 1);
    LinkState::StoreRecord(2, H("02"));
    EXPECT_EQ(FrameArray[0], QByteArray("2"));
    // The end frame as frame 3: two records came before it.
    LinkState::StoreEnd(3);
    EXPECT_EQ(LinkState::FrameCount(), 2);
    LinkState::StoreEnd(1);
    EXPECT_EQ(LinkState::FrameCount(), 0);
}

TEST_F(LinkStateTest, ABlockStartsEmpty)
{
    for (int i = 1; i <= 255; ++i) LinkState::StoreRecord(i, H("AA"));
    LinkState::BeginBlock();
    EXPECT_EQ(LinkState::FrameCount(), 0);
    for (const QByteArray& e : FrameArray) EXPECT_TRUE(e.isEmpty());
}

TEST_F(LinkStateTest, OutOfRangeRecordNumbersAreIgnored)
{
    LinkState::StoreRecord(0, H("01"));
    LinkState::StoreRecord(256, H("01"));
    LinkState::StoreRecord(-3, H("01"));
    EXPECT_EQ(LinkState::FrameCount(), 0);
    FrameArray[0] = "garbage";
    EXPECT_EQ(LinkState::FrameCount(), 0);
}

TEST_F(LinkStateTest, CodecFaultFailsTheStep)
{
    EXPECT_FALSE(LinkState::CodecFault("0x000027"));
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000027"));
}

}  // namespace
