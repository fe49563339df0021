// The type panel's apply onto the working table: the further records of multi-address devices
// and what they keep, the second panel and its cancel, existing devices, the previous and next
// buttons, the name box.
#include "TypePanelFixture.h"

TEST_F(TypePanelTest, TwoAddressOutputOpensTheSecondPanel)
{
    rows.names[10] = "";
    panel.EnableDevice(10);
    panel.ChooseType(Out, 1);
    EXPECT_TRUE(panel.Frame(1).options[1].enabled);  // the next address is free
    panel.ChooseSetting(1, 2);
    EXPECT_EQ(panel.Note(), "First address from 2 addresses");
    panel.SetName("PUMP ROOM");
    panel.Apply();

    EXPECT_EQ(Rec(10).CardAddr, "02");
    EXPECT_EQ(rows.names[10], "PUMP ROOM");
    const DeviceRecord& c = Rec(11);
    EXPECT_EQ(c.Exist, "1");
    EXPECT_EQ(c.Address, "011");
    EXPECT_EQ(KindOf(c), DeviceKind::Output);
    EXPECT_EQ(c.DeviceIsIn, "0");
    EXPECT_EQ(c.CardAddr, "03");
    EXPECT_EQ(c.AlarmValue, "99");
    EXPECT_EQ(c.PreAlarmValue, "99");
    // The second panel is open on address 11, as an existing device.
    ASSERT_TRUE(panel.Shown());
    EXPECT_TRUE(panel.SecondPanelPending());
    EXPECT_EQ(panel.PanelAddress(), 11);
    EXPECT_TRUE(panel.PanelExisting());
    EXPECT_EQ(panel.Note(), "Second address from 2 addresses");
    EXPECT_EQ(panel.Name(), "");
    panel.ChooseSetting(3, 5);
    panel.Apply();
    EXPECT_FALSE(panel.Shown());
    EXPECT_FALSE(panel.SecondPanelPending());
    EXPECT_EQ(Rec(11).CardAddr, "03");
    EXPECT_EQ(Rec(11).TimeDelayUp2ON, "15");
    EXPECT_EQ(Rec(10).CardAddr, "02");
    EXPECT_EQ(rows.refreshed, (std::vector<std::pair<int, int>>{{10, 11}, {11, 11}}));
}

