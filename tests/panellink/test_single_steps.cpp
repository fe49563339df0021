// The administrator's single GET steps against the simulator's panel: each changes its own block
// only and keeps what the panel sent. Read one by one, in the download's order or with the groups
// first, the blocks of a whole panel leave what a download leaves. A panel whose blocks contradict
// each other is named in one warning per step; the windows then still open and delete, and the
// upload check refuses the project.
#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "DevicesWindowRows.h"
#include "ProjectBlocks.h"
#include "RandomProject.h"
#include "configeditors/frm8Groups.h"
#include "core/FieldRanges.h"
#include "core/PlacesMessage.h"
#include "core/ProjectWhole.h"
#include "panellink/DeviceBlock.h"
#include "panellink/NameBlock.h"
#include "panellink/UploadCheck.h"
#include "test_operations_support.h"
#include "tools/panelsim/PanelBlocks.h"

namespace {

using panelsim::PanelMemory;
using RandomProject::Pick;

// One GET button and the blocks it may change: its own, and what its preparation and decoder
// change besides (the devices step empties the records, names included, and its decoder sets
// the loop class; the table steps recount).
struct GetStep {
    const char* name;
    void (PanelOperations::*click)();
    std::vector<ProjectBlock> changes;
};
const GetStep SysStep{"GET_DATA_SYS", &PanelOperations::GET_DATA_SYS_Click, {ProjectBlock::System}};
const GetStep SubStep{"GET_SUB_DATA", &PanelOperations::GET_SUB_DATA_Click, {ProjectBlock::Remote}};
const GetStep DeviceStep{"GET_DEVICE_DATA", &PanelOperations::GET_DEVICE_DATA_Click,
                         {ProjectBlock::Devices, ProjectBlock::Names, ProjectBlock::LoopClass, ProjectBlock::Counts}};
const GetStep NameStep{"GET_DEVICE_NAME", &PanelOperations::GET_DEVICE_NAME_Click, {ProjectBlock::Names}};
const GetStep GroupStep{"GET_OUT_GRP", &PanelOperations::GET_OUT_GRP_Click, {ProjectBlock::Groups, ProjectBlock::Counts}};

DeviceRecord EmptyRecord(int a)
{
    DeviceRecord r;
    ResetModule::ResetRecord(r, a);
    return r;
}

// The panel that holds the shared project (addresses up to the model), with random system
// settings and remote units in range, as an upload of that project leaves it.
PanelMemory PanelHolding(std::mt19937& rng, int hardware)
{
    PanelMemory m;
    m.hardware = hardware;
    for (int a = 1; a <= MaxNumOfDevices; ++a) {
        const DeviceRecord& r = DeviceDataArray[a];
        if (r.Exist != "1") continue;
        m.devices[a] = *EncodeDeviceRecord(a, r);
        m.names[a] = EncodeNameRecord(a, r.DeviceName.str()).mid(2);
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        const OutGrpRecord& r = OutGrpArray[g];
        m.groups[g].trigger = uint8_t(ValInt(r.Trigger.str()));
        m.groups[g].count = uint8_t(ValInt(r.OutCount.str()));
        for (int o = 1; o <= MaxOutputsPerGroup; ++o) m.groups[g].outputs[size_t(o - 1)] = uint8_t(ValInt(r.OutAddr[o].str()));
    }
    m.sysByte1 = uint8_t(Pick(rng, 10));
    m.sysFlags1 = uint8_t((rng() & 0xF8) | (3 + Pick(rng, 2)));
    m.sysFlags2 = uint8_t(rng());
    m.nightStartHour = uint8_t(Pick(rng, 24));
    m.nightStartMinute = uint8_t(Pick(rng, 60));
    m.nightFinishHour = uint8_t(Pick(rng, 24));
    m.nightFinishMinute = uint8_t(Pick(rng, 60));
    for (uint8_t& u : m.remote) u = uint8_t(Pick(rng, 2));
    return m;
}

// A panel of random records whose blocks contradict each other: records of random kinds,
// positions and links (nearly all of them ones the decoder takes), names of random characters,
// groups listing random addresses with random triggers, system bytes and remote units out of range.
PanelMemory HostilePanel(std::mt19937& rng, int hardware)
{
    PanelMemory m;
    m.hardware = hardware;
    for (int a = 1; a <= MaxAddress; ++a) {
        if (Pick(rng, 3)) continue;
        QByteArray r(DeviceRecordBytes, '\0');
        for (char& c : r) c = char(rng());
        r[0] = char(a);
        r[1] = char(r[1] | 1);  // in use
        if (Pick(rng, 30)) r[3] = char((r[3] & 0x0F) | (Pick(rng, 4) << 4));
        r[8] = char(Pick(rng, 5));
        for (int k = 9; k < 13; ++k) r[k] = char(Pick(rng, 32));
        m.devices[a] = r;
        QByteArray name(panelsim::NameSize, ' ');
        for (char& c : name) c = char(32 + Pick(rng, 91));
        m.names[a] = name;
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        m.groups[g].trigger = uint8_t(Pick(rng, 5));
        m.groups[g].count = uint8_t(Pick(rng, 7));
        for (uint8_t& o : m.groups[g].outputs) o = Pick(rng, 2) ? uint8_t(Pick(rng, 127)) : uint8_t(rng());
    }
    m.sysFlags1 = uint8_t(rng());
    m.sysFlags2 = uint8_t(rng());
    m.nightStartHour = uint8_t(rng());
    m.nightFinishMinute = uint8_t(rng());
    for (uint8_t& u : m.remote) u = uint8_t(Pick(rng, 3));
    return m;
}

// The groups window opens on the project as it stands, shows every group and deletes it; Yes
// leaves no group in use. (Every box is answered Yes.)
void DeleteEveryGroup()
{
    {
        frm8Groups groups;
        for (int g = 1; g <= MaxGroups; ++g) {
            groups.GroupSelectted[size_t(g)]->click();
            ASSERT_EQ(groups.ShownGroup(), g);
            groups.Command1->click();
            EXPECT_EQ(groups.GroupInputDevices[size_t(g)]->count() + groups.GroupOutputDevices[size_t(g)]->count(), 0) << g;
        }
        groups.close();
    }
    for (int g = 1; g <= MaxGroups; ++g) EXPECT_EQ(OutGrpArray[g].OutCount, "0") << g;
}

// The devices window opens with every row as a fresh opening shows it, and every device goes
// with its delete button, the rows fresh after each; Yes leaves no device.
void DeleteEveryDevice()
{
    {
        frm6NamesAndSettings devices;
        devices.Command11->click();
        EXPECT_EQ(DevicesRows::FirstStaleRow(devices), QString()) << "opening";
        for (int a = 1; a <= devices.Editor().Count() && !::testing::Test::HasFailure(); ++a) {
            if (!devices.ExistDeviceYesNo[size_t(a)]->isChecked()) continue;
            // The row's own button, or the one of the device it belongs to.
            int first = a;
            while (first > 1 && devices.DisableDevice[size_t(first)]->isHidden()) --first;
            devices.DisableDevice[size_t(first)]->click();
            EXPECT_FALSE(devices.ExistDeviceYesNo[size_t(a)]->isChecked()) << "address " << a << " is deletable";
            EXPECT_EQ(DevicesRows::FirstStaleRow(devices), QString()) << "after deleting " << a;
        }
        devices.close();
    }
    EXPECT_EQ(ProjectWhole::AddressesInUse(DeviceDataArray), 0);
}

class SingleStepsTest : public OperationsTest {
protected:
    void SetUp() override
    {
        OperationsTest::SetUp();
        // Every box is answered Yes and kept, with the step that showed it.
        Ui::SetPrompter([this](const Ui::MsgBoxCall& c) {
            boxes.push_back(c);
            return int(Ui::vbYes);
        });
    }

