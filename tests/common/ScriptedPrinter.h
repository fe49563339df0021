#pragma once
// The print dialog answered from a queue: a queued PDF answer points the printer at a PDF file
// with a number of copies, a queued cancel cancels. A print dialog with no queued answer fails the
// test and is cancelled. Also the reading of a printed PDF (poppler-utils: pdfinfo, pdftotext).
#include <deque>
#include <string>
#include <vector>

#include <QString>

#include "platform/Printer.h"

class ScriptedPrinter {
public:
    ScriptedPrinter();
    ~ScriptedPrinter();
    ScriptedPrinter(const ScriptedPrinter&) = delete;
    ScriptedPrinter& operator=(const ScriptedPrinter&) = delete;

    void ExpectPdf(const QString& path, int copies = 1);
    void ExpectCancel();
    // Print dialogs shown so far.
    int Shown() const { return shown_; }

private:
    struct Answer {
        bool cancel;
        QString path;
        int copies;
    };
    std::deque<Answer> script_;
    int shown_ = 0;
    Printer::DialogHook previous_;
};

// The print dialog fails the running test (installed by InstallHeadlessGuards).
void FailOnPrintDialog();

namespace Pdf {
// The number of pages of a PDF file; 0 when it cannot be read.
int Pages(const QString& path);
// How the text extraction orders a page's text: as it reads it, in the order it was drawn
// (pdftotext -raw), or laid out as the page shows it (-layout).
enum class Order { Reading, Drawn, Shown };
// The text of pages first..last (0: to the end), without the direction marks the text extraction
// puts around runs of the other direction.
QString Text(const QString& path, int first = 1, int last = 0, Order order = Order::Reading);
// The text of every page.
inline QString Text(const QString& path, Order order) { return Text(path, 1, 0, order); }

// Empty when `read` holds the characters of `written` each as often, in any order; else the
// characters counted differently, with both counts. A letter counts apart from the points or
// accent set on it, a bracket as its mirror image (read right to left, "(" is drawn as ")"), and
// blanks do not count.
std::string CountsDiffer(const QString& written, const QString& read);
// `text` without points and accents (a reader places a point apart from its letter).
QString Unpointed(const QString& text);

// A word of a page as the text extraction places it, in points from the page's top left corner.
struct Word {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
struct Page {
    double width = 0, height = 0;
    std::vector<Word> words;
    // The words whose text is `text`, from the top of the page.
    std::vector<Word> Find(const QString& text) const;
    // The words on the printed line of `w`, from left to right.
    std::vector<Word> LineOf(const Word& w) const;
};
Page Words(const QString& path, int page = 1);
}  // namespace Pdf
