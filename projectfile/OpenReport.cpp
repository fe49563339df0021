#include "projectfile/OpenReport.h"

#include <QStringList>

#include "platform/Ui.h"

namespace ProjectFile {

namespace {

const QString NL = QStringLiteral("\r\n");

// What shows that the file is incomplete: a heading and one line for each sign.
QStringList CutLines(int16_t lang, const CutSigns& cut)
{
    using languages::ByLanguage;
    QStringList lines{ByLanguage(lang, QStringLiteral("קובץ הפרויקט אינו שלם (ייתכן שנקטע); נקרא רק מה שיש בו:"),
                                 QStringLiteral("The project file is incomplete (it may have been cut short); only "
                                                "what it holds was read:"))};
    if (cut.noClosingSection)
        lines << ByLanguage(lang, QStringLiteral("חסר הקטע המסיים ") + Ui::LeftToRight(QStringLiteral("[----------]")),
                            QStringLiteral("The closing section [----------] is missing"));
    if (cut.lastLineCut)
        lines << ByLanguage(lang, QStringLiteral("השורה האחרונה קטועה (אין בה סוף שורה)"),
                            QStringLiteral("The last line is cut off (it has no line end)"));
    for (const RecordLineKey& l : RecordLines) {
        const QList<int>& places = cut.Without(l.line);
        if (places.isEmpty()) continue;
        const QString key = QLatin1StringView(l.key);
        const QString article = key.startsWith(u'F') ? QStringLiteral("an ") : QStringLiteral("a ");  // "an eff-nam"
        lines << ByLanguage(lang, (l.group ? QStringLiteral("קבוצות הפעלה") : QStringLiteral("כתובות")) +
                                      QStringLiteral(" ללא שורת ") + key + QStringLiteral(": "),
                            (l.group ? QStringLiteral("Groups") : QStringLiteral("Addresses")) +
                                QStringLiteral(" without ") + article + key + QStringLiteral(" line: ")) +
                     NumberList(places);
    }
    if (cut.moreDevicesDeclared())
        lines << ByLanguage(lang, QStringLiteral("כתובות תפוסות: בקובץ רשומות %1 ויש בו %2"),
                            QStringLiteral("Devices: the file declares %1 and holds %2"))
                     .arg(cut.devicesDeclared)
                     .arg(cut.devicesHeld);
    if (cut.moreGroupsDeclared())
        lines << ByLanguage(lang, QStringLiteral("קבוצות תפוסות: בקובץ רשומות %1 ויש בו %2"),
                            QStringLiteral("Groups: the file declares %1 and holds %2"))
                     .arg(cut.groupsDeclared)
                     .arg(cut.groupsHeld);
    return lines;
}

// Where characters without a code were read as "?": a heading and the places.
QStringList LostLines(int16_t lang, const LostLetters& lost)
{
    using languages::ByLanguage;
    QStringList lines{ByLanguage(
        lang,
        QStringLiteral("בקובץ תווים שאין להם מקום בקובץ פרויקט (") + Ui::LeftToRight(QStringLiteral("Windows-1255")) +
            QStringLiteral("); כל אחד מהם נקרא כ-\"?\":"),
        QStringLiteral("The file holds characters that a project file (Windows-1255) cannot hold; each was read as "
                       "\"?\":"))};
    lines << PlaceLines(lang, lost.addresses, lost.groups);
    if (lost.details) lines << ByLanguage(lang, QStringLiteral("פרטי הפרויקט"), QStringLiteral("Project details"));
    return lines;
}

}  // namespace

Message OpenWarning(int16_t lang, const CutSigns& cut, const LostLetters& lost, const Replaced& r)
{
    const Message places = PlacesMessage(lang, PlacesSource::ProjectFile, r);
    if (!cut.any() && !lost.any()) return places;
    QStringList lines;
    if (cut.any()) lines << CutLines(lang, cut);
    if (lost.any()) {
        if (!lines.isEmpty()) lines << QString();
        lines << LostLines(lang, lost);
    }
    if (r.any())
        lines << QString() << places.prompt;
    else
        lines << languages::ByLanguage(
            lang, QStringLiteral("נא לבדוק את הפרויקט לפני שמירתו או שליחתו לבקרה."),
            QStringLiteral("Please check the project before it is saved or sent to the system."));
    return {lines.join(NL), places.style, places.title};
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
