#include "platform/TextColumnsPaper.h"

#include <algorithm>
#include <vector>

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QRectF>
#include <QTextLayout>
#include <QTextOption>

namespace TextColumns {
namespace {

// The glyphs of one word of a cell: one font, one direction.
class Word {
public:
    // Adds the glyphs of one character, `letter` when it is a letter or digit.
    void Add(const QGlyphRun& run, bool letter, QPainter& painter, QPointF origin)
    {
        // Read right to left, letters and signs are words of their own: a PDF reader turns a
        // stretch of Hebrew round as a whole only up to a sign ("אזעקה/תקלה" would read
        // "תקלה/אזעקה").
        const bool rightToLeft = run.isRightToLeft();
        if (!glyphs_.empty() && (run.rawFont() != font_ || rightToLeft != rightToLeft_ || (rightToLeft && letter != letter_)))
            Draw(painter, origin);
        font_ = run.rawFont();
        rightToLeft_ = rightToLeft;
        letter_ = letter;
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) glyphs_.push_back({indexes[i], positions[i]});
    }
    // Draws the word from its left end, whichever way it reads.
    void Draw(QPainter& painter, QPointF origin)
    {
        if (glyphs_.empty()) return;
        std::stable_sort(glyphs_.begin(), glyphs_.end(), [](const Glyph& a, const Glyph& b) { return a.at.x() < b.at.x(); });
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (const Glyph& g : glyphs_) {
            indexes << g.index;
            positions << g.at;
        }
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(origin, run);
        glyphs_.clear();
    }

private:
    struct Glyph {
        quint32 index;
        QPointF at;
    };
    std::vector<Glyph> glyphs_;
    QRawFont font_;
    bool rightToLeft_ = false;
    bool letter_ = false;
};

// A blank or a mark that takes no room (the isolates around a phrase): it leaves no ink, so it
// is not drawn, and it ends a word.
bool Blank(QChar c) { return c.isSpace() || c.category() == QChar::Other_Format; }

}  // namespace

void DrawOnPaper(QPainter& painter, const QRectF& cell, const QString& text, const QTextOption& option)
{
    QTextLayout layout(text, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(cell.width());
    layout.endLayout();
    // Placed and clipped as drawText places and clips a line that does not wrap.
    const QPointF origin(cell.left(), cell.top() + (cell.height() - line.ascent() - line.descent()) / 2);
    const bool clip = line.naturalTextWidth() > cell.width();
    if (clip) {
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
    }
    Word word;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Blank(text[i])) word.Draw(painter, origin);
        else
            for (const QGlyphRun& run : layout.glyphRuns(int(i), 1)) word.Add(run, text[i].isLetterOrNumber(), painter, origin);
    }
    word.Draw(painter, origin);
    if (clip) painter.restore();
}

}  // namespace TextColumns
