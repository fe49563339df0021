#include "core/PlacesMessage.h"

#include <algorithm>
#include <array>

#include <QStringList>

#include "platform/Ui.h"

namespace {

const QString NL = QStringLiteral("\r\n");

void Merge(QList<int>& into, const QList<int>& more)
{
    for (int n : more)
        if (!into.contains(n)) into << n;
    std::sort(into.begin(), into.end());
}

// The first line of the box: where the values came from and what became of them.
struct Heading {
    PlacesSource source;
    const char16_t* hebrew;
    const char* english;
};
constexpr std::array<Heading, 4> Headings{{
    {PlacesSource::ProjectFile, u"חלק מהערכים בקובץ הפרויקט לא היו תקינים או לא התאימו זה לזה, והוחלפו או הוסרו:",
     "Some values in the project file were invalid or did not agree with each other, and were replaced or "
     "removed:"},
    {PlacesSource::Panel, u"חלק מהערכים שנקראו מהבקרה לא היו תקינים או לא התאימו זה לזה, והוחלפו או הוסרו:",
     "Some values read from the system were invalid or did not agree with each other, and were replaced or "
     "removed:"},
    {PlacesSource::Save, u"חלק מנתוני הפרויקט לא התאימו זה לזה, ותוקנו לפני השמירה:",
     "Some data of the project did not agree with each other, and were mended before the save:"},
    {PlacesSource::Step, u"חלק מהערכים שנקראו מהבקרה לא היו תקינים והוחלפו, או שאינם מתאימים לשאר הפרויקט:",
     "Some values read from the system were invalid and were replaced, or do not agree with the rest of the "
     "project:"},
}};

QString HeadingOf(PlacesSource source, bool hebrew)
{
    for (const Heading& h : Headings)
        if (h.source == source) return hebrew ? QString::fromUtf16(h.hebrew) : QString::fromUtf8(h.english);
    return QString();
}

}  // namespace

void PlacesList::Add(const QList<int>& moreAddresses, const QList<int>& moreGroups)
{
    Merge(addresses, moreAddresses);
    Merge(groups, moreGroups);
}

QString NumberList(const QList<int>& numbers)
{
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        if (j - i >= 2) {
            parts << QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[j]);
        } else {
            for (qsizetype k = i; k <= j; ++k) parts << QString::number(numbers[k]);
        }
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QStringList PlaceLines(int16_t lang, const QList<int>& addresses, const QList<int>& groups)
{
    const bool hebrew = lang == 1;
    QStringList lines;
    if (!addresses.isEmpty())
        lines << (hebrew ? QStringLiteral("כתובות: ") : QStringLiteral("Addresses: ")) + NumberList(addresses);
    if (!groups.isEmpty())
        lines << (hebrew ? QStringLiteral("קבוצות הפעלה: ") : QStringLiteral("Groups: ")) + NumberList(groups);
    return lines;
}

Message PlacesMessage(int16_t lang, PlacesSource source, const PlacesList& r)
{
    const bool hebrew = lang == 1;
    QStringList lines;
    lines << HeadingOf(source, hebrew);
    lines << PlaceLines(lang, r.addresses, {});
    if (r.system) lines << (hebrew ? QStringLiteral("הגדרות הבקרה") : QStringLiteral("System settings"));
    lines << PlaceLines(lang, {}, r.groups);
    lines << (hebrew ? QStringLiteral("נא לבדוק אותם לפני שליחת הפרויקט לבקרה.")
                     : QStringLiteral("Please check them before the project is sent to the system."));
    if (hebrew) return {lines.join(NL), Ui::vbOKOnly | Ui::vbExclamation | Ui::vbHebrew, QStringLiteral("אזהרה")};
    return {lines.join(NL), Ui::vbOKOnly | Ui::vbExclamation, QStringLiteral("Warning")};
}
