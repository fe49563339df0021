#include "reports/frmView2.h"

#include "reports/SettingsText.h"

frmView2::frmView2(QWidget* parent) : frmReport(ReportWindow::NamesAndSettings, parent)
{
    setObjectName(QStringLiteral("frmView2"));
}

QString frmView2::SettingsToListView(int16_t col, int16_t addr) const
{
    return SettingsText::SettingsToListView(col, addr, language(), Regional::Now());
}
