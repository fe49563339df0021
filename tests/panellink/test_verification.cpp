#include "panellink/Verification.h"

#include <set>

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "common/ScriptedPrompter.h"
#include "core/Conv.h"
#include "core/Usefull.h"

namespace {

class VerificationTest : public LinkTest {
protected:
    // A record of the panel's list: in use, of a kind, at a position.
    static QByteArray PanelDevice(int address, int kind, int position = 1)
    {
        const auto* k = DeviceKind::Find(kind);
        const int ext = QString::fromLatin1(k->extType).toInt(), base = QString::fromLatin1(k->baseType).toInt();
        QByteArray r = H("00 00 00 00 00 00 40 40 00 00 00 00 00 00");
        r[0] = char(address);
        r[1] = char(((ext / 8) << 5) | (base << 2) | (k->isInput ? 0x02 : 0) | 0x01);
        r[3] = char(position << 4);
        return r;
    }
    static void ProjectDevice(int address, int kind, const char* cardAddr = "01")
    {
        const auto* k = DeviceKind::Find(kind);
        DeviceRecord& r = DeviceDataArray[address];
        r.ExtType = k->extType;
        r.BaseType = k->baseType;
        r.Exist = "1";
        r.CardAddr = cardAddr;
    }
    static QString Name(int kind) { return Usefull::DeviceTypeName(kind); }
};

TEST_F(VerificationTest, IdenticalListsShowNothing)
{
    ProjectDevice(5, 5);
    ProjectDevice(6, 19, "02");
    Receive({PanelDevice(5, 5), PanelDevice(6, 19, 2)});
    LinkView.Command7Visible = true;
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_TRUE(LinkView.List1.isEmpty());
    EXPECT_FALSE(LinkView.Command7Visible);
    EXPECT_FALSE(LinkView.Timer1Enabled);
    EXPECT_TRUE(SendAllowed);
}

TEST_F(VerificationTest, AddAndDeleteAreListedAndAllowed)
{
    ProjectDevice(12, 5);
    Receive({PanelDevice(30, 6)});
    const auto before = DeviceDataArray;
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_EQ(LinkView.List1, QStringList({QStringLiteral("Add address 12 - ") + Name(5),
                                           QStringLiteral("Delete address 30 - ") + Name(6)}));
    EXPECT_TRUE(SendAllowed);
    EXPECT_TRUE(LinkView.Command7Visible);
    EXPECT_EQ(LinkView.Command7Caption, QStringLiteral("Data mismatch"));
    EXPECT_TRUE(LinkView.Timer1Enabled);
    EXPECT_TRUE(DeviceDataArray == before);
    EXPECT_EQ(VerifyDeviceArray[30].Exist, "1");
    EXPECT_EQ(VerifyDeviceArray[30].BaseType, "6");
}

TEST_F(VerificationTest, KindConflictStopsTheUpload)
{
    ProjectDevice(8, 6);
    Receive({PanelDevice(8, 5)});
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("Unable to send data to the system, there are conflict/s"), Ui::vbOK);
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_EQ(prompter.Calls().at(0).buttons(), Ui::vbOKCancel);
    EXPECT_EQ(LinkView.List1, QStringList(QStringLiteral("Conflict at address 8: ") + Name(5) +
                                          QStringLiteral("(System) - ") + Name(6) + QStringLiteral("(Software)")));
    EXPECT_FALSE(SendAllowed);
    EXPECT_EQ(LinkView.Command7Caption, QStringLiteral("Data error"));
    EXPECT_TRUE(LinkView.Command7Visible);
    EXPECT_TRUE(LinkView.Timer1Enabled);
}

TEST_F(VerificationTest, PositionConflictOnlyForOutputsCardsAndRelays)
{
    for (int kind : {9, 10, 19}) {
        Fresh(2);
        ProjectDevice(40, kind, "01");
        Receive({PanelDevice(40, kind, 2)});
        ScriptedPrompter prompter;
        prompter.Expect(QStringLiteral("conflict/s"), Ui::vbCancel);
        ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
        EXPECT_EQ(LinkView.List1, QStringList(QStringLiteral("Conflict at address 40: 2(System) - 1(Software) "))) << kind;
        EXPECT_FALSE(SendAllowed) << kind;
    }
    Fresh(2);
    ProjectDevice(40, 5, "01");
    Receive({PanelDevice(40, 5, 2)});
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_TRUE(LinkView.List1.isEmpty());
    EXPECT_TRUE(SendAllowed);
}

