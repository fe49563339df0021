#pragma once
// The events log: the panel's event history as the last history download left it.
#include "reports/frmReport.h"

class frmHistory : public frmReport {
    Q_OBJECT
public:
    explicit frmHistory(QWidget* parent = nullptr);
};
