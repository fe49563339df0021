#pragma once
// The operating groups report. (Placeholder until the window lands: a window of that name that closes without changes.)
#include <QDialog>

class frmGroups : public QDialog {
    Q_OBJECT
public:
    explicit frmGroups(QWidget* parent = nullptr);
};
