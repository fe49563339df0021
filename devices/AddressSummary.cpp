#include "devices/AddressSummary.h"

#include <algorithm>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/languages.h"
#include "devices/DeviceColors.h"

namespace AddressSummary {

Counts Count()
{
    Counts c;
    const int n = std::clamp<int>(MaxNumOfDevices, 0, MaxAddress);
    for (int i = 1; i <= n; ++i) {
        const DeviceRecord& r = DeviceDataArrayEdit[i];
        if (r.Exist == "1") {
            if (r.DeviceIsIn == "1")
                ++c.inputTotal;
            else
                ++c.outputTotal;
        }
        // A kind without a type option counts in no line.
        if (const auto option = DeviceColors::OptionOfKind(KindOf(r))) {
            if (option->group == 1)
                ++c.inputs[size_t(option->index)];
            else
                ++c.outputs[size_t(option->index)];
        }
    }
    return c;
}

QString InputHeading(int total) { return StatTotalInputs + Str(total); }
QString OutputHeading(int total) { return StatTotalOutputs + Str(total); }

std::optional<QString> AddressesHeading(int16_t lang)
{
    if (lang == 1)
        return QStringLiteral(u"כמות כתובות");
    if (lang == 2)
        return QStringLiteral("Addresses");
    return std::nullopt;
}

std::optional<QString> CloseCaption(int16_t lang)
{
    if (lang == 1)
        return QStringLiteral(u"סגור");
    if (lang == 2)
        return QStringLiteral("Close");
    return std::nullopt;
}

QString InputWord(int line)
{
    return line >= 1 && line <= InputLines ? languages::TypeWordFor(DeviceColors::KindOfOption(1, line)) : QString();
}

QString OutputWord(int line)
{
    return line >= 1 && line <= OutputLines ? languages::TypeWordFor(DeviceColors::KindOfOption(2, line)) : QString();
}

}  // namespace AddressSummary
