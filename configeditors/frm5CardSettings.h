#pragma once
// The main card settings window. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frm5CardSettings : public QDialog {
    Q_OBJECT
public:
    explicit frm5CardSettings(QWidget* parent = nullptr);
};
