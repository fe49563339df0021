// Printing text lines to a PDF file through the print dialog's test hook: copies in one job,
// page breaks, wrapped long lines, Hebrew text, points and accents, cancel and a failed output.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/Printer.h"
#include "tests/common/ScriptedPrinter.h"

namespace {

class PrinterTest : public ::testing::Test {
protected:
    QString PdfPath() const { return dir.filePath("out.pdf"); }
    QTemporaryDir dir;
    ScriptedPrinter printer;
};

TEST_F(PrinterTest, CopiesFollowEachOtherInOneDocument)
{
    printer.ExpectPdf(PdfPath(), 3);
    const Printer::Result r = Printer::PrintLines({"FIRST LINE", "LAST LINE"}, "r.txt");
    ASSERT_EQ(r.status, Printer::Status::Printed);
    EXPECT_EQ(r.pages, 1) << "no page break between copies";
    EXPECT_EQ(Pdf::Pages(PdfPath()), 1);
    const QString text = Pdf::Text(PdfPath());
    EXPECT_EQ(text.count("FIRST LINE"), 3);
    EXPECT_EQ(text.count("LAST LINE"), 3);
    EXPECT_LT(text.indexOf("LAST LINE"), text.indexOf("FIRST LINE", text.indexOf("FIRST LINE") + 1));
}

TEST_F(PrinterTest, AFullPageGoesOnToTheNextAndNoLineIsLostOrDoubled)
{
    QStringList lines;
    for (int i = 1; i <= 300; ++i) lines << QStringLiteral("LINE %1 END").arg(i, 3, 10, QLatin1Char('0'));
    printer.ExpectPdf(PdfPath());
    const Printer::Result r = Printer::PrintLines(lines, "long.txt");
    ASSERT_EQ(r.status, Printer::Status::Printed);
    const int pages = Pdf::Pages(PdfPath());
    EXPECT_GE(pages, 4);
    EXPECT_EQ(r.pages, pages);
    const QString all = Pdf::Text(PdfPath());
    for (const QString& l : lines) EXPECT_EQ(all.count(l), 1) << l.toStdString();
    EXPECT_TRUE(Pdf::Text(PdfPath(), 1, 1).contains("LINE 001 END"));
    EXPECT_TRUE(Pdf::Text(PdfPath(), pages, pages).contains("LINE 300 END"));
}

TEST_F(PrinterTest, ALineWiderThanThePageWrapsOntoTheNextLine)
{
    QStringList fields;
    for (int i = 1; i <= 12; ++i) fields << QStringLiteral("FIELD%1").arg(i, 2, 10, QLatin1Char('0')).leftJustified(12);
    printer.ExpectPdf(PdfPath());
    ASSERT_EQ(Printer::PrintLines({fields.join('\t')}, "wide.txt").status, Printer::Status::Printed);
    const QStringList printed = Pdf::Text(PdfPath()).split('\n', Qt::SkipEmptyParts);
    for (int i = 1; i <= 12; ++i) EXPECT_TRUE(Pdf::Text(PdfPath()).contains(QStringLiteral("FIELD%1").arg(i, 2, 10, QLatin1Char('0')))) << i;
    EXPECT_TRUE(printed.first().contains("FIELD01"));
    EXPECT_FALSE(printed.first().contains("FIELD12")) << "the end of the line went to a line of its own";
}

TEST_F(PrinterTest, HebrewLinesReadBackFromThePdf)
{
    printer.ExpectPdf(PdfPath());
    ASSERT_EQ(Printer::PrintLines({QStringLiteral("שם הפרוייקט: Site"), QStringLiteral("001 גלאי עשן   #\tמטבח")}, "he.txt").status,
              Printer::Status::Printed);
    const QString text = Pdf::Text(PdfPath());
    EXPECT_TRUE(text.contains(QStringLiteral("שם הפרוייקט"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("גלאי עשן"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("מטבח"))) << text.toStdString();
}

// The Hebrew words of a text, read apart from their points, in order.
QStringList HebrewWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\x{05D0}-\\x{05EA}]+"));
    QStringList words;
    for (QRegularExpressionMatchIterator it = word.globalMatch(Pdf::Unpointed(text)); it.hasNext();) words << it.next().captured();
    return words;
}

QStringList Sorted(QStringList words)
{
    words.sort();
    return words;
}

std::string Joined(const QStringList& words) { return words.join(u' ').toStdString(); }

// A letter and the points or accent set on it share their glyphs: each character is printed once,
// in either direction, and a pointed Hebrew word reads back as one word, in the order it was drawn
// and as the page shows it.
TEST_F(PrinterTest, ALetterWithItsPointsOrAccentIsPrintedOnce)
{
    const QString lines[] = {
        QStringLiteral("CAFE\u0301 NORD"),          // a combining accent
        QStringLiteral("TR\u01AF\u0300NG 5"),       // a tone mark on a letter with a horn
        QStringLiteral("קָבוּצָה 07"),                // pointed Hebrew
        QStringLiteral("007\tשָׁלוֹם 12/3 CAFE\u0301\tקָבוּצָה"),
    };
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        for (const QString& line : lines) {
            SCOPED_TRACE(line.toStdString() + (direction == Qt::RightToLeft ? " right to left" : " left to right"));
            printer.ExpectPdf(PdfPath());
            ASSERT_EQ(Printer::PrintLines({line}, "marks.txt", direction).status, Printer::Status::Printed);
            const QString drawn = Pdf::Text(PdfPath(), Pdf::Order::Drawn);
            EXPECT_EQ(Pdf::CountsDiffer(line, drawn), "");
            EXPECT_EQ(Joined(HebrewWords(drawn)), Joined(HebrewWords(line)));
            EXPECT_EQ(Joined(Sorted(HebrewWords(Pdf::Text(PdfPath(), Pdf::Order::Shown)))), Joined(Sorted(HebrewWords(line))));
        }
    }
}

TEST_F(PrinterTest, CancelPrintsNothingAndAnOutputThatCannotBeWrittenFails)
{
    printer.ExpectCancel();
    EXPECT_EQ(Printer::PrintLines({"X"}, "x.txt").status, Printer::Status::Cancelled);
    EXPECT_FALSE(QFile::exists(PdfPath()));

    const QString missing = dir.filePath("missing/out.pdf");
    printer.ExpectPdf(missing);
    const Printer::Result r = Printer::PrintLines({"X"}, "x.txt");
    EXPECT_EQ(r.status, Printer::Status::Failed);
    EXPECT_EQ(r.where, missing);
}

TEST(PrinterFontTest, TheReportFontIsAFixedPitchHebrewFontAtTenPoints)
{
    const QFont f = Printer::ReportFont(Printer::PrintPoints);
    EXPECT_EQ(f.families().value(0), "Miriam Fixed");
    EXPECT_TRUE(f.families().contains("Miriam Mono CLM"));
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 10.0);
    EXPECT_FALSE(f.bold());
}

}  // namespace
