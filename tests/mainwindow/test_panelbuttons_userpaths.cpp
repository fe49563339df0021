// What a user made, taken through the windows and the simulator's panel and back: card settings
// changed before a history download, and names imported in mixed case.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "configeditors/frm5CardSettings.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "panellink/SystemBlocks.h"
#include "projectfile/ProjectFile.h"
#include "test_panelbuttons_fixture.h"

using namespace CardSettings;

namespace {

class UserPathsTest : public PanelButtonsTest {
protected:
    void Upload()
    {
        ExpectConnectionQuestion();
        prompter.Expect("Data transfer completed successfully", Ui::vbOK);
        prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
        window->Upload2Sys->click();
        ASSERT_EQ(prompter.Pending(), 0);
    }

    // The devices window from the main window's button; `drive` runs in it, then it closes with
    // Yes to "Save data ?" when `save` is set.
    void InDevicesWindow(const std::function<void(frm6NamesAndSettings&)>& drive, bool save)
    {
        modal.Expect("frm6NamesAndSettings", [&](QWidget& w) {
            auto& devices = dynamic_cast<frm6NamesAndSettings&>(w);
            drive(devices);
            prompter.Expect("Save data ?", save ? Ui::vbYes : Ui::vbNo);
            devices.SaveBttn->click();
        });
        window->DevicesSetBttn->click();
        ASSERT_EQ(modal.Pending(), 0);
        ASSERT_EQ(prompter.Pending(), 0);
    }

    ModalDriver modal;
};

TEST_F(UserPathsTest, CardSettingsChangedBeforeAHistoryDownloadReachTheFileAndThePanel)
{
    panelsim::PanelMemory m;
    panelsim::Event e;
    e.devNo = 1;
    m.events.push_back(e);
    const uint8_t panelFlags1 = m.sysFlags1, panelFlags2 = m.sysFlags2;
    frm4Main& w = Open(m);
    AddDevice(1, DeviceKind::SmokeDetector, QStringLiteral("LOBBY"));

    modal.Expect("frm5CardSettings", [&](QWidget& window) {
        auto& s = dynamic_cast<frm5CardSettings&>(window);
        for (const auto& [pair, k] : std::vector<std::pair<Pair, int>>{
                 {SysFlagsLoopSysStat, 1}, {SysFlags2RlyA1Silence, 1}, {SysFlags2DialerANotSys, 1}, {Panel1OnOff, 1}}) {
            ASSERT_FALSE(s.Option(pair, k)->isChecked()) << Info(pair).name << " is a change";
            s.Option(pair, k)->click();
        }
        prompter.Expect("Save data ?", Ui::vbYes);
        s.Command2->click();
    });
    w.SysSetBttn->click();
    ASSERT_EQ(modal.Pending(), 0);
    const SysFlagsRecord flags = SysFlags;
    const SysFlags2Record flags2 = SysFlags2;
    const RemoteUnitsRecord units = RemoteUnits;
    const auto sent = EncodeDataSys();
    ASSERT_TRUE(sent.has_value());
    ASSERT_TRUE(uint8_t(sent->at(1)) != panelFlags1 && uint8_t(sent->at(2)) != panelFlags2)
        << "the settings differ from the panel's";

    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.HISTORY_A->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_FALSE(HistoryLines[1].isEmpty());
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(w.txtVerSoftNum->text(), "02.00") << "the panel's identity is shown";

    Upload();
    const panelsim::PanelMemory& panelNow = panel->Memory();
    EXPECT_EQ(panelNow.sysFlags1, uint8_t(sent->at(1)));
    EXPECT_EQ(panelNow.sysFlags2, uint8_t(sent->at(2)));
    EXPECT_EQ(panelNow.remote, (std::array<uint8_t, 4>{1, 0, 0, 0}));

    // The file the upload saved holds them too.
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(RemoteUnits, units);
}

TEST_F(UserPathsTest, NamesImportedInMixedCaseComeBackFromThePanelAsTheWindowShowedThem)
{
    frm4Main& w = Open();
    AddDevice(3, DeviceKind::SmokeDetector, QStringLiteral("OLD 3"));
    AddDevice(7, DeviceKind::Output, QStringLiteral("OLD 7"));
    AddDevice(9, DeviceKind::InputDevice, QStringLiteral("OLD 9"));
    WriteBytes(usrDataPath + ProjectName + ".csv",
               QByteArray("3,Lobby East 2\r\n7,stairs b-wing\r\n9,Door.Rear/x\r\n"));
    const std::map<int, QString> shown{{3, "LOBBY EAST 2"}, {7, "STAIRS B-WING"}, {9, "DOOR.REAR/X"}};

    InDevicesWindow(
        [&](frm6NamesAndSettings& d) {
            prompter.Expect(Ui::vbYes);
            prompter.Expect(QStringLiteral(u"כל השמות הועברו בהצלחה"), Ui::vbOK);
            d.Command7->click();
            for (const auto& [a, name] : shown) EXPECT_EQ(d.NewName[size_t(a)]->text(), name) << a;
        },
        true);
    for (const auto& [a, name] : shown) EXPECT_EQ(DeviceDataArray[a].DeviceName.str().trimmed(), name) << a;
    // A name an older file kept in lower case loses no letter either.
    AddDevice(12, DeviceKind::InputDevice, QStringLiteral("Cellar 4"));

    Upload();
    ExpectConnectionQuestion();
    prompter.Expect("will replace the data in the project", Ui::vbOK);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.Download2PC->click();
    ASSERT_EQ(prompter.Pending(), 0);

    for (const auto& [a, name] : shown) EXPECT_EQ(DeviceDataArray[a].DeviceName.str(), name.leftJustified(16)) << a;
    EXPECT_EQ(DeviceDataArray[12].DeviceName.str(), QStringLiteral("CELLAR 4").leftJustified(16));
    InDevicesWindow(
        [&](frm6NamesAndSettings& d) {
            for (const auto& [a, name] : shown) EXPECT_EQ(d.NewName[size_t(a)]->text(), name) << a;
        },
        false);
}

}  // namespace
