// The administrator's single GET steps through the main window, when they cannot run or do not
// finish: the project, the file Update writes, the counts and the panel's identity on screen stay
// as they were, and the user is told once. The counts after a step that finished, and the
// identity on screen after a download that failed once it had read it.
#include <gtest/gtest.h>

#include "core/ProjectWhole.h"
#include "mainwindow/MainTexts.h"
#include "panellink/Frame.h"
#include "panellink/SystemBlocks.h"
#include "test_panelbuttons_fixture.h"

namespace {

const QString CableEnglish = QStringLiteral("Cable USB-RS232 not conneted to PC\r\nIf yes, please perform a manual search");
const QString CableHebrew = QStringLiteral(u"כבל USB-RS232 לא מחובר למחשב\r\nאם כן, נא לעשות חיפוש ידני");
const QString ComErrorEnglish = QStringLiteral("Com error\r\nCheck USB-RS232 cable connection");
const QString ComErrorHebrew = QStringLiteral(u"תקשורת לא תקינה\r\nהאם הכבל מחובר לבקרה ?");
// The port's own reason; in Hebrew the port's name and the settings keep their own direction.
const QString SettingsEnglish = QStringLiteral("Port COM1 (/dev/null) cannot use the settings \"\".");
const QString SettingsHebrew = QStringLiteral(u"היציאה \u2066COM1 (/dev/null)\u2069 אינה יכולה לעבוד בהגדרות \"\u2066\u2069\".");

// A named smoke detector at 5 in group 3, whose output is at 9; a night time and a remote panel.
void SiteProject()
{
    AddDevice(5, DeviceKind::SmokeDetector, QStringLiteral("LOBBY 5"));
    AddDevice(9, DeviceKind::Output, QStringLiteral("BELL 9"));
    GroupFromTo(3, 5, 9);
    OutGrpArray[3].GrpName = "LOBBY";
    NightStart = "2230";
    NightFinish = "0615";
    SysFlags2.NightEna = "1";
    RemoteUnits.Panel[1] = "1";
}

// A 126-address panel with other devices, names and groups than the project.
panelsim::PanelMemory OtherPanel(const char* more = "")
{
    const QByteArray text = QByteArray(R"(hardware 1.00
device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00
device 13 0D 1B 00 10 00 00 41 2D 00 00 00 00 00 00
device 20 14 25 00 10 00 00 40 40 00 00 00 00 00 00
name 12         12 EKOMS
name 20         20 NERIS
group 1 1 1 20 0 0 0 0 0
)") + more;
    panelsim::PanelMemory m;
    EXPECT_EQ(panelsim::LoadState(text, &m), QString());
    return m;
}

// The panel's identity as a download earlier in the session left it, in the project and on screen.
void DownloadedIdentity(frm4Main& w)
{
    VerComNum = "0120";
    VerSoftNum = "0175";
    VerHardNum = "0150";
    TechCode = "4711";
    ShowIdentity(VerComNum, VerSoftNum, VerHardNum, TechCode);
    w.ShowLinkView();
}

QStringList IdentityBoxes(const frm4Main& w)
{
    return {w.txtVerComNum->text(), w.txtVerSoftNum->text(), w.txtVerHardNum->text(), w.txtTechCode->text()};
}

// One step that cannot run or does not finish.
struct FailedStep {
    const char* name;
    int16_t lang;
    QPushButton* frm4Main::*button;
    bool port;                  // a port is chosen
    bool emptySettings;         // the first step after start-up: no communication settings yet
    panelsim::Faults faults;
    const char* panelMore;      // more of the panel's state
    // The port goes after the PC wrote this many frames (its request, then an acknowledgement of
    // each record); 0: never.
    int closeAfterFrames;
    QString box;                // the one box the step shows
    bool forgetsIdentity = false;  // the system step without a port: the identity shown unknown
};

void PrintTo(const FailedStep& c, std::ostream* os) { *os << c.name; }

panelsim::Faults Silent()
{
    panelsim::Faults f;
    f.silentAfter = 0;
    return f;
}

panelsim::Faults SpoiltReply(int n)
{
    panelsim::Faults f;
    f.badChecksumAt = n;
    return f;
}

// The file as Update wrote it, but for the time of the save.
QByteArray WithoutStamp(QByteArray file)
{
    const qsizetype at = file.indexOf("Updated=");
    if (at < 0) return file;
    return file.remove(at, file.indexOf('\r', at) - at);
}

class FailedStepTest : public PanelButtonsTest, public ::testing::WithParamInterface<FailedStep> {
protected:
    // Update pressed: the project written, its success box answered.
    void Save()
    {
        prompter.Expect(MainTexts::SavedInFile(UILanguage, ProjectFileName)->prompt, Ui::vbOK);
        window->UpDateCmd->click();
        ASSERT_EQ(prompter.Pending(), 0);
    }