// A single device stands on position 1 or 0: the one on the panel and the other in the project
// are the same device, no conflict; against a first part of two, either is one.
TEST_F(VerificationTest, PositionsZeroAndOneAreTheSameSingleDevice)
{
    const struct {
        int panel;
        const char* project;
        bool conflict;
    } cases[] = {{0, "01", false}, {1, "00", false}, {0, "00", false}, {0, "02", true}, {2, "00", true}};
    for (int16_t lang : {1, 2}) {
        for (int kind : {DeviceKind::Output, DeviceKind::AlarmFaultCard, DeviceKind::Relay}) {
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << "language " << lang << " kind " << kind << " panel " << c.panel
                                                << " project " << c.project);
                Fresh(lang);
                ProjectDevice(40, kind, c.project);
                Receive({PanelDevice(40, kind, c.panel)});
                ScriptedPrompter prompter;
                if (c.conflict) prompter.Expect(Ui::vbCancel);
                ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
                EXPECT_EQ(SendAllowed, !c.conflict);
                ASSERT_EQ(LinkView.List1.size(), c.conflict ? 1 : 0);
                if (c.conflict) {
                    const QString line = LinkView.List1[0];
                    EXPECT_TRUE(line.contains(QStringLiteral(": %1(").arg(c.panel))) << line.toStdString();
                    EXPECT_TRUE(line.contains(QStringLiteral("- %1(").arg(ValInt(c.project)))) << line.toStdString();
                }
            }
        }
    }
}

TEST_F(VerificationTest, PositionConflictOverEveryKind)
{
    // Every 5-bit type code, the same on both sides, the panel's position 3 against the
    // project's 2. A kind of one position reads back from the panel as position 1, so it too
    // differs from the project's: only the kinds whose position matters may say so.
    const std::set<int> conflicting = {DeviceKind::Output, DeviceKind::AlarmFaultCard, DeviceKind::Relay};
    for (int kind = 0; kind < 32; ++kind) {
        SCOPED_TRACE(kind);
        Fresh(2);
        DeviceRecord& s = DeviceDataArray[40];
        s.ExtType = ZeroPad(kind / 8 * 8, 2);
        s.BaseType = Str(kind % 8);
        s.Exist = "1";
        s.CardAddr = "02";
        QByteArray r = H("28 00 00 30 00 00 40 40 00 00 00 00 00 00");
        r[1] = char(((kind / 8) << 5) | ((kind % 8) << 2) | 0x01);
        Receive({r});
        const bool conflict = conflicting.count(kind) > 0;
        ScriptedPrompter prompter;
        if (conflict) prompter.Expect(QStringLiteral("conflict/s"), Ui::vbOK);
        ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
        EXPECT_EQ(prompter.Pending(), 0);
        ASSERT_EQ(KindOf(VerifyDeviceArray[40]), kind);
        EXPECT_EQ(SendAllowed, !conflict);
        EXPECT_EQ(LinkView.List1, conflict ? QStringList(QStringLiteral("Conflict at address 40: 3(System) - 2(Software) "))
                                           : QStringList());
    }
}

TEST_F(VerificationTest, HebrewLinesAndMessage)
{
    Fresh(1);
    ProjectDevice(3, 5);
    ProjectDevice(4, 19, "02");
    Receive({PanelDevice(2, 9), PanelDevice(4, 19, 3)});
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("לא ניתן לשלוח נתונים לבקרה, יש התנגשויות"), Ui::vbOK);
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_TRUE(prompter.Calls().at(0).rightToLeft());
    EXPECT_EQ(LinkView.List1, QStringList({QStringLiteral("מחיקת כתובת מספר 2 - ") + Name(9),
                                           QStringLiteral("הוספת כתובת מספר 3 - ") + Name(5),
                                           QStringLiteral("התנגשות בכתובת מספר 4: 3(בבקרה) - 2(בתוכנה) ")}));
    EXPECT_EQ(LinkView.Command7Caption, QStringLiteral("שגיאה בנתונים"));
}

TEST_F(VerificationTest, EachReadStartsAfresh)
{
    ProjectDevice(5, 5);
    ProjectDevice(6, 6);
    // An earlier read saw a device at 9 and produced lines.
    Receive({PanelDevice(9, 5)});
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    ASSERT_EQ(LinkView.List1.size(), 3);
    // Now the panel reports nothing: one add line per device, nothing left over.
    LinkState::BeginBlock();
    LinkState::StoreEnd(1);
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_EQ(LinkView.List1, QStringList({QStringLiteral("Add address 5 - ") + Name(5),
                                           QStringLiteral("Add address 6 - ") + Name(6)}));
    EXPECT_EQ(VerifyDeviceArray[9].Exist, "0");
}

TEST_F(VerificationTest, BadRecordLeavesSendingForbidden)
{
    SendAllowed = true;
    Receive({PanelDevice(5, 5), H("05 17 00")});
    EXPECT_FALSE(fillDeviceDataArray4Verif_rcv());
    EXPECT_FALSE(SendAllowed);
    EXPECT_TRUE(TransferError);
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000028"));
    EXPECT_TRUE(LinkView.List1.isEmpty());
}

TEST_F(VerificationTest, AddressesOutsideTheModelAreIgnored)
{
    MaxNumOfDevices = 50;
    Receive({PanelDevice(51, 5), PanelDevice(0, 5)});
    ASSERT_TRUE(fillDeviceDataArray4Verif_rcv());
    EXPECT_TRUE(LinkView.List1.isEmpty());
    EXPECT_TRUE(SendAllowed);
}

}  // namespace
