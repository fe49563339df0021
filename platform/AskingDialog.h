#pragma once
// A window that asks before it closes ("Save data ?" and the like): its close box, Escape and
// close() all go through Form_QueryUnload, which keeps the window open by returning true.
#include <QDialog>

class QCloseEvent;

class AskingDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Escape asks too; once the answer let the window go, it simply closes.
    void reject() override;

protected:
    // True keeps the window open.
    virtual bool Form_QueryUnload() = 0;
    void closeEvent(QCloseEvent* e) override;
    bool Closing() const { return closing_; }
    // A window shown again asks again.
    void ResetClosing() { closing_ = false; }
    // The result the window ends with once the question let it go.
    int closeResult_ = QDialog::Rejected;

private:
    bool closing_ = false;
};
