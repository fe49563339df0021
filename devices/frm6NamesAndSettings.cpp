#include "devices/frm6NamesAndSettings.h"

#include <QPushButton>
#include <QVBoxLayout>

frm6NamesAndSettings::frm6NamesAndSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm6NamesAndSettings"));
    setWindowTitle(QStringLiteral("Devices"));
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
