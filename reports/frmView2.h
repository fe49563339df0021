#pragma once
// The device names and settings report: every device grouped by kind, with its settings and the
// totals per kind. Its report file is exactly its list.
#include <cstdint>

#include "reports/frmReport.h"

class frmView2 : public frmReport {
    Q_OBJECT
public:
    explicit frmView2(QWidget* parent = nullptr);

    // Column col (1 to 7) of the device at addr, as the report shows it.
    QString SettingsToListView(int16_t col, int16_t addr) const;
};
