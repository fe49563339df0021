#include "reports/ReportModel.h"

#include "core/DataModel.h"
#include "reports/GroupsReport.h"
#include "reports/HistoryReport.h"
#include "reports/NamesReport.h"
#include "reports/NamesSettingsReport.h"
#include "reports/ReportFrameTexts.h"
#include "reports/ReportText.h"

QStringList ReportModel::ExportLines(const Regional&) const { return ReportText::DeviceNamesExport(); }

QString ReportModel::ReportPath() const { return usrDataPath + ProjectName + ReportFrameTexts::ReportSuffix(window_); }
QString ReportModel::ExportPath() const { return usrDataPath + ProjectName + ReportFrameTexts::ExportSuffix(window_); }

std::unique_ptr<ReportModel> ReportModel::Make(ReportWindow window)
{
    switch (window) {
    case ReportWindow::Groups: return std::make_unique<GroupsReport::Model>();
    case ReportWindow::History: return std::make_unique<HistoryReport::Model>();
    case ReportWindow::Names: return std::make_unique<NamesReport::Model>();
    case ReportWindow::NamesAndSettings: return std::make_unique<NamesSettingsReport::Model>();
    }
    return nullptr;
}