    // Runs one step; the boxes it showed.
    std::vector<Ui::MsgBoxCall> Run(const GetStep& s)
    {
        boxes.clear();
        (ops.*s.click)();
        return boxes;
    }

    // The model as the panel's hardware gives it; the project as a new one.
    void FreshProject(int maxDevices)
    {
        MaxNumOfDevices = int16_t(maxDevices);
        ResetModule::ResetProject(true);
        ProjectLoaded = false;
        NumOfActiveGroups = 0;
    }

    static QString StepHeading() { return PlacesMessage(UILanguage, PlacesSource::Step, {}).prompt.section("\r\n", 0, 0); }
    static int StepWarnings(const std::vector<Ui::MsgBoxCall>& shown)
    {
        return int(std::count_if(shown.begin(), shown.end(), [](const Ui::MsgBoxCall& c) { return c.prompt.startsWith(StepHeading()); }));
    }

    std::vector<Ui::MsgBoxCall> boxes;
};

// A panel whose group 3 has trigger 1 and the outputs 9 and 201, with its input at 4 and its
// output at 9.
PanelMemory SiteWithGroupThree()
{
    PanelMemory m;
    m.devices[4] = QByteArray::fromHex("045F001000004040010200000000");  // an input in group 3
    m.devices[9] = QByteArray::fromHex("0925001000006363000000000000");  // an output
    m.groups[3] = {1, 2, {9, 201, 0, 0, 0, 0}};
    return m;
}

TEST_F(SingleStepsTest, GroupsReadBeforeTheDevicesKeepTheirOutputsAndTriggersAndSaySoOnce)
{
    struct Case {
        int16_t lang;
        QString warning;
    };
    const Case cases[] = {
        {2, "Some values read from the system were invalid and were replaced, or do not agree with the rest of the "
            "project:\r\nGroups: 3\r\nPlease check them before the project is sent to the system."},
        {1, QStringLiteral(u"חלק מהערכים שנקראו מהבקרה לא היו תקינים והוחלפו, או שאינם מתאימים לשאר הפרויקט:\r\n"
                           u"קבוצות הפעלה: 3\r\nנא לבדוק אותם לפני שליחת הפרויקט לבקרה.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        FreshProject(126);
        UILanguage = c.lang;
        // The project holds the input of group 3, not yet its output.
        AddDevice(4, DeviceKind::InputDevice, "DOOR 4");
        DeviceDataArray[4].NumOfGroups = "01";
        DeviceDataArray[4].Grp[1] = "03";
        DeviceDataArray[4].WithAlarmGroup = "1";
        Connect(SiteWithGroupThree());
        const auto shown = Run(GroupStep);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].prompt, c.warning);
        EXPECT_EQ(shown[0].title, c.lang == 1 ? QStringLiteral(u"אזהרה") : QStringLiteral("Warning"));
        EXPECT_EQ(shown[0].rightToLeft(), c.lang == 1);
        const OutGrpRecord& g3 = OutGrpArray[3];
        EXPECT_EQ(g3.Trigger, "1");
        EXPECT_EQ(g3.OutCount, "2");
        EXPECT_EQ(g3.OutAddr[1], "009");
        EXPECT_EQ(g3.OutAddr[2], "201");
        EXPECT_EQ(NumOfActiveGroups, 1);

        // Refused by the upload check, which names the group.
        boxes.clear();
        const size_t received = panel->CommandsReceived().size();
        ops.Upload2Sys_Click();
        EXPECT_EQ(panel->CommandsReceived().size(), received) << "nothing is sent";
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_TRUE(boxes[1].prompt.endsWith(c.lang == 1 ? QStringLiteral(u"בקבוצת הפעלה 3") : QStringLiteral("in operating group 3")))
            << boxes[1].prompt.toStdString();

        // The devices complete the project: nothing to say, the group as the panel holds it.
        EXPECT_TRUE(Run(DeviceStep).empty());
        EXPECT_FALSE(ProjectWhole::CheckProject().any());
        EXPECT_EQ(OutGrpArray[3], g3);
        EXPECT_EQ(NumOfActiveGroups, 1);
    }
}

TEST_F(SingleStepsTest, DevicesReadAloneLeaveTheGroupsAsTheyStand)
{
    // The project: an input at 3 and an output at 7 in group 1. The panel: an output at 8 only.
    AddDevice(3, DeviceKind::InputDevice, "DOOR");
    AddDevice(7, DeviceKind::Output, "BELL");
    DeviceDataArray[3].NumOfGroups = "01";
    DeviceDataArray[3].Grp[1] = "01";
    DeviceDataArray[3].WithAlarmGroup = "1";
    OutGrpArray[1].Trigger = "1";
    OutGrpArray[1].OutCount = "1";
    OutGrpArray[1].OutAddr[1] = "007";
    const auto groups = OutGrpArray;
    PanelMemory m;
    m.devices[8] = QByteArray::fromHex("0825001000006363000000000000");
    Connect(m);
    const auto shown = Run(DeviceStep);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].prompt.contains("\r\nGroups: 1\r\n")) << shown[0].prompt.toStdString();
    EXPECT_EQ(OutGrpArray, groups);
    EXPECT_EQ(DeviceDataArray[8].Exist, "1");
    EXPECT_EQ(DeviceDataArray[3].Exist, "0");
    EXPECT_EQ(NumOfDevices.str().trimmed(), "1");
    EXPECT_EQ(NumOfActiveGroups, 0);
}

