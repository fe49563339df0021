#include "configeditors/frm8Groups.h"

#include <QPushButton>
#include <QVBoxLayout>

frm8Groups::frm8Groups(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm8Groups"));
    setWindowTitle(QStringLiteral("Groups"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
