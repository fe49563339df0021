// The report lists as the eye sees them, through what each list draws: every line laid out as
// the printout lays it out, in the report's direction (a Hebrew report from the right edge), its
// tab columns lined up on one edge, each field reading in order whatever scripts it mixes, and
// nothing cut. With VD_SCREENSHOTS set, each window is also saved as a picture to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <QApplication>
#include <QFontMetricsF>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>

#include "DrawnText.h"
#include "ReportFixture.h"
#include "ReportWindows.h"
#include "platform/TextColumns.h"
#include "tests/mainwindow/LayoutChecks.h"

namespace {

using namespace ReportTest;
using DrawnText::TextRun;

constexpr double Near = 0.75;  // pixels: the same edge

struct DrawnRow {
    QString text;
    std::vector<TextRun> runs;
};

// Every line of the list as it is drawn, page by page from the top.
std::vector<DrawnRow> DrawnRows(QListWidget& list)
{
    std::vector<DrawnRow> rows;
    QWidget& view = *list.viewport();
    while (int(rows.size()) < list.count()) {
        list.scrollToItem(list.item(int(rows.size())), QAbstractItemView::PositionAtTop);
        const std::vector<TextRun> runs = DrawnText::Of(view);
        const size_t before = rows.size();
        for (int i = int(rows.size()); i < list.count(); ++i) {
            const QRect r = list.visualItemRect(list.item(i));
            if (r.bottom() >= view.height()) break;  // not wholly in sight: on the next page
            DrawnRow row{list.item(i)->text(), {}};
            for (const TextRun& run : runs)
                if (run.baseline >= r.top() && run.baseline <= r.bottom() + 1) row.runs.push_back(run);
            rows.push_back(row);
        }
        if (rows.size() == before) {
            ADD_FAILURE() << "a line taller than the list";
            break;
        }
    }
    list.scrollToTop();
    return rows;
}

// What a reader sees of a text: no blanks, no marks that take no room.
QString Visible(QString s) { return s.remove(QRegularExpression(QStringLiteral("[\\s\\p{Cf}]"))); }
bool HasLatinLetter(const QString& s) { return s.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))); }

// A field's runs as a reader of Hebrew takes them: from the right, a stretch of touching runs
// that read left to right (an English name, a number, a date) as one, from its left end.
struct Reading {
    QString text;
    QStringList leftToRight;  // the stretches holding a Latin letter, as seen
};
Reading ReadFromTheRight(std::vector<TextRun> runs)
{
    std::sort(runs.begin(), runs.end(), [](const TextRun& a, const TextRun& b) { return a.boxRight > b.boxRight; });
    Reading read;
    for (size_t i = 0; i < runs.size();) {
        size_t j = i + 1;
        if (runs[i].rightToLeft) {
            read.text += runs[i].text;
        } else {
            while (j < runs.size() && !runs[j].rightToLeft && std::abs(runs[j].boxRight - runs[j - 1].boxLeft) < Near) ++j;
            QString stretch;
            for (size_t k = j; k-- > i;) stretch += runs[k].text;
            read.text += stretch;
            if (HasLatinLetter(stretch)) read.leftToRight << Visible(stretch);
        }
        i = j;
    }
    return read;
}

QString ReadFromTheLeft(std::vector<TextRun> runs)
{
    std::sort(runs.begin(), runs.end(), [](const TextRun& a, const TextRun& b) { return a.left < b.left; });
    QString read;
    for (const TextRun& r : runs) read += r.text;
    return Visible(read);
}

// The phrases of a Hebrew field that a reader takes left to right as one: from a Latin letter or
// a digit to the last one before the next Hebrew letter, holding a Latin letter.
QStringList LeftToRightPhrases(const QString& field)
{
    static const QRegularExpression stretch(QStringLiteral("[A-Za-z0-9](?:[^\\x{05D0}-\\x{05EA}]*[A-Za-z0-9])?"));
    QStringList out;
    for (QRegularExpressionMatchIterator it = stretch.globalMatch(field); it.hasNext();)
        if (const QString s = it.next().captured(); HasLatinLetter(s)) out << Visible(s);
    return out;
}

