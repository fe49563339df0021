// The type panel over every type: the choices stored into the record, the record read back into
// the same choices and applied again unchanged, the types offered for a free address, the
// display of a new and of an existing device.
#include <functional>

#include "TypePanelFixture.h"
#include "devices/TypePanelLayout.h"

namespace {

using Choices = std::vector<std::pair<int, int>>;
using Fields = std::vector<std::pair<const char*, QString>>;

QString FieldOf(const DeviceRecord& r, const std::string& name)
{
    static const std::map<std::string, std::function<QString(const DeviceRecord&)>> get{
        {"ExtType", [](auto& r) { return r.ExtType.trimmed(); }},
        {"BaseType", [](auto& r) { return r.BaseType.trimmed(); }},
        {"DeviceIsIn", [](auto& r) { return r.DeviceIsIn.trimmed(); }},
        {"CardAddr", [](auto& r) { return r.CardAddr.trimmed(); }},
        {"AlarmValue", [](auto& r) { return r.AlarmValue.trimmed(); }},
        {"PreAlarmValue", [](auto& r) { return r.PreAlarmValue.trimmed(); }},
        {"DeviceNeedVer", [](auto& r) { return r.DeviceNeedVer.trimmed(); }},
        {"IsNotUseInAlarm", [](auto& r) { return r.IsNotUseInAlarm.trimmed(); }},
        {"OutBehevior", [](auto& r) { return r.OutBehevior.trimmed(); }},
        {"DlyB4ON", [](auto& r) { return r.DlyB4ON.trimmed(); }},
        {"TimeDelayUp2ON", [](auto& r) { return r.TimeDelayUp2ON.trimmed(); }},
        {"offTypeAfterON", [](auto& r) { return r.offTypeAfterON.trimmed(); }},
        {"OutOnTimes", [](auto& r) { return r.OutOnTimes.trimmed(); }},
        {"Exist", [](auto& r) { return r.Exist.trimmed(); }},
        {"Address", [](auto& r) { return r.Address.trimmed(); }},
    };
    return get.at(name)(r);
}

struct Case {
    const char* name;
    TypePanelTable::TypeGroup group;
    int index;
    Choices choices;
    Fields fields;
};

const Fields kOutputDefaults{{"OutBehevior", "00"}, {"DlyB4ON", "0"}, {"TimeDelayUp2ON", "00"},
                             {"offTypeAfterON", "0"}, {"OutOnTimes", "00"}, {"AlarmValue", "99"}, {"PreAlarmValue", "99"}};

Fields With(Fields base, const Fields& more)
{
    for (const auto& m : more) base.push_back(m);
    return base;
}

}  // namespace

