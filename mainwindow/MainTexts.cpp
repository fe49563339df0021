#include "mainwindow/MainTexts.h"

#include "core/Conv.h"
#include "platform/Ui.h"

namespace MainTexts {

namespace {
const QString CR = QStringLiteral("\r");
}

const std::vector<Caption>& CaptionTable()
{
    static const std::vector<Caption> table{
        {QStringLiteral("SysSetBttn"), QStringLiteral("System"), QStringLiteral("הגדרות הבקרה")},
        {QStringLiteral("LabelSysSetBttn"), QStringLiteral("System"), QStringLiteral("הגדרות הבקרה")},
        {QStringLiteral("ExtLabelSysSetBttn"), QStringLiteral("System settings"), QStringLiteral("הגדרת אופן פעולת הבקרה")},
        {QStringLiteral("DevicesSetBttn"), QStringLiteral("Devices"), QStringLiteral("הגדרות התקנים")},
        {QStringLiteral("LabelDevicesSetBttn"), QStringLiteral("Devices"), QStringLiteral("הגדרות התקנים")},
        {QStringLiteral("ExtLabelDevicesSetBttn"), QStringLiteral("Devices setings"), QStringLiteral("הזנת שמות, הגדרות התקנים")},
        {QStringLiteral("Label3"), QStringLiteral("Devices in system"), QStringLiteral("כתובות תפוסות במערכת")},
        {QStringLiteral("GroupsSetBttn"), QStringLiteral("Groups"), QStringLiteral("קבוצות הפעלה")},
        {QStringLiteral("LabelGroupsSetBttn"), QStringLiteral("Groups"), QStringLiteral("קבוצות הפעלה")},
        {QStringLiteral("ExtLabelGroupsSetBttn"), QStringLiteral("Set groups"), QStringLiteral("בחירת קבוצות הפעלה במערכת")},
        {QStringLiteral("Label17"), QStringLiteral("Groups in system"), QStringLiteral("קבוצות תפוסות במערכת")},
        {QStringLiteral("UpDateCmd"), QStringLiteral("Update"), QStringLiteral("עדכון שינויים")},
        {QStringLiteral("ExitBttn"), QStringLiteral("EXIT"), QStringLiteral("יציאה")},
        {QStringLiteral("Label32"), QStringLiteral("Download / Upload"), QStringLiteral("הורדה / שליחה")},
        {QStringLiteral("Upload2Sys"), QStringLiteral("Upload"), QStringLiteral("שליחה לבקרה")},
        {QStringLiteral("Download2PC"), QStringLiteral("Download"), QStringLiteral("הורדה למחשב")},
        {QStringLiteral("HISTORY_A"), QStringLiteral("History"), QStringLiteral("הורדת היסטוריה")},
        {QStringLiteral("Label14"), QStringLiteral("Com setting"), QStringLiteral("הגדרת יציאת תקשורת")},
        {QStringLiteral("DeviceMngrOpen"), QStringLiteral("Device manager"), QStringLiteral("מנהל התקנים")},
        {QStringLiteral("FindMyCOM"), QStringLiteral("Search"), QStringLiteral("חיפוש")},
        {QStringLiteral("ClckSnd"), QStringLiteral("Update clock"), QStringLiteral("עדכן שעון")},
        {QStringLiteral("CloseComSet"), QStringLiteral("Close com settings"), QStringLiteral("סגור הגדרות תקשורת")},
        {QStringLiteral("Label34"), QStringLiteral("Reports"), QStringLiteral("דוחות ותמיכה")},
        {QStringLiteral("NewListCmd"), QStringLiteral("Names"), QStringLiteral("שמות")},
        {QStringLiteral("Command12"), QStringLiteral("Settings"), QStringLiteral("הגדרות")},
        {QStringLiteral("ProgFolderBttn"), QStringLiteral("Projects folder"), QStringLiteral("תיקיית התוכנה")},
        {QStringLiteral("DefaultFolderLocation"), QStringLiteral("Default Folder location"), QStringLiteral("מיקום ב''מ תיקיית פרוייקטים")},
        {QStringLiteral("Command3"), QStringLiteral("Groups"), QStringLiteral("קבוצות הפעלה")},
        {QStringLiteral("ComSettings"), QStringLiteral("Com port settings"), QStringLiteral("הגדרות יציאת תקשורת")},
        {QStringLiteral("Command4"), QStringLiteral("Change name"), QStringLiteral("שינוי שם הפרוייקט")},
        {QStringLiteral("Command6"), QStringLiteral("Last history"), QStringLiteral("היסטוריה אחרונה")},
        {QStringLiteral("Label8"), QStringLiteral("Address check"), QStringLiteral("בדיקת כתובת")},
        {QStringLiteral("Label2"), QStringLiteral("Enter number 1-"), QStringLiteral("הזן מספר בין 1 ל- ")},
        {QStringLiteral("Label1"), QStringLiteral("Project"), QStringLiteral("פרטי הפרוייקט")},
        {QStringLiteral("Label26"), QStringLiteral("File name"), QStringLiteral("שם הקובץ")},
        {QStringLiteral("Label27"), QStringLiteral("Address"), QStringLiteral("כתובת")},
        {QStringLiteral("Label28"), QStringLiteral("Contact"), QStringLiteral("איש קשר")},
        {QStringLiteral("Label29"), QStringLiteral("Telephone"), QStringLiteral("מספר טלפון")},
        {QStringLiteral("Label30"), QStringLiteral("Date"), QStringLiteral("תאריך התקנה")},
        {QStringLiteral("Label31"), QStringLiteral("Comments"), QStringLiteral("הערות")},
        {QStringLiteral("Label12"), QStringLiteral("To save changes press [Update] before quit"),
         QStringLiteral("לעדכון קובץ לחץ על [עדכן שינויים] לפני יציאה מהתוכנה")},
    };
    return table;
}

std::optional<QString> CaptionOf(const QString& control, int16_t lang, int maxNumOfDevices)
{
    if (lang != 1 && lang != 2) return std::nullopt;
    for (const Caption& c : CaptionTable()) {
        if (c.control != control) continue;
        QString text = lang == 2 ? c.english : c.hebrew;
        if (control == QStringLiteral("Label2")) text += Str(maxNumOfDevices);
        return text;
    }
    return std::nullopt;
}

std::optional<Message> MissingFileName(int16_t lang)
{
    if (lang == 2)
        return Message{QStringLiteral("Missing file name forproject") + CR + QStringLiteral("use - ") + QStringLiteral("New or Load"),
                       Ui::vbOKOnly, QStringLiteral("Missing file name")};
    if (lang == 1)
        return Message{QStringLiteral("חסר שם קובץ לפרויקט") + CR + QStringLiteral("השתמש ב-") + QStringLiteral("New or Load"),
                       Ui::vbOKOnly | Ui::vbHebrew, QStringLiteral("חסר שם קובץ")};
    return std::nullopt;
}

std::optional<Message> SavedInFile(int16_t lang, const QString& fileName)
{
    if (lang == 2)
        return Message{QStringLiteral("The system data was successfully saved in the file") + CR + fileName, Ui::vbOKOnly, QString()};
    if (lang == 1)
        return Message{QStringLiteral("נתוני המערכת נשמרו בהצלחה בקובץ") + CR + fileName, Ui::vbOKOnly | Ui::vbHebrew, QString()};
    return std::nullopt;
}

Message SaveFailed(int16_t lang, const QString& file, const QString& reason)
{
    return languages::ByLanguage(lang,
                                 Message{QStringLiteral("שמירת הנתונים בקובץ נכשלה") + CR + file + CR + reason,
                                         Ui::vbOKOnly | Ui::vbCritical | Ui::vbHebrew, QStringLiteral("שגיאה")},
                                 Message{QStringLiteral("The system data could not be saved in the file") + CR + file + CR + reason,
                                         Ui::vbOKOnly | Ui::vbCritical, QStringLiteral("Error")});
}

std::optional<Message> NoProjectFile(int16_t lang)
{
    if (lang == 2)
        return Message{QStringLiteral("No name was selected for a new projectfile") + CR + QStringLiteral("or a previous project file was uploaded"),
                       Ui::vbOKOnly, QStringLiteral("There is no project file name")};
    if (lang == 1)
        return Message{QStringLiteral("לא נבחר שם לקובץ פרויקט חדש") + CR + QStringLiteral("או הוטען קובץ פרויקט קודם"),
                       Ui::vbOKOnly | Ui::vbHebrew, QStringLiteral("אין שם לקובץ פרויקט")};
    return std::nullopt;
}

std::optional<Message> ReplaceQuestion(int16_t lang)
{
    if (lang == 2)
        return Message{QStringLiteral("Existing file name, do you want to replace it ?"), Ui::vbYesNo, QStringLiteral("Existing file name")};
    if (lang == 1)
        return Message{QStringLiteral("קובץ קיים - האם ברצונך להחליפו"), Ui::vbYesNo | Ui::vbHebrew, QStringLiteral("קובץ קיים")};
    return std::nullopt;
}

std::optional<Message> InvalidFileName(int16_t lang)
{
    // Both versions of this box read right to left.
    if (lang == 2) return Message{QStringLiteral("Invalid file name"), Ui::vbOKOnly | Ui::vbHebrew, QStringLiteral("File name error")};
    if (lang == 1) return Message{QStringLiteral("שם קובץ לא חוקי"), Ui::vbOKOnly | Ui::vbHebrew, QStringLiteral("שגיאה בשם הקובץ")};
    return std::nullopt;
}

Message ExitQuestion(int16_t lang)
{
    return languages::ByLanguage(
        lang, Message{QStringLiteral("האם לשמור נתונים לפני יציאה ?"), Ui::vbYesNoCancel | Ui::vbHebrew, QStringLiteral("יציאה מהתוכנה")},
        Message{QStringLiteral("Save data before exit ?"), Ui::vbYesNoCancel, QStringLiteral("Exit")});
}

Message LoadError(const QString& description) { return {description, Ui::vbOKOnly, QString()}; }

}  // namespace MainTexts