// What breaks the layout rule in a drawn list, one text per fault: every field that begins with
// something to see starts at its tab stop, counted from the one start edge of all lines (near
// the list's right edge in Hebrew, its left edge in English); in a Hebrew list each field reads
// from the right (its runs, taken as a reader does, give its text, so a number or an English name
// keeps its place after the Hebrew before it) and each phrase of English words and numbers in it
// reads left to right as one ("10 Dec 2026", never "Dec 2026 10"); nothing is drawn outside the
// list.
std::vector<std::string> LayoutFaults(const std::vector<DrawnRow>& rows, bool rightToLeft, const QFont& font, int width)
{
    std::vector<std::string> faults;
    auto fault = [&](int row, const QString& what) {
        faults.push_back(QStringLiteral("line %1 \"%2\": %3").arg(row).arg(rows[size_t(row)].text, what).toStdString());
    };
    const double cellWidth = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    auto startEdge = [&](const TextRun& r) { return rightToLeft ? r.right : r.left; };

    double edge = NAN;
    for (const DrawnRow& row : rows) {
        const TextColumns::Row cells = TextColumns::Cells(row.text);
        if (row.runs.empty() || cells.empty() || cells[0].column != 0 || cells[0].text[0].isSpace()) continue;
        for (const TextRun& r : row.runs)
            if (!r.Blank()) edge = std::isnan(edge) ? startEdge(r) : rightToLeft ? std::max(edge, r.right) : std::min(edge, r.left);
        if (!std::isnan(edge)) break;
    }
    if (std::isnan(edge)) return {"no line starts at the start edge"};
    const double fromSide = rightToLeft ? width - edge : edge;
    if (fromSide < 0 || fromSide > 8)
        faults.push_back("the lines start " + std::to_string(fromSide) + " px from the list's start side");

    for (size_t i = 0; i < rows.size(); ++i) {
        for (const TextRun& r : rows[i].runs)
            if (!r.Blank() && (r.left < -Near || r.right > width + Near)) fault(int(i), "\"" + r.text + "\" is cut by the list's edge");
        for (const TextColumns::Cell& cell : TextColumns::Cells(rows[i].text)) {
            const double at = rightToLeft ? edge - cell.column * cellWidth : edge + cell.column * cellWidth;
            const double end = rightToLeft ? at - cell.width() * cellWidth : at + cell.width() * cellWidth;
            std::vector<TextRun> inCell;
            for (const TextRun& r : rows[i].runs)
                if (const double middle = (r.boxLeft + r.boxRight) / 2; middle > std::min(at, end) && middle < std::max(at, end))
                    inCell.push_back(r);
            if (!cell.text[0].isSpace() &&
                std::none_of(inCell.begin(), inCell.end(), [&](const TextRun& r) { return !r.Blank() && std::abs(startEdge(r) - at) < Near; }))
                fault(int(i), "\"" + cell.text + "\" does not start at column " + QString::number(cell.column));
            if (!rightToLeft) continue;
            const Reading read = ReadFromTheRight(inCell);
            if (Visible(read.text) != Visible(cell.text))
                fault(int(i), "\"" + cell.text + "\" reads from the right as \"" + read.text + "\"");
            if (read.leftToRight != LeftToRightPhrases(cell.text))
                fault(int(i), "\"" + cell.text + "\" has the phrases read left to right \"" + read.leftToRight.join("\", \"") + "\"");
        }
    }
    return faults;
}

class ScreenTest : public ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        // A date in words, so that the date line mixes the scripts in a Hebrew report.
        Regional::SetForTests(Regional{QStringLiteral("10 Dec 2026"), QStringLiteral("09:30"), QStringLiteral(".")});
    }
    void TearDown() override
    {
        QApplication::setLayoutDirection(Qt::LeftToRight);
        ReportFixture::TearDown();
    }
    // The interface in a language, as the program switches it, and the sample project with its
    // factory names in that language.
    static void Language(int16_t lang, void (*fill)() = FillSampleProject)
    {
        UILanguage = lang;
        languages::SetLanguage(lang);
        QApplication::setLayoutDirection(lang == 1 ? Qt::RightToLeft : Qt::LeftToRight);
        ResetModule::ResetProject(true);
        fill();
    }
};

