// Project files as the original program writes them, every key in its order: what that program
// leaves in a sound project (a position 0 on a device of one address, a trigger on a group whose
// inputs were deleted) opens without a warning, loses nothing, goes to the panel as it stands,
// and is saved and opened again without a warning.
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "core/CSetting.h"
#include "core/ProjectWhole.h"
#include "panellink/DeviceBlock.h"
#include "panellink/UploadCheck.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

// A red call point at 1 that the original has uploaded (position "00"), a bell at 2 on position
// "00", a smoke detector at 3 and a siren at 4. Group 1: the call point and the detector sound
// the bell. Group 2 lists the siren, and its only inputs were a two-input card deleted as one:
// no input is linked, and the trigger is 1.
const QByteArray OriginalFile =
    "[General]\r\n"
    "SiteName=Plant.HV6\r\n"
    "Updated=12/03/2024 14:05:31\r\n"
    "SoftName=Verdal5000\r\n"
    "SoftwareVersion=1.32\r\n"
    "Language=0\r\n"
    "Admin =19\r\n"
    "[Project Details]\r\n"
    "Addr=Harbour Rd. 4\r\n"
    "Cont=\r\n"
    "Tel:=\r\n"
    "Inst=\r\n"
    "Misc=\r\n"
    "[Hardware]\r\n"
    "NumOfSystem=01\r\n"
    "NumOfDevices=4  \r\n"
    "MaxNumOfDevices=126\r\n"
    "[01]\r\n"
    "COM-ver=01.63\r\n"
    "SOFT-ver=01.71\r\n"
    "HARD-ver=01.00\r\n"
    "SYSCFG=00-003-1-1-0-1-0-0-0-0-0-0-0-1-0-2200-0630-01\r\n"
    "Panel 01=0\r\n"
    "Panel 02=0\r\n"
    "PS 01=0\r\n"
    "PS 02=0\r\n"
    "[01-001]\r\n"
    "NAME=CALL POINT 1\r\n"
    "FNAM=001 RED BUTTON #\r\n"
    "TYPE=001 0-00-007-1-1 00-00-00-0-1 00-00-0-0-1-0 000 000 064 064 001 001 000 000 000\r\n"
    "[01-002]\r\n"
    "NAME=BELL 2\r\n"
    "FNAM=002 OUTPUT     #\r\n"
    "TYPE=002 0-08-001-0-1 00-00-00-0-1 00-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
    "[01-003]\r\n"
    "NAME=SMOKE 3\r\n"
    "FNAM=003 SMOKE DET  #\r\n"
    "TYPE=003 0-00-005-1-1 00-00-00-0-1 01-00-0-0-1-0 000 000 070 045 001 001 000 000 000\r\n"
    "[01-004]\r\n"
    "NAME=SIREN 4\r\n"
    "FNAM=004 OUTPUT     #\r\n"
    "TYPE=004 0-08-001-0-1 00-00-00-0-1 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
    "[#####]\r\n"
    "******************************=******************************\r\n"
    "[01-Gr-01]\r\n"
    "GRPo=01-1-1[002/000/000/000/000/000]\r\n"
    "GrpName=BELLS\r\n"
    "[01-Gr-02]\r\n"
    "GRPo=02-1-1[004/000/000/000/000/000]\r\n"
    "GrpName=SIRENS\r\n"
    "[----------]\r\n"
    "NumOfGroups=2\r\n";

