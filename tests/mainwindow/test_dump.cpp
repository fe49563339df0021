// The administrator's device-table dump: the line of a record, and the tab that shows the
// table with its legends and code lists.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QListWidget>

#include "core/ResetModule.h"
#include "mainwindow/DeviceDump.h"
#include "test_admin_fixture.h"

namespace {

using DumpTest = AdminWindowTest;

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
    return items;
}

const QString ResetLine1 = "001 0-00-000-1-0 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000";

}  // namespace

TEST_F(DumpTest, RecordsGiveTheirLines)
{
    struct Case {
        const char* what;
        std::function<void(DeviceRecord&)> set;
        int column;  // 1-based
        QString text;
    };
    const std::vector<Case> cases{
        {"reset record", [](DeviceRecord&) {}, 1, ResetLine1},
        {"position 0", [](DeviceRecord& r) { r.CardAddr = "00"; }, 31, "00"},
        {"position 2", [](DeviceRecord& r) { r.CardAddr = "02"; }, 31, "10"},
        {"position 3", [](DeviceRecord& r) { r.CardAddr = "03"; }, 31, "11"},
        {"switch-on time in eighths", [](DeviceRecord& r) { r.OutOnTimes = "15"; }, 45, "120"},
        {"delay in eighths", [](DeviceRecord& r) { r.TimeDelayUp2ON = "4"; }, 49, "032"},
        {"group count and groups", [](DeviceRecord& r) { r.NumOfGroups = "2"; r.Grp[1] = "7"; r.Grp[4] = "32"; },
         60, " 002 007 000 000 032"},
        {"the fault part of an alarm/fault card carries no groups",
         [](DeviceRecord& r) { r.ExtType = "08"; r.BaseType = "2"; r.CardAddr = "03"; r.NumOfGroups = "2"; r.Grp[1] = "7"; },
         60, " 000 000 000 000 000"},
        {"its alarm part does", [](DeviceRecord& r) { r.ExtType = "08"; r.BaseType = "2"; r.CardAddr = "02"; r.NumOfGroups = "1"; r.Grp[1] = "7"; },
         60, " 001 007 000 000 000"},
        {"type fields", [](DeviceRecord& r) { r.ExtType = "16"; r.BaseType = "7"; r.Exist = "1"; r.DeviceDisable = "1"; },
         1, "001 1-16-007-1-1 "},
    };
    for (const Case& c : cases) {
        ResetModule::ResetDevices(1, 1, 1);
        DeviceRecord r = DeviceDataArray[1];
        c.set(r);
        const QString line = DeviceDump::Line(r);
        EXPECT_EQ(line.size(), 79) << c.what;
        EXPECT_EQ(line.mid(c.column - 1, c.text.size()), c.text) << c.what;
    }
}

TEST_F(DumpTest, LegendsNameTheColumnsOfTheSameWidth)
{
    for (const QString& legend : {DeviceDump::UpperLegend(), DeviceDump::LowerLegend()}) {
        const QStringList lines = legend.split("\r\n");
        ASSERT_EQ(lines.size(), 6);
        for (const QString& l : lines) EXPECT_EQ(l.size(), 79) << l.toStdString();
    }
    // Each name stands in the column where its field begins.
    const QStringList upper = DeviceDump::UpperLegend().split("\r\n");
    EXPECT_EQ(upper[0].indexOf("CardAddr"), 30);
    EXPECT_EQ(upper[0].indexOf("NumOfGroups"), 60);
    const QStringList lower = DeviceDump::LowerLegend().split("\r\n");
    EXPECT_EQ(lower[2].indexOf("AlarmValue"), 52);
}

TEST_F(DumpTest, TheDeviceTabShowsOneLinePerAddressOfTheModel)
{
    Device(5, DeviceKind::SmokeDetector);
    frm4Main w;
    w.AdminLbl[6]->click();
    const QStringList lines = Items(w.List2);
    ASSERT_EQ(lines.size(), 126);
    EXPECT_EQ(lines[0], ResetLine1);
    EXPECT_EQ(lines[4].left(17), "005 0-00-005-1-1 ");
    EXPECT_EQ(lines[125].left(4), "126 ");
    EXPECT_EQ(w.Label35->text(), DeviceDump::UpperLegend());
    EXPECT_EQ(w.Label36->text(), DeviceDump::LowerLegend());
    EXPECT_EQ(Items(w.List3).size(), 16);
    EXPECT_EQ(Items(w.List3).front(), "01)00-001 Horn");
    EXPECT_EQ(Items(w.List3).back(), "30)11-110 A/F+24VRST");
    EXPECT_EQ(Items(w.List4), (QStringList{"OutBehevior = 00-OUT/01-EXT/02-F_OUT/03-A_OUT",
                                           "offTypeAfterON = 00-Reset_OFF/01-Time_OFF/02-Silence_OFF"}));
    // The lists lie inside the open panel, one under the other.
    EXPECT_LT(w.Label35->geometry().bottom(), w.List2->y());
    EXPECT_LT(w.List2->geometry().bottom(), w.Label36->y());
    EXPECT_LE(w.List3->geometry().bottom(), w.Picture10[6]->height());
    EXPECT_EQ(w.List4->x(), w.List3->x() + w.List3->width());
}

TEST_F(DumpTest, TheDumpIsASnapshotRebuiltAtEachOpening)
{
    MaxNumOfDevices = 50;
    frm4Main w;
    w.AdminLbl[6]->click();
    EXPECT_EQ(w.List2->count(), 50);
    Device(9, DeviceKind::Output);
    EXPECT_EQ(w.List2->item(8)->text().mid(15, 1), "0") << "edits show only after the next opening";
    w.AdminLbl[6]->click();
    w.AdminLbl[6]->click();
    EXPECT_EQ(w.List2->count(), 50);
    EXPECT_EQ(w.List2->item(8)->text().mid(15, 1), "1");
}
