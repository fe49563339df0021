#pragma once
// The device names and settings report. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frmView2 : public QDialog {
    Q_OBJECT
public:
    explicit frmView2(QWidget* parent = nullptr);
};
