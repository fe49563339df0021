// The report window frame through its controls: captions and sizes, SAVE, the export, the
// closing question, files that cannot be written, and printing to a PDF file.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "ReportFixture.h"
#include "reports/frmGroups.h"
#include "reports/frmHistory.h"
#include "reports/frmView.h"
#include "reports/frmView2.h"
#include "reports/NamesReport.h"
#include "reports/ReportText.h"
#include "tests/common/ScriptedPrinter.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

using namespace ReportTest;

QStringList ListLines(const QListWidget& list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}

class FrameTest : public ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        languages::SetLanguage(2);
        FillSampleProject();
    }
    const Ui::MsgBoxCall& LastBox() const { return prompter.LastCall(); }
    QString ReportFile() const { return folder + "Site.txt"; }
    // The first page of what PRINT sends to a PDF file named `name`.
    Pdf::Page PrintedPage(frmReport& w, const QString& name)
    {
        w.show();
        const QString pdf = tmp.path() + QLatin1Char('/') + name;
        printer.ExpectPdf(pdf);
        w.prnCmd->click();
        return Pdf::Words(pdf);
    }

    ScriptedPrompter prompter;
    ScriptedPrinter printer;
};

TEST_F(FrameTest, CaptionsTextsAndSizesOfTheFourWindows)
{
    const struct {
        std::function<std::unique_ptr<frmReport>()> make;
        int16_t lang;
        const char* caption;
        const char* koteret;
        const char* label2;
        bool label2Right;
        const char* save;
        double listPoints;
    } cases[] = {
        {[] { return std::make_unique<frmGroups>(); }, 2, "Tessel126 - Activation groups", "GROUPS      ",
         "The file will be saved under the project name with letter '_G' and TXT extension", false, "SAVE", 9.75},
        {[] { return std::make_unique<frmHistory>(); }, 2, "Tessel126 - History", "History",
         "The file will be saved under the project name with letter '_H' and TXT extension", false, "SAVE", 9.75},
        {[] { return std::make_unique<frmView>(); }, 2, "Tessel126 - Names of devices", "Devices names",
         "The file will be saved under the project name with TXT extension", true, "SAVE", 9.75},
        {[] { return std::make_unique<frmView2>(); }, 2, "Tessel126 - Names and settings of devices", "Device settings",
         "The file will be saved under the project name with '(+)' and TXT extension", true, "SAVE", 8.25},
        {[] { return std::make_unique<frmGroups>(); }, 1, "Tessel126 - קבוצות הפעלה", "קבוצות הפעלה",
         " '_G' הקובץ ישמר תחת שם הפרויקט עם תוספת", true, "שמור קובץ הדפסה", 9.75},
        {[] { return std::make_unique<frmView2>(); }, 1, "Tessel126 - תצוגת שמות והגדרות ההתקנים במערכת", "הגדרות ההתקנים",
         " TXT הקובץ ישמר תחת שם הפרויקט עם סיומת", true, "שמור קובץ הדפסה", 8.25},
    };
    for (const auto& c : cases) {
        UILanguage = c.lang;
        const auto w = c.make();
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(w->Koteret->text(), QString::fromUtf8(c.koteret));
        EXPECT_EQ(w->Label2->text(), QString::fromUtf8(c.label2));
        EXPECT_EQ(bool(w->Label2->alignment() & Qt::AlignRight), c.label2Right);
        EXPECT_EQ(w->saveLogCmd->text(), QString::fromUtf8(c.save));
        EXPECT_DOUBLE_EQ(w->NewList->font().pointSizeF(), c.listPoints);
        EXPECT_EQ(w->size(), QSize(900, 600)) << "9420 twips with the title bar and borders";
        EXPECT_EQ(w->NewList->geometry(), QRect(5, 35, 890, 511));
        EXPECT_EQ(w->ExitCmd->geometry(), QRect(450, 560, 178, 30));
        // Nothing is cut, whatever font stands in for Arial.
        for (QPushButton* b : {w->Command1, w->saveLogCmd, w->prnCmd, w->ExitCmd}) {
            QStyleOptionButton option;
            option.initFrom(b);
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()),
                      b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width())
                << b->objectName().toStdString();
        }
        for (QLabel* l : {w->Label2, w->Koteret}) EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
    }
    UILanguage = 1;
    EXPECT_EQ(frmView().Command1->text(), QStringLiteral("עבור Excel"));
    UILanguage = 2;
    SmallDisplay = true;
    for (const auto& c : cases) {
        const auto w = c.make();
        EXPECT_EQ(w->height(), 475);  // 7545 twips with the title bar and borders
        EXPECT_EQ(w->NewList->height(), 400);
        for (QWidget* b : {static_cast<QWidget*>(w->Command1), static_cast<QWidget*>(w->saveLogCmd),
                           static_cast<QWidget*>(w->prnCmd), static_cast<QWidget*>(w->ExitCmd), static_cast<QWidget*>(w->Koteret)})
            EXPECT_EQ(b->y(), 440);
    }
}

