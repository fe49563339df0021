#include "reports/NamesReport.h"

#include "core/DataModel.h"
#include "core/Message.h"
#include "reports/ReportText.h"

using languages::ByLanguage;
using ReportText::Join;

namespace NamesReport {
namespace {

QString ProjectLine(int16_t lang) { return ByLanguage(lang, QStringLiteral("שם הפרוייקט: "), QStringLiteral("Project name:")) + ProjectName; }
QString FactoryHeading(int16_t lang) { return ByLanguage(lang, QStringLiteral("שם ברירת המחדל  "), QStringLiteral("Factory name    ")); }
QString NumberHeading(int16_t lang) { return ByLanguage(lang, QStringLiteral("מס'"), QStringLiteral("No.")); }

}  // namespace

QStringList ScreenLines(int16_t lang, const Regional& regional)
{
    QStringList lines{
        ProjectLine(lang),
        ByLanguage(lang, QStringLiteral("תאריך: "), QStringLiteral("Date:  ")) + regional.date,
        ByLanguage(lang, QStringLiteral("פרוט האזורים"), QStringLiteral("Device names")),
        Join({NumberHeading(lang), ReportText::DeviceNameHeading(lang), FactoryHeading(lang)}),
    };
    // An empty column between the two names on screen.
    for (int a = 1; a <= ReportText::LastAddress(); ++a) {
        if (!ReportText::Occupied(a)) continue;
        const DeviceRecord& r = DeviceDataArray[a];
        lines << Join({ReportText::AddressText(r), r.DeviceName.str(), QString(), r.FactoryName.str()});
    }
    return lines;
}

QStringList FileLines(int16_t lang, const Regional& regional)
{
    QStringList lines{
        ProjectLine(lang),
        ByLanguage(lang, QStringLiteral("תאריך: ") + regional.date + QStringLiteral("   שעה: ") + regional.time,
               QStringLiteral("Date:  ") + regional.date + QStringLiteral("  Time: ") + regional.time),
        ByLanguage(lang, QStringLiteral("פרוט שמות ההתקנים"), QStringLiteral("Names of devices")),
        QStringLiteral(" "),
        Join({NumberHeading(lang), ReportText::DeviceNameHeading(lang), FactoryHeading(lang),
              ByLanguage(lang, QStringLiteral("הערות"), QStringLiteral("Notes"))}),
    };
    lines << ReportText::DeviceNamesExport();
    return lines;
}

}  // namespace NamesReport