TEST_F(TypePanelTest, EveryTypeStoresItsChoicesAndReadsThemBack)
{
    using TypePanelTable::Inputs;
    using TypePanelTable::Outputs;
    const std::vector<Case> cases{
        {"smoke default", Inputs, 1, {}, {{"ExtType", "00"}, {"BaseType", "5"}, {"DeviceIsIn", "1"}, {"AlarmValue", "65"}, {"PreAlarmValue", "40"}, {"DeviceNeedVer", "0"}, {"CardAddr", "01"}}},
        {"smoke low verified", Inputs, 1, {{1, 1}, {2, 2}}, {{"AlarmValue", "85"}, {"DeviceNeedVer", "1"}}},
        {"smoke high", Inputs, 1, {{1, 3}}, {{"AlarmValue", "50"}}},
        {"heat default", Inputs, 2, {}, {{"ExtType", "00"}, {"BaseType", "6"}, {"AlarmValue", "58"}, {"PreAlarmValue", "40"}, {"DeviceNeedVer", "0"}}},
        {"heat 64", Inputs, 2, {{1, 7}}, {{"AlarmValue", "64"}}},
        {"heat 70", Inputs, 2, {{1, 13}}, {{"AlarmValue", "70"}}},
        {"smoke/heat", Inputs, 3, {}, {{"ExtType", "24"}, {"BaseType", "5"}, {"AlarmValue", "70"}}},
        {"conventional", Inputs, 4, {}, {{"ExtType", "08"}, {"BaseType", "4"}}},
        {"red call point", Inputs, 5, {}, {{"ExtType", "00"}, {"BaseType", "7"}, {"AlarmValue", "70"}, {"PreAlarmValue", "40"}}},
        {"yellow call point", Inputs, 6, {}, {{"ExtType", "08"}, {"BaseType", "7"}}},
        {"alarm/fault card", Inputs, 7, {}, {{"ExtType", "08"}, {"BaseType", "2"}, {"CardAddr", "01"}}},
        {"four-zone card", Inputs, 8, {}, {{"ExtType", "16"}, {"BaseType", "4"}, {"CardAddr", "00"}}},
        {"beam card", Inputs, 9, {}, {{"ExtType", "24"}, {"BaseType", "6"}}},
        {"input alarm", Inputs, 10, {}, {{"ExtType", "16"}, {"BaseType", "7"}, {"IsNotUseInAlarm", "0"}}},
        {"input supervision", Inputs, 10, {{1, 2}}, {{"IsNotUseInAlarm", "1"}}},
        {"two-input card", Inputs, 11, {}, {{"ExtType", "08"}, {"BaseType", "3"}, {"CardAddr", "02"}, {"IsNotUseInAlarm", "0"}}},
        {"two-input card no alarm", Inputs, 11, {{2, 2}}, {{"IsNotUseInAlarm", "1"}}},
        {"output default", Outputs, 1, {}, With(kOutputDefaults, {{"ExtType", "08"}, {"BaseType", "1"}, {"DeviceIsIn", "0"}, {"CardAddr", "01"}})},
        {"output delay 35 silenced", Outputs, 1, {{3, 3}, {4, 2}}, {{"DlyB4ON", "1"}, {"TimeDelayUp2ON", "04"}, {"offTypeAfterON", "2"}, {"OutOnTimes", "00"}}},
        {"output on 90", Outputs, 1, {{5, 4}}, {{"offTypeAfterON", "1"}, {"OutOnTimes", "11"}}},
        {"output general fault", Outputs, 1, {{2, 2}}, {{"OutBehevior", "02"}, {"DlyB4ON", "0"}, {"offTypeAfterON", "0"}}},
        {"output general alarm", Outputs, 1, {{2, 3}}, {{"OutBehevior", "03"}}},
        {"output two addresses", Outputs, 1, {{1, 2}, {3, 2}, {5, 2}}, {{"CardAddr", "02"}, {"DlyB4ON", "1"}, {"TimeDelayUp2ON", "01"}, {"offTypeAfterON", "1"}, {"OutOnTimes", "01"}}},
        {"extinguish default", Outputs, 2, {}, {{"ExtType", "16"}, {"BaseType", "1"}, {"OutBehevior", "01"}, {"DlyB4ON", "1"}, {"TimeDelayUp2ON", "04"}, {"offTypeAfterON", "1"}, {"OutOnTimes", "1"}}},
        {"extinguish 60", Outputs, 2, {{2, 5}}, {{"TimeDelayUp2ON", "08"}}},
        {"extinguish at once", Outputs, 2, {{2, 1}}, {{"DlyB4ON", "0"}, {"TimeDelayUp2ON", "00"}}},
        {"relay 120/120", Outputs, 3, {{3, 5}, {5, 5}}, {{"ExtType", "16"}, {"BaseType", "3"}, {"TimeDelayUp2ON", "15"}, {"OutOnTimes", "15"}}},
        {"line relay 10", Outputs, 4, {{3, 2}}, {{"ExtType", "16"}, {"BaseType", "5"}, {"TimeDelayUp2ON", "01"}, {"CardAddr", "01"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        AddDevice(10, c.group, c.index, c.choices);
        const DeviceRecord& r = Rec(10);
        EXPECT_EQ(FieldOf(r, "Exist"), "1");
        EXPECT_EQ(FieldOf(r, "Address"), "010");
        for (const auto& [field, value] : c.fields) EXPECT_EQ(FieldOf(r, field), value) << field;

        // Read back: the panel on the stored record shows the same choices, and applying it
        // unchanged gives the same record.
        panel.EnableDevice(10);  // an occupied address opens only through its settings button
        EXPECT_FALSE(panel.Shown());
        const DeviceRecord stored = r;
        panel.DeviceSettings(10);
        ASSERT_TRUE(panel.Shown());
        ASSERT_NE(panel.ChosenType(), nullptr);
        EXPECT_EQ(panel.ChosenType()->index, c.index);
        std::vector<int> expected;
        for (int f = 1; f <= 5; ++f) expected.push_back(panel.Frame(f).def ? panel.Frame(f).def->defaultOption : 0);
        for (auto [f, k] : c.choices) expected[size_t(f - 1)] = k;
        // A timed output (switch-off type 1) shows neither silence choice.
        if (panel.Frame(5).def && expected[4] > 1) expected[3] = 0;
        EXPECT_EQ(Selections(), expected);
        panel.Apply();
        EXPECT_EQ(Rec(10), stored);
    }
}

TEST_F(TypePanelTest, OptionCountsFollowTheKind)
{
    const std::map<int, std::array<int, 6>> counts{
        {5, {0, 3, 2, 0, 0, 0}},  {6, {0, 13, 0, 0, 0, 0}}, {9, {0, 2, 3, 5, 2, 5}},  {19, {0, 2, 3, 5, 2, 5}},
        {21, {0, 2, 3, 5, 2, 5}}, {10, {0, 2, 0, 0, 0, 0}}, {23, {0, 2, 0, 0, 0, 0}}, {11, {0, 2, 2, 0, 0, 0}},
        {17, {0, 2, 5, 0, 0, 0}}, {7, {}}, {15, {}}, {29, {}}, {30, {}}, {12, {}}, {20, {}},
    };
    for (const auto& [kind, n] : counts) {
        const TypePanelTable::TypeDef* t = TypePanelTable::TypeOfKind(kind);
        ASSERT_NE(t, nullptr) << kind;
        EXPECT_EQ(TypePanelTable::OptionCounts(*t), n) << kind;
    }
    EXPECT_EQ(TypePanelTable::TypeOfKind(8), nullptr);
}

TEST_F(TypePanelTest, TypesOfferedForAFreeAddress)
{
    struct Offer {
        const char* name;
        int model;
        int address;
        std::vector<int> occupied;
        bool admin;
        std::vector<int> disabledInputs;
        std::vector<int> disabledOutputs;
    };
    const std::vector<Offer> cases{
        {"all free, administrator", 126, 10, {}, true, {}, {}},
        {"all free, ordinary", 126, 10, {}, false, {3, 11}, {4}},
        {"last address", 126, 126, {}, true, {8, 11}, {}},
        {"one before last", 126, 125, {}, true, {8}, {}},
        {"two before last", 126, 124, {}, true, {8}, {}},
        {"one before last, last occupied", 126, 125, {126}, true, {8, 11}, {}},
        {"next free, one after occupied", 126, 10, {12}, true, {8}, {}},
        {"third after occupied", 126, 10, {13}, true, {8}, {}},
        {"next occupied", 126, 10, {11}, true, {8, 11}, {}},
        {"next occupied, ordinary", 126, 10, {11}, false, {3, 8, 11}, {4}},
        {"last of a 50-address panel", 50, 50, {}, true, {8, 11}, {}},
    };
    for (const Offer& c : cases) {
        SCOPED_TRACE(c.name);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        MaxNumOfDevices = int16_t(c.model);
        AdminMode = c.admin;
        for (int a : c.occupied) Rec(a).Exist = "1";
        panel.EnableDevice(c.address);
        ASSERT_TRUE(panel.Shown());
        for (int i = 1; i <= 11; ++i)
            EXPECT_EQ(panel.TypeOption(In, i).enabled, std::find(c.disabledInputs.begin(), c.disabledInputs.end(), i) == c.disabledInputs.end()) << "input " << i;
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(panel.TypeOption(Out, i).enabled, std::find(c.disabledOutputs.begin(), c.disabledOutputs.end(), i) == c.disabledOutputs.end()) << "output " << i;
        // Exactly the types not offered look so, also after another type is chosen.
        for (int round = 0; round < 2; ++round, panel.ChooseType(Out, 1)) {
            for (int i = 1; i <= 11; ++i) EXPECT_EQ(panel.TypeOption(In, i).faded, !panel.TypeOption(In, i).enabled) << "input " << i;
            for (int i = 1; i <= 4; ++i) EXPECT_EQ(panel.TypeOption(Out, i).faded, !panel.TypeOption(Out, i).enabled) << "output " << i;
        }
        panel.ChooseType(In, 1);
        EXPECT_TRUE(panel.TypeOption(In, 1).chosen);
        panel.Cancel();
        EXPECT_FALSE(panel.NextAddrFree());
        EXPECT_FALSE(panel.Next3AddrFree());
    }
}

TEST_F(TypePanelTest, NewDeviceShowsSmokeDefaultsInBothLanguages)
{
    rows.names[10] = "KEPT NAME";
    panel.EnableDevice(10);
    EXPECT_EQ(panel.Heading(), "Device 10 - Smoke Detector");
    EXPECT_EQ(panel.ModelLine(), "HV-512-A-SH");
    EXPECT_EQ(panel.Note(), "Dip switch 8 OFF");
    EXPECT_EQ(panel.Frame(1).caption, "Sensitivity");
    EXPECT_EQ(panel.Frame(1).options[1].caption, "Medium");
    EXPECT_EQ(Selections(), (std::vector<int>{2, 1, 0, 0, 0}));
    EXPECT_EQ(panel.Name(), "KEPT NAME");
    EXPECT_FALSE(panel.StepButtonsShown());
    EXPECT_FALSE(panel.PanelExisting());
    const TypeOptionState& smoke = panel.TypeOption(In, 1);
    EXPECT_TRUE(smoke.bold);
    EXPECT_EQ(smoke.fontSize, 16);
    EXPECT_EQ(smoke.back, TypeBack::White);
    EXPECT_EQ(panel.TypeOption(Out, 1).back, TypeBack::TypeColour);
    EXPECT_TRUE(panel.TypeOption(Out, 1).whiteText);
    panel.Cancel();

    UILanguage = 1;
    languages::SetLanguage(1);
    panel.EnableDevice(10);
    EXPECT_EQ(panel.Heading(), QStringLiteral(u"התקן מס' 10 - גלאי עשן"));
    EXPECT_EQ(panel.Note(), QStringLiteral(u"מפסק מספר 8 במצב OFF"));
    EXPECT_EQ(panel.Frame(1).options[0].caption, QStringLiteral(u"נמוכה L"));
    panel.ChooseType(Out, 1);
    EXPECT_EQ(panel.Frame(5).caption, QStringLiteral(u"זמן פעולת התקן (שניות)"));
    EXPECT_EQ(panel.Frame(5).options[0].caption, QStringLiteral(u"עד אתחול"));
    const TypeOptionState& output = panel.TypeOption(Out, 1);
    EXPECT_EQ(output.fontSize, 20);
    EXPECT_FALSE(output.whiteText);
    EXPECT_FALSE(panel.TypeOption(In, 1).chosen);
    EXPECT_FALSE(panel.TypeOption(In, 1).bold);
}

TEST_F(TypePanelTest, ChoosingATypeRebuildsItsFrames)
{
    panel.EnableDevice(10);
    panel.ChooseType(In, 2);
    EXPECT_EQ(panel.OptionCount(1), 13);
    EXPECT_EQ(panel.Note(), "Dip switch 8 ON");
    EXPECT_EQ(panel.Frame(1).options[0].backColor, 0x00F7FFu);   // 58: orange-yellow
    EXPECT_EQ(panel.Frame(1).options[12].backColor, 0x0013FFu);  // 70: red
    panel.ChooseType(In, 5);
    EXPECT_EQ(panel.ModelLine(), "HV-230041-CPR-IN-02-LED (HV-CP-IN-A-LED)");
    EXPECT_EQ(panel.Note(), "");
    for (int f = 1; f <= 5; ++f) {
        EXPECT_EQ(panel.OptionCount(f), 0);
        EXPECT_EQ(panel.Frame(f).def, nullptr);
        EXPECT_EQ(panel.Frame(f).caption, "");
    }
}

TEST_F(TypePanelTest, ExistingDeviceShowsOnlyItsOwnType)
{
    AddDevice(5, Out, 1);
    rows.names[5] = "PUMP";
    // After a new device's panel, whose types not offered look faded.
    AdminMode = false;
    panel.EnableDevice(6);
    ASSERT_TRUE(panel.TypeOption(Out, 4).faded);
    panel.Cancel();
    panel.DeviceSettings(5);
    EXPECT_TRUE(panel.PanelExisting());
    EXPECT_TRUE(panel.StepButtonsShown());
    EXPECT_EQ(panel.Name(), "PUMP");
    for (int i = 1; i <= 11; ++i) {
        EXPECT_FALSE(panel.TypeOption(In, i).enabled);
        EXPECT_EQ(panel.TypeOption(In, i).back, TypeBack::Grey);
    }
    EXPECT_TRUE(panel.TypeOption(Out, 1).chosen);
    EXPECT_FALSE(panel.TypeOption(Out, 1).enabled);
    EXPECT_EQ(panel.TypeOption(Out, 1).back, TypeBack::White);
    EXPECT_EQ(panel.TypeOption(Out, 2).back, TypeBack::Grey);
    EXPECT_FALSE(panel.TypeOption(Out, 2).whiteText);
    // Disabled, yet shown in the colours above, not faded as a type not offered.
    for (int i = 1; i <= 11; ++i) EXPECT_FALSE(panel.TypeOption(In, i).faded) << "input " << i;
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(panel.TypeOption(Out, i).faded) << "output " << i;
    EXPECT_FALSE(panel.SmokeHeatSwitch());
    // The address choice of an existing device cannot change.
    EXPECT_FALSE(panel.Frame(1).options[0].enabled);
    EXPECT_FALSE(panel.Frame(1).options[1].enabled);
    // Opening again while shown changes nothing.
    panel.EnableDevice(20);
    panel.DeviceSettings(20);
    EXPECT_EQ(panel.PanelAddress(), 5);
    panel.Cancel();

    // A record of no kind the panel knows: nothing chosen, nothing shown.
    Rec(30).Exist = "1";
    Rec(30).ExtType = "08";
    Rec(30).BaseType = "0";
    panel.DeviceSettings(30);
    EXPECT_TRUE(panel.Shown());
    EXPECT_EQ(panel.ChosenType(), nullptr);
    EXPECT_EQ(panel.Heading(), "");
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(panel.TypeOption(Out, i).back, TypeBack::Grey);
}

TEST(TypePanelLayoutTest, SettingsFramesStackByScreenSize)
{
    const std::vector<int> small{1000, 2000, 3000, 4000, 5000}, big{1000, 2350, 3700, 5050, 6400};
    for (int f = 1; f <= 5; ++f) {
        EXPECT_EQ(TypePanelLayout::SettingsFrame(f, true), QRect(3300, small[size_t(f - 1)], 6900, 850)) << f;
        EXPECT_EQ(TypePanelLayout::SettingsFrame(f, false), QRect(3300, big[size_t(f - 1)], 6900, 1200)) << f;
    }
    // Five options share the frame's width less 400; the first starts at 200.
    EXPECT_EQ(TypePanelLayout::SettingsOption(1, 5, false), QRect(200, 400, 1300, 500));
    EXPECT_EQ(TypePanelLayout::SettingsOption(5, 5, true), QRect(5400, 300, 1300, 400));
    // Type options stack in equal slices, the template one slice above the frame.
    const QRect in = TypePanelLayout::InputTypes(false);
    EXPECT_EQ(in, QRect(150, 150, 3000, 8700));
    EXPECT_EQ(TypePanelLayout::TypeOption(in, 0, 11).top(), -790);
    EXPECT_EQ(TypePanelLayout::TypeOption(in, 11, 11).top(), 7900);
    EXPECT_EQ(TypePanelLayout::Ok(true), QRect(4350, 6325, 2000, 350));
}
