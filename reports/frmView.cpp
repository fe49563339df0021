#include "reports/frmView.h"

frmView::frmView(QWidget* parent) : frmReport(ReportWindow::Names, parent)
{
    setObjectName(QStringLiteral("frmView"));
}
