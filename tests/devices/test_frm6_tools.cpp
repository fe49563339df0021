// The devices window's names-view tools driven through their controls: range fill, the bulk
// detector edits and their toggles, deleting all names, and the names import from the project
// folder; and the whole road from filling to the project file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "ToolsWindowFixture.h"
#include "core/CSetting.h"
#include "platform/TextCodec.h"
#include "projectfile/ProjectFile.h"

namespace {

void Fill(frm6NamesAndSettings& w, const QString& first, const QString& last, int type)
{
    w.Text10->setText(first);
    w.Text11->setText(last);
    w.Option8[size_t(type)]->setChecked(true);
    w.Command6->click();
}

// Every caption of the tools panel shows whole: a button's inside its frame, an option's beside
// its indicator.
void ExpectCaptionsFit(QWidget* panel)
{
    for (QAbstractButton* b : panel->findChildren<QAbstractButton*>()) {
        const int text = b->fontMetrics().horizontalAdvance(b->text());
        int room = b->width() - 4;
        if (auto* r = qobject_cast<QRadioButton*>(b)) {
            QStyleOptionButton o;
            o.initFrom(r);
            o.text = r->text();
            room = r->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, r).width();
        }
        EXPECT_LE(text, room) << b->objectName().toStdString() << " " << b->text().toStdString();
    }
}

TEST_F(ToolsWindowTest, TheToolsPanelInBothLanguages)
{
    frm6NamesAndSettings w;
    EXPECT_TRUE(w.Option8[0]->isChecked());
    EXPECT_EQ(w.Option8[2]->text(), "Input");
    EXPECT_EQ(w.Command6->text(), "OK");
    EXPECT_EQ(w.Command7->text(), "Import");
    EXPECT_EQ(w.Command19[1]->text(), "MED");
    EXPECT_EQ(w.Command20->toolTip(), "Sensitivity");
    for (QWidget* c : {static_cast<QWidget*>(w.Label16), static_cast<QWidget*>(w.Label17),
                       static_cast<QWidget*>(w.Command19[0]), static_cast<QWidget*>(w.Command22[1])})
        EXPECT_TRUE(c->isHidden()) << c->objectName().toStdString();
    // Every tool lies inside the panel, and no two shown controls cover each other.
    const auto tools = w.Picture7->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* c : tools) {
        EXPECT_TRUE(QRect(0, 0, 452, 75).contains(c->geometry())) << c->objectName().toStdString();
        if (c->isHidden() || c->objectName().startsWith("Label11")) continue;
        for (QWidget* o : tools)
            if (o != c && !o->isHidden() && !o->objectName().startsWith("Label11"))
                EXPECT_FALSE(c->geometry().intersects(o->geometry()))
                    << c->objectName().toStdString() << " covers " << o->objectName().toStdString();
    }
    ExpectCaptionsFit(w.Picture7);

    UILanguage = 1;
    frm6NamesAndSettings he;
    EXPECT_EQ(he.Option8[0]->text(), QStringLiteral(u"עשן"));
    EXPECT_EQ(he.Command22[0]->text(), QStringLiteral(u"כן"));
    EXPECT_EQ(he.Command19[2]->text(), QStringLiteral(u"גבוהה"));
    EXPECT_EQ(he.Label2->text(), QStringLiteral(u"הזן תחום"));
    ExpectCaptionsFit(he.Picture7);
}

