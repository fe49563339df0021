#include "reports/frmView2.h"

#include <QPushButton>
#include <QVBoxLayout>

frmView2::frmView2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmView2"));
    setWindowTitle(QStringLiteral("Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
