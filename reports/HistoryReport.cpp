#include "reports/HistoryReport.h"

#include "core/DataModel.h"
#include "core/Message.h"
#include "reports/ReportText.h"

using languages::ByLanguage;
using ReportText::Join;
using ReportText::Tab;

namespace HistoryReport {
namespace {

// The events in their order; places without an event leave no gap.
QStringList Events()
{
    QStringList lines;
    for (int i = 1; i <= MaxHistory; ++i)
        if (!HistoryLines[i].isEmpty()) lines << HistoryLines[i];
    return lines;
}

// The file's five header lines. The title line starts with a lone carriage return, so a printout
// shows an empty line above it.
QStringList FileHeader(int16_t lang, const Regional& r)
{
    const QChar CR = u'\r';
    if (lang == 1)
        return {QStringLiteral("שם הפרוייקט: ") + ProjectName,
                QStringLiteral("תאריך: ") + r.date + QStringLiteral("   שעה: ") + r.time,
                CR + QStringLiteral("יומן ארועים (היסטוריה)") + Tab,
                QStringLiteral(" "),
                Join({QStringLiteral("מס'"), QStringLiteral("סוג האירוע  "), QStringLiteral("תאריך ושעה    "),
                      QStringLiteral("מיקום האירוע                    ")})};
    return {QStringLiteral("Project name:") + ProjectName,
            QStringLiteral("Date:  ") + r.date + QStringLiteral("  Time: ") + r.time,
            CR + QStringLiteral("Events Log (History)  ") + Tab,
            QStringLiteral(" "),
            Join({QStringLiteral("No."), QStringLiteral("Event type  "), QStringLiteral("Date/time     "),
                  QStringLiteral("Event location                  ")})};
}

}  // namespace

QStringList ScreenLines(int16_t lang, const Regional& regional)
{
    QStringList lines{
        ByLanguage(lang, QStringLiteral("שם הפרוייקט: "), QStringLiteral("Project name: ")) + ProjectName,
        ByLanguage(lang, QStringLiteral("תאריך: "), QStringLiteral("Date: ")) + regional.date,
        ByLanguage(lang, QStringLiteral("יומן ארועים"), QStringLiteral("Events log")),
    };
    return lines + Events();
}

QStringList FileLines(int16_t lang, const Regional& regional)
{
    const QString dots(10, u'.');
    return FileHeader(lang, regional) + Events() +
           QStringList{dots + ByLanguage(lang, QStringLiteral(" סוף  האירועים "), QStringLiteral("  END OF LOG   ")) + dots};
}

QStringList ExportLines(const Regional& regional) { return FileHeader(1, regional) + Events(); }

}  // namespace HistoryReport
