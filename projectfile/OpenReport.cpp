#include "projectfile/OpenReport.h"

#include <QStringList>

#include "platform/Ui.h"

namespace ProjectFile {

namespace {
const QString NL = QStringLiteral("\r\n");
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

Message ReplacedValuesMessage(int16_t lang, const Replaced& r)
{
    const bool hebrew = lang == 1;
    QStringList lines;
    lines << (hebrew ? QStringLiteral("חלק מהערכים בקובץ הפרויקט לא היו תקינים והוחלפו בערכי ברירת המחדל:")
                     : QStringLiteral("Some values in the project file were invalid and were replaced by their "
                                      "default values:"));
    if (!r.addresses.isEmpty())
        lines << (hebrew ? QStringLiteral("כתובות: ") : QStringLiteral("Addresses: ")) + NumberList(r.addresses);
    if (r.system) lines << (hebrew ? QStringLiteral("הגדרות הבקרה") : QStringLiteral("System settings"));
    if (!r.groups.isEmpty())
        lines << (hebrew ? QStringLiteral("קבוצות הפעלה: ") : QStringLiteral("Groups: ")) + NumberList(r.groups);
    lines << (hebrew ? QStringLiteral("נא לבדוק אותם לפני שליחת הפרויקט לבקרה.")
                     : QStringLiteral("Please check them before the project is sent to the system."));
    if (hebrew) return {lines.join(NL), Ui::vbOKOnly | Ui::vbExclamation | Ui::vbHebrew, QStringLiteral("אזהרה")};
    return {lines.join(NL), Ui::vbOKOnly | Ui::vbExclamation, QStringLiteral("Warning")};
}

Message NotProjectFileMessage(int16_t lang, const QString& file)
{
    if (lang == 1)
        return {QStringLiteral("הקובץ") + NL + file + NL + QStringLiteral("אינו קובץ פרויקט.") + NL +
                    QStringLiteral("הקובץ לא שונה; הפרויקט ריק ואין לו שם קובץ."),
                Ui::vbOKOnly | Ui::vbCritical | Ui::vbHebrew, QStringLiteral("שגיאה")};
    return {QStringLiteral("The file") + NL + file + NL + QStringLiteral("is not a project file.") + NL +
                QStringLiteral("The file was left unchanged; the project is empty and has no file name."),
            Ui::vbOKOnly | Ui::vbCritical, QStringLiteral("Error")};
}

}  // namespace ProjectFile
