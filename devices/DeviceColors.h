#pragma once
// The colour of each device type (&HBBGGRR), as the type options, the row swatches, the address
// map and the address summary show it, and the few fixed colours of the devices window.
#include <cstdint>
#include <optional>

namespace DeviceColors {
constexpr uint32_t Grey = 0xC0C0C0;       // a free row
constexpr uint32_t LightGrey = 0xE0E0E0;  // an occupied row, the canvas
constexpr uint32_t Green = 0x00FF00;      // enable and settings buttons
constexpr uint32_t Red = 0x0000FF;        // delete button, the marked row number
constexpr uint32_t Yellow = 0x00FFFF;     // the marked row's name box
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t DarkGrey = 0x404040;   // column headings

// The option group and index of a kind's type option: group 1 the inputs (1 to 11), group 2 the
// outputs (1 to 4).
struct TypeOption {
    int group;
    int index;
};
// Nothing for a number that is no kind.
std::optional<TypeOption> OptionOfKind(int kind);
// The kind of a type option; 0 for none.
int KindOfOption(int group, int index);
}  // namespace DeviceColors

// The colour of the type option (group, index); nothing (the original's Empty) for any other
// pair, index 0 included. Callers that store it take nothing as 0.
std::optional<uint32_t> DeviceColorChoose(int group, int index);

// DeviceColorChoose of the kind's type option; nothing for a number that is no kind.
std::optional<uint32_t> ColorOfKind(int kind);
