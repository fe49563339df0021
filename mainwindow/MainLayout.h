#pragma once
// The main window's two layouts (large and small screens) and its sizes.
#include <vector>

#include <QRect>
#include <QString>

namespace MainLayout {

// Window sizes, in twips (15 to a pixel).
constexpr int TwipsPerPixel = 15;
constexpr int WidthNarrow = 13590;  // administrator panels off the window's edge
constexpr int WidthAdmin = 16350;   // administrator panels shown
constexpr int HeightSmall = 8400;
constexpr int HeightLarge = 9420;

// A position in the window's pixels, as the layout gives it.
struct Place {
    double left, top, width, height;
    QRect pixels() const;
};

// The controls that move between the layouts.
struct Row {
    QString control;
    Place small;
    Place large;
};
const std::vector<Row>& DisplayTable();

// The status line's font size.
inline int StatusFontSize(bool small) { return small ? 8 : 12; }
inline int WindowHeight(bool small) { return small ? HeightSmall : HeightLarge; }

}  // namespace MainLayout
