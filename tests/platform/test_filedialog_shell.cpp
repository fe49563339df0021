#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "common/ScriptedPrompter.h"
#include "platform/FileDialog.h"
#include "platform/Shell.h"

namespace {

FileDialog::Options SaveOptions()
{
    FileDialog::Options o;
    o.title = "Verdal - New Projects File";
    o.filter = "Verdal File (*.HV6)";
    o.initialFolder = "/tmp/site";
    o.proposedName = "Verdal126_1.HV6";
    o.save = true;
    return o;
}

}  // namespace

TEST(FileDialog, QueuedAnswersComeInOrderAndTheCallIsRecorded)
{
    ScriptedFileDialog dialogs;
    dialogs.ExpectChoice("/tmp/site/a.HV6");
    dialogs.ExpectCancel();

    const FileDialog::Result first = FileDialog::Run(SaveOptions());
    EXPECT_FALSE(first.cancelled);
    EXPECT_EQ(first.path, "/tmp/site/a.HV6");
    const FileDialog::Options seen = dialogs.Last();
    EXPECT_EQ(seen.title, "Verdal - New Projects File");
    EXPECT_EQ(seen.proposedName, "Verdal126_1.HV6");
    EXPECT_TRUE(seen.save);

    FileDialog::Options open;
    open.title = "Verdal - Open Projects File";
    EXPECT_TRUE(FileDialog::Run(open).cancelled);
    EXPECT_EQ(dialogs.Last().title, "Verdal - Open Projects File");
    EXPECT_FALSE(dialogs.Last().save);
}

TEST(FileDialog, UnexpectedDialogFailsTheTestAndIsCancelled)
{
    ScriptedFileDialog dialogs;
    FileDialog::Result r;
    EXPECT_NONFATAL_FAILURE(r = FileDialog::Run(SaveOptions()), "Verdal - New Projects File");
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(FileDialog::UnexpectedCalls(), 1);
}

TEST(FileDialog, UnusedAnswerFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedFileDialog dialogs;
            dialogs.ExpectCancel();
        },
        "never used");
    EXPECT_EQ(FileDialog::QueuedAnswers(), 0);
}

TEST(Shell, TestModeRecordsTheFolderInsteadOfOpeningIt)
{
    Shell::SetTestMode(true);
    Shell::ClearRecordedCalls();
    EXPECT_TRUE(Shell::OpenFolder("/tmp/Verdal5000 SiteData/"));
    EXPECT_EQ(Shell::RecordedCalls(), QStringList{"/tmp/Verdal5000 SiteData/"});
    Shell::SetTestMode(false);
    Shell::ClearRecordedCalls();
}