    // The counts shown are the project's own.
    void ExpectCountsOnScreen() const
    {
        EXPECT_EQ(window->Label4->text(), Str(ProjectWhole::AddressesInUse(DeviceDataArray)));
        EXPECT_EQ(window->Label16->text(), Str(ProjectWhole::ActiveGroups(DeviceDataArray, OutGrpArray)));
    }
};

TEST_P(FailedStepTest, LeavesTheProjectTheFileAndTheCountsAsTheyWere)
{
    const FailedStep& c = GetParam();
    UILanguage = c.lang;
    languages::SetLanguage(c.lang);
    if (!c.port) {
        ports.clear();
        prompter.Expect(Ui::vbOK);  // the search at start finds no cable
    }
    frm4Main& w = Open(OtherPanel(c.panelMore), c.faults);
    ASSERT_EQ(w.comPort->CommPort, c.port ? 1 : 0);
    SiteProject();
    DownloadedIdentity(w);
    Save();
    ASSERT_FALSE(ProjectWhole::CheckProject().any()) << "a whole project before the click";
    QByteArray before = WithoutStamp(Bytes(ProjectPath()));
    ASSERT_TRUE(before.contains("COM-ver=01.20\r\nSOFT-ver=01.75\r\nHARD-ver=01.50\r\n"));
    QStringList boxes = IdentityBoxes(w);
    ASSERT_EQ(boxes, QStringList({"01.20", "01.75", "01.50", "4711"}));
    if (c.forgetsIdentity) {
        before.replace("COM-ver=01.20\r\nSOFT-ver=01.75\r\nHARD-ver=01.50\r\n",
                       "COM-ver=00.00\r\nSOFT-ver=00.00\r\nHARD-ver=00.00\r\n");
        boxes = QStringList{"xx.xx", "xx.xx", "xx.xx", "XXXX"};
    }
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;
    const QString label4 = w.Label4->text(), label16 = w.Label16->text();
    ASSERT_EQ(label4, "2");
    ASSERT_EQ(label16, "1");

    if (c.emptySettings) ::ComSettings.clear();
    if (c.closeAfterFrames > 0) {
        const int last = c.closeAfterFrames;
        port->onOutput = [this, deliver = port->onOutput, frames = 0, last](const QByteArray& bytes) mutable {
            deliver(bytes);
            if (++frames == last) port->SetPortOpen(false);
        };
    }
    const size_t shownBefore = prompter.Calls().size();
    prompter.Expect(c.box, Ui::vbOK);
    (w.*c.button)->click();
    ASSERT_EQ(prompter.Pending(), 0);
    ASSERT_EQ(prompter.Calls().size(), shownBefore + 1) << "told once, and nothing else";
    const Ui::MsgBoxCall& shown = prompter.Calls().back();
    EXPECT_EQ(shown.prompt, c.box);
    EXPECT_EQ(shown.rightToLeft(), c.lang == 1);
    EXPECT_TRUE(TransferError || !c.port);
    if (!c.port) {
        EXPECT_TRUE(port->outputs.empty()) << "nothing is sent";
    }

    EXPECT_EQ(DeviceDataArray, devices);
    EXPECT_EQ(OutGrpArray, groups);
    EXPECT_EQ(IdentityBoxes(w), boxes);
    EXPECT_EQ(w.Label4->text(), label4);
    EXPECT_EQ(w.Label16->text(), label16);
    ExpectCountsOnScreen();
    EXPECT_TRUE(w.TakesInput());
    Save();
    EXPECT_EQ(WithoutStamp(Bytes(ProjectPath())), before);
}

// Without a port: the table steps, the system step and the names step.
const FailedStep NoPort[] = {
    {"NoPortDevices", 2, &frm4Main::GET_DEVICE_DATA, false, false, {}, "", 0, CableEnglish},
    {"NoPortDevicesHebrew", 1, &frm4Main::GET_DEVICE_DATA, false, false, {}, "", 0, CableHebrew},
    {"NoPortGroups", 2, &frm4Main::GET_OUT_GRP, false, false, {}, "", 0, CableEnglish},
    {"NoPortSystem", 2, &frm4Main::GET_DATA_SYS, false, false, {}, "", 0, CableEnglish, true},
    {"NoPortNamesHebrew", 1, &frm4Main::GET_DEVICE_NAME, false, false, {}, "", 0, CableHebrew},
};
INSTANTIATE_TEST_SUITE_P(NoPort, FailedStepTest, ::testing::ValuesIn(NoPort),
                         [](const auto& info) { return std::string(info.param.name); });

// With a port, a step that does not finish.
const FailedStep NotFinished[] = {
    {"EmptySettingsDevices", 2, &frm4Main::GET_DEVICE_DATA, true, true, {}, "", 0, SettingsEnglish},
    {"EmptySettingsGroupsHebrew", 1, &frm4Main::GET_OUT_GRP, true, true, {}, "", 0, SettingsHebrew},
    {"SilentPanelDevices", 2, &frm4Main::GET_DEVICE_DATA, true, false, Silent(), "", 0, ComErrorEnglish},
    {"SilentPanelGroupsHebrew", 1, &frm4Main::GET_OUT_GRP, true, false, Silent(), "", 0, ComErrorHebrew},
    {"SilentPanelSystem", 2, &frm4Main::GET_DATA_SYS, true, false, Silent(), "", 0, ComErrorEnglish},
    {"SilentPanelSystemHebrew", 1, &frm4Main::GET_DATA_SYS, true, false, Silent(), "", 0, ComErrorHebrew},
    {"EmptySettingsSystem", 2, &frm4Main::GET_DATA_SYS, true, true, {}, "", 0, SettingsEnglish},
    {"PortClosedHalfWaySystem", 2, &frm4Main::GET_DATA_SYS, true, false, {}, "", 1, ComErrorEnglish},
    {"SpoiltRecordRefusedDevices", 2, &frm4Main::GET_DEVICE_DATA, true, false, SpoiltReply(3), "", 0, ComErrorEnglish},
    {"RefusedGroupRecord", 2, &frm4Main::GET_OUT_GRP, true, false, {}, "group 3 1 7 9 0 0 0 0 0\n", 0, ComErrorEnglish},
    {"PortClosedHalfWayDevices", 2, &frm4Main::GET_DEVICE_DATA, true, false, {}, "", 3, ComErrorEnglish},
    {"PortClosedHalfWayGroupsHebrew", 1, &frm4Main::GET_OUT_GRP, true, false, {}, "", 6, ComErrorHebrew},
};
INSTANTIATE_TEST_SUITE_P(NotFinished, FailedStepTest, ::testing::ValuesIn(NotFinished),
                         [](const auto& info) { return std::string(info.param.name); });

// The system step without a port still shows the panel's identity as unknown.
TEST_F(PanelButtonsTest, SystemStepWithoutAPortShowsTheIdentityUnknown)
{
    ports.clear();
    prompter.Expect("Cable USB-RS232 not connected to PC", Ui::vbOK);
    frm4Main& w = Open();
    VerSoftNum = "0200";
    prompter.Expect(CableEnglish, Ui::vbOK);
    w.GET_DATA_SYS->click();
    ASSERT_EQ(prompter.Pending(), 0);
    for (const QLineEdit* box : {w.txtVerComNum, w.txtVerSoftNum, w.txtVerHardNum}) EXPECT_EQ(box->text(), "xx.xx");
    EXPECT_EQ(w.txtTechCode->text(), "XXXX");
    for (const QString* id : {&VerComNum, &VerSoftNum, &VerHardNum, &TechCode}) EXPECT_EQ(*id, "0000");
}

// The devices step, then the groups step: the counts on screen follow each at once.
TEST_F(PanelButtonsTest, FinishedTableStepsShowTheNewCounts)
{
    frm4Main& w = Open(OtherPanel("group 3 1 1 201 0 0 0 0 0\n"));
    SiteProject();
    prompter.Expect("successfully saved", Ui::vbOK);
    w.UpDateCmd->click();
    ASSERT_EQ(w.Label4->text(), "2");
    ASSERT_EQ(w.Label16->text(), "1");

    // Group 3's output is gone with the project's devices: one warning names it.
    prompter.Expect("Groups: 3", Ui::vbOK);
    w.GET_DEVICE_DATA->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(w.Label4->text(), "3");
    EXPECT_EQ(w.Label16->text(), "0");

    w.GET_OUT_GRP->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(w.Label4->text(), "3");
    EXPECT_EQ(w.Label16->text(), "2");
    EXPECT_EQ(w.Label16->text(), Str(NumOfActiveGroups));
}

}  // namespace

