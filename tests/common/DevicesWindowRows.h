#pragma once
// What the devices window's row controls show, in the terms of the window's model, and the check
// that every row and the count line are what a fresh opening shows for the working table.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DevicesRows.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/VbColor.h"

namespace DevicesRows {

inline DeviceRow Shown(const frm6NamesAndSettings& w, int i)
{
    const auto enabled = [](const QWidget* c) { return c->isEnabledTo(c->parentWidget()); };
    const size_t k = size_t(i);
    DeviceRow r;
    r.numberCaption = w.NumOfLine[k]->text();
    r.numberBack = VbColor::BackColor(w.NumOfLine[k]);
    r.exist = w.ExistDeviceYesNo[k]->isChecked();
    r.enableCaption = w.EnableDevice[k]->text();
    r.enableEnabled = enabled(w.EnableDevice[k]);
    r.enableBack = VbColor::BackColor(w.EnableDevice[k]);
    r.factoryText = w.FactoryName[k]->text();
    r.factoryBack = VbColor::BackColor(w.FactoryName[k]);
    r.inOutCaption = w.InOROut[k]->text();
    r.inOutBack = VbColor::BackColor(w.InOROut[k]);
    r.colorBack = VbColor::BackColor(w.ColorOfDevice[k]);
    r.settingsCaption = w.DeviceSettings[k]->text();
    r.settingsEnabled = enabled(w.DeviceSettings[k]);
    r.settingsBack = VbColor::BackColor(w.DeviceSettings[k]);
    r.nameText = w.NewName[k]->text();
    r.nameEnabled = enabled(w.NewName[k]);
    r.nameBack = VbColor::BackColor(w.NewName[k]);
    r.deleteCaption = w.DisableDevice[k]->text();
    r.deleteEnabled = enabled(w.DisableDevice[k]);
    r.deleteBack = VbColor::BackColor(w.DisableDevice[k]);
    r.deleteHeight = w.DisableDevice[k]->height();
    r.deleteVisible = !w.DisableDevice[k]->isHidden();
    return r;
}

// "" when every row and the count line show what a fresh opening shows, else the first row or
// line that does not, with what differs.
inline QString FirstStaleRow(frm6NamesAndSettings& w)
{
    const Fresh fresh = FreshRefresh();
    for (int i = 1; i <= w.Editor().Count(); ++i) {
        const QString d = Difference(Shown(w, i), fresh.rows[size_t(i)]);
        if (!d.isEmpty()) return QStringLiteral("row %1: %2").arg(i).arg(d);
    }
    if (w.Label3->text() != fresh.label3)
        return QStringLiteral("count line: shown %1, fresh %2").arg(w.Label3->text(), fresh.label3);
    return QString();
}

}  // namespace DevicesRows
