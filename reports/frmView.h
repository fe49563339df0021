#pragma once
// The device names list: each occupied address with its name and factory name.
#include "reports/frmReport.h"

class frmView : public frmReport {
    Q_OBJECT
public:
    explicit frmView(QWidget* parent = nullptr);
};
