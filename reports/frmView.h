#pragma once
// The device names report. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frmView : public QDialog {
    Q_OBJECT
public:
    explicit frmView(QWidget* parent = nullptr);
};