std::vector<std::string> FaultsOf(frmReport& w, int16_t lang)
{
    const std::vector<DrawnRow> rows = DrawnRows(*w.NewList);
    EXPECT_EQ(int(rows.size()), w.NewList->count());
    return LayoutFaults(rows, lang == 1, w.NewList->font(), w.NewList->viewport()->width());
}

TEST_F(ScreenTest, EveryReportReadsInItsDirectionWithItsColumnsLinedUp)
{
    for (const bool full : {false, true}) {
        for (int16_t lang : {1, 2}) {
            Language(lang, full ? FillFullProject : FillSampleProject);
            for (const Window& win : windows) {
                const QString name = QString::fromLatin1(win.name) + (lang == 1 ? "-he" : "-en") + (full ? "-full" : "");
                SCOPED_TRACE(name.toStdString());
                const auto w = win.make();
                w->show();
                QApplication::processEvents();  // the list lays out its rows and its scroll bar
                LayoutChecks::Screenshot(*w, name);
                EXPECT_EQ(FaultsOf(*w, lang), std::vector<std::string>());
            }
        }
    }
}

// The project and date lines of each report in Hebrew, with a project name and a date that begin
// with a number: the label at the right edge, its value to its left reading left to right (drawn
// from the left, the day would stand before the label; read as Hebrew, the day after the month).
// A device name that begins with a number reads so too.
TEST_F(ScreenTest, NumbersAndDatesAmongTheHebrewReadLeftToRight)
{
    Language(1);
    ProjectName = "2 Towers";
    DeviceDataArray[5].DeviceName = "12 AB";
    for (const Window& win : windows) {
        SCOPED_TRACE(win.name);
        const auto w = win.make();
        w->show();
        const std::vector<DrawnRow> rows = DrawnRows(*w->NewList);
        for (const auto& [label, value] : {std::pair{QStringLiteral("שם הפרוייקט: "), QStringLiteral("2 Towers")},
                                           std::pair{QStringLiteral("תאריך: "), QStringLiteral("10 Dec 2026")}}) {
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const DrawnRow& r) { return r.text == label + value; });
            ASSERT_NE(row, rows.end()) << value.toStdString();
            const auto labelRun = std::find_if(row->runs.begin(), row->runs.end(),
                                               [&](const TextRun& r) { return r.text.contains(label.left(3)); });
            ASSERT_NE(labelRun, row->runs.end());
            std::vector<TextRun> valueRuns;
            for (const TextRun& r : row->runs)
                if (&r != &*labelRun && !r.Blank()) valueRuns.push_back(r);
            for (const TextRun& r : valueRuns) EXPECT_LE(r.right, labelRun->left + Near) << r.text.toStdString() << " right of the label";
            EXPECT_EQ(ReadFromTheLeft(valueRuns).toStdString(), Visible(value).toStdString());
            EXPECT_NEAR(labelRun->right, w->NewList->viewport()->width(), 8) << "at the right edge";
        }
    }
    frmView names;
    names.show();
    const std::vector<DrawnRow> rows = DrawnRows(*names.NewList);
    const auto row = std::find_if(rows.begin(), rows.end(), [](const DrawnRow& r) { return r.text.contains("12 AB"); });
    ASSERT_NE(row, rows.end());
    std::vector<TextRun> name;
    for (const TextRun& r : row->runs)
        if (!r.Blank() && QStringLiteral("12 AB").contains(r.text.trimmed())) name.push_back(r);
    EXPECT_EQ(ReadFromTheLeft(name).toStdString(), "12AB");
}

