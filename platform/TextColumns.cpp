#include "platform/TextColumns.h"

#include <algorithm>

#include <QPainter>
#include <QRectF>
#include <QTextOption>

#include "platform/TextColumnsPaper.h"

namespace TextColumns {
namespace {

bool RightToLeftLetter(QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; }
bool LeftToRightAnchor(QChar c) { return c.isLetterOrNumber() && !RightToLeftLetter(c); }

// A field read right to left keeps each phrase in letters of the other script (a date "10 Dec
// 2026", a factory name "001 SMOKE DET", an English name) reading left to right as one: left
// alone, a number before a word would read after it ("Dec 2026 10"). A phrase runs from a letter
// or digit to the last one before the next Hebrew letter and holds a letter; numbers alone keep
// their reading order ("ככתובת 1   : 5"). The isolating marks take no room.
QString KeptLeftToRight(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size();) {
        if (!LeftToRightAnchor(text[i])) {
            out += text[i++];
            continue;
        }
        qsizetype last = i;
        bool letter = false;
        for (qsizetype j = i; j < text.size() && !RightToLeftLetter(text[j]); ++j) {
            if (LeftToRightAnchor(text[j])) last = j;
            letter = letter || text[j].isLetter();
        }
        const QString phrase = text.mid(i, last - i + 1);
        out += letter ? QChar(0x2066) + phrase + QChar(0x2069) : phrase;
        i = last + 1;
    }
    return out;
}

}  // namespace

Row Cells(const QString& line)
{
    Row cells;
    int column = 0;
    int start = 0;
    QString field;
    auto flush = [&] {
        if (!field.isEmpty()) cells.push_back(Cell{field, start});
        field.clear();
    };
    for (const QChar c : line) {
        if (c == u'\t') {
            flush();
            column = (column / TabStop + 1) * TabStop;
            start = column;
            continue;
        }
        // A line break inside a line (the events log's title line) takes no column.
        if (c == u'\r' || c == u'\n') continue;
        if (field.isEmpty()) start = column;
        field += c;
        ++column;
    }
    flush();
    return cells;
}

int Width(const Row& row) { return row.empty() ? 0 : row.back().column + row.back().width(); }

std::vector<Row> Wrap(const Row& cells, int columns, int indent)
{
    columns = std::max(columns, 1);
    if (indent >= columns) indent = 0;
    std::vector<Row> rows(1);
    int shift = 0;  // columns the current row starts after the line's start
    for (Cell cell : cells) {
        cell.column -= shift;
        // A field that does not fit goes on to a new row; one that starts past the edge of a
        // row still empty (leading Tabs) takes that row, at the indent.
        if (cell.column + cell.width() > columns && (!rows.back().empty() || cell.column >= columns)) {
            shift += cell.column - indent;
            cell.column = indent;
            if (!rows.back().empty()) rows.emplace_back();
        }
        // A field wider than what is left of the row is cut; its rest continues at the indent.
        while (cell.column + cell.width() > columns) {
            const int room = columns - cell.column;
            rows.back().push_back(Cell{cell.text.left(room), cell.column});
            cell.text = cell.text.mid(room);
            shift += columns - indent;
            cell.column = indent;
            rows.emplace_back();
        }
        if (!cell.text.isEmpty()) rows.back().push_back(cell);
    }
    return rows;
}

void DrawRow(QPainter& painter, const Row& row, bool rightToLeftLine, const QRectF& line, double cellWidth, Surface surface)
{
    for (const Cell& c : row) {
        const double width = c.width() * cellWidth;
        const double x = rightToLeftLine ? line.right() - c.column * cellWidth - width : line.left() + c.column * cellWidth;
        QTextOption option(Qt::AlignLeading | Qt::AlignVCenter);
        option.setTextDirection(rightToLeftLine ? Qt::RightToLeft : Qt::LeftToRight);
        option.setWrapMode(QTextOption::NoWrap);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        const QRectF cell(x, line.top(), width, line.height());
        const QString text = rightToLeftLine ? KeptLeftToRight(c.text) : c.text;
        if (surface == Surface::Paper) DrawOnPaper(painter, cell, text, option);
        else painter.drawText(cell, text, option);
    }
}

}  // namespace TextColumns
