#pragma once
// The operating groups report: for each group its inputs, outputs and counts.
#include "reports/frmReport.h"

class frmGroups : public frmReport {
    Q_OBJECT
public:
    explicit frmGroups(QWidget* parent = nullptr);
};
