#include "devices/DevicesPaging.h"

#include <algorithm>
#include <cmath>

#include "core/Conv.h"

namespace DevicesPaging {

int PageRows(bool small) { return small ? 15 : 20; }
int ScrollMax(int n, bool small) { return std::max(0, (n - PageRows(small)) * RowPitch); }
int LargeStep(bool small) { return PageRows(small) * RowPitch; }

int CanvasTop(int value)
{
    // An integer position is never halfway between two rows.
    return -int(std::lround(double(value) / RowPitch)) * RowPitch;
}

int PagedValue(Page button, int value, int n, bool small)
{
    const int step = button == Page::Command4 || button == Page::Command3 ? LargeStep(small) : RowPitch;
    const int moved = button == Page::Command4 || button == Page::Command2 ? value - step : value + step;
    return std::clamp(moved, 0, ScrollMax(n, small));
}

Captions PageCaptions(int canvasTop, int n, bool small)
{
    const int p = PageRows(small);
    const int a = -canvasTop / RowPitch;  // rows above the view
    const auto range = [](int from, int to) { return Str(from) + QLatin1Char('-') + Str(to); };
    const QString end = QStringLiteral("===");
    Captions c;
    c.Label11_0 = Str(canvasTop);
    c.Label11_1 = Str(canvasTop / RowPitch);
    c.Command4 = a < p ? range(1, p) : range(a - p + 1, a);
    c.Command2 = canvasTop == 0 ? end : Str(a);
    c.Command1 = -canvasTop == (n - p) * RowPitch ? end : Str(a + p + 1);
    c.Command3 = a > n - 2 * p ? range(n - p + 1, n) : range(a + p + 1, a + 2 * p);
    return c;
}

GoTo GoToTarget(const QString& text, int n, bool small)
{
    const double t = Val(text);
    GoTo g;
    if (!(t >= 1 && t <= n)) return g;
    g.inRange = true;
    g.row = int(std::nearbyint(t));  // half to even under the default rounding mode
    g.value = t >= n - PageRows(small) + 2 ? ScrollMax(n, small) : int(std::nearbyint((t - 1) * RowPitch));
    return g;
}

}  // namespace DevicesPaging
