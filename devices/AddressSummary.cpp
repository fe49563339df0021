#include "devices/AddressSummary.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/languages.h"

namespace AddressSummary {

Counts Count()
{
    Counts c;
    for (int i = 1; i <= MaxNumOfDevices; ++i) {
        const DeviceRecord& r = DeviceDataArrayEdit[i];
        if (r.Exist == "1") {
            if (r.DeviceIsIn == "1")
                ++c.inputTotal;
            else
                ++c.outputTotal;
        }
        const int kind = KindOf(r);
        for (int k = 0; k < InputLines; ++k)
            if (kInputKinds[k] == kind)
                ++c.inputs[k + 1];
        for (int k = 0; k < OutputLines; ++k)
            if (kOutputKinds[k] == kind)
                ++c.outputs[k + 1];
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
    return line >= 1 && line <= InputLines ? languages::TypeWordFor(kInputKinds[line - 1]) : QString();
}

QString OutputWord(int line)
{
    return line >= 1 && line <= OutputLines ? languages::TypeWordFor(kOutputKinds[line - 1]) : QString();
}

}  // namespace AddressSummary
