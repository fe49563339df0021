#include "reports/frmHistory.h"

#include <QPushButton>
#include <QVBoxLayout>

frmHistory::frmHistory(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Last history"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
