#pragma once
// The devices window's rows as a fresh opening shows them for the working table as it stands, and
// the one comparison of a row with that. Everything a row shows follows from the table, except the
// row mark (the number red, bold and larger, the name box yellow), which follows the focus.
// Header only: the fuzz targets use it without the test support library.
#include <array>

#include <QString>

#include "core/DataModel.h"
#include "devices/DeviceColors.h"
#include "devices/DevicesEditor.h"

namespace DevicesRows {

struct Fresh {
    std::array<DeviceRow, MaxAddress + 1> rows{};
    QString label3;
};

// The rows of an opening on DeviceDataArrayEdit; the table and the shared row state are left as
// they were.
inline Fresh FreshRefresh()
{
    const auto table = DeviceDataArrayEdit;
    const int16_t position = MultiAddrPos, current = CurrentRow;
    DevicesEditor fresh;
    fresh.FormCreate();
    fresh.FormOrLineCreateFromVaribles(1, fresh.Count());
    Fresh f;
    for (int i = 1; i <= fresh.Count(); ++i) f.rows[size_t(i)] = fresh.Row(i);
    f.label3 = fresh.Label3();
    DeviceDataArrayEdit = table;
    MultiAddrPos = position;
    CurrentRow = current;
    return f;
}

// "" when `shown` is the fresh row, else the first thing that differs, with both values.
inline QString Difference(DeviceRow shown, const DeviceRow& fresh)
{
    // The mark is the focus's.
    if (shown.numberBack == DeviceColors::Red) shown.numberBack = fresh.numberBack;
    if (shown.nameBack == DeviceColors::Yellow) shown.nameBack = fresh.nameBack;
    shown.numberBold = fresh.numberBold;
    shown.numberPoints = fresh.numberPoints;
    if (shown == fresh) return QString();
    QString d;
    const auto field = [&](const char* name, const auto& a, const auto& b) {
        if (d.isEmpty() && !(a == b)) d = QStringLiteral("%1: shown %2, fresh %3").arg(QLatin1String(name)).arg(a).arg(b);
    };
    field("number", shown.numberCaption, fresh.numberCaption);
    field("number colour", shown.numberBack, fresh.numberBack);
    field("in use", shown.exist, fresh.exist);
    field("enable caption", shown.enableCaption, fresh.enableCaption);
    field("enable enabled", shown.enableEnabled, fresh.enableEnabled);
    field("enable colour", shown.enableBack, fresh.enableBack);
    field("factory name", shown.factoryText, fresh.factoryText);
    field("factory colour", shown.factoryBack, fresh.factoryBack);
    field("in/out", shown.inOutCaption, fresh.inOutCaption);
    field("in/out colour", shown.inOutBack, fresh.inOutBack);
    field("type colour", shown.colorBack, fresh.colorBack);
    field("settings caption", shown.settingsCaption, fresh.settingsCaption);
    field("settings enabled", shown.settingsEnabled, fresh.settingsEnabled);
    field("settings colour", shown.settingsBack, fresh.settingsBack);
    field("name", shown.nameText, fresh.nameText);
    field("name enabled", shown.nameEnabled, fresh.nameEnabled);
    field("name colour", shown.nameBack, fresh.nameBack);
    field("delete caption", shown.deleteCaption, fresh.deleteCaption);
    field("delete enabled", shown.deleteEnabled, fresh.deleteEnabled);
    field("delete colour", shown.deleteBack, fresh.deleteBack);
    field("delete height", shown.deleteHeight, fresh.deleteHeight);
    field("delete shown", shown.deleteVisible, fresh.deleteVisible);
    return d;
}

}  // namespace DevicesRows
