#pragma once
// The operating groups window. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frm8Groups : public QDialog {
    Q_OBJECT
public:
    explicit frm8Groups(QWidget* parent = nullptr);
};
