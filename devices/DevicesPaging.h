#pragma once
// Paging through the rows of the devices window: the scroll range, the canvas position, the
// captions of the four paging buttons and the go-to target. Positions are canvas pixels; a row is
// 25 high and a page holds 20 rows, 15 on the small screen.
#include <QString>

namespace DevicesPaging {

constexpr int RowPitch = 25;

int PageRows(bool small);
// (n - page rows) x 25: the scroll value that shows the last row at the bottom of the page.
int ScrollMax(int n, bool small);
// The large step of the scroll bar: one page.
int LargeStep(bool small);
// The canvas top for a scroll value: minus the value, snapped to the nearest row.
int CanvasTop(int value);

// The paging buttons: Command4 previous page, Command2 one row up, Command1 one row down,
// Command3 next page. The new scroll value, kept within 0..ScrollMax.
enum class Page { Command4, Command2, Command1, Command3 };
int PagedValue(Page button, int value, int n, bool small);

// What SetPageCaptions writes for a canvas top: the four paging buttons and Label11(0), (1).
struct Captions {
    QString Command4, Command2, Command1, Command3;
    QString Label11_0, Label11_1;
    bool operator==(const Captions&) const = default;
};
Captions PageCaptions(int canvasTop, int n, bool small);

// The go-to box: the address typed (Val of the text, rounded half to even) when it lies within
// 1..n, and the scroll value that shows it (the last page for one of its last rows).
struct GoTo {
    bool inRange = false;
    int row = 0;
    int value = 0;
};
GoTo GoToTarget(const QString& text, int n, bool small);

}  // namespace DevicesPaging
