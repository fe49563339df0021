// The events log and the device names list: their lines on screen, in the file and in the
// history export, with and without data.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "reports/HistoryReport.h"
#include "reports/NamesReport.h"

namespace {

using namespace ReportTest;

class HistoryNamesTest : public ReportFixture {};

TEST_F(HistoryNamesTest, NoHistoryGivesTheHeadersOnly)
{
    EXPECT_EQ(HistoryReport::ScreenLines(2, FixedRegional()), QStringList({"Project name: Site", "Date: 24/03/2025", "Events log"}));
    EXPECT_EQ(HistoryReport::FileLines(2, FixedRegional()),
              QStringList({"Project name:Site", "Date:  24/03/2025  Time: 14:05", "\rEvents Log (History)  \t", " ",
                           "No.\tEvent type  \tDate/time     \tEvent location                  ",
                           "..........  END OF LOG   .........."}));
    const QStringList exported = HistoryReport::ExportLines(FixedRegional());
    EXPECT_EQ(exported, HistoryReport::FileLines(1, FixedRegional()).mid(0, 5)) << "the Hebrew headers, no closing line";
    EXPECT_EQ(exported[2], QStringLiteral("\rיומן ארועים (היסטוריה)\t"));
    EXPECT_EQ(HistoryReport::FileLines(1, FixedRegional()).last(), QStringLiteral(".......... סוף  האירועים .........."));
}

TEST_F(HistoryNamesTest, EventsFollowEachOtherWithoutGaps)
{
    HistoryLines[3] = "003\tA";
    HistoryLines[200] = "200\tB";
    EXPECT_EQ(HistoryReport::ScreenLines(1, FixedRegional()).mid(3), QStringList({"003\tA", "200\tB"}));
    const QStringList file = HistoryReport::FileLines(2, FixedRegional());
    EXPECT_EQ(file.mid(5, 2), QStringList({"003\tA", "200\tB"}));
    EXPECT_EQ(file.size(), 8);
    EXPECT_EQ(HistoryReport::ExportLines(FixedRegional()).mid(5), QStringList({"003\tA", "200\tB"}));
}

TEST_F(HistoryNamesTest, NamesListWithoutDevicesAndWithOne)
{
    EXPECT_EQ(NamesReport::ScreenLines(2, FixedRegional()),
              QStringList({"Project name:Site", "Date:  24/03/2025", "Device names", "No.\tDevice name     \tFactory name    "}));
    EXPECT_EQ(NamesReport::FileLines(2, FixedRegional()),
              QStringList({"Project name:Site", "Date:  24/03/2025  Time: 14:05", "Names of devices", " ",
                           "No.\tDevice name     \tFactory name    \tNotes"}));
    EXPECT_EQ(NamesReport::FileLines(1, FixedRegional())[4],
              QStringLiteral("מס'\tשם ההתקן        \tשם ברירת המחדל  \tהערות"));

    // A device whose name was never set shows the name as reset.
    Put({7, DeviceKind::RedCallPoint, 1, QString(), {}});
    const QString screen = NamesReport::ScreenLines(2, FixedRegional()).last();
    const QString file = NamesReport::FileLines(2, FixedRegional()).last();
    EXPECT_EQ(screen, "007\t0               \t\t007 RED BUTTON #");
    EXPECT_EQ(file, "007\t0               \t007 RED BUTTON #");
}

}  // namespace
