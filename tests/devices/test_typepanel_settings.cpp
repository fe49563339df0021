// Reading stored settings into the panel: thresholds, values that match no option, the smoke/heat
// switch; the interlocks of the output frames; the position notes.
#include "TypePanelFixture.h"

TEST_F(TypePanelTest, SmokeSensitivityReadsByTheThresholds)
{
    AddDevice(5, In, 1);
    const std::vector<std::pair<int, int>> cases{{54, 3}, {55, 2}, {65, 2}, {75, 2}, {76, 1}, {0, 3}, {255, 1}};
    for (auto [value, option] : cases) {
        Rec(5).AlarmValue = Str(value);
        panel.DeviceSettings(5);
        EXPECT_EQ(SelectedIn(1), option) << value;
        panel.Cancel();
    }
}

TEST_F(TypePanelTest, StoredValueMatchingNoOptionIsShownUnchosenAndKept)
{
    struct Case {
        const char* name;
        TypePanelTable::TypeGroup group;
        int index;
        std::function<void(DeviceRecord&)> store;
        int frame;
    };
    const std::vector<Case> cases{
        {"heat above 70", In, 2, [](DeviceRecord& r) { r.AlarmValue = "75"; }, 1},
        {"heat below 58", In, 2, [](DeviceRecord& r) { r.AlarmValue = "40"; }, 1},
        {"verification 5", In, 1, [](DeviceRecord& r) { r.DeviceNeedVer = "5"; }, 2},
        {"input use 3", In, 10, [](DeviceRecord& r) { r.IsNotUseInAlarm = "3"; }, 1},
        {"two-input use 3", In, 11, [](DeviceRecord& r) { r.IsNotUseInAlarm = "3"; }, 2},
        {"output behaviour 1", Out, 1, [](DeviceRecord& r) { r.OutBehevior = "01"; }, 2},
        {"output delay flag 2", Out, 3, [](DeviceRecord& r) { r.DlyB4ON = "2", r.TimeDelayUp2ON = "04"; }, 3},
        {"extinguish delay flag 3", Out, 2, [](DeviceRecord& r) { r.DlyB4ON = "3", r.TimeDelayUp2ON = "04"; }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        AddDevice(30, c.group, c.index);
        c.store(Rec(30));
        const DeviceRecord stored = Rec(30);
        panel.DeviceSettings(30);
        EXPECT_EQ(SelectedIn(c.frame), 0);
        panel.Apply();
        EXPECT_EQ(Rec(30), stored);
    }
}

// A timed choice whose code the panel does not offer reads as the frame's fallback, and the apply
// stores that choice.
TEST_F(TypePanelTest, UnknownTimedCodesSelectTheFallback)
{
    struct Case {
        const char* name;
        G group;
        int index;
        std::function<void(DeviceRecord&)> store;
        int frame, option;
        const char* caption;
        std::function<void(const DeviceRecord&)> stored;
    };
    const std::vector<Case> cases{
        {"output delay code 7", Out, 1, [](DeviceRecord& r) { r.DlyB4ON = "1", r.TimeDelayUp2ON = "07"; }, 3, 1, "0",
         [](const DeviceRecord& r) { EXPECT_EQ(r.DlyB4ON, "0"); EXPECT_EQ(r.TimeDelayUp2ON, "00"); }},
        {"relay delay code 0", Out, 3, [](DeviceRecord& r) { r.DlyB4ON = "1", r.TimeDelayUp2ON = "00"; }, 3, 1, "0",
         [](const DeviceRecord& r) { EXPECT_EQ(r.DlyB4ON, "0"); }},
        {"output on-time code 7", Out, 1, [](DeviceRecord& r) { r.offTypeAfterON = "1", r.OutOnTimes = "07"; }, 5, 1,
         "Upto Reset", [](const DeviceRecord& r) { EXPECT_EQ(r.offTypeAfterON, "0"); EXPECT_EQ(r.OutOnTimes, "00"); }},
        {"line relay on-time code 2", Out, 4, [](DeviceRecord& r) { r.offTypeAfterON = "1", r.OutOnTimes = "02"; }, 5, 1,
         "Upto Reset", [](const DeviceRecord& r) { EXPECT_EQ(r.offTypeAfterON, "0"); }},
        {"extinguish delay code 3", Out, 2, [](DeviceRecord& r) { r.DlyB4ON = "1", r.TimeDelayUp2ON = "03"; }, 2, 4, "35",
         [](const DeviceRecord& r) { EXPECT_EQ(r.DlyB4ON, "1"); EXPECT_EQ(r.TimeDelayUp2ON, "04"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        AddDevice(30, c.group, c.index);
        c.store(Rec(30));
        panel.DeviceSettings(30);
        ASSERT_EQ(SelectedIn(c.frame), c.option);
        EXPECT_EQ(panel.Frame(c.frame).options[size_t(c.option - 1)].caption, c.caption);
        panel.Apply();
        c.stored(Rec(30));
    }
}

TEST_F(TypePanelTest, OutOfRangeHeatKeepsItsValueUntilChosen)
{
    AddDevice(30, In, 2);
    Rec(30).AlarmValue = "90";
    panel.DeviceSettings(30);
    EXPECT_EQ(SelectedIn(1), 0);
    panel.ChooseSetting(1, 3);
    panel.Apply();
    EXPECT_EQ(Rec(30).AlarmValue, "60");
}

TEST_F(TypePanelTest, SmokeAndHeatSwitchIntoEachOther)
{
    AddDevice(12, In, 2, {{1, 7}});
    Rec(12).NumOfGroups = "01";
    Rec(12).Grp[1] = "02";
    panel.DeviceSettings(12);
    EXPECT_TRUE(panel.SmokeHeatSwitch());
    EXPECT_EQ(SelectedIn(1), 7);  // 64, as stored
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(panel.TypeOption(In, i).enabled);
        EXPECT_EQ(panel.TypeOption(In, i).back, TypeBack::TypeColour);
    }
    EXPECT_FALSE(panel.TypeOption(In, 3).enabled);
    EXPECT_EQ(panel.TypeOption(In, 3).back, TypeBack::Grey);
    // To smoke: the record is read as a smoke detector's, its value by the thresholds.
    panel.ChooseType(In, 1);
    EXPECT_EQ(Selections(), (std::vector<int>{2, 1, 0, 0, 0}));
    High2Medium = 66;
    panel.ChooseType(In, 2);
    panel.ChooseType(In, 1);
    EXPECT_EQ(Selections(), (std::vector<int>{3, 1, 0, 0, 0}));
    High2Medium = 55;
    EXPECT_EQ(panel.TypeOption(In, 3).back, TypeBack::Grey);
    EXPECT_EQ(panel.TypeOption(In, 1).back, TypeBack::White);
    EXPECT_EQ(panel.TypeOption(In, 2).back, TypeBack::TypeColour);
    // And back to heat: the first temperature.
    panel.ChooseType(In, 2);
    EXPECT_EQ(SelectedIn(1), 1);
    panel.ChooseType(In, 1);
    panel.ChooseSetting(2, 2);
    panel.Apply();
    EXPECT_EQ(KindOf(Rec(12)), DeviceKind::SmokeDetector);
    EXPECT_EQ(Rec(12).AlarmValue, "65");
    EXPECT_EQ(Rec(12).DeviceNeedVer, "1");
    EXPECT_EQ(Rec(12).Grp[1], "02");

    // A verified smoke detector switched to heat loses the verification.
    panel.DeviceSettings(12);
    EXPECT_EQ(SelectedIn(2), 2);
    panel.ChooseType(In, 2);
    panel.Apply();
    EXPECT_EQ(KindOf(Rec(12)), DeviceKind::HeatDetector);
    EXPECT_EQ(Rec(12).AlarmValue, "58");
    EXPECT_EQ(Rec(12).DeviceNeedVer, "0");
    EXPECT_EQ(Rec(12).NumOfGroups, "01");

    // Other types switch nothing, in administrator mode too.
    AddDevice(40, In, 8);
    panel.DeviceSettings(40);
    EXPECT_FALSE(panel.SmokeHeatSwitch());
    EXPECT_FALSE(panel.TypeOption(In, 1).enabled);
    panel.ChooseType(In, 1);  // a disabled option cannot be chosen
    EXPECT_EQ(panel.ChosenType()->kind, DeviceKind::FourZoneCard);
    panel.Cancel();
}

TEST_F(TypePanelTest, UpToResetKeepsATimedOutputOn)
{
    AddDevice(15, Out, 1, {{5, 4}});
    ASSERT_EQ(Rec(15).offTypeAfterON, "1");
    panel.DeviceSettings(15);
    EXPECT_EQ(SelectedIn(4), 0);  // switch-off type 1: no silence choice
    EXPECT_EQ(SelectedIn(5), 4);  // 90
    panel.ChooseSetting(5, 1);
    panel.Apply();
    EXPECT_EQ(Rec(15).offTypeAfterON, "0");
    EXPECT_EQ(Rec(15).OutOnTimes, "00");

    // With silencing it stays on until silenced.
    panel.DeviceSettings(15);
    panel.ChooseSetting(4, 2);
    panel.Apply();
    EXPECT_EQ(Rec(15).offTypeAfterON, "2");
    EXPECT_EQ(Rec(15).OutOnTimes, "00");
}

TEST_F(TypePanelTest, OutputInterlocks)
{
    panel.EnableDevice(10);
    panel.ChooseType(Out, 1);
    auto enabled = [this](int frame) {
        std::vector<bool> v;
        for (const auto& o : panel.Frame(frame).options) v.push_back(o.enabled);
        return v;
    };
    const std::vector<bool> on(5, true), off(5, false);
    panel.ChooseSetting(3, 4);
    panel.ChooseSetting(5, 3);
    // General alarm: no delay, on until reset, both frames closed.
    panel.ChooseSetting(2, 3);
    EXPECT_EQ(SelectedIn(3), 1);
    EXPECT_EQ(SelectedIn(5), 1);
    EXPECT_EQ(enabled(3), off);
    EXPECT_EQ(enabled(5), off);
    // Silence "NO" under a general alarm keeps the operation time closed.
    panel.ChooseSetting(4, 2);
    panel.ChooseSetting(4, 1);
    EXPECT_EQ(enabled(5), off);
    EXPECT_EQ(SelectedIn(5), 1);
    // Normal output opens the delays and, without silencing, the operation times.
    panel.ChooseSetting(2, 1);
    EXPECT_EQ(enabled(3), on);
    EXPECT_EQ(enabled(5), on);
    panel.ChooseSetting(4, 2);
    EXPECT_EQ(enabled(5), off);
    EXPECT_EQ(SelectedIn(5), 1);
    panel.ChooseSetting(2, 2);
    panel.ChooseSetting(2, 1);
    EXPECT_EQ(enabled(3), on);
    EXPECT_EQ(enabled(5), off);  // still silenced
    // "NO" without a general output opens the operation times and resets them to "Upto Reset".
    panel.ChooseSetting(4, 1);
    EXPECT_EQ(enabled(5), on);
    panel.ChooseSetting(5, 4);
    panel.ChooseSetting(4, 2);
    panel.ChooseSetting(4, 1);
    EXPECT_EQ(SelectedIn(5), 1);

    // An existing general alarm output shows its frames closed.
    panel.ChooseSetting(2, 3);
    panel.Apply();
    panel.DeviceSettings(10);
    EXPECT_EQ(SelectedIn(2), 3);
    EXPECT_EQ(enabled(3), off);
    EXPECT_EQ(enabled(5), off);
    // The extinguish delay, in the same frame as the output type, has no interlock.
    panel.Cancel();
    panel.EnableDevice(20);
    panel.ChooseType(Out, 2);
    panel.ChooseSetting(2, 2);
    EXPECT_EQ(enabled(2), on);
}

TEST_F(TypePanelTest, AddressChoiceAndPositionNotes)
{
    MaxNumOfDevices = 50;
    // The last address: one address only.
    panel.EnableDevice(50);
    panel.ChooseType(In, 7);
    EXPECT_EQ(SelectedIn(1), 1);
    EXPECT_FALSE(panel.Frame(1).options[0].enabled);
    EXPECT_FALSE(panel.Frame(1).options[1].enabled);
    EXPECT_EQ(panel.Note(), "");
    // The line relay never takes two.
    panel.ChooseType(Out, 4);
    EXPECT_EQ(panel.Frame(1).options[1].caption, "-");
    EXPECT_FALSE(panel.Frame(1).options[0].enabled);
    panel.Cancel();
    // With the next address free both are open.
    panel.EnableDevice(20);
    panel.ChooseType(In, 7);
    EXPECT_TRUE(panel.Frame(1).options[1].enabled);
    panel.ChooseType(In, 11);
    EXPECT_EQ(panel.Frame(1).options[0].caption, "-");
    EXPECT_EQ(SelectedIn(1), 2);
    EXPECT_FALSE(panel.Frame(1).options[1].enabled);
    EXPECT_EQ(panel.Note(), "First address from 2 addresses");
    panel.Apply();
    EXPECT_EQ(panel.Note(), "Second address from 2 addresses");
    panel.Apply();
    // In Hebrew.
    UILanguage = 1;
    panel.DeviceSettings(21);
    EXPECT_EQ(panel.Note(), QStringLiteral(u"כתובת 2 מתוך 2 כתובות"));
    panel.Cancel();
    EXPECT_EQ(Rec(21).Exist, "1");  // an existing device's cancel takes nothing back

    // A line relay stored with a second position shows it, and keeps it.
    UILanguage = 2;
    AddDevice(30, Out, 4);
    Rec(30).CardAddr = "02";
    panel.DeviceSettings(30);
    EXPECT_EQ(SelectedIn(1), 2);
    EXPECT_EQ(panel.Note(), "");
    panel.Apply();
    EXPECT_EQ(Rec(30).CardAddr, "02");
    EXPECT_EQ(Rec(31).Exist, "0");
}

// Every choice in the first frame runs the position note afresh: the detectors' switch notes go,
// a card's note follows its number of addresses. Choices in later frames leave it.
TEST_F(TypePanelTest, EveryChoiceInTheFirstFrameRunsThePositionNote)
{
    struct Case {
        G group;
        int index;
        int frame, option;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {In, 1, 1, 1, "Dip switch 8 OFF", ""},  // sensitivity Low
        {In, 1, 2, 2, "Dip switch 8 OFF", "Dip switch 8 OFF"},  // verification ON
        {In, 2, 1, 7, "Dip switch 8 ON", ""},   // temperature 64
        {In, 10, 1, 2, "", ""},
        {In, 7, 1, 2, "", "First address from 2 addresses"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " frame " << c.frame << " option " << c.option);
        panel.EnableDevice(20);
        panel.ChooseType(c.group, c.index);
        EXPECT_EQ(panel.Note(), c.before);
        panel.ChooseSetting(c.frame, c.option);
        EXPECT_EQ(panel.Note(), c.after);
        if (c.index == 7) {
            panel.ChooseSetting(1, 1);
            EXPECT_EQ(panel.Note(), "");
        }
        panel.Cancel();
    }
}
