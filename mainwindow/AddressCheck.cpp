#include "mainwindow/AddressCheck.h"

#include <cmath>

#include "core/Conv.h"
#include "platform/Ui.h"

namespace AddressCheck {

Outcome FromText(const QString& text, int maxAddress)
{
    Outcome o;
    const double v = Val(text);
    // A negative number is no address; nor is one beyond a 16-bit whole number.
    const bool outOfRange = !std::isfinite(v) || std::fabs(v) > 32767.5;
    const long long n = outOfRange ? 0 : ValInt(text);
    if (outOfRange || n > maxAddress || n < 0) {
        o.refused = true;
        o.emptyBox = true;
        return o;
    }
    o.address = int(n);
    o.emptyBox = n == 0;
    o.on = ToSwitches(o.address);
    return o;
}

Switches ToSwitches(int address)
{
    Switches on{};
    for (int i = 0; i < 8; ++i) on[i] = (address >> i & 1) != 0;
    return on;
}

int FromSwitches(const Switches& on)
{
    int n = 0;
    for (int i = 0; i < 8; ++i)
        if (on[i]) n += 1 << i;
    return n;
}

std::optional<Message> WrongNumber(int16_t lang)
{
    if (lang == 2) return Message{QStringLiteral("Wrong number !!!"), Ui::vbOKOnly, QString()};
    if (lang == 1) return Message{QStringLiteral("מספר שגוי !!!"), Ui::vbOKOnly | Ui::vbHebrew, QString()};
    return std::nullopt;
}

}  // namespace AddressCheck
