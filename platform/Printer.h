#pragma once
// Printing of text lines: the print dialog (printer and number of copies), then every copy of the
// lines one after the other in one print job, in the fixed-pitch Hebrew font at 10 points. The
// whole printout reads in one direction, the document's (a Hebrew report from the right edge, an
// English one from the left), so its tab columns line up whatever script a field is in; a full
// page goes on to the next one, and a line wider than the page wraps: the fields that do not fit
// continue on the next printed line, indented.
// Tests set a dialog hook that points the printer at a PDF file, so no dialog and no printer
// are needed.
#include <functional>

#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace Printer {

// The report font: "Miriam Fixed", else the culmus font "Miriam Mono CLM".
QFont ReportFont(double points);
constexpr double PrintPoints = 10;
// Columns a wrapped line's continuation starts at.
constexpr int WrapIndent = 4;

enum class Status { Printed, Cancelled, Failed };
struct Result {
    Status status = Status::Cancelled;
    QString where;  // on failure: the printer's name, or the output file
    int pages = 0;
};

// Shows the print dialog; on OK prints `lines` as many times as copies were chosen, as one job
// named `documentName`, every line laid out in `direction`. Cancel in the dialog gives Cancelled;
// a printer or output file that cannot be written gives Failed.
Result PrintLines(const QStringList& lines, const QString& documentName, Qt::LayoutDirection direction = Qt::LeftToRight,
                  QWidget* parent = nullptr);

// Tests: the hook runs in place of the dialog; it sets up the printer (a PDF file, copies) and
// returns false for Cancel. nullptr restores the dialog.
using DialogHook = std::function<bool(QPrinter&)>;
void SetDialogHook(DialogHook hook);
DialogHook CurrentDialogHook();

}  // namespace Printer
