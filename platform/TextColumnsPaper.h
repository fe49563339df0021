#pragma once
// A report field drawn on paper (a printout, a PDF file): it looks as QPainter::drawText draws
// it, and its text reads back word for word. A PDF reader takes a word from glyphs drawn left to
// right one after the other; drawText draws a stretch read right to left from its right end, so
// every Hebrew letter would be a word of its own in the page's text, and copying or searching it
// would fail.
class QPainter;
class QRectF;
class QString;
class QTextOption;

namespace TextColumns {

// Draws `text` where and as QPainter::drawText(cell, text, option) draws it with the option's
// leading alignment (centred in the cell's height, against its leading edge, clipped to the cell
// only when wider than it), a word at a time: the words in reading order, each word's glyphs from
// its left end, and a letter with its points or accent once.
void DrawOnPaper(QPainter& painter, const QRectF& cell, const QString& text, const QTextOption& option);

}  // namespace TextColumns
