#pragma once
// Where the type panel's controls lie, in twips inside the panel (15 twips to a pixel); the
// panel covers the devices window's client area.
#include <QRect>

namespace TypePanelLayout {

// The panel's height: 7125 twips on the small screen, 9000 otherwise.
constexpr int PanelHeight(bool small) { return small ? 7125 : 9000; }
// The height of each settings frame.
constexpr int FrameHeight(bool small) { return small ? 850 : 1200; }

// The type frames: inputs (Frame2) on the left, outputs (Frame3) on the right.
inline QRect InputTypes(bool small) { return {150, 150, 3000, PanelHeight(small) - 300}; }
inline QRect OutputTypes(bool small) { return {10350, 150, 3000, PanelHeight(small) - 300}; }
// Type option i (1..count) stacked in its frame in equal slices (inside the frame).
inline QRect TypeOption(const QRect& frame, int i, int count)
{
    const int slice = frame.height() / count;
    return {0, (i - 1) * slice, frame.width(), slice};
}

// Settings frame f (1..5; Frame4..Frame8), one under the other 150 apart.
inline QRect SettingsFrame(int f, bool small)
{
    const int h = FrameHeight(small);
    return {3300, 1000 + (f - 1) * (h + 150), 6900, h};
}
// Option k (1..n) of a settings frame, side by side across it (inside the frame), the first on
// the left, or on the right in a right-to-left window.
inline QRect SettingsOption(int k, int n, bool small, bool rightToLeft = false)
{
    const int width = (6900 - 400) / n;
    const int left = 200 + (k - 1) * width;
    const QRect r = small ? QRect(left, 300, width, 400) : QRect(left, 400, width, 500);
    return rightToLeft ? r.translated(6900 - 2 * left - width, 0) : r;
}

inline QRect Note() { return {3300, 150, 3000, 400}; }      // Label10
inline QRect Heading() { return {6300, 150, 3900, 400}; }   // Label9
inline QRect NameBox() { return {3300, 550, 6900, 300}; }   // Text12
inline QRect Previous() { return {6300, 150, 400, 400}; }   // Command16 "<", on the heading's left
inline QRect Next() { return {9800, 150, 400, 400}; }       // Command15 ">", on its right
inline QRect ModelLine(bool small) { return {3300, PanelHeight(small) - 1300, 6900, 300}; }  // Label19
inline QRect BottomBox(bool small) { return {3300, PanelHeight(small) - 1150, 6900, 1000}; }  // Shape9
inline QRect OkBox(bool small) { return {4150, PanelHeight(small) - 900, 2400, 550}; }        // Shape8
inline QRect Ok(bool small) { return {4350, PanelHeight(small) - 800, 2000, 350}; }           // Command12
inline QRect CancelBox(bool small) { return {7050, PanelHeight(small) - 900, 2400, 550}; }    // Shape10
inline QRect Cancel(bool small) { return {7250, PanelHeight(small) - 800, 2000, 350}; }       // Command13

// The names-import help panel (Picture8), in the window's pixels.
inline QRect HelpPanel() { return {352, 135, 330, 400}; }

}  // namespace TypePanelLayout
