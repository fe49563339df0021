#pragma once
// Report lines laid out the way a text editor shows the report file: the fields between Tab
// characters start at tab stops every 8 columns of a fixed-pitch font. Each field is drawn in a
// rectangle of its own, so a Hebrew name never moves the columns around it; a line is laid out
// from the left edge, or, when it reads right to left, from the right edge, and its fields read
// in the line's direction (a Hebrew word inside them still reads right to left; in a line read
// right to left, a date, number or English name inside a field reads left to right as one). Used
// by the report lists on screen and by the printer.
#include <vector>

#include <QString>

class QPainter;
class QRectF;

namespace TextColumns {

constexpr int TabStop = 8;

struct Cell {
    QString text;
    int column = 0;  // first column, counted from the line's start side
    int width() const { return int(text.size()); }
};
using Row = std::vector<Cell>;

// The fields of a line, each at the column its tab stop gives; empty fields give no cell.
Row Cells(const QString& line);
// The columns a row takes: the end of its last cell.
int Width(const Row& row);

// The rows of one line for a page `columns` wide: a field that does not fit goes whole to the
// next row, which continues at column `indent` with the spacing kept; a field wider than a row
// is cut into pieces. Nothing is lost. An empty line gives one empty row.
std::vector<Row> Wrap(const Row& cells, int columns, int indent);

// Where a row is drawn. Paper (a printout, a PDF file) looks the same as the screen, and its text
// reads back word for word: copying or searching it finds the report's words.
enum class Surface { Screen, Paper };

// Draws one row into `line` (its height is one line), `cellWidth` being the width of a column.
void DrawRow(QPainter& painter, const Row& row, bool rightToLeftLine, const QRectF& line, double cellWidth,
             Surface surface = Surface::Screen);

}  // namespace TextColumns