TEST_F(SingleStepsTest, ValuesBroughtIntoRangeAreNamedWithoutTheRestOfTheProject)
{
    // A project whose group 2 lists a free address: the system step does not speak of it.
    OutGrpArray[2].OutCount = "1";
    OutGrpArray[2].OutAddr[1] = "050";
    PanelMemory m;
    m.nightStartHour = 78;
    Connect(m);
    const auto shown = Run(SysStep);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt.section("\r\n", 1, 1), "System settings");
    EXPECT_EQ(NightStart, "0000");
    EXPECT_EQ(OutGrpArray[2].OutAddr[1], "050");

    // A later sound step does not repeat it.
    EXPECT_TRUE(Run(SubStep).empty());
}

// Random whole panels: the GET steps in the download's order, and with the groups before the
// devices, leave the records a download leaves; from a new project exactly, from another project
// everything the panel carries (a group's name and the panel number are the project's own).
TEST_F(SingleStepsTest, WholePanelsReadStepByStepLeaveWhatADownloadLeaves)
{
    std::mt19937 rng(3114);
    const std::vector<std::vector<const GetStep*>> orders{
        {&SysStep, &SubStep, &DeviceStep, &NameStep, &GroupStep},
        {&SysStep, &SubStep, &GroupStep, &DeviceStep, &NameStep},
    };
    for (int run = 0; run < 40 && !HasFailure(); ++run) {
        SCOPED_TRACE(run);
        const bool small = Pick(rng, 3) == 0;
        const int model = small ? 50 : 126;
        FreshProject(model);
        RandomProject::FillWholeProject(rng, model);
        Connect(PanelHolding(rng, small ? 150 : 100));

        FreshProject(model);
        boxes.clear();
        ops.Download2PC_Click();
        ASSERT_EQ(boxes.size(), 2u) << "the question and the success, nothing else";
        const ProjectBlocks download = ProjectBlocks::Take();

        for (const auto& order : orders) {
            const bool fresh = Pick(rng, 2);
            FreshProject(model);
            if (!fresh) RandomProject::FillWholeProject(rng, model);
            for (const GetStep* s : order) {
                const auto shown = Run(*s);
                // Only the first of the two tables read may disagree with the other as the project
                // holds it (a new project holds no devices for groups read first), and say so.
                const bool tables = s == &GroupStep || s == &DeviceStep;
                const auto other = std::find(order.begin(), order.end(), s == &GroupStep ? &DeviceStep : &GroupStep);
                const bool first = tables && other > std::find(order.begin(), order.end(), s);
                const bool mayDisagree = first && (!fresh || s == &GroupStep);
                EXPECT_LE(shown.size(), mayDisagree ? 1u : 0u) << s->name;
                EXPECT_EQ(StepWarnings(shown), int(shown.size())) << s->name;
            }
            ProjectBlocks steps = ProjectBlocks::Take();
            ProjectBlocks expected = download;
            if (!fresh) {
                for (int g = 1; g <= MaxGroups; ++g) expected.groups[g].GrpName = steps.groups[g].GrpName;
                expected.numOfSys = steps.numOfSys;
            }
            EXPECT_EQ(steps.Differences(expected), QStringList()) << order[2]->name << (fresh ? ", new project" : "");
        }
    }
}

