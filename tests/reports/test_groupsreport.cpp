// The operating groups report: members in address order, outputs in slot order, counts, default
// titles, and the file's own form of the same table.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ReportFixture.h"
#include "reports/GroupsReport.h"

namespace {

using namespace ReportTest;

class GroupsReportTest : public ReportFixture {
protected:
    QStringList Screen(int16_t lang = 2) { return model.Activate(lang, FixedRegional()); }
    QStringList File(int16_t lang = 2) const { return model.FileLines(lang, FixedRegional()); }
    GroupsReport::Model model;
};

TEST_F(GroupsReportTest, NoGroupsGivesTheHeaderLinesOnly)
{
    EXPECT_EQ(Screen(), QStringList({"Project name:Site", "Date:  24/03/2025", "Groups details   ", QString(67, u'=')}));
    EXPECT_EQ(File(), QStringList({"Project name Site", "Date : 24/03/2025  Time: 14:05", "Groups Details   ", QString(97, u'=')}));
    EXPECT_EQ(Screen(1).mid(0, 3), QStringList({QStringLiteral("שם הפרוייקט: Site"), QStringLiteral("תאריך: 24/03/2025"),
                                                 QStringLiteral("פרוט קבוצות הפעלה")}));
    EXPECT_EQ(File(1)[1], QStringLiteral("תאריך: 24/03/2025   שעה: 14:05"));
}

TEST_F(GroupsReportTest, InputsInAddressOrderThenOutputsInSlotOrder)
{
    for (int a : {40, 7, 12}) Put({a, DeviceKind::RedCallPoint, 1, QStringLiteral("IN %1").arg(a), {5}});
    Put({15, DeviceKind::Output, 1, "BELL", {}});
    Group(5, 2, {201, 15}, "STAIRS");
    const QStringList screen = Screen().mid(4);
    EXPECT_EQ(screen, QStringList({"",
                                   "Group number    05\t(STAIRS          )",
                                   "Device name     \taddress, type   \tI/O",
                                   QString(67, u'-'),
                                   "IN 7            \t007 RED BUTTON #\t I ",
                                   "IN 12           \t012 RED BUTTON #\t I ",
                                   "IN 40           \t040 RED BUTTON #\t I ",
                                   QString(32, u'-') + "\tAlarm1 (201)    \t O ",
                                   "BELL            \t015 OUTPUT     #\t O ",
                                   "",
                                   "OUTPUTS: 2\tINPUTS: 003\tTRIGGER: 2",
                                   "--- END GROUP 05",
                                   ""}));
    const QString notes(25, u'_');
    EXPECT_EQ(File().mid(4), QStringList({"",
                                          "Group      05\t(STAIRS          )",
                                          "",
                                          "Device name     \tAddress,   Type \tI/O\tNotes",
                                          QString(97, u'-'),
                                          "IN 7            \t007 RED BUTTON #\t I \t" + notes,
                                          "IN 12           \t012 RED BUTTON #\t I \t" + notes,
                                          "IN 40           \t040 RED BUTTON #\t I \t" + notes,
                                          QString(32, u'-') + "\tAlarm Rly 1(201)\t O \t" + notes,
                                          "BELL            \t015 OUTPUT     #\t O \t" + notes,
                                          "",
                                          "--- End Group \t05\t-OUTPUTS: 2\t-INPUTS: 003\t-TRIGGER: 2",
                                          ""}));
}

TEST_F(GroupsReportTest, SpecialOutputsInBothLanguagesAndUnknownCodesCounted)
{
    Group(1, 1, {201, 202, 205, 150}, "X");
    EXPECT_EQ(Screen().filter(" O "), QStringList({QString(32, u'-') + "\tAlarm1 (201)    \t O ",
                                                   QString(32, u'-') + "\tAlarm2 (202)    \t O ",
                                                   QString(32, u'-') + "\tDialer (205)    \t O "}));
    EXPECT_TRUE(Screen().contains("OUTPUTS: 4\tINPUTS: 000\tTRIGGER: 1"));
    EXPECT_EQ(File().filter("\t O \t").size(), 3);
    EXPECT_TRUE(File().contains("--- End Group \t01\t-OUTPUTS: 4\t-INPUTS: 000\t-TRIGGER: 1"));
    const QStringList he = Screen(1);
    EXPECT_EQ(he.filter(" O ").size(), 3);
    EXPECT_TRUE(he.contains(QString(32, u'-') + QStringLiteral("\t205 יציאת חייגן \t O ")));
    EXPECT_TRUE(he.contains(QStringLiteral("התקני מוצא: 4\tהתקני מבוא: 000\tתנאי הפעלה: 1")));
    EXPECT_TRUE(he.contains(QStringLiteral("--- סוף קבוצה 01")));
    EXPECT_TRUE(model.FileLines(1, FixedRegional())
                    .contains(QStringLiteral("--- סוף קבוצה \t01\t-התקני מוצא: 4\t-התקני מבוא: 000\t-תנאי הפעלה: 1")));
}

TEST_F(GroupsReportTest, ABlankGroupNameGetsADefaultTitleOnScreenAndInTheFile)
{
    Group(7, 1, {201}, QString(16, u' '));
    Group(12, 1, {202}, QString(16, u' '));
    EXPECT_TRUE(Screen().contains("Group number    07\t(Groups      07)"));
    EXPECT_TRUE(File().contains("Group      07\t(Groups      07)"));
    EXPECT_TRUE(File().contains("Group      12\t(Groups      12)"));
    EXPECT_TRUE(File().filter(QRegularExpression("^--- End Group \t12\t")).size() == 1);
    // Every showing takes the group's name afresh.
    EXPECT_TRUE(Screen(1).contains(QStringLiteral("קבוצת הפעלה מס' 07\t(קבוצת הפעלה 07)")));
    EXPECT_TRUE(File(1).contains(QStringLiteral("קבוצת הפעלה 07\t(קבוצת הפעלה 07)")));
}

TEST_F(GroupsReportTest, RemovedOutputsAreGoneAtTheNextShowing)
{
    Put({3, DeviceKind::Output, 1, "BELL", {}});
    Group(2, 1, {3, 201}, "G");
    EXPECT_EQ(Screen().filter(" O ").size(), 2);
    OutGrpArray[2].OutAddr[1] = "000";
    OutGrpArray[2].OutCount = "1";
    const QStringList again = Screen();
    EXPECT_EQ(again.filter(" O ").size(), 1);
    EXPECT_TRUE(again.contains("OUTPUTS: 1\tINPUTS: 000\tTRIGGER: 1"));
    ResetModule::ResetGroups();
    EXPECT_EQ(Screen().size(), 4) << "no entry of an earlier showing survives";
}

TEST_F(GroupsReportTest, InputsOfGroupsWithoutOutputsOrTriggerStandAlone)
{
    Put({4, DeviceKind::InputDevice, 1, "A", {9}});
    Put({5, DeviceKind::InputDevice, 1, "B", {9, 9}});  // listed twice for one group: one member
    Put({6, DeviceKind::Relay, 1, "R", {}});
    Group(10, 0, {6}, "NO TRIGGER");
    Put({8, DeviceKind::InputDevice, 1, "C", {10}});
    EXPECT_EQ(Screen().mid(4), QStringList({"A               \t004 INPUT      #\t I ", "B               \t005 INPUT      #\t I ",
                                            "C               \t008 INPUT      #\t I "}));
    const QString notes(25, u'_');
    EXPECT_EQ(File().mid(4), QStringList({"A               \t004 INPUT      #\t I \t" + notes, "B               \t005 INPUT      #\t I \t" + notes,
                                          "C               \t008 INPUT      #\t I \t" + notes,
                                          "R               \t006 RELAY OUT  #\t O \t" + notes}))
        << "outputs of a group whose trigger is 0 appear in the file only";
}

TEST_F(GroupsReportTest, MembersAndOutputsOutsideTheAddressTableNameNoDevice)
{
    // Records the reader never makes, but the report must survive them without reading past the table.
    Put({7, DeviceKind::RedCallPoint, 1, "IN 7", {5}});
    for (const char* self : {"000", "127", "999", "-01"}) {
        SCOPED_TRACE(self);
        Put({20, DeviceKind::RedCallPoint, 1, "STRAY", {5}}).Address = self;
        Group(5, 1, {127, 0, 201}, "G");
        OutGrpArray[5].OutAddr[2] = "-01";
        const QStringList screen = Screen();
        EXPECT_EQ(screen.filter(" I "), QStringList({"IN 7            \t007 RED BUTTON #\t I "})) << "a member whose own address is outside names nothing";
        EXPECT_EQ(screen.filter(" O "), QStringList({QString(32, u'-') + "\tAlarm1 (201)    \t O "}));
        EXPECT_TRUE(screen.contains("OUTPUTS: 3\tINPUTS: 001\tTRIGGER: 1")) << "outputs outside the table are counted all the same";
        EXPECT_EQ(File().filter("\t I \t").size(), 1);
        EXPECT_EQ(File().filter("\t O \t").size(), 1);
    }
}

}  // namespace
