#pragma once
// The device names list (frmView): one line per occupied address with the device's name and
// factory name; the report file adds a notes column for handwriting on the printout.
#include <cstdint>

#include <QStringList>

#include "reports/ReportModel.h"

namespace NamesReport {

QStringList ScreenLines(int16_t lang, const Regional& regional);
QStringList FileLines(int16_t lang, const Regional& regional);

class Model : public ReportModel {
public:
    Model() : ReportModel(ReportWindow::Names) {}
    QStringList Activate(int16_t lang, const Regional& regional) override { return ScreenLines(lang, regional); }
    QStringList FileLines(int16_t lang, const Regional& regional) const override
    {
        return NamesReport::FileLines(lang, regional);
    }
};

}  // namespace NamesReport
