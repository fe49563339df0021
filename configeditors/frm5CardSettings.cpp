#include "configeditors/frm5CardSettings.h"

#include <QPushButton>
#include <QVBoxLayout>

frm5CardSettings::frm5CardSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm5CardSettings"));
    setWindowTitle(QStringLiteral("System settings"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
