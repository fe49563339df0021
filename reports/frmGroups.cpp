#include "reports/frmGroups.h"

#include <QPushButton>
#include <QVBoxLayout>

frmGroups::frmGroups(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGroups"));
    setWindowTitle(QStringLiteral("Groups"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