TEST_F(ToolsWindowTest, RangeFillOverATableOfRanges)
{
    Put(15, DeviceKind::HeatDetector);
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    struct Case {
        const char* first;
        const char* last;
        int type;
        bool filled;
        bool refused;  // the not-empty message
    };
    const Case cases[] = {
        {"5", "8", 0, true, false},     {"8", "5", 0, false, false},   {"7", "7", 0, false, false},
        {"0", "10", 0, false, false},   {"120", "127", 0, false, false}, {"x", "10", 0, false, false},
        {"", "10", 0, false, false},    {"2.5", "4", 0, false, false}, {"10", "20", 0, false, true},
        {"30", "31", 1, true, false},   {"40", "42", 2, true, false},  {"125", "126", 0, true, false},
    };
    int captured = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + ".." + c.last);
        const auto before = DeviceDataArrayEdit;
        if (c.refused) prompter.Expect("Range is not empty", Ui::vbOK);
        Fill(w, c.first, c.last, c.type);
        EXPECT_EQ(w.Text10->text(), "");
        EXPECT_EQ(w.Text11->text(), "");
        EXPECT_EQ(prompter.Pending(), 0);
        if (!c.filled) {
            EXPECT_EQ(DeviceDataArrayEdit, before);
            continue;
        }
        const int first = QString(c.first).toInt(), last = QString(c.last).toInt();
        captured += last - first + 1;
        for (int a = first; a <= last; ++a) {
            EXPECT_TRUE(w.ExistDeviceYesNo[size_t(a)]->isChecked());
            EXPECT_EQ(w.EnableDevice[size_t(a)]->text(), "-1-");
            EXPECT_FALSE(w.EnableDevice[size_t(a)]->isEnabled());
            EXPECT_TRUE(w.NewName[size_t(a)]->isEnabled());
            EXPECT_EQ(w.NewName[size_t(a)]->text(), "");
        }
        const QString label[] = {"SMOKE DET  #", "RED BUTTON #", "INPUT      #"};
        EXPECT_EQ(w.FactoryName[size_t(first)]->text(), ZeroPad(first, 3) + " " + label[c.type]);
        EXPECT_TRUE(w.NewName[size_t(last)]->hasFocus());
        EXPECT_EQ(w.Label3->text(), "Captured : " + Str(captured) + " / Available : " + Str(126 - captured));
    }
    EXPECT_EQ(DeviceDataArrayEdit[5].AlarmValue.str().trimmed(), "50");
    EXPECT_EQ(KindOf(DeviceDataArrayEdit[31]), DeviceKind::RedCallPoint);
    EXPECT_EQ(KindOf(DeviceDataArrayEdit[42]), DeviceKind::InputDevice);
    EXPECT_EQ(DeviceDataArrayEdit[42].PreAlarmValue.str().trimmed(), "40");

    // Hebrew: the refusal reads right to left.
    UILanguage = 1;
    prompter.Expect(QStringLiteral(u"תחום הכתובות לא ריק"), Ui::vbCancel);
    Fill(w, "14", "16", 0);
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
}

TEST_F(ToolsWindowTest, NamesHeldOnlyByTheBoxesSurviveARangeFill)
{
    SiteProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    prompter.Expect("Click YES to delete all names", Ui::vbYes);
    w.Command8->click();
    Fill(w, "100", "104", 0);
    EXPECT_EQ(w.NewName[1]->text(), "");
    EXPECT_EQ(w.NewName[41]->text(), "");
    EXPECT_TRUE(w.ExistDeviceYesNo[104]->isChecked());
}

TEST_F(ToolsWindowTest, BulkEditsTouchOnlyAnalogueSmokeDetectorsAndOnlyOnYes)
{
    SiteProject();
    Put(42, DeviceKind::SmokeHeatDetector).AlarmValue = "33";
    Put(43, DeviceKind::ConventionalDetector).AlarmValue = "64";
    DeviceDataArray[3].PreAlarmValue = "44";
    frm6NamesAndSettings w;
    w.Command11->click();

    // The toggles: one group at a time; the same toggle again hides its group.
    w.Command20->click();
    EXPECT_FALSE(w.Label16->isHidden());
    EXPECT_FALSE(w.Command19[2]->isHidden());
    w.Command21->click();
    EXPECT_FALSE(w.Label17->isHidden());
    EXPECT_FALSE(w.Command22[0]->isHidden());
    EXPECT_TRUE(w.Label16->isHidden());
    EXPECT_TRUE(w.Command19[0]->isHidden());
    w.Command21->click();
    EXPECT_TRUE(w.Label17->isHidden());
    EXPECT_TRUE(w.Command22[1]->isHidden());
    w.Command20->click();
    w.Command20->click();
    EXPECT_TRUE(w.Label16->isHidden());

    const auto before = DeviceDataArrayEdit;
    prompter.Expect("Click YES to change sensitivity of all smoke detectors", Ui::vbNo);
    w.Command19[2]->click();
    EXPECT_EQ(DeviceDataArrayEdit, before);
    prompter.Expect(Ui::vbYes);
    w.Command19[2]->click();
    EXPECT_EQ(prompter.Calls().back().title, "Warning");
    for (int a : {3, 40, 99}) EXPECT_EQ(DeviceDataArrayEdit[size_t(a)].AlarmValue.str().trimmed(), "20") << a;
    EXPECT_EQ(DeviceDataArrayEdit[3].PreAlarmValue, before[3].PreAlarmValue);
    for (int a : {9, 41, 42, 43, 60}) EXPECT_EQ(DeviceDataArrayEdit[size_t(a)], before[size_t(a)]) << a;

    prompter.Expect("Click YES to change alarm verification of all smoke detectors", Ui::vbYes);
    w.Command22[0]->click();
    EXPECT_EQ(DeviceDataArrayEdit[3].DeviceNeedVer.str(), "1");
    EXPECT_EQ(DeviceDataArrayEdit[42].DeviceNeedVer, before[42].DeviceNeedVer);
    UILanguage = 1;
    prompter.Expect(QStringLiteral(u"לחץ על YES לשינוי אימות אזעקה בכל גלאי עשן"), Ui::vbYes);
    w.Command22[1]->click();
    EXPECT_EQ(prompter.Calls().back().title, QStringLiteral(u"אזהרה"));
    EXPECT_EQ(DeviceDataArrayEdit[3].DeviceNeedVer.str(), "0");

    // Another language value: no box, no change.
    UILanguage = 3;
    w.Command19[0]->click();
    w.Command8->click();
    EXPECT_EQ(DeviceDataArrayEdit[3].AlarmValue.str().trimmed(), "20");
    EXPECT_EQ(w.NewName[3]->text().trimmed(), "DEVICE 3");
    UILanguage = 2;
}

