#include "platform/AskingDialog.h"

#include <QCloseEvent>

void AskingDialog::closeEvent(QCloseEvent* e)
{
    if (closing_) {
        e->accept();
        return;
    }
    if (Form_QueryUnload()) {
        e->ignore();
        return;
    }
    closing_ = true;
    e->accept();
    QDialog::done(closeResult_);
}

void AskingDialog::reject()
{
    if (closing_) QDialog::reject();
    else close();
}
