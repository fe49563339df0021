#pragma once
// The widget-free side of a report window: what the window shows, writes and exports. The frame
// window (frmReport) asks its model for the list lines at each activation, for the report file's
// lines on SAVE, PRINT and closing, and for the export lines.
#include <cstdint>
#include <memory>

#include <QString>
#include <QStringList>

#include "reports/Regional.h"

enum class ReportWindow { Groups, History, Names, NamesAndSettings };

class ReportModel {
public:
    explicit ReportModel(ReportWindow window) : window_(window) {}
    virtual ~ReportModel() = default;
    ReportModel(const ReportModel&) = delete;
    ReportModel& operator=(const ReportModel&) = delete;

    ReportWindow window() const { return window_; }

    // Rebuilds the report from the project data as it is now; the lines of the list.
    virtual QStringList Activate(int16_t lang, const Regional& regional) = 0;
    // The report file's lines, from what the last activation built.
    virtual QStringList FileLines(int16_t lang, const Regional& regional) const = 0;
    // The export file's lines: the device names, unless the report has an export of its own.
    virtual QStringList ExportLines(const Regional& regional) const;

    // usrDataPath & ProjectName & the report's suffix, and the same with the export suffix.
    QString ReportPath() const;
    QString ExportPath() const;

    static std::unique_ptr<ReportModel> Make(ReportWindow window);

private:
    ReportWindow window_;
};