TEST_F(ToolsWindowTest, DeletingAllNamesEmptiesEveryName)
{
    SiteProject();
    frm6NamesAndSettings w;
    w.Command11->click();
    prompter.Expect("Click YES to delete all names", Ui::vbNo);
    w.Command8->click();
    EXPECT_EQ(w.NewName[5]->text().trimmed(), "DEVICE 5");
    prompter.Expect(Ui::vbYes);
    w.Command8->click();
    for (int a : {1, 9, 60, 100}) EXPECT_EQ(w.NewName[size_t(a)]->text(), "") << a;
    // The emptied boxes are stored as names typed empty.
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), QString(16, ' '));
    EXPECT_EQ(DeviceDataArrayEdit[5].NameExist.str(), "1");
    // The commit gives every device its default name.
    prompter.Expect("Save data ?", Ui::vbYes);
    w.close();
    EXPECT_EQ(DeviceDataArray[5].DeviceName.str(), "SMOKE DET   5   ");
    EXPECT_EQ(DeviceDataArray[9].DeviceName.str(), "RELAY OUT   9   ");
}

TEST_F(ToolsWindowTest, ImportMissingFileAndNo)
{
    SiteProject();
    frm6NamesAndSettings w;
    w.Command11->click();
    prompter.Expect(QStringLiteral(u"קובץ Site.csv לא קיים"), Ui::vbOK);
    w.Command7->click();
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
    WriteCsv("5,NEW\r\n");
    prompter.Expect(QStringLiteral(u"האם אתה בטוח ?"), Ui::vbNo);
    w.Command7->click();
    EXPECT_EQ(w.NewName[5]->text().trimmed(), "DEVICE 5");
    EXPECT_FALSE(NameCheckQuiet);
    EXPECT_EQ(prompter.Pending(), 0);

    // A folder of that name is no file; a file whose name differs only in case is the file.
    ASSERT_TRUE(QFile::remove(usrDataPath + "Site.csv"));
    ASSERT_TRUE(QDir().mkpath(usrDataPath + "Site.csv"));
    prompter.Expect(QStringLiteral(u"לא קיים"), Ui::vbOK);
    w.Command7->click();
    WriteBytes(usrDataPath + "SITE.CSV", "5,NEW\r\n");
    prompter.Expect(Ui::vbYes);
    prompter.Expect(QStringLiteral(u"כל השמות הועברו בהצלחה"), Ui::vbOK);
    w.Command7->click();
    EXPECT_EQ(w.NewName[5]->text(), "NEW");
}

