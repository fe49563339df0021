#include "devices/DeviceColors.h"

#include <array>

#include "core/DataModel.h"

namespace {

struct TypeColour {
    int group;
    int index;
    int kind;
    uint32_t colour;
};

// In the order of the type options.
constexpr std::array<TypeColour, 15> kColours{{
    {1, 1, DeviceKind::SmokeDetector, 0x00FF00},
    {1, 2, DeviceKind::HeatDetector, 0x0080FF},
    {1, 3, DeviceKind::SmokeHeatDetector, 0x80FFFF},
    {1, 4, DeviceKind::ConventionalDetector, 0x008000},
    {1, 5, DeviceKind::RedCallPoint, 0x0000FF},
    {1, 6, DeviceKind::YellowCallPoint, 0x00FFFF},
    {1, 7, DeviceKind::AlarmFaultCard, 0xFF8080},
    {1, 8, DeviceKind::FourZoneCard, 0xFFFF00},
    {1, 9, DeviceKind::BeamCard, 0xC0C0FF},
    {1, 10, DeviceKind::InputDevice, 0x808000},
    {1, 11, DeviceKind::TwoInputCard, 0xFF80CC},
    {2, 1, DeviceKind::Output, 0xFF00FF},
    {2, 2, DeviceKind::Extinguish, 0x000000},
    {2, 3, DeviceKind::Relay, 0xFF0000},
    {2, 4, DeviceKind::LineRelay, 0xFF0087},
}};

}  // namespace

namespace DeviceColors {

std::optional<TypeOption> OptionOfKind(int kind)
{
    for (const TypeColour& c : kColours)
        if (c.kind == kind) return TypeOption{c.group, c.index};
    return std::nullopt;
}

int KindOfOption(int group, int index)
{
    for (const TypeColour& c : kColours)
        if (c.group == group && c.index == index) return c.kind;
    return 0;
}

}  // namespace DeviceColors

std::optional<uint32_t> DeviceColorChoose(int group, int index)
{
    for (const TypeColour& c : kColours)
        if (c.group == group && c.index == index) return c.colour;
    return std::nullopt;
}

std::optional<uint32_t> ColorOfKind(int kind)
{
    const auto option = DeviceColors::OptionOfKind(kind);
    return option ? DeviceColorChoose(option->group, option->index) : std::nullopt;
}