TEST_F(FrameTest, EachShowingRebuildsTheReportFromTheProject)
{
    frmView w;
    w.show();
    const int before = w.NewList->count();
    EXPECT_EQ(w.TxtFilePath, ReportFile());
    w.hide();
    ResetModule::ResetDevices(1, 126, 1);
    ProjectName = "Other";
    w.show();
    EXPECT_EQ(w.NewList->count(), 4);
    EXPECT_LT(w.NewList->count(), before);
    EXPECT_EQ(w.TxtFilePath, folder + "Other.txt");
}

TEST_F(FrameTest, SaveWritesTheReportFileAndThenSaysSo)
{
    frmView w;
    w.show();
    prompter.Expect("The file saved in project folder", Ui::vbCancel);
    w.saveLogCmd->click();
    EXPECT_EQ(LastBox().buttons(), Ui::vbOKCancel);
    EXPECT_TRUE(LastBox().title.isEmpty()) << "the program's own title";
    EXPECT_EQ(Bytes(ReportFile()), TextFile::LinesBytes(NamesReport::FileLines(2, FixedRegional())));

    UILanguage = 1;
    frmView he;
    he.show();
    prompter.Expect(QStringLiteral("הקובץ נשמר בתיקיית הפרוייקט"), Ui::vbOK);
    he.saveLogCmd->click();
    EXPECT_TRUE(LastBox().rightToLeft());
}

TEST_F(FrameTest, TheNamesAndSettingsFileIsExactlyItsList)
{
    frmView2 w;
    w.show();
    prompter.Expect(Ui::vbOK);
    w.saveLogCmd->click();
    EXPECT_EQ(TextFile::ReadLines(folder + "Site(+).txt"), ListLines(*w.NewList));
    EXPECT_EQ(w.SettingsToListView(3, 1), "         1,2");
}

TEST_F(FrameTest, AReportThatCannotBeWrittenIsNamedAndNothingClaimsSuccess)
{
    // The project folder is gone.
    const QString gone = folder + "gone/";
    usrDataPath = gone;
    frmView w;
    w.show();
    prompter.Expect(gone + "Site.txt", Ui::vbOK);
    w.saveLogCmd->click();
    EXPECT_TRUE(LastBox().prompt.startsWith("The file could not be written"));
    EXPECT_TRUE(LastBox().prompt.contains("Path not found"));
    EXPECT_EQ(prompter.Calls().size(), 1u) << "no SAVE message after a failed write";
    EXPECT_TRUE(w.isVisible());

    // A folder in the file's place, and a full disk: the old file stays as it was.
    usrDataPath = folder;
    w.hide();
    w.show();
    ASSERT_TRUE(QDir(folder).mkdir("Site.txt"));
    prompter.Expect(ReportFile(), Ui::vbOK);
    w.saveLogCmd->click();
    ASSERT_TRUE(QDir(folder).rmdir("Site.txt"));
    WriteBytes(ReportFile(), "old report\r\n");
    TextFile::FailNextWrite();
    prompter.Expect("Disk full", Ui::vbOK);
    w.saveLogCmd->click();
    EXPECT_EQ(Bytes(ReportFile()), "old report\r\n");

    UILanguage = 1;
    frmView he;
    he.show();
    TextFile::FailNextWrite();
    prompter.Expect(ReportFile(), Ui::vbOK);
    he.saveLogCmd->click();
    EXPECT_TRUE(LastBox().prompt.startsWith(QStringLiteral("לא ניתן לכתוב את הקובץ")));
    EXPECT_TRUE(LastBox().rightToLeft());
}

