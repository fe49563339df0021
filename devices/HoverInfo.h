#pragma once
// The strip below the address map: what the device under the pointer is, how it is set, which
// of its addresses this is, and the address switches as the installer sets them on the device.
#include <array>
#include <optional>

#include <QString>

namespace HoverInfo {

// Switch k + 1 (element k) carries bit k of the address; true is the value 1.
using Switches = std::array<bool, 8>;

struct Description {
    QString settings;   // Label6: one or two lines joined by carriage returns
    QString position;   // Label8: how many addresses the device takes and which this is
    int switchAddress = 0;  // the first address of a multi-address device
    Switches switches{};
};

// The description of the working record at address a, in the current language (every word
// empty for a language other than 1 or 2). A damaged position code shows as a one-address
// device; the switch address never leaves 1..a.
Description DeviceSettingsText(int a);

// Label5 over a cell: the factory and user names from the row's boxes when the address is
// occupied, else that it is free; nothing (keep the caption) for another language.
std::optional<QString> NamesText(int address, const QString& factoryBox, const QString& nameBox);

// The eight switches of an address.
Switches SwitchesOf(int address);

}  // namespace HoverInfo
