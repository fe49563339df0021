// Every kind of device added to an empty project through the devices window's type panel,
// committed, saved in the project file and read back, uploaded to the simulator's panel and
// downloaded again.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/CSetting.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "panellink/test_operations_support.h"
#include "projectfile/ProjectFile.h"

namespace {

using TypePanelTable::Inputs;
using TypePanelTable::Outputs;

class PanelProjectTest : public OperationsTest {
protected:
    void SetUp() override
    {
        OperationsTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        usrDataPath = dir.path() + "/";
        ProjectName = "Site";
        AdminMode = true;
        HighSens = 50, MediumSens = 65, LowSens = 85, High2Medium = 55, Medium2Low = 75;
        InputAlarmVal = 64, InputPREAlarmVal = 64;
    }
    void TearDown() override
    {
        AdminMode = false;
        OperationsTest::TearDown();
    }

    struct Add {
        int address;
        TypePanelTable::TypeGroup group;
        int index;
        std::vector<std::pair<int, int>> choices;
        std::vector<std::pair<int, int>> secondChoices;  // on the second panel of a two-address device
        QString name;
    };

    static void AddThroughPanel(frm6NamesAndSettings& w, const Add& a)
    {
        SCOPED_TRACE(a.address);
        TypePanelControls& p = w.TypePanelView();
        w.EnableDevice[size_t(a.address)]->click();
        ASSERT_FALSE(w.Picture3->isHidden());
        (a.group == Inputs ? p.Option1[size_t(a.index)] : p.Option2[size_t(a.index)])->click();
        for (auto [f, k] : a.choices) p.SettingOption(f, k)->click();
        if (!a.name.isEmpty()) {
            p.Text12->clear();
            QTest::keyClicks(p.Text12, a.name);
        }
        p.Command12->click();
        if (!w.Picture3->isHidden()) {
            for (auto [f, k] : a.secondChoices) p.SettingOption(f, k)->click();
            p.Command12->click();
        }
        ASSERT_TRUE(w.Picture3->isHidden());
    }

    // Both spellings of a number in a two-character field ("0" and "00") are the same value.
    static DeviceRecord Normalised(DeviceRecord r)
    {
        r.OutOnTimes = ZeroPad(ValInt(r.OutOnTimes), 2);
        r.TimeDelayUp2ON = ZeroPad(ValInt(r.TimeDelayUp2ON), 2);
        r.AlarmValue = ZeroPad(ValInt(r.AlarmValue), 3);
        r.PreAlarmValue = ZeroPad(ValInt(r.PreAlarmValue), 3);
        return r;
    }
    static void ExpectSameDevices(const std::array<DeviceRecord, MaxAddress + 1>& expected)
    {
        for (int a = 1; a <= MaxAddress; ++a)
            EXPECT_EQ(Normalised(DeviceDataArray[a]), Normalised(expected[a])) << "address " << a;
    }

    QTemporaryDir dir;
};

TEST_F(PanelProjectTest, EveryKindAddedThroughThePanelSurvivesFileAndPanel)
{
    const std::vector<Add> adds{
        {1, Inputs, 1, {{1, 1}, {2, 2}}, {}, "ENTRANCE"},
        {2, Inputs, 2, {{1, 4}}, {}, ""},
        {3, Inputs, 3, {}, {}, ""},
        {4, Inputs, 4, {}, {}, "CORRIDOR"},
        {5, Inputs, 5, {}, {}, ""},
        {6, Inputs, 6, {}, {}, ""},
        {7, Inputs, 7, {{1, 2}}, {}, "PUMP CARD"},
        {10, Inputs, 8, {}, {}, ""},
        {14, Inputs, 9, {}, {}, ""},
        {15, Inputs, 10, {{1, 2}}, {}, "SPRINKLER FLOW"},
        {16, Inputs, 11, {{2, 2}}, {{2, 1}}, ""},
        {18, Outputs, 1, {{1, 2}, {3, 3}, {4, 2}}, {{5, 4}}, "SIREN"},
        {20, Outputs, 2, {{1, 2}, {2, 5}}, {}, "GAS"},
        {22, Outputs, 3, {{2, 3}}, {}, ""},
        {23, Outputs, 4, {{3, 5}, {5, 5}}, {}, ""},
        {24, Inputs, 7, {}, {}, ""},
    };
    {
        frm6NamesAndSettings w;
        w.Command11->click();
        for (const Add& a : adds) AddThroughPanel(w, a);
        // An edit afterwards: the heat detector at 2 to 70 degrees.
        w.DeviceSettings[2]->click();
        w.TypePanelView().SettingOption(1, 13)->click();
        w.TypePanelView().Command12->click();
        EXPECT_EQ(w.Label3->text(), "Captured : 23 / Available : 103");
        prompter.Expect("Save data ?", Ui::vbYes);
        w.ExitCmd->click();
    }
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(NumOfDevices, "023");

    // What the apply rules give.
    const auto& d = DeviceDataArray;
    EXPECT_EQ(d[1].AlarmValue, "85");
    EXPECT_EQ(d[1].DeviceNeedVer, "1");
    EXPECT_EQ(d[1].DeviceName, "ENTRANCE");
    EXPECT_EQ(d[2].AlarmValue, "70");
    EXPECT_EQ(d[2].DeviceName, "HEAT DET    2");
    EXPECT_EQ(KindOf(d[8]), DeviceKind::AlarmFaultCard);
    EXPECT_EQ(d[8].CardAddr, "03");
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(d[10 + i].CardAddr, ZeroPad(i, 2));
    EXPECT_EQ(d[15].IsNotUseInAlarm, "1");
    EXPECT_EQ(d[16].IsNotUseInAlarm, "1");
    EXPECT_EQ(d[17].IsNotUseInAlarm, "0");
    EXPECT_EQ(d[18].offTypeAfterON, "2");
    EXPECT_EQ(d[18].TimeDelayUp2ON, "04");
    EXPECT_EQ(d[19].offTypeAfterON, "1");
    EXPECT_EQ(d[19].OutOnTimes, "11");
    EXPECT_EQ(d[20].TimeDelayUp2ON, "08");
    EXPECT_EQ(d[20].OutBehevior, "01");
    EXPECT_EQ(KindOf(d[21]), DeviceKind::Output);
    EXPECT_EQ(d[22].OutBehevior, "03");
    EXPECT_EQ(KindOf(d[23]), DeviceKind::LineRelay);
    EXPECT_EQ(d[23].OutOnTimes, "15");
    EXPECT_EQ(d[24].CardAddr, "01");
    const auto committed = DeviceDataArray;

    // The project file holds them.
    CSetting setting;
    ASSERT_TRUE(ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr));
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    ExpectSameDevices(committed);

    // The panel takes them and gives them back.
    Connect();
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
    ops.Upload2Sys_Click();
    ASSERT_EQ(prompter.Pending(), 0);
    ASSERT_FALSE(TransferError);
    ResetModule::ResetProject(true);
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0);
    ExpectSameDevices(committed);
}

}  // namespace