TEST_F(FrameTest, TheExportIsAFileOfItsOwn)
{
    frmGroups w;
    w.show();
    prompter.Expect(Ui::vbOK);
    w.saveLogCmd->click();
    const QByteArray report = Bytes(folder + "Site_G.txt");
    w.Command1->click();
    EXPECT_EQ(Bytes(folder + "Site-Excel.txt"), TextFile::LinesBytes(ReportText::DeviceNamesExport()));
    EXPECT_EQ(w.TxtFilePath, folder + "Site_G.txt");
    prompter.Expect(Ui::vbOK);
    w.saveLogCmd->click();
    EXPECT_EQ(Bytes(folder + "Site_G.txt"), report);
    EXPECT_EQ(prompter.Calls().size(), 2u) << "the export shows no message";

    // No occupied address: an empty export file.
    ResetModule::ResetDevices(1, 126, 1);
    w.Command1->click();
    EXPECT_TRUE(QFile::exists(folder + "Site-Excel.txt"));
    EXPECT_TRUE(Bytes(folder + "Site-Excel.txt").isEmpty());

    TextFile::FailNextWrite();
    prompter.Expect(folder + "Site-Excel.txt", Ui::vbOK);
    w.Command1->click();
}

TEST_F(FrameTest, ClosingAsksEveryTime)
{
    auto w = std::make_unique<frmView>();
    w->show();
    const QStringList list = ListLines(*w->NewList);

    prompter.Expect("Save the file ?", Ui::vbCancel);
    w->ExitCmd->click();
    EXPECT_EQ(LastBox().title, "Devices names");
    EXPECT_EQ(LastBox().buttons(), Ui::vbYesNoCancel);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(ListLines(*w->NewList), list);

    WriteBytes(ReportFile(), "kept\r\n");
    prompter.Expect("Save the file ?", Ui::vbNo);
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Bytes(ReportFile()), "kept\r\n");

    // Also right after SAVE; Yes writes the file.
    w->show();
    prompter.Expect(Ui::vbOK);
    w->saveLogCmd->click();
    WriteBytes(ReportFile(), "old\r\n");
    prompter.Expect("Save the file ?", Ui::vbYes);
    w->ExitCmd->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Bytes(ReportFile()), TextFile::LinesBytes(NamesReport::FileLines(2, FixedRegional())));

    UILanguage = 1;
    frmHistory he;
    he.show();
    prompter.Expect(QStringLiteral("לשמור לקובץ ?"), Ui::vbCancel);
    he.close();
    EXPECT_EQ(LastBox().title, QStringLiteral("דוח היסטוריה"));
    EXPECT_TRUE(LastBox().rightToLeft());
    prompter.Expect(Ui::vbNo);
    he.close();
}

TEST_F(FrameTest, YesKeepsTheWindowOpenWhenTheSaveFails)
{
    frmView w;
    w.show();
    TextFile::FailNextWrite();
    prompter.Expect("Save the file ?", Ui::vbYes);
    prompter.Expect("The file could not be written", Ui::vbOK);
    w.ExitCmd->click();
    EXPECT_TRUE(w.isVisible());
    prompter.Expect("Save the file ?", Ui::vbNo);
    w.close();
}

TEST_F(FrameTest, PrintWritesTheFileFirstAndCancelIsQuiet)
{
    frmHistory w;
    w.show();
    printer.ExpectCancel();
    w.prnCmd->click();
    EXPECT_EQ(printer.Shown(), 1);
    EXPECT_TRUE(prompter.Calls().empty());
    EXPECT_TRUE(QFile::exists(folder + "Site_H.txt"));
    // The lone carriage return before the title prints as an empty line of its own.
    EXPECT_EQ(TextFile::ReadLines(folder + "Site_H.txt")->mid(1, 3),
              QStringList({"Date:  24/03/2025  Time: 14:05", "", "Events Log (History)  \t"}));

    // A report file that cannot be written is not printed.
    TextFile::FailNextWrite();
    prompter.Expect("Site_H.txt", Ui::vbOK);
    w.prnCmd->click();
    EXPECT_EQ(printer.Shown(), 1);
}

TEST_F(FrameTest, PrintsEveryCopyOfTheFileToPdf)
{
    frmGroups w;
    w.show();
    const QString pdf = tmp.path() + "/groups.pdf";
    printer.ExpectPdf(pdf, 3);
    w.prnCmd->click();
    EXPECT_TRUE(prompter.Calls().empty());
    const QString text = Pdf::Text(pdf);
    EXPECT_EQ(text.count("--- End Group"), 3 * 3) << "three groups with a trigger, three copies";
    EXPECT_EQ(text.count("Project name Site"), 3);
}