// Each step keeps every value of its block that was in range, changes no other block, and says
// so once when the project is left not whole; the upload check refuses it, naming the first
// place; the groups window and the devices window open on it and delete every group and device.
TEST_F(SingleStepsTest, HostilePanelsLoseNothingInRangeAndTheWindowsStillWork)
{
    std::mt19937 rng(2603);
    std::vector<const GetStep*> order{&SysStep, &SubStep, &DeviceStep, &NameStep, &GroupStep};
    int devicesRead = 0, notWhole = 0;
    for (int run = 0; run < 30 && !HasFailure(); ++run) {
        SCOPED_TRACE(run);
        const bool small = Pick(rng, 3) == 0;
        FreshProject(small ? 50 : 126);
        RandomProject::FillWholeProject(rng, MaxNumOfDevices);
        const PanelMemory m = HostilePanel(rng, small ? 150 : 100);
        Connect(m);
        std::shuffle(order.begin(), order.end(), rng);
        for (const GetStep* s : order) {
            SCOPED_TRACE(s->name);
            const ProjectBlocks before = ProjectBlocks::Take();
            const auto shown = Run(*s);
            const bool failed = TransferError;
            const ProjectBlocks after = ProjectBlocks::Take();
            EXPECT_EQ(after.Without(s->changes).Differences(before.Without(s->changes)), QStringList());
            // A step that failed changes nothing at all.
            if (failed) {
                EXPECT_EQ(after.Differences(before), QStringList());
            }
            // One warning, when the step finished and brought a value into range or left the
            // tables disagreeing.
            const bool tables = s == &DeviceStep || s == &GroupStep;
            const bool say = !failed && (PanelReplaced.any() || (tables && !ProjectWhole::CheckProject().tablesWhole()));
            EXPECT_EQ(StepWarnings(shown), say ? 1 : 0);
            if (tables) {
                EXPECT_FALSE(ProjectWhole::CheckProject().counts) << "the counts follow the tables";
            }

            if (s == &DeviceStep) {
                devicesRead += !failed;
                // The records as the panel sends them (a class A panel reports loop side 3).
                std::array<QByteArray, MaxAddress + 1> sent;
                for (const QByteArray& r : panelsim::DeviceRecords(m)) sent[size_t(uint8_t(r[0]))] = r;
                for (int a = 1; a <= MaxNumOfDevices; ++a) {
                    const auto r = sent[a].isEmpty() ? std::nullopt : DecodeDeviceRecord(sent[a], EmptyRecord(a));
                    const bool kept = r && FieldRanges::IsKnownKind(KindOf(*r));
                    EXPECT_EQ(DeviceDataArray[a], failed ? before.devices[a] : kept ? *r : EmptyRecord(a)) << a;
                }
            } else if (s == &NameStep) {
                for (int a = 1; a <= MaxNumOfDevices; ++a) {
                    const bool sent = !failed && !m.devices[a].isEmpty();
                    const FixedText<16> name = sent ? FixedText<16>(rtrvHebName(m.names[a])) : before.devices[a].DeviceName;
                    EXPECT_EQ(DeviceDataArray[a].DeviceName, name) << a;
                }
            } else if (s == &GroupStep) {
                ASSERT_FALSE(failed);
                for (int g = 1; g <= MaxGroups; ++g) {
                    const panelsim::Group& p = m.groups[g];
                    EXPECT_EQ(OutGrpArray[g].Trigger.str(), p.trigger <= 3 ? Str(p.trigger) : "0") << g;
                    EXPECT_EQ(OutGrpArray[g].OutCount.str(), Str(p.count)) << g;
                    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
                        const int out = p.outputs[size_t(o - 1)];
                        const bool place = out <= MaxAddress || out == 201 || out == 202 || out == 205;
                        EXPECT_EQ(OutGrpArray[g].OutAddr[o].str(), place ? ZeroPad(out, 3) : "000") << g << "/" << o;
                    }
                }
            } else if (s == &SubStep) {
                for (int u = 0; u < 4; ++u) {
                    const QString& got = u < 2 ? RemoteUnits.Panel[size_t(u + 1)] : RemoteUnits.PS[size_t(u - 1)];
                    EXPECT_EQ(got, m.remote[size_t(u)] == 1 ? "1" : "0") << u;
                }
            } else {
                const int loopClass = m.sysFlags1 & 7;
                EXPECT_EQ(SysFlags.LoopSysStat.str(), loopClass == 3 || loopClass == 4 ? ZeroPad(loopClass, 3) : "003");
                EXPECT_EQ(VerSoftNum, "0200");
            }
        }

        const ProjectWhole::Places broken = ProjectWhole::CheckProject();
        if (!broken.tablesWhole() && ProjectWhole::AddressesInUse(DeviceDataArray) > 0) {
            ++notWhole;
            boxes.clear();
            const size_t received = panel->CommandsReceived().size();
            ops.Upload2Sys_Click();
            ASSERT_EQ(boxes.size(), 2u);
            const QString place = broken.addresses.isEmpty() ? QStringLiteral("in operating group %1").arg(broken.groups.front())
                                                             : QStringLiteral("at address %1").arg(broken.addresses.front());
            EXPECT_TRUE(boxes[1].prompt.endsWith(place)) << boxes[1].prompt.toStdString();
            EXPECT_EQ(panel->CommandsReceived().size(), received) << "nothing is sent";
        }

        // The windows on the project as the steps left it, the one or the other first.
        if (run % 2) {
            DeleteEveryGroup();
            DeleteEveryDevice();
        } else {
            DeleteEveryDevice();
            DeleteEveryGroup();
        }
    }
    EXPECT_GT(devicesRead, 20) << "most device blocks are read";
    EXPECT_GT(notWhole, 20) << "most panels leave the project not whole";
}

}  // namespace
