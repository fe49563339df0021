#include "panellink/PanelView.h"

#include <array>
#include <cmath>

#include "core/Conv.h"

namespace {

// A box that holds no usable number waits nothing rather than forever or backwards.
double Seconds(const QString& box)
{
    const double v = Val(box);
    return std::isfinite(v) && v > 0 ? v : 0.0;
}

constexpr std::array<TimingPreset, 3> Presets{{
    {9600, "0.1", "0.36", "2.5"},
    {38400, "0.1", "0.09", "2.5"},
    {57600, "0.1", "0.06", "2.5"},
}};

}  // namespace

double LinkTiming::ReplyTimeout() const { return Seconds(TimeDelay); }
double LinkTiming::AckPause() const { return Seconds(FullStr2); }
double LinkTiming::RecordPause() const { return Seconds(FullStr); }

const TimingPreset* PresetFor(int baud)
{
    for (const TimingPreset& p : Presets)
        if (p.baud == baud) return &p;
    return nullptr;
}
