#include "reports/ReportText.h"

#include <algorithm>

#include "core/Conv.h"
#include "core/Message.h"

namespace ReportText {

QString Join(std::initializer_list<QString> fields)
{
    QString line;
    bool first = true;
    for (const QString& f : fields) {
        if (!first) line += Tab;
        line += f;
        first = false;
    }
    return line;
}

QString RightAlign(const QString& text, int width) { return (QString(width, u' ') + text).right(width); }

QString DeviceNameHeading(int16_t lang)
{
    return languages::ByLanguage(lang, QStringLiteral("שם ההתקן        "), QStringLiteral("Device name     "));
}

int LastAddress() { return std::clamp<int>(MaxNumOfDevices, 0, MaxAddress); }

bool Occupied(int address)
{
    return address >= 1 && address <= LastAddress() &&
           DeviceDataArray[address].Exist.str() == QStringLiteral("1");
}

QString AddressText(const DeviceRecord& r) { return ZeroPad(ValInt(r.Address.str()), 3); }

QString DeviceNamesLine(int address)
{
    const DeviceRecord& r = DeviceDataArray[address];
    return Join({AddressText(r), r.DeviceName.str(), r.FactoryName.str()});
}

QStringList DeviceNamesExport()
{
    QStringList lines;
    for (int a = 1; a <= LastAddress(); ++a)
        if (Occupied(a)) lines << DeviceNamesLine(a);
    return lines;
}

}  // namespace ReportText