class OriginalFilesTest : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        ProjectFileName = "Plant.HV6";
        ProjectName = "Plant";
    }
    // Opens the project file as the main window does; any box fails the test.
    void Open()
    {
        ScriptedPrompter prompter;
        const ProjectFile::Contents c = ProjectFile::Open();
        EXPECT_TRUE(c.ok) << c.error.toStdString();
        EXPECT_FALSE(c.replaced.any());
        EXPECT_TRUE(prompter.Calls().empty());
    }
    // What the project holds after an opening, and what the panel would receive.
    static void ExpectTheProjectAsTheOriginalLeftIt()
    {
        for (int a : {1, 2}) {
            SCOPED_TRACE(a);
            EXPECT_EQ(DeviceDataArray[a].Exist.str(), "1");
            EXPECT_EQ(DeviceDataArray[a].CardAddr.str(), "00") << "the position stays as it was";
            const auto record = EncodeDeviceRecord(a, DeviceDataArray[a]);
            ASSERT_TRUE(record.has_value());
            EXPECT_EQ(uint8_t(record->at(3)) >> 4, 0) << "the panel receives position 0, as from the original";
        }
        EXPECT_EQ(DeviceDataArray[1].NumOfGroups.str(), "01");
        EXPECT_EQ(DeviceDataArray[1].Grp[1].str(), "01");
        EXPECT_EQ(OutGrpArray[1].OutAddr[1].str(), "002");
        // Group 2 keeps its output and its name; with no input it never operates.
        EXPECT_EQ(OutGrpArray[2].OutCount.str(), "1");
        EXPECT_EQ(OutGrpArray[2].OutAddr[1].str(), "004");
        EXPECT_EQ(OutGrpArray[2].GrpName.trimmed(), "SIRENS");
        EXPECT_EQ(OutGrpArray[2].Trigger.str(), "1") << "kept: the groups window shows its name, the report the group";
        EXPECT_EQ(NumOfDevices.str(), "004");
        EXPECT_EQ(NumOfActiveGroups, 1);
        EXPECT_FALSE(ProjectWhole::CheckProject().any());
        const auto refused = FirstUnencodableRecord();
        EXPECT_FALSE(refused.has_value()) << "block " << refused->block << " number " << refused->number;
    }
};

}  // namespace

TEST_F(OriginalFilesTest, OpensWithoutAWarningAndTheUploadCheckAcceptsIt)
{
    for (const int16_t lang : {int16_t(2), int16_t(1)}) {
        SCOPED_TRACE(lang);
        UILanguage = lang;
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), OriginalFile);
        Open();
        ExpectTheProjectAsTheOriginalLeftIt();
        EXPECT_EQ(Bytes(ProjectPath()), OriginalFile) << "an opening writes nothing";
    }
}

TEST_F(OriginalFilesTest, ASaveWritesThePositionsAsTheyStandAndOpensAgainWithoutAWarning)
{
    WriteBytes(ProjectPath(), OriginalFile);
    Open();
    CSetting setting;
    ProjectFile::Replaced mended;
    ASSERT_TRUE(ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr, &mended));
    EXPECT_FALSE(mended.any()) << "the save has nothing to mend";
    const QByteArray saved = Bytes(ProjectPath());
    EXPECT_TRUE(saved.contains("TYPE=001 0-00-007-1-1 00-00-00-0-1 00-")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("TYPE=002 0-08-001-0-1 00-00-00-0-1 00-"));
    ResetModule::ResetProject(false);
    Open();
    ExpectTheProjectAsTheOriginalLeftIt();
}

// The same places damaged: a position or a trigger that does change what is shown or sent is
// still mended and named.
TEST_F(OriginalFilesTest, WhatIsSeenOrSentStillChangesWithAWarning)
{
    struct Case {
        const char* what;
        QByteArray from, to;
        QList<int> addresses, groups;
    };
    const Case cases[] = {
        {"a second half with no first half", "0-08-001-0-1 00-00-00-0-1 00-", "0-08-001-0-1 00-00-00-0-1 11-", {2}, {}},
        {"a trigger above the inputs linked", "GRPo=01-1-1[002", "GRPo=01-3-1[002", {}, {1}},
        {"an input listed as an output", "GRPo=02-1-1[004/000", "GRPo=02-1-2[004/003", {}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetModule::ResetProject(false);
        QByteArray file = OriginalFile;
        ASSERT_TRUE(file.contains(c.from));
        WriteBytes(ProjectPath(), file.replace(c.from, c.to));
        const ProjectFile::Contents contents = ProjectFile::Read();
        EXPECT_EQ(contents.replaced.addresses, c.addresses);
        EXPECT_EQ(contents.replaced.groups, c.groups);
        EXPECT_FALSE(ProjectWhole::CheckProject().any());
        EXPECT_FALSE(FirstUnencodableRecord().has_value());
    }
}
