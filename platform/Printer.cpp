#include "platform/Printer.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/TextColumns.h"

namespace Printer {
namespace {

DialogHook& Hook()
{
    static DialogHook hook;
    return hook;
}

bool AskForPrinter(QPrinter& printer, QWidget* parent)
{
    if (const DialogHook& hook = Hook()) return hook(printer);
    QPrintDialog dialog(&printer, parent);
    // Copies and the printer only: the whole report is printed, copies one after the other.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

QString Where(const QPrinter& printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

Result Failure(const QPrinter& printer) { return {Status::Failed, Where(printer), 0}; }

}  // namespace

QFont ReportFont(double points)
{
    QFont f;
    f.setFamilies({QStringLiteral("Miriam Fixed"), QStringLiteral("Miriam Mono CLM")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(points);
    f.setBold(false);
    return f;
}

Result PrintLines(const QStringList& lines, const QString& documentName, Qt::LayoutDirection direction, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!AskForPrinter(printer, parent)) return {Status::Cancelled, QString(), 0};
    // The copies are ours: they follow each other without a page break, as one document.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);

    QPainter painter;
    if (!painter.begin(&printer)) return Failure(printer);
    const QFont font = ReportFont(PrintPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const double cellWidth = metrics.horizontalAdvance(QLatin1Char('M'));
    const double lineHeight = metrics.lineSpacing();
    const QRectF area(0, 0, printer.width(), printer.height());
    const int columns = std::max(1, int(std::floor(area.width() / cellWidth)));
    const int rowsPerPage = std::max(1, int(std::floor(area.height() / lineHeight)));

    const bool rightToLeft = direction == Qt::RightToLeft;
    int pages = 1, row = 0;
    for (int copy = 0; copy < copies; ++copy) {
        for (const QString& line : lines) {
            for (const TextColumns::Row& r : TextColumns::Wrap(TextColumns::Cells(line), columns, WrapIndent)) {
                if (row == rowsPerPage) {
                    if (!printer.newPage()) {
                        painter.end();
                        return Failure(printer);
                    }
                    ++pages;
                    row = 0;
                }
                const QRectF place(area.left(), area.top() + row * lineHeight, area.width(), lineHeight);
                TextColumns::DrawRow(painter, r, rightToLeft, place, cellWidth, TextColumns::Surface::Paper);
                ++row;
            }
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) return Failure(printer);
    return {Status::Printed, QString(), pages};
}

void SetDialogHook(DialogHook hook) { Hook() = std::move(hook); }
DialogHook CurrentDialogHook() { return Hook(); }

}  // namespace Printer