// The whole printout reads in the report's direction: the first fields of all lines share one
// edge, whichever script the line begins with.
TEST_F(FrameTest, EveryPrintedLineReadsInTheReportsDirection)
{
    // English: the event whose type is in Hebrew starts at the left margin like the others.
    frmHistory en;
    const Pdf::Page enPage = PrintedPage(en, "history.pdf");
    const std::vector<Pdf::Word> first = enPage.Find("001"), hebrew = enPage.Find("002"), last = enPage.Find("005");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(hebrew.size(), 1u);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_LT(first[0].xMin, enPage.width / 4);
    EXPECT_NEAR(hebrew[0].xMin, first[0].xMin, 0.5);
    EXPECT_NEAR(last[0].xMin, first[0].xMin, 0.5);
    EXPECT_LT(hebrew[0].yMin, last[0].yMin);

    // Hebrew: lines that begin with an English name end at the right margin like those that
    // begin with a Hebrew one.
    UILanguage = 1;
    languages::SetLanguage(1);
    frmGroups he;
    const Pdf::Page hePage = PrintedPage(he, "groups.pdf");
    const std::vector<Pdf::Word> kitchen = hePage.Find("KITCHEN"), roof = hePage.Find("ROOF"), store = hePage.Find("004");
    ASSERT_EQ(kitchen.size(), 2u) << "groups 1 and 2";
    ASSERT_EQ(roof.size(), 1u);
    ASSERT_EQ(store.size(), 1u) << "the line of the store room, named in Hebrew";
    const double rightEdge = hePage.LineOf(store[0]).back().xMax;
    EXPECT_GT(kitchen[0].xMin, hePage.width * 3 / 4);
    EXPECT_NEAR(kitchen[0].xMax, rightEdge, 0.5);
    EXPECT_NEAR(kitchen[1].xMax, rightEdge, 0.5);
    EXPECT_NEAR(roof[0].xMax, rightEdge, 0.5);
    EXPECT_EQ(hePage.LineOf(kitchen[0]).back().text, "KITCHEN");
}

// A date that begins with a number reads left to right after its Hebrew label on the printout
// too, as the list shows it: "10 Dec 2026", not "Dec 2026 10".
TEST_F(FrameTest, APrintedHebrewDateReadsLeftToRight)
{
    Regional::SetForTests(Regional{QStringLiteral("10 Dec 2026"), QStringLiteral("09:30"), QStringLiteral(".")});
    UILanguage = 1;
    languages::SetLanguage(1);
    frmView w;
    const Pdf::Page page = PrintedPage(w, "names.pdf");
    const std::vector<Pdf::Word> day = page.Find("10"), month = page.Find("Dec"), year = page.Find("2026");
    ASSERT_EQ(day.size(), 1u);
    ASSERT_EQ(month.size(), 1u);
    ASSERT_EQ(year.size(), 1u);
    EXPECT_LT(day[0].xMax, month[0].xMin);
    EXPECT_LT(month[0].xMax, year[0].xMin);
    EXPECT_GT(page.LineOf(day[0]).back().xMax, page.width * 3 / 4) << "the line reads from the right margin";
}

TEST_F(FrameTest, AFailedPrintSaysWhere)
{
    frmView w;
    w.show();
    const QString pdf = tmp.path() + "/missing/out.pdf";
    printer.ExpectPdf(pdf);
    prompter.Expect("The report could not be printed", Ui::vbOK);
    w.prnCmd->click();
    ASSERT_EQ(prompter.Pending(), 0) << "a print that failed is said, not passed over";
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_TRUE(LastBox().prompt.contains(pdf));
    EXPECT_TRUE(LastBox().style & Ui::vbCritical);
}

TEST_F(FrameTest, ALongHebrewReportPrintsOnSeveralPagesAndReadsBack)
{
    ResetModule::ResetDevices(1, 126, 1);
    UILanguage = 1;
    languages::SetLanguage(1);
    FillFullProject();
    frmView2 w;
    w.show();
    const QString pdf = tmp.path() + "/settings.pdf";
    printer.ExpectPdf(pdf);
    w.prnCmd->click();
    const int pages = Pdf::Pages(pdf);
    EXPECT_GE(pages, 3);
    const QString first = Pdf::Text(pdf, 1, 1), last = Pdf::Text(pdf, pages, pages), all = Pdf::Text(pdf);
    EXPECT_TRUE(first.contains(QStringLiteral("שמות והגדרות התקנים"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("גלאי עשן")));
    EXPECT_TRUE(last.contains(QStringLiteral("סה''כ כרטיסי ממסר על קו גילוי"))) << last.toStdString();
    for (int a = 1; a <= 126; ++a) {
        const QString name = a % 2 ? QStringLiteral("חדר %1").arg(a) : QStringLiteral("ROOM %1").arg(a);
        EXPECT_TRUE(all.contains(name)) << a;
    }
}

}  // namespace
