#pragma once
// The device names and settings report (frmView2): every device of the project, grouped by kind
// in a fixed order, with its factory name, its name, the settings that matter for its kind and
// totals per kind. Its report file holds exactly these lines.
#include <cstdint>

#include <QStringList>

#include "reports/ReportModel.h"

namespace NamesSettingsReport {

QStringList Lines(int16_t lang, const Regional& regional);

class Model : public ReportModel {
public:
    Model() : ReportModel(ReportWindow::NamesAndSettings) {}
    QStringList Activate(int16_t lang, const Regional& regional) override;
    // The list as the last activation built it.
    QStringList FileLines(int16_t lang, const Regional& regional) const override;

private:
    QStringList lines_;
};

}  // namespace NamesSettingsReport
