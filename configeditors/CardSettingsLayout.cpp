#include "configeditors/CardSettingsLayout.h"

#include <cstddef>

namespace CardSettings {

namespace {

// The grid: three columns 4410 wide; the remote units span the middle and the right one.
constexpr int Left = 75, Middle = 4560, Right = 9045, Width = 4410;
constexpr int Wide = Right + Width - Middle;

// Inside a section.
constexpr int Margin = 30;
constexpr int TitleLeft = 120, TitleTop = 105, TitleHeight = 315;
// Narrow margins leave room for the longest option caption, "השתק עם סיסמא 4,8,2".
constexpr int InnerLeft = 60, InnerTop = 480, InnerHeight = 750, InnerStep = 810;
constexpr int OptionTop = 330, OptionHeight = 330, OptionGap = 60, PairGap = 30;
// The remote units: four inner frames side by side, their options one above the other.
constexpr int UnitWidth = 2000, UnitTop = 150, UnitHeight = 1170, UnitOptionStep = 390;
constexpr int UnitGap = (Wide - 4 * UnitWidth) / 5;

constexpr int StripHeight = 750, ButtonWidth = 1250;

}  // namespace

const std::array<SectionInfo, SectionCount>& Sections()
{
    static const std::array<SectionInfo, SectionCount> table{{
        {Section::Alarm1, "FrameAlarm1", "ShapeAlarm1", "LabelAlarm1", {Left, 75, Width, 2295}, 0x00C000, false, false,
         {"FrameAlarm1Top", "FrameAlarm1Bot"}, 2},
        {Section::Alarm2, "FrameAlarm2", "ShapeAlarm2", "LabelAlarm2", {Left, 2415, Width, 1470}, 0x00FFFF, false, false,
         {"FrameAlarm2Top"}, 1},
        {Section::Fault, "FrameFault", "ShapeFault", "LabelFault", {Left, 3975, Width, 2295}, 0x0080FF, false, false,
         {"FrameFaultTop", "FrameFaultBot"}, 2},
        {Section::VRST, "FrameVRST", "ShapeVRST", "LabelVRST", {Left, 6345, Width, 1470}, Colour::Silver, true, true,
         {"FrameVRSTTop"}, 1},
        {Section::Loop, "FrameLoop", "ShapeLoop", "LabelLoop", {Middle, 75, Width, 1470}, 0xFF0000, false, false,
         {"FrameLoopTop"}, 1},
        {Section::Remote, "Frame1", "ShapeCOM", nullptr, {Middle, 1650, Wide, 1470}, 0x8080FF, false, false,
         {"Panel1", "Panel2", "PS1", "PS2"}, 4},
        {Section::DayNight, "FrameDayNight", "ShapeDayNight", "LabelDayNight", {Middle, 3195, Width, 3075}, Colour::Silver,
         true, false, {"FrameDayNightTop", "FrameDayNightMid", "FrameDayNightBot"}, 3},
        {Section::Reset, "FrameReset", "ShapeReset", "LabelReset", {Middle, 6345, Width, 1470}, Colour::Silver, true, true,
         {"FrameResetTop"}, 1},
        {Section::Silence, "FrameSilence", "ShapeSilence", "LabelSilence", {Right, 75, Width, 1470}, 0xFFFF00, false,
         false, {"FrameSilenceTop"}, 1},
        {Section::Dialer, "FrameDialer", "ShapeDialer", "LabelDialer", {Right, 3195, Width, 3075}, 0xFF00FF, false, false,
         {"FrameDialerTop", "FrameDialerMid", "FrameDialerBot"}, 3},
        {Section::NumOfSys, "Frame1NumOfSys", "Shape3", nullptr, {Right, 6345, Width, 1470}, Colour::Silver, true, true,
         {"Frame2NumOfSys"}, 1},
    }};
    return table;
}

const SectionInfo& Of(Section s) { return Sections()[std::size_t(s)]; }

Rect ShapeRect(const SectionInfo& s)
{
    return {Margin, Margin, s.place.width - 2 * Margin, s.place.height - 2 * Margin};
}

Rect TitleRect(const SectionInfo& s) { return {TitleLeft, TitleTop, s.place.width - 2 * TitleLeft, TitleHeight}; }

Rect InnerFrameRect(const SectionInfo& s, int i)
{
    if (s.id == Section::Remote) return {UnitGap + i * (UnitWidth + UnitGap), UnitTop, UnitWidth, UnitHeight};
    return {InnerLeft, InnerTop + i * InnerStep, s.place.width - 2 * InnerLeft, InnerHeight};
}

Rect OptionRect(const SectionInfo& s, int k, bool rightToLeft)
{
    if (s.id == Section::Remote)
        return {OptionGap, OptionTop - 30 + k * UnitOptionStep, UnitWidth - 2 * OptionGap, OptionHeight};
    const int frameWidth = InnerFrameRect(s, 0).width;
    const int width = (frameWidth - 3 * PairGap) / 2;
    const int left = PairGap + k * (width + PairGap);
    return {rightToLeft ? frameWidth - left - width : left, OptionTop, width, OptionHeight};
}

Rect StripRect(bool small) { return {0, ClientHeight(small) - StripHeight, ClientWidth, StripHeight}; }
Rect OkRect() { return {ClientWidth - 2 * ButtonWidth, 0, ButtonWidth, StripHeight}; }
Rect CancelRect() { return {ClientWidth - ButtonWidth, 0, ButtonWidth, StripHeight}; }
Rect LanguageLabelRect(int index) { return {120 + (index - 1) * 1050, 225, 960, 300}; }

}  // namespace CardSettings
