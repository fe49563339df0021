#include "reports/frmHistory.h"

frmHistory::frmHistory(QWidget* parent) : frmReport(ReportWindow::History, parent)
{
    setObjectName(QStringLiteral("frmHistory"));
}