namespace {

// A step that does not finish on a project that disagreed before the click: the failure is told,
// and no warning about the places follows it.
struct StepOnDisagreeing {
    const char* name;
    QPushButton* frm4Main::*button;
    bool emptySettings;    // else the port goes after the step's request
    QString box;
};

void PrintTo(const StepOnDisagreeing& c, std::ostream* os) { *os << c.name; }

class StepOnDisagreeingTest : public PanelButtonsTest, public ::testing::WithParamInterface<StepOnDisagreeing> {};

TEST_P(StepOnDisagreeingTest, ShowsTheFailureAlone)
{
    const StepOnDisagreeing& c = GetParam();
    frm4Main& w = Open(OtherPanel());
    SiteProject();
    prompter.Expect("Groups: 3", Ui::vbOK);
    w.GET_DEVICE_DATA->click();
    ASSERT_EQ(prompter.Pending(), 0);
    ASSERT_TRUE(ProjectWhole::CheckProject().any()) << "group 3's output is gone with the project's devices";
    const auto devices = DeviceDataArray;
    const auto groups = OutGrpArray;

    if (c.emptySettings) ::ComSettings.clear();
    else
        port->onOutput = [this, deliver = port->onOutput](const QByteArray& bytes) {
            deliver(bytes);
            port->SetPortOpen(false);
        };
    const size_t shownBefore = prompter.Calls().size();
    prompter.Expect(c.box, Ui::vbOK);
    (w.*c.button)->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), shownBefore + 1) << "the failure alone";
    EXPECT_EQ(prompter.Calls().back().prompt, c.box);
    EXPECT_EQ(DeviceDataArray, devices);
    EXPECT_EQ(OutGrpArray, groups);
}

