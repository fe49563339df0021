#include "devices/DevicesTexts.h"

#include <QStringList>

#include "core/Conv.h"
#include "platform/Ui.h"

namespace DevicesTexts {

const std::vector<Caption>& CaptionTable()
{
    static const std::vector<Caption> table = {
        {QStringLiteral("Text1"), QStringLiteral("N"), QStringLiteral("N"), {}, {}},
        {QStringLiteral("Text3"), QStringLiteral("Enable"), QStringLiteral(u"הפעל התקן"), {}, {}},
        {QStringLiteral("Text4"), QStringLiteral("Factory name"), QStringLiteral(u"שם ברירת המחדל"), {}, {}},
        {QStringLiteral("Text5"), QStringLiteral("Type"), QStringLiteral(u"סוג"), {}, {}},
        {QStringLiteral("Text7"), QStringLiteral("Settings"), QStringLiteral(u"הגדרות"), {}, {}},
        {QStringLiteral("Text8"), QStringLiteral("Name of device"), QStringLiteral(u"שם ההתקן"), {}, {}},
        {QStringLiteral("Text9"), QStringLiteral("Delete"), QStringLiteral(u"מחק התקן"), {}, {}},
        {QStringLiteral("Command9"), QStringLiteral("Info"), QStringLiteral(u"מידע"), {}, {}},
        {QStringLiteral("Command10"), QStringLiteral("System Map"), QStringLiteral(u"תצוגה ויזואלית"), {}, {}},
        {QStringLiteral("Command11"), QStringLiteral("Names View"), QStringLiteral(u"תצוגת שמות"), {}, {}},
        {QStringLiteral("Label1"), QStringLiteral("Go to"), QStringLiteral(u"לעבור להתקן"), {}, {}},
        {QStringLiteral("Command8"), QStringLiteral("Delete names"), QStringLiteral(u"מחיקת השמות"), {}, {}},
        {QStringLiteral("Label2"), QStringLiteral("Enter range"), QStringLiteral(u"הזן תחום"), {}, {}},
        {QStringLiteral("Command7"), QStringLiteral("Import"), QStringLiteral(u"יבוא שמות"), {}, {}},
        {QStringLiteral("Command21"), QStringLiteral("VRF"), QStringLiteral(u"אימות"), QStringLiteral("Verification"), {}},
        {QStringLiteral("Command20"), QStringLiteral("SNS"), QStringLiteral(u"רגישות"), QStringLiteral("Sensitivity"), {}},
        {QStringLiteral("Label17"), QStringLiteral("Verification"), QStringLiteral(u"אימות"), {}, {}},
        {QStringLiteral("Label16"), QStringLiteral("Sensitivity"), QStringLiteral(u"רגישות"), {}, {}},
        {QStringLiteral("Option8_0"), QStringLiteral("Det"), QStringLiteral(u"עשן"), {}, {}},
        {QStringLiteral("Option8_1"), QStringLiteral("RED"), QStringLiteral(u"אדום"), {}, {}},
        {QStringLiteral("Option8_2"), QStringLiteral("Input"), QStringLiteral(u"מבוא"), {}, {}},
        {QStringLiteral("Command22_0"), QStringLiteral("YES"), QStringLiteral(u"כן"), {}, {}},
        {QStringLiteral("Command22_1"), QStringLiteral("NO"), QStringLiteral(u"לא"), {}, {}},
    };
    return table;
}

std::optional<QString> WindowTitle(int16_t lang, int maxNumOfDevices)
{
    if (lang != 1 && lang != 2) return std::nullopt;
    return QStringLiteral("Tessel") + Str(maxNumOfDevices)
           + (lang == 2 ? QStringLiteral(" - Devices settings") : QStringLiteral(u" - הגדרת התקנים"));
}

std::optional<QString> CapturedCaption(int16_t lang, int captured, int available)
{
    if (lang == 2) return QStringLiteral("Captured : ") + Str(captured) + QStringLiteral(" / Available : ") + Str(available);
    if (lang == 1)
        return QStringLiteral(u"כתובות תפוסות : ") + Str(captured) + QStringLiteral(u" / כתובות פנויות : ") + Str(available);
    return std::nullopt;
}

QString UnknownTypeLabel(int16_t lang)
{
    return languages::ByLanguage(lang, QStringLiteral(u"בלה-בלה-בלה"), QStringLiteral("BLA-BLA-BLA"));
}

Message SaveQuestion(int16_t lang)
{
    if (lang == 1)
        return {QStringLiteral(u"לשמור נתונים ?"), Ui::vbYesNoCancel | Ui::vbHebrew, QStringLiteral(u"יציאה מהגדרות התקנים")};
    return {QStringLiteral("Save data ?"), Ui::vbYesNoCancel, QStringLiteral("Exit device settings")};
}

Message DeleteQuestion(int16_t lang, int first, int last)
{
    const int count = last - first + 1;
    QStringList addresses;
    for (int a = first; a <= last; ++a) addresses << Str(a);
    const bool hebrew = lang == 1;
    QString line;
    if (count == 1)
        line = hebrew ? QStringLiteral(u"הינך עומד למחוק כתובת מס' ") + Str(first)
                      : QStringLiteral("You are about to delete addresses ") + Str(first);
    else if (hebrew)
        line = QStringLiteral(u"הינך עומד למחוק ") + Str(count) + QStringLiteral(u" כתובות : ")
               + (count == 2 ? addresses.join(QStringLiteral(u" ו- ")) : addresses.join(QStringLiteral(", ")));
    else
        line = QStringLiteral("You are about to delete ") + Str(count) + QStringLiteral(" addresses : ")
               + addresses.join(QStringLiteral(", "));
    const QChar cr(u'\r');
    if (hebrew)
        return {line + cr + QStringLiteral(u"פעולה זו תמחק כתובת/ות מתוך קבוצה/ות הפעלה") + cr + QStringLiteral(u"האם אתה בטוח?"),
                Ui::vbYesNo | Ui::vbHebrew, QStringLiteral(u"מחיקה ?")};
    return {line + cr + QStringLiteral("This wil delete address(es) from group(s)") + cr + QStringLiteral("Are you sure?"),
            Ui::vbYesNo, QStringLiteral("Delete ?")};
}

Message DeleteNamesQuestion(int16_t lang)
{
    if (lang == 1) return {QStringLiteral(u"האם למחוק שם/שמות ???"), Ui::vbYesNo, QStringLiteral(u"אזהרה")};
    return {QStringLiteral("Delete name/names ???"), Ui::vbYesNo, QStringLiteral("Warning")};
}

}  // namespace DevicesTexts
