#pragma once
// The devices window. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frm6NamesAndSettings : public QDialog {
    Q_OBJECT
public:
    explicit frm6NamesAndSettings(QWidget* parent = nullptr);
};