INSTANTIATE_TEST_SUITE_P(
    EveryReadOfABlock, StepOnDisagreeingTest,
    ::testing::Values(StepOnDisagreeing{"GroupsEmptySettings", &frm4Main::GET_OUT_GRP, true, SettingsEnglish},
                      StepOnDisagreeing{"GroupsPortLost", &frm4Main::GET_OUT_GRP, false, ComErrorEnglish},
                      StepOnDisagreeing{"DevicesPortLost", &frm4Main::GET_DEVICE_DATA, false, ComErrorEnglish},
                      StepOnDisagreeing{"SystemPortLost", &frm4Main::GET_DATA_SYS, false, ComErrorEnglish},
                      StepOnDisagreeing{"NamesEmptySettings", &frm4Main::GET_DEVICE_NAME, true, SettingsEnglish}),
    [](const auto& info) { return std::string(info.param.name); });

// A download that fails after it read the panel's identity leaves the identity on screen as it
// was before the click, as it leaves the project.
struct FailedDownload {
    const char* name;
    QString firmware;
    int silentAfter;  // frames the panel sends before it falls silent; -1: never
    int lastRequest;  // the block asked for last when the download fails
    QString box;
};

void PrintTo(const FailedDownload& c, std::ostream* os) { *os << c.name; }

// The block codes of the requests among what the PC wrote, the last first.
QList<int> Requests(const std::vector<QByteArray>& written)
{
    QList<int> codes;
    for (const QByteArray& frame : written)
        for (const int code : {Frame::B2, Frame::BC, Frame::B6, Frame::B7, Frame::B5})
            if (frame == FixedFrame(code)) codes.prepend(code);
    return codes;
}

class FailedDownloadTest : public PanelButtonsTest, public ::testing::WithParamInterface<FailedDownload> {};

TEST_P(FailedDownloadTest, KeepsTheIdentityOnScreen)
{
    const FailedDownload& c = GetParam();
    panelsim::Faults faults;
    faults.silentAfter = c.silentAfter;
    frm4Main& w = Open(OtherPanel(("firmware " + c.firmware + "\ntech 1234\n").toLatin1().constData()), faults);
    SiteProject();
    DownloadedIdentity(w);
    const auto devices = DeviceDataArray;
    const QStringList identity{VerComNum, VerSoftNum, VerHardNum, TechCode};

    // The identity the window showed when it told the failure, and the last block asked for.
    QString shownAtTheFailure;
    int lastRequest = 0;
    onPrompt = [&](const Ui::MsgBoxCall& call) {
        if (!call.prompt.startsWith(c.box)) return;
        shownAtTheFailure = w.txtVerSoftNum->text();
        lastRequest = Requests(port->outputs).value(0);
    };
    ExpectConnectionQuestion();
    prompter.Expect("will replace the data in the project", Ui::vbOK);
    prompter.Expect(c.box, Ui::vbOK);
    w.Download2PC->click();
    ASSERT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(shownAtTheFailure, c.firmware.rightJustified(5, u'0')) << "failed after the identity was read";
    EXPECT_EQ(lastRequest, c.lastRequest);
    EXPECT_TRUE(prompter.Calls().back().prompt.endsWith("The project was not changed."));
    EXPECT_EQ(IdentityBoxes(w), QStringList({"01.20", "01.75", "01.50", "4711"}));
    EXPECT_EQ(QStringList({VerComNum, VerSoftNum, VerHardNum, TechCode}), identity);
    EXPECT_EQ(DeviceDataArray, devices);
}

INSTANTIATE_TEST_SUITE_P(
    AfterTheIdentity, FailedDownloadTest,
    ::testing::Values(FailedDownload{"SilentInTheDeviceBlock", "2.00", 6, Frame::B6, ComErrorEnglish},
                      FailedDownload{"RefusedFirmware", "3.01", -1, Frame::B2,
                                     "Please contact the company to check validity of the software"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
