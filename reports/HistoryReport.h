#pragma once
// The events log (frmHistory): the panel's event history as the last history download left it in
// HistoryLines, on screen, as the report file and as a spreadsheet export (whose headings are
// Hebrew in both languages).
#include <cstdint>

#include <QStringList>

#include "reports/ReportModel.h"

namespace HistoryReport {

QStringList ScreenLines(int16_t lang, const Regional& regional);
QStringList FileLines(int16_t lang, const Regional& regional);
QStringList ExportLines(const Regional& regional);

class Model : public ReportModel {
public:
    Model() : ReportModel(ReportWindow::History) {}
    QStringList Activate(int16_t lang, const Regional& regional) override { return ScreenLines(lang, regional); }
    QStringList FileLines(int16_t lang, const Regional& regional) const override
    {
        return HistoryReport::FileLines(lang, regional);
    }
    QStringList ExportLines(const Regional& regional) const override { return HistoryReport::ExportLines(regional); }
};

}  // namespace HistoryReport