// The digits a line shows, as read from the right: each from its place in its run (a fixed-pitch
// font: every character takes one cell).
QString DigitsFromTheRight(const std::vector<TextRun>& runs)
{
    std::vector<std::pair<double, QChar>> seen;
    for (const TextRun& r : runs) {
        const double cell = (r.boxRight - r.boxLeft) / double(r.text.size());
        for (qsizetype k = 0; k < r.text.size(); ++k)
            if (r.text[k].isDigit()) seen.emplace_back(r.rightToLeft ? r.boxRight - (k + 0.5) * cell : r.boxLeft + (k + 0.5) * cell, r.text[k]);
    }
    std::sort(seen.begin(), seen.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QString digits;
    for (const auto& s : seen) digits += s.second;
    return digits;
}

// Numbers alone among the Hebrew keep their reading order: in the card totals' "ככתובת 1   : 5"
// the address comes first from the right, then the count. Read left to right as one, like a phrase
// holding a letter, the line would show the count first.
TEST_F(ScreenTest, NumbersAloneAmongTheHebrewKeepTheirReadingOrder)
{
    Language(1, FillFiveRelayCards);
    frmView2 w;
    w.show();
    const std::vector<DrawnRow> rows = DrawnRows(*w.NewList);
    const auto row = std::find_if(rows.begin(), rows.end(), [](const DrawnRow& r) { return r.text == FiveRelayCardsTotal; });
    ASSERT_NE(row, rows.end());
    EXPECT_EQ(DigitsFromTheRight(row->runs).toStdString(), "15");
}

// English reports are drawn as they always were: from the left edge, the same whatever the
// interface's direction, the list's scroll bar on the right.
TEST_F(ScreenTest, AnEnglishReportReadsFromTheLeft)
{
    Language(2);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    frmView w;
    w.show();
    EXPECT_EQ(w.NewList->layoutDirection(), Qt::LeftToRight);
    const std::vector<DrawnRow> rows = DrawnRows(*w.NewList);
    EXPECT_EQ(LayoutFaults(rows, false, w.NewList->font(), w.NewList->viewport()->width()), std::vector<std::string>());
    ASSERT_FALSE(rows[0].runs.empty());
    EXPECT_NEAR(rows[0].runs[0].left, 2, Near) << "two pixels from the left edge";
    EXPECT_EQ(rows[0].runs[0].text.toStdString(), "Project name:Site");
    EXPECT_GT(w.NewList->verticalScrollBar()->mapTo(&w, QPoint()).x(), w.NewList->x() + w.NewList->width() / 2);
}

// Any names, in either script or both, with numbers and signs among the letters: the rule holds
// on every line of every report, in both languages.
TEST_F(ScreenTest, RandomNamesKeepTheLayout)
{
    const QString letters = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשתםןץףךABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789     -/.,()'#");
    const QString dates[] = {QStringLiteral("10 Dec 2026"), QStringLiteral("10/12/2026"), QStringLiteral("2026-12-10"),
                             QStringLiteral("Thu 10.12.26")};
    std::mt19937 random(20261210);
    auto name = [&] {
        QString s;
        const int length = std::uniform_int_distribution<int>(1, 16)(random);
        for (int i = 0; i < length; ++i) s += letters[std::uniform_int_distribution<int>(0, int(letters.size()) - 1)(random)];
        return s;
    };
    for (int round = 0; round < 6; ++round) {
        for (int16_t lang : {1, 2}) {
            Language(lang);
            ProjectName = name().trimmed();
            Regional::SetForTests(Regional{dates[round % 4], QStringLiteral("09:30"), QStringLiteral(".")});
            for (int a = 1; a <= 126; ++a)
                if (DeviceDataArray[a].Exist.str() == "1") DeviceDataArray[a].DeviceName = name();
            for (int g = 1; g <= 32; ++g) OutGrpArray[g].GrpName = name();
            for (const Window& win : windows) {
                SCOPED_TRACE(std::string(win.name) + " round " + std::to_string(round) + (lang == 1 ? " in Hebrew" : " in English"));
                const auto w = win.make();
                w->show();
                EXPECT_EQ(FaultsOf(*w, lang), std::vector<std::string>());
            }
        }
    }
}

}  // namespace
