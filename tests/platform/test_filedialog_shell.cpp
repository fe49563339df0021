#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "common/ScriptedPrompter.h"
#include "platform/FileDialog.h"
#include "platform/QtLanguage.h"
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

// The real dialog in Hebrew: right to left, but its folder box shows a path as it reads, left to
// right, and its buttons show their whole captions.
TEST(FileDialog, TheHebrewDialogShowsAPathLeftToRight)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtLanguage::Apply(true);
    const bool testMode = FileDialog::TestMode();
    FileDialog::SetTestMode(false);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        seen = true;
        EXPECT_EQ(d->layoutDirection(), Qt::RightToLeft);
        auto* folder = d->findChild<QComboBox*>(QStringLiteral("lookInCombo"));
        ASSERT_TRUE(folder);
        // A leading left-to-right mark changes nothing of a path drawn left to right; drawn right
        // to left, "/x" would show as "x/".
        const auto look = [&](const QString& text) {
            folder->setItemText(folder->currentIndex(), text);
            return folder->grab().toImage();
        };
        EXPECT_EQ(look(QStringLiteral("/home/site")), look(QStringLiteral("\u200E/home/site")));
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
            if (b->isVisible() && !b->text().isEmpty())
                EXPECT_LE(b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')), b->width() - 4)
                    << b->text().toStdString();
        d->reject();
    });
    FileDialog::Options o = SaveOptions();
    o.initialFolder = dir.path();
    EXPECT_TRUE(FileDialog::Run(o).cancelled);
    EXPECT_TRUE(seen);
    FileDialog::SetTestMode(testMode);
    QtLanguage::Apply(false);
}
