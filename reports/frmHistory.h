#pragma once
// The events log report. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frmHistory : public QDialog {
    Q_OBJECT
public:
    explicit frmHistory(QWidget* parent = nullptr);
};
