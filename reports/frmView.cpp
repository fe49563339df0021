#include "reports/frmView.h"

#include <QPushButton>
#include <QVBoxLayout>

frmView::frmView(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(QStringLiteral("Names"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