TEST_F(TypePanelTest, CompanionOfEachTwoAddressType)
{
    struct Case {
        const char* name;
        TypePanelTable::TypeGroup group;
        int index;
        std::vector<std::pair<int, int>> choices;
        int companionKind;
        const char* deviceIsIn;
        QString alarm, preAlarm;
        bool secondPanel;
    };
    const std::vector<Case> cases{
        {"output", Out, 1, {{1, 2}}, DeviceKind::Output, "0", "99", "99", true},
        {"extinguish: its second address is an output", Out, 2, {{1, 2}}, DeviceKind::Output, "0", "99", "99", true},
        {"relay", Out, 3, {{1, 2}}, DeviceKind::Relay, "0", "99", "99", true},
        {"two-input card", In, 11, {}, DeviceKind::TwoInputCard, "1", "70", "40", true},
        {"alarm/fault card", In, 7, {{1, 2}}, DeviceKind::AlarmFaultCard, "1", "70", "40", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        rows.names.clear();
        // The second address held a name before (a deletion keeps it in the record and the box).
        Rec(21).DeviceName = "SECOND";
        Rec(21).NameExist = "1";
        rows.names[21] = "SECOND";
        panel.EnableDevice(20);
        panel.ChooseType(c.group, c.index);
        for (auto [f, k] : c.choices) panel.ChooseSetting(f, k);
        panel.SetName("FIRST");
        panel.Apply();
        EXPECT_EQ(Rec(20).CardAddr, "02");
        const DeviceRecord& s = Rec(21);
        EXPECT_EQ(s.Exist, "1");
        EXPECT_EQ(KindOf(s), c.companionKind);
        EXPECT_EQ(s.DeviceIsIn, c.deviceIsIn);
        EXPECT_EQ(s.CardAddr, "03");
        EXPECT_EQ(s.AlarmValue, c.alarm);
        EXPECT_EQ(s.PreAlarmValue, c.preAlarm);
        EXPECT_EQ(s.IsNotUseInAlarm, "0");
        EXPECT_EQ(s.DeviceName, "SECOND");
        EXPECT_EQ(panel.Shown(), c.secondPanel);
        if (c.secondPanel) {
            EXPECT_EQ(panel.Name(), "SECOND");
            panel.Apply();
        }
        EXPECT_EQ(rows.names[20], "FIRST");
        EXPECT_EQ(rows.names[21], "SECOND");
        EXPECT_EQ(Rec(20).CardAddr, "02");
        EXPECT_EQ(Rec(21).CardAddr, "03");
    }
}

TEST_F(TypePanelTest, CancellingTheSecondPanelRemovesTheWholeNewDevice)
{
    enum class How { Cancel, WindowClosed };
    for (How how : {How::Cancel, How::WindowClosed}) {
        SCOPED_TRACE(how == How::Cancel ? "cancel" : "window closed");
        ResetModule::ResetDevices(1, MaxAddress, 2);
        rows.names = {{10, "OLD 10"}, {11, "OLD 11"}};
        rows.refreshed.clear();
        panel.EnableDevice(10);
        panel.ChooseType(Out, 3);
        panel.ChooseSetting(1, 2);
        panel.SetName("NEW");
        panel.Apply();
        ASSERT_TRUE(panel.SecondPanelPending());
        // No question is asked: whichever answer, a half-made device must not stay.
        ScriptedPrompter prompter;
        if (how == How::Cancel) {
            panel.Cancel();
        } else {
            panel.CloseWithWindow();
        }
        EXPECT_TRUE(prompter.Calls().empty());
        EXPECT_FALSE(panel.Shown());
        EXPECT_FALSE(panel.SecondPanelPending());
        DeviceRecord empty = Rec(12);
        for (int a : {10, 11}) {
            empty.Address = ZeroPad(a, 3);
            EXPECT_EQ(Rec(a), empty) << a;
        }
        EXPECT_EQ(rows.refreshed.back(), std::make_pair(10, 11));
        EXPECT_EQ(rows.names[10], "OLD 10");
        EXPECT_EQ(rows.names[11], "OLD 11");
    }
}

TEST_F(TypePanelTest, CancelStoresNothing)
{
    AddDevice(5, In, 1, {{1, 1}});
    const auto before = DeviceDataArrayEdit;
    rows.refreshed.clear();
    panel.DeviceSettings(5);
    panel.ChooseType(In, 2);
    panel.Cancel();
    panel.EnableDevice(6);
    panel.ChooseType(Out, 1);
    panel.Cancel();
    EXPECT_EQ(DeviceDataArrayEdit, before);
    EXPECT_TRUE(rows.refreshed.empty());
    EXPECT_FALSE(panel.Shown());
}

TEST_F(TypePanelTest, AlarmFaultCardCopiesItsFirstAddressAndKeepsTheSecondsOwn)
{
    AddDevice(20, In, 7, {{1, 2}});
    // Links to groups and a name of the second address are its own.
    Rec(21).NumOfGroups = "02";
    Rec(21).Grp[1] = "05";
    Rec(21).Grp[2] = "07";
    Rec(21).WithAlarmGroup = "1";
    Rec(21).DeviceName = "FAULT IN";
    Rec(21).NameExist = "1";
    Rec(20).NumOfGroups = "01";
    Rec(20).Grp[1] = "03";
    const DeviceRecord second = Rec(21);
    panel.DeviceSettings(20);
    EXPECT_EQ(SelectedIn(1), 2);
    panel.Apply();
    EXPECT_EQ(Rec(21), second);
    EXPECT_EQ(Rec(20).Grp[1], "03");
}

TEST_F(TypePanelTest, FourZoneCardWritesItsFourParts)
{
    for (int i = 1; i <= 3; ++i) Rec(40 + i).DeviceName = QStringLiteral("ZONE %1").arg(i + 1);
    AddDevice(40, In, 8);
    for (int i = 0; i <= 3; ++i) {
        const DeviceRecord& p = Rec(40 + i);
        EXPECT_EQ(p.Exist, "1") << i;
        EXPECT_EQ(KindOf(p), DeviceKind::FourZoneCard) << i;
        EXPECT_EQ(p.CardAddr, ZeroPad(i, 2)) << i;
        EXPECT_EQ(p.Address, ZeroPad(40 + i, 3)) << i;
        if (i) {
            EXPECT_EQ(p.DeviceName, QStringLiteral("ZONE %1").arg(i + 1)) << i;
        }
    }
    EXPECT_EQ(rows.refreshed.back(), std::make_pair(40, 43));

    // Applied from its third part, the card is written again from its first address; each part
    // keeps its name, its alarm use and its group links.
    Rec(42).IsNotUseInAlarm = "1";
    Rec(42).NumOfGroups = "01";
    Rec(42).Grp[1] = "09";
    const DeviceRecord third = Rec(42);
    panel.DeviceSettings(42);
    EXPECT_EQ(panel.Note(), "Address 3 from 4 addresses");
    panel.Apply();
    EXPECT_EQ(panel.PanelAddress(), 40);
    EXPECT_EQ(Rec(42), third);
    EXPECT_EQ(Rec(40).CardAddr, "00");
}

TEST_F(TypePanelTest, ExistingDeviceKeepsItsGroupsAndUntouchedFields)
{
    AddDevice(8, In, 10, {{1, 2}});
    Rec(8).NumOfGroups = "02";
    Rec(8).Grp[1] = "01";
    Rec(8).Grp[2] = "04";
    Rec(8).WithAlarmGroup = "1";
    Rec(8).SpareField = "07";
    panel.DeviceSettings(8);
    panel.ChooseSetting(1, 1);
    panel.Apply();
    EXPECT_EQ(Rec(8).IsNotUseInAlarm, "0");
    EXPECT_EQ(Rec(8).NumOfGroups, "02");
    EXPECT_EQ(Rec(8).Grp[2], "04");
    EXPECT_EQ(Rec(8).WithAlarmGroup, "1");
    EXPECT_EQ(Rec(8).SpareField, "07");
}

TEST_F(TypePanelTest, NoDeviceReachesPastTheLastAddress)
{
    MaxNumOfDevices = 50;
    // A damaged record at the last address claiming two addresses.
    AddDevice(50, In, 7);
    Rec(50).CardAddr = "02";
    panel.DeviceSettings(50);
    panel.Apply();
    EXPECT_FALSE(panel.Shown());
    EXPECT_EQ(Rec(51).Exist, "0");
    // A new device next to a damaged "first of two" starts at its own address.
    AddDevice(20, Out, 1);
    Rec(20).CardAddr = "02";
    panel.EnableDevice(21);
    panel.ChooseType(Out, 1);
    panel.ChooseSetting(1, 2);
    EXPECT_EQ(panel.Note(), "First address from 2 addresses");
    panel.Apply();
    EXPECT_EQ(Rec(21).CardAddr, "02");
    EXPECT_EQ(Rec(22).CardAddr, "03");
    EXPECT_TRUE(panel.SecondPanelPending());
}

TEST_F(TypePanelTest, PreviousAndNextStepThroughConfigurableDevices)
{
    AddDevice(3, In, 1);
    AddDevice(4, In, 7, {{1, 2}});
    AddDevice(6, In, 2);
    AddDevice(9, In, 5);  // a call point has no settings
    panel.DeviceSettings(3);
    panel.ChooseSetting(1, 3);
    panel.Next();
    EXPECT_EQ(Rec(3).AlarmValue, "50");  // applied on the way
    ASSERT_TRUE(panel.Shown());
    EXPECT_EQ(panel.PanelAddress(), 6);
    EXPECT_TRUE(panel.PanelExisting());
    // Nothing after the last configurable device: the panel stays open and nothing is stored.
    panel.ChooseSetting(1, 5);
    panel.Next();
    EXPECT_EQ(panel.PanelAddress(), 6);
    EXPECT_EQ(Rec(6).AlarmValue, "58");
    panel.Previous();
    EXPECT_EQ(Rec(6).AlarmValue, "62");
    EXPECT_EQ(panel.PanelAddress(), 3);
    panel.Previous();
    EXPECT_EQ(panel.PanelAddress(), 3);
    panel.Cancel();
    // A new device's panel has no such buttons.
    panel.EnableDevice(1);
    panel.Next();
    EXPECT_EQ(panel.PanelAddress(), 1);
    EXPECT_FALSE(panel.PanelExisting());
}

TEST_F(TypePanelTest, NameBoxTakesTheRowsNameAndIsCleanedBeforeStoring)
{
    rows.names[7] = "LOBBY";
    panel.EnableDevice(7);
    EXPECT_EQ(panel.Name(), "LOBBY");
    panel.SetName("lobby east wing 12345");
    EXPECT_EQ(panel.Name(), "lobby east wing ");
    {
        ScriptedPrompter prompter;
        panel.SetName("hall{1}");
        prompter.Expect(Ui::vbOK);  // illegal characters
        panel.CheckName();
        EXPECT_EQ(panel.Name(), "") << "a refused name empties the panel's box";
    }
    panel.SetName("stairs");
    panel.Apply();  // checked on the way, as when the box is left
    EXPECT_EQ(rows.names[7], "STAIRS");
}
