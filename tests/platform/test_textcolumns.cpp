// Report lines in tab columns: where each field starts, how a line wider than a page wraps
// without losing a character, and that paper shows the ink of the screen.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "platform/Printer.h"
#include "platform/TextColumns.h"

namespace {

using TextColumns::Cell;
using TextColumns::Row;

std::vector<std::pair<int, QString>> Placed(const Row& row)
{
    std::vector<std::pair<int, QString>> out;
    for (const Cell& c : row) out.emplace_back(c.column, c.text);
    return out;
}

TEST(TextColumnsTest, FieldsStartAtTabStopsOfEightColumns)
{
    using P = std::vector<std::pair<int, QString>>;
    const struct {
        QString line;
        P cells;
    } cases[] = {
        {"007\tKITCHEN", P{{0, "007"}, {8, "KITCHEN"}}},
        // A 16-character field ends on a tab stop: its Tab goes on to the next one.
        {"KITCHEN         \t007", P{{0, "KITCHEN         "}, {24, "007"}}},
        // Two Tabs leave an empty column.
        {"007\tNAME\t\tFACTORY", P{{0, "007"}, {8, "NAME"}, {24, "FACTORY"}}},
        {"\tX", P{{8, "X"}}},
        {QString(), P{}},
        // The lone carriage return of the events log's title takes no column.
        {"\rEvents Log\t", P{{0, "Events Log"}}},
        {QStringLiteral("מס'\tשם ההתקן"), P{{0, QStringLiteral("מס'")}, {8, QStringLiteral("שם ההתקן")}}},
    };
    for (const auto& c : cases) EXPECT_EQ(Placed(TextColumns::Cells(c.line)), c.cells) << c.line.toStdString();
    EXPECT_EQ(TextColumns::Width(TextColumns::Cells("007\tKITCHEN")), 15);
}

QString Joined(const std::vector<Row>& rows)
{
    QString all;
    for (const Row& r : rows)
        for (const Cell& c : r) all += c.text;
    return all;
}

TEST(TextColumnsTest, AWideLineWrapsAtFieldsAndLosesNothing)
{
    // Fields at 0, 24, 48 and 56; the page has 50 columns.
    const Row cells = TextColumns::Cells("FACTORY NAME    \tDEVICE NAME     \tSETTING\tLAST");
    const std::vector<Row> rows = TextColumns::Wrap(cells, 50, 4);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Placed(rows[0]), (std::vector<std::pair<int, QString>>{{0, "FACTORY NAME    "}, {24, "DEVICE NAME     "}}));
    // The rest keeps its spacing after the indent.
    EXPECT_EQ(Placed(rows[1]), (std::vector<std::pair<int, QString>>{{4, "SETTING"}, {12, "LAST"}}));
    for (const Row& r : rows) EXPECT_LE(TextColumns::Width(r), 50);

    EXPECT_EQ(TextColumns::Wrap(cells, 200, 4).size(), 1u) << "a line that fits stays one row";
    EXPECT_EQ(TextColumns::Wrap({}, 80, 4).size(), 1u) << "an empty line is one empty row";
}

TEST(TextColumnsTest, AFieldWiderThanThePageIsCutIntoPieces)
{
    const QString ruler(97, u'=');
    const std::vector<Row> rows = TextColumns::Wrap(TextColumns::Cells(ruler + "\tEND"), 40, 4);
    EXPECT_EQ(Joined(rows), ruler + "END");
    for (const Row& r : rows) EXPECT_LE(TextColumns::Width(r), 40);
    EXPECT_EQ(rows[0][0].column, 0);
    EXPECT_EQ(rows[1][0].column, 4);
}

TEST(TextColumnsTest, AFirstFieldThatStartsPastTheRowEdgeIsPrintedOnceInsideThePage)
{
    // Six Tabs put the field at column 48, past a 40-column page.
    const std::vector<Row> rows = TextColumns::Wrap(TextColumns::Cells("\t\t\t\t\t\tLATE"), 40, 4);
    EXPECT_EQ(Joined(rows), "LATE");
    for (const Row& r : rows) EXPECT_LE(TextColumns::Width(r), 40);
}

// The pixels of `line` drawn in one row on `surface`, in the report font.
QImage Drawn(const QString& line, bool rightToLeft, TextColumns::Surface surface)
{
    QImage image(900, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QFont font = Printer::ReportFont(Printer::PrintPoints);
    painter.setFont(font);
    const double cellWidth = QFontMetricsF(font, &image).horizontalAdvance(QLatin1Char('M'));
    TextColumns::DrawRow(painter, TextColumns::Cells(line), rightToLeft, QRectF(image.rect()), cellWidth, surface);
    return image;
}

// Paper draws a word at a time, and a letter with its points or accent once: its ink is the
// screen's, pixel for pixel (a glyph drawn twice darkens its edges).
TEST(TextColumnsTest, PaperShowsTheInkOfTheScreen)
{
    const QString lines[] = {
        QStringLiteral("007\tKITCHEN SMOKE\t\t001 SMOKE DET"),
        QStringLiteral("CAFE\u0301 NORD\tTR\u01AF\u0300NG 5"),  // combining accents
        QStringLiteral("קָבוּצָה 07\tשָׁלוֹם"),                     // pointed Hebrew
        QStringLiteral("קָבוּצָה 07 CAFE\u0301 12/3 אַ"),
    };
    for (const bool rightToLeft : {false, true})
        for (const QString& line : lines)
            EXPECT_TRUE(Drawn(line, rightToLeft, TextColumns::Surface::Paper) == Drawn(line, rightToLeft, TextColumns::Surface::Screen))
                << line.toStdString() << (rightToLeft ? " right to left" : " left to right");
}

}  // namespace
