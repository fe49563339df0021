// The main card settings from the user's clicks to the project file and to the panel: the main
// window opens the settings window, the user changes every setting and answers Yes, saves the
// project and uploads it to the simulator's panel on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "configeditors/frm5CardSettings.h"
#include "mainwindow/test_admin_fixture.h"
#include "panellink/test_operations_support.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/PanelOnPty.h"

using namespace CardSettings;

namespace {

class CardSettingsUploadTest : public AdminWindowTest {
protected:
    void SetUp() override
    {
        AdminWindowTest::SetUp();
        Clock::SetCurrent(nullptr);  // real time on the real serial layer
        languages::SetLanguage(2);
        NumOfActiveGroups = 0;
    }

    // Opens the settings window from the main window's System button and runs `drive` in it.
    void InSettingsWindow(frm4Main& w, const std::function<void(frm5CardSettings&)>& drive)
    {
        modal.Expect("frm5CardSettings", [&](QWidget& window) { drive(dynamic_cast<frm5CardSettings&>(window)); });
        w.SysSetBttn->click();
        ASSERT_EQ(modal.Pending(), 0);
    }

    static QString FileText(const QString& path) { return QString::fromLatin1(Bytes(path)); }

    ModalDriver modal;
};

// Every setting away from what the project holds; the order matters only for the fault relay,
// which must be regular before two events can be chosen.
const std::vector<std::pair<Pair, int>> Changes{
    {Panel1OnOff, 1},           {Panel2OnOff, 1},          {PS1OnOff, 1},           {PS2OnOff, 1},
    {SysFlags2RlyA1Silence, 1}, {SysFlags2RlyA1NotSys, 1}, {SysFlags2RlyA2NotSys, 1}, {SysFlagsSlave, 0},
    {SysFlags2RlyFltStart, 1},  {SysFlagsLoopSysStat, 1},  {SysFlagsSilenceWithCod, 0}, {SysFlagsLF_NO, 0},
    {SysFlags2DialerANotSys, 1},
};

TEST_F(CardSettingsUploadTest, EverySettingChangedReachesTheFileAndThePanelAndNoKeepsThem)
{
    PanelOnPty sim;
    ASSERT_TRUE(sim.Opened());
    ports = {{1, sim.Path(), QStringLiteral("USB Serial Port (pseudo-terminal %1)").arg(sim.Path())}};
    frm4Main w;
    ASSERT_EQ(w.comPort->CommPort, 1) << "the load's search found the simulator";
    // Slow keeps the presets off the boxes; no pauses between polls.
    w.ManualDelays[1]->setChecked(true);
    for (QLineEdit* box : {w.FullStr, w.FullStr2}) {
        box->clear();
        QTest::keyClicks(box, "0");
    }
    // A reversed fault relay, and the hidden sections holding what a download may leave.
    SysFlags.Slave = "1";
    SysFlags.ResetWithCod = "0";
    SysFlags.Spare = "1";
    SysFlags2.NightEna = "1";
    SysFlags2.VrstDly = "1";
    NightStart = "2230";
    NightFinish = "0615";
    NumOfSys = "05";
    AddDevice(1, DeviceKind::SmokeDetector, QStringLiteral("LOBBY"));
    NumOfDevices = "001";

    InSettingsWindow(w, [&](frm5CardSettings& s) {
        ASSERT_FALSE(s.Option(SysFlags2RlyFltStart, 1)->isEnabled()) << "locked while the relay is reversed";
        for (const auto& [pair, k] : Changes) {
            ASSERT_FALSE(s.Option(pair, k)->isChecked()) << Info(pair).name << " is a change";
            s.Option(pair, k)->click();
        }
        EXPECT_TRUE(s.Option(SysFlags2DialerFAsAlarm, 1)->isChecked()) << "dragged by the AL pair";
        prompter.Expect("Save data ?", Ui::vbYes);
        s.Command2->click();
    });
    EXPECT_TRUE(DataChanged);

    prompter.Expect("successfully saved", Ui::vbOK);
    w.UpDateCmd->click();
    ASSERT_EQ(prompter.Pending(), 0);
    const QString file = FileText(ProjectPath());
    EXPECT_TRUE(file.contains("SYSCFG=00-004-1-0-0-0-0-1-1-1-1-1-1-0-0-0000-0000-01")) << file.toStdString();
    for (const char* key : {"Panel 01=1", "Panel 02=1", "PS 01=1", "PS 02=1"}) EXPECT_TRUE(file.contains(key)) << key;

    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
    w.Upload2Sys->click();
    ASSERT_EQ(prompter.Pending(), 0);

    // No: the user changes everything back and discards it.
    const SysFlagsRecord flags = SysFlags;
    const SysFlags2Record flags2 = SysFlags2;
    const RemoteUnitsRecord units = RemoteUnits;
    InSettingsWindow(w, [&](frm5CardSettings& s) {
        for (const auto& [pair, k] : Changes) s.Option(pair, 1 - k)->click();
        prompter.Expect("Save data ?", Ui::vbNo);
        s.Command1->click();
    });
    EXPECT_FALSE(DataChanged);
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(RemoteUnits, units);

    // The file reads back as saved.
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(RemoteUnits, units);

    // The panel: reset with code and class A (0000 1100); every SysFlags2 flag but the night mode and
    // the VRST delay (0011 1111); no night times; all four remote units.
    const panelsim::PanelMemory& panel = sim.Panel().Memory();
    EXPECT_EQ(panel.sysFlags1, 0x0C);
    EXPECT_EQ(panel.sysFlags2, 0x3F);
    EXPECT_EQ(panel.nightStartHour, 0);
    EXPECT_EQ(panel.nightStartMinute, 0);
    EXPECT_EQ(panel.nightFinishHour, 0);
    EXPECT_EQ(panel.nightFinishMinute, 0);
    EXPECT_EQ(panel.remote, (std::array<uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_TRUE(panel.DeviceInUse(1));
}

}  // namespace
