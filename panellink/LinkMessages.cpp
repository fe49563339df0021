#include "panellink/LinkMessages.h"

#include "core/DataModel.h"
#include "core/Message.h"
#include "platform/PortMessages.h"
#include "platform/SComm.h"
#include "platform/Ui.h"

using namespace Ui;

int Say(const LinkMessage& m, const QString& suffix)
{
    auto title = [](const char16_t* t) { return t ? QString::fromUtf16(t) : QString(); };
    if (UILanguage == 1)
        return MsgBox(QString::fromUtf16(m.hebrew) + suffix, m.buttons | vbHebrew, title(m.hebrewTitle));
    if (UILanguage == 2)
        return MsgBox(QString::fromUtf16(m.english) + suffix, m.buttons | (m.englishRight ? vbMsgBoxRight : 0),
                      title(m.englishTitle));
    return 0;
}

QString PortFaultText(const SComm& port, int16_t lang)
{
    // A serial control that records no fault has only its own words.
    if (port.LastFault() == OpenFault::None) return port.LastError();
    return OpenFaultText(lang == 1, port.LastFault(), port.CommPort, port.Catalog().Path(port.CommPort),
                         port.LastFaultDetail());
}

int SayPortFault(const SComm& port, const QString& note)
{
    const QString text = PortFaultText(port, UILanguage) + (note.isEmpty() ? QString() : QStringLiteral("\r\n") + note);
    return ShowMessage(languages::ByLanguage(UILanguage, Message{text, vbOKOnly | vbHebrew, QString()},
                                             Message{text, vbOKOnly, QString()}));
}

namespace LinkMessages {

const LinkMessage CableMissing{
    u"Cable USB-RS232 not conneted to PC\r\nIf yes, please perform a manual search",
    u"כבל USB-RS232 לא מחובר למחשב\r\nאם כן, נא לעשות חיפוש ידני"};

const LinkMessage ConnectionMode{
    u"Is the system in computer connection mode?\r\n(General menu > Tech menu > Service menu > PC connection)",
    u"האם הבקרה נמצאת במצב דיבור עם תוכנת מחשב?\r\n(תפריט ראשי > תפריט טכנאי > תפריט שרות > חיבור למחשב)",
    vbYesNo};

const LinkMessage EmptyDeviceList{u"An empty devices list cannot be sent to the system !",
                                  u"לא ניתן לשלוח לבקרה רשימת התקנים ריקה !", vbOKCancel, u"Warning", u"אזהרה"};

const LinkMessage ContactCompany{u"Please contact the company to check validity of the software",
                                 u"נא לפנות לחברה לבדיקת תוקף התוכנה"};

const LinkMessage DeleteAbove50{u"Please delete all devices above address 50", u"יש למחוק את כל ההתקנים מעל כתובת 50",
                                vbOKOnly, u"Error", u"שגיאה", true};

const LinkMessage AnalogDetectors{u"Please contact the company to adjust analog detectors",
                                  u"נא לפנות לחברה לכיוונון הבקרה לגלאים אנלוגיים"};

const LinkMessage Mismatch{u"There is a mismatch between software and system data !",
                           u"קיימת אי התאמה בין תוכנה לנתוני הבקרה !", vbOKCancel, u"Warning", u"אזהרה"};

const LinkMessage RemoteManual{
    u"The version of hardware is lower than 1.34\r\nThe remote panel must be set manually",
    u"גרסת תוכנה של הבקרה היא נמוכה מ-1.34\r\nיש להגדיר את התקנים המחוברים בתקשורת RS485 ידנית מתכנות הבקרה\r\n"
    u"תפריט ראשי > תפריט טכנאי > הגדרות מיוחדות > הגדרת יחידת משנה"};

const LinkMessage Completed{u"Data transfer completed successfully", u"העברת הנתונים הסתיימה בהצלחה"};

const LinkMessage SaveReminder{
    u"Do not forget to save the data before exit.",
    u"לשמירת הנתונים יש לצאת מתכנות הבקרה עם שמירת נתונים.\r\n(תפריט ראשי > שמירה ויציאה)   וללחוץ על מקש 'אישור'"};

const LinkMessage ReplaceProject{u"Downloading data from system will replace the data in the project",
                                 u"הורדת הנתונים מהבקרה תחליף את הנתונים הנוכחים בפרוייקט", vbOKCancel, u"Warning",
                                 u"שים לב !!!"};

const LinkMessage ClockVersion{
    u"Date and time updates can be performed from 1.40 hardware version\r\nHardware version is: ",
    u"עידכון שעון ניתן לבצע מגרסת 1.40 ומעלה\r\nגרסת תוכנת בכרטיס הבקרה: ", vbOKCancel};

const LinkMessage ClockUpdated{u"The system clock updated successfully", u"שעון בבקרה עודכן בהצלחה", vbOKCancel};

const LinkMessage InvalidAtAddress{u"Nothing was sent to the system: the project holds an invalid value at address ",
                                   u"לא נשלח דבר לבקרה: בפרויקט ערך לא חוקי בכתובת ", vbOKOnly, u"Error", u"שגיאה"};

const LinkMessage InvalidInGroup{
    u"Nothing was sent to the system: the project holds an invalid value in operating group ",
    u"לא נשלח דבר לבקרה: בפרויקט ערך לא חוקי בקבוצת הפעלה ", vbOKOnly, u"Error", u"שגיאה"};

const LinkMessage InvalidInSystem{u"Nothing was sent to the system: the project holds an invalid value in the system "
                                  u"settings",
                                  u"לא נשלח דבר לבקרה: בפרויקט ערך לא חוקי בהגדרות הבקרה", vbOKOnly, u"Error",
                                  u"שגיאה"};

QString ProjectNotChanged()
{
    if (UILanguage == 1) return QStringLiteral("הפרויקט לא שונה.");
    if (UILanguage == 2) return QStringLiteral("The project was not changed.");
    return QString();
}

}  // namespace LinkMessages
