#include "platform/TextColumnsPaper.h"

#include <algorithm>
#include <vector>

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QRectF>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>

namespace TextColumns {
namespace {

// The glyphs of one word of a cell: one font, one direction.
class Word {
public:
    // Adds glyphs of one cluster, `letter` when it is a letter or digit; `startsCluster` when
    // they are its first, whose first glyph is the letter the points or accent are set on.
    void Add(const QGlyphRun& run, bool letter, bool startsCluster, QPainter& painter, QPointF origin)
    {
        // Read right to left, letters and signs are words of their own: a PDF reader turns a
        // stretch of Hebrew round as a whole only up to a sign ("אזעקה/תקלה" would read
        // "תקלה/אזעקה").
        const bool rightToLeft = run.isRightToLeft();
        if (!Empty() && (run.rawFont() != font_ || rightToLeft != rightToLeft_ || (rightToLeft && letter != letter_)))
            Draw(painter, origin);
        font_ = run.rawFont();
        rightToLeft_ = rightToLeft;
        letter_ = letter;
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            (i == 0 && startsCluster ? letters_ : marks_).push_back({indexes[i], positions[i]});
    }
    // Draws the word from its left end, whichever way it reads: its letters, then the marks on
    // them. A point stands in the middle of its letter's cell and, for a PDF reader, runs on into
    // the next one: drawn among the letters it would break the word in two.
    void Draw(QPainter& painter, QPointF origin)
    {
        DrawFromTheLeft(letters_, painter, origin);
        DrawFromTheLeft(marks_, painter, origin);
    }

private:
    struct Glyph {
        quint32 index;
        QPointF at;
    };
    bool Empty() const { return letters_.empty() && marks_.empty(); }
    void DrawFromTheLeft(std::vector<Glyph>& glyphs, QPainter& painter, QPointF origin)
    {
        if (glyphs.empty()) return;
        std::stable_sort(glyphs.begin(), glyphs.end(), [](const Glyph& a, const Glyph& b) { return a.at.x() < b.at.x(); });
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (const Glyph& g : glyphs) {
            indexes << g.index;
            positions << g.at;
        }
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(origin, run);
        glyphs.clear();
    }

    std::vector<Glyph> letters_, marks_;
    QRawFont font_;
    bool rightToLeft_ = false;
    bool letter_ = false;
};

// A blank or a mark that takes no room (the isolates around a phrase): it leaves no ink, so it
// is not drawn, and it ends a word.
bool Blank(QChar c) { return c.isSpace() || c.category() == QChar::Other_Format; }

// Draws the glyphs of `line` a word at a time, taking them a cluster at a time (a letter with the
// points or accent set on it), in reading order: each character of a cluster gives the whole
// cluster's glyphs, so a character at a time would draw a pointed letter twice. A cluster is what
// its first character is: a letter, or a blank that ends a word.
void DrawWords(QPainter& painter, const QString& text, const QTextLine& line, QPointF origin)
{
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    Word word;
    for (qsizetype start = 0, end = clusters.toNextBoundary(); end > start; start = end, end = clusters.toNextBoundary()) {
        const QStringView cluster = QStringView(text).sliced(start, end - start);
        if (Blank(cluster.front())) word.Draw(painter, origin);
        if (std::all_of(cluster.begin(), cluster.end(), Blank)) continue;
        bool startsCluster = true;
        for (const QGlyphRun& run : line.glyphRuns(int(start), int(cluster.size()))) {
            word.Add(run, cluster.front().isLetterOrNumber(), startsCluster, painter, origin);
            startsCluster = false;
        }
    }
    word.Draw(painter, origin);
}

}  // namespace

void DrawOnPaper(QPainter& painter, const QRectF& cell, const QString& text, const QTextOption& option)
{
    QTextLayout layout(text, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(cell.width());
    layout.endLayout();
    // Placed and clipped as drawText places and clips a line that does not wrap: against the
    // cell's leading edge, the right one when it reads right to left (a cell holding points is
    // wider than its line).
    const double left = option.textDirection() == Qt::RightToLeft ? cell.right() - line.horizontalAdvance() : cell.left();
    const QPointF origin(left, cell.top() + (cell.height() - line.ascent() - line.descent()) / 2);
    const bool clip = line.naturalTextWidth() > cell.width();
    if (clip) {
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
    }
    DrawWords(painter, text, line, origin);
    if (clip) painter.restore();
}

}  // namespace TextColumns
