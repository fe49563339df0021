#include "reports/frmGroups.h"

frmGroups::frmGroups(QWidget* parent) : frmReport(ReportWindow::Groups, parent)
{
    setObjectName(QStringLiteral("frmGroups"));
}