TEST_F(ToolsWindowTest, ImportFromSpreadsheetFilesInEitherEncoding)
{
    SiteProject();
    const QString hebrew = QStringLiteral(u"לובי מזרח");
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const QString text = "3," + hebrew + "\r\n4,\"HALL, WEST\"\r\n5,stairs\r\n";
    const Case cases[] = {
        {"UTF-8 with a byte-order mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"UTF-8", text.toUtf8()},
        {"Windows-1255", TextCodec::ToCp1255(text)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frm6NamesAndSettings w;
        w.Command11->click();
        WriteCsv(c.bytes);
        prompter.Expect(Ui::vbYes);
        prompter.Expect(QStringLiteral(u"כל השמות הועברו בהצלחה"), Ui::vbOK);
        w.Command7->click();
        EXPECT_EQ(prompter.Calls().back().title, QStringLiteral(u"העברת שמות"));
        EXPECT_EQ(w.NewName[3]->text(), hebrew);
        EXPECT_EQ(w.NewName[4]->text(), "HALL, WEST");
        EXPECT_EQ(w.NewName[5]->text(), "STAIRS") << "stored as a typed name is, in upper case";
        EXPECT_EQ(w.NewName[6]->text().trimmed(), "DEVICE 6");
        prompter.Expect(Ui::vbNo);
        w.close();
    }
}

TEST_F(ToolsWindowTest, ImportReportsMismatchAndInvalidNamesAndLeavesTheCheckAudible)
{
    SiteProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    WriteCsv("7,BAD$NAME\r\n120,FREE\r\n0,ZERO\r\n12.5,HALF\r\nx,LETTER\r\nNO COMMA\r\n"
             "12,ABCDEFGHIJKLMNOPQRST\r\n");
    prompter.Expect(Ui::vbYes);
    prompter.Expect(QStringLiteral(u"אין התאמה בין קובץ השמות לרשימת התקנים."), Ui::vbOK);
    w.Command7->click();
    const QString report = prompter.Calls().back().prompt;
    EXPECT_TRUE(report.contains("\r\n- - - - -\r\n"));
    EXPECT_TRUE(report.endsWith(QStringLiteral(u"תווים לא חוקיים ימחקו בכתובות:\r\n7")));
    EXPECT_EQ(w.NewName[7]->text(), "BADNAME");
    EXPECT_EQ(w.NewName[12]->text(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(w.NewName[120]->text(), "");
    EXPECT_FALSE(NameCheckQuiet) << "the name check speaks again after the import";

    // A refused name typed afterwards is explained, not cleaned silently.
    w.NewName[8]->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(w.NewName[8], "ex@it");
    prompter.Expect(Ui::vbOK);
    w.NewName[9]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(w.NewName[8]->text(), "EXIT");
}

// A user fills a free range with detectors, sets the sensitivity and verification of all smoke
// detectors, imports names from a spreadsheet's CSV, reads the summary and the strip, and
// closes with Yes: the project file holds it all.
TEST_F(ToolsWindowTest, FromTheToolsToTheProjectFile)
{
    SiteProject();
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    Fill(w, "100", "110", 0);
    w.Command20->click();
    prompter.Expect(Ui::vbYes);
    w.Command19[2]->click();
    w.Command21->click();
    prompter.Expect(Ui::vbYes);
    w.Command22[0]->click();
    WriteCsv(QByteArray("\xEF\xBB\xBF") + QStringLiteral(u"100,לובי\r\n101,\"STAIRS, NORTH\"\r\n41,KITCHEN 2\r\n").toUtf8());
    prompter.Expect(Ui::vbYes);
    prompter.Expect(Ui::vbOK);
    w.Command7->click();

    w.Command9->click();
    EXPECT_EQ(w.Label13[0]->text(), "Total Inputs in System : 108");
    EXPECT_EQ(w.Label12[1]->text(), "103");
    w.Command17->click();
    ASSERT_FALSE(w.Frame1->isHidden());
    w.Command10->click();
    w.Label4_MouseMove(100, 5, 5);
    EXPECT_EQ(w.Label5->text(), QStringLiteral(u"Factory name\n100 SMOKE DET  #\nDevice name\nלובי"));
    EXPECT_EQ(w.Label6->text(), "HIGH sensitivity");

    prompter.Expect("Save data ?", Ui::vbYes);
    w.SaveBttn->click();
    EXPECT_EQ(NumOfDevices.str(), "110");
    CSetting setting;
    ASSERT_TRUE(ProjectFile::Write(setting, ProjectFile::CurrentHeader(), nullptr));
    ResetModule::ResetProject(false);
    ASSERT_TRUE(ProjectFile::Read().ok);
    for (int a = 100; a <= 110; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(DeviceDataArray[size_t(a)].Exist.str(), "1");
        EXPECT_EQ(KindOf(DeviceDataArray[size_t(a)]), DeviceKind::SmokeDetector);
        EXPECT_EQ(ValInt(DeviceDataArray[size_t(a)].AlarmValue.str()), 20);
        EXPECT_EQ(DeviceDataArray[size_t(a)].DeviceNeedVer.str(), "1");
    }
    EXPECT_EQ(ValInt(DeviceDataArray[5].AlarmValue.str()), 20);
    EXPECT_EQ(ValInt(DeviceDataArray[41].AlarmValue.str()), 58) << "the heat detector keeps its temperature";
    EXPECT_EQ(DeviceDataArray[100].DeviceName.str().trimmed(), QStringLiteral(u"לובי"));
    EXPECT_EQ(DeviceDataArray[101].DeviceName.str().trimmed(), "STAIRS, NORTH");
    EXPECT_EQ(DeviceDataArray[102].DeviceName.str().trimmed(), "SMOKE DET   102");
    EXPECT_EQ(DeviceDataArray[41].DeviceName.str().trimmed(), "KITCHEN 2");
    EXPECT_EQ(DeviceDataArray[111].Exist.str(), "0");
}

}  // namespace
