#pragma once
// Where the main card settings window's sections and controls stand, in twips (15 to a pixel),
// and their colours (&HBBGGRR).
#include <array>
#include <cstdint>

#include "configeditors/EditorWindow.h"

namespace CardSettings {

enum class Section : int { Alarm1, Alarm2, Fault, VRST, Loop, Remote, DayNight, Reset, Silence, Dialer, NumOfSys, Count };
constexpr int SectionCount = int(Section::Count);

using EditorWindow::ClientHeight;
using EditorWindow::Px;

// The client area's width; its height comes from the outer height of the layout.
constexpr int ClientWidth = 13500;

struct Rect {
    int left, top, width, height;
};

struct SectionInfo {
    Section id;
    const char* frame;  // the outer frame
    const char* shape;  // the rounded rectangle behind its controls
    const char* label;  // its title label; nullptr for none
    Rect place;         // in the client area
    uint32_t colour;    // the shape's fill, the inner frames' and the options' background
    bool hidden;        // its content is never shown: an empty silver box
    bool bottomRow;     // not shown at all in the small layout
    std::array<const char*, 4> inner;  // its inner frames, top to bottom (left to right for the remote units)
    int innerCount;
};

// Every section, in the order of the enum.
const std::array<SectionInfo, SectionCount>& Sections();
const SectionInfo& Of(Section s);

// Inside a section: its shape, its title label and its inner frame i.
Rect ShapeRect(const SectionInfo& s);
Rect TitleRect(const SectionInfo& s);
Rect InnerFrameRect(const SectionInfo& s, int i);
// Option k of the pair inside an inner frame of the section; right to left, option 0 stands on
// the right where the two stand side by side.
Rect OptionRect(const SectionInfo& s, int k, bool rightToLeft);

// The button strip along the bottom edge of the client area, and what it holds.
Rect StripRect(bool small);
Rect OkRect();       // Command2, within the strip
Rect CancelRect();   // Command1, within the strip, rightmost
Rect LanguageLabelRect(int index);  // LnguageLbl(1), (2), within the strip at its left

namespace Colour {
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Silver = 0xC0C0C0;
constexpr uint32_t Strip = 0x404040;
constexpr uint32_t Ok = 0x80FF80;
constexpr uint32_t Cancel = 0x8080FF;
constexpr uint32_t NumOfSysCaption = 0xE0E0E0;
}  // namespace Colour

}  // namespace CardSettings
