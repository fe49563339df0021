#include "projectfile/OpenReport.h"

#include <QStringList>

#include "platform/Ui.h"

namespace ProjectFile {

namespace {

const QString NL = QStringLiteral("\r\n");

QString ByLanguage(bool hebrew, const char16_t* he, const char* en)
{
    return hebrew ? QString::fromUtf16(he) : QString::fromUtf8(en);
}

// What shows that the file is incomplete: a heading and one line for each sign.
QStringList CutLines(bool hebrew, const CutSigns& cut)
{
    QStringList lines{ByLanguage(hebrew, u"קובץ הפרויקט אינו שלם (ייתכן שנקטע); נקרא רק מה שיש בו:",
                                 "The project file is incomplete (it may have been cut short); only what it holds "
                                 "was read:")};
    if (cut.noClosingSection)
        lines << (hebrew ? QStringLiteral("חסר הקטע המסיים ") + Ui::LeftToRight(QStringLiteral("[----------]"))
                         : QStringLiteral("The closing section [----------] is missing"));
    if (cut.lastLineCut)
        lines << ByLanguage(hebrew, u"השורה האחרונה קטועה (אין בה סוף שורה)",
                            "The last line is cut off (it has no line end)");
    if (!cut.devicesWithoutType.isEmpty())
        lines << ByLanguage(hebrew, u"כתובות ללא שורת TYPE: ", "Addresses without a TYPE line: ") +
                     NumberList(cut.devicesWithoutType);
    if (!cut.groupsWithoutName.isEmpty())
        lines << ByLanguage(hebrew, u"קבוצות הפעלה ללא שורת GrpName: ", "Groups without a GrpName line: ") +
                     NumberList(cut.groupsWithoutName);
    if (cut.moreDevicesDeclared())
        lines << ByLanguage(hebrew, u"כתובות תפוסות: בקובץ רשומות %1 ויש בו %2", "Devices: the file declares %1 and holds %2")
                     .arg(cut.devicesDeclared)
                     .arg(cut.devicesHeld);
    if (cut.moreGroupsDeclared())
        lines << ByLanguage(hebrew, u"קבוצות תפוסות: בקובץ רשומות %1 ויש בו %2", "Groups: the file declares %1 and holds %2")
                     .arg(cut.groupsDeclared)
                     .arg(cut.groupsHeld);
    return lines;
}

}  // namespace

Message OpenWarning(int16_t lang, const CutSigns& cut, const Replaced& r)
{
    const Message places = PlacesMessage(lang, PlacesSource::ProjectFile, r);
    if (!cut.any()) return places;
    const bool hebrew = lang == 1;
    QStringList lines = CutLines(hebrew, cut);
    if (r.any())
        lines << QString() << places.prompt;
    else
        lines << ByLanguage(hebrew, u"נא לבדוק את הפרויקט לפני שמירתו או שליחתו לבקרה.",
                            "Please check the project before it is saved or sent to the system.");
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
