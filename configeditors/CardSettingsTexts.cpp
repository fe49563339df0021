#include "configeditors/CardSettingsTexts.h"

#include "platform/Ui.h"

namespace CardSettingsTexts {

namespace {

Caption Own(const char* control, const char* hebrew, const char* english)
{
    return {QString::fromUtf8(control), -1, QString::fromUtf8(hebrew), QString::fromUtf8(english)};
}
Caption Opt(const char* control, int option, const char* hebrew, const char* english)
{
    return {QString::fromUtf8(control), option, QString::fromUtf8(hebrew), QString::fromUtf8(english)};
}
FixedCaption Design(const char* control, int option, const char* text)
{
    return {QString::fromUtf8(control), option, QString::fromUtf8(text)};
}

}  // namespace

const std::vector<Caption>& CaptionTable()
{
    static const std::vector<Caption> table{
        Own("frm5CardSettings", "Tessel126 - הגדרות מערכת וכרטיס ראשי", "Tessel126 - Main card system settings"),
        Own("LabelAlarm1", "ALARM1 - ממסר אזעקה 1", "ALARM RELAY 1"),
        Own("FrameAlarm1Top", "ממסר מושתק", "Silence"),
        Opt("SysFlags2RlyA1Silence", 0, "לא מושתק", "Not silenced"),
        Opt("SysFlags2RlyA1Silence", 1, "מושתק", "Silensed"),
        Own("FrameAlarm1Bot", "תנאי הפעלה", "Operating Condition"),
        Opt("SysFlags2RlyA1NotSys", 0, "כל אזעקה", "General"),
        Opt("SysFlags2RlyA1NotSys", 1, "קבוצת הפעלה", "From group"),
        Own("LabelAlarm2", "ALARM2 - ממסר אזעקה 2", "ALARM RELAY 2"),
        Own("FrameAlarm2Top", "תנאי הפעלה", "Operating Conditions"),
        Opt("SysFlags2RlyA2NotSys", 0, "כל אזעקה", "General"),
        Opt("SysFlags2RlyA2NotSys", 1, "קבוצת הפעלה", "From group"),
        Own("LabelFault", "FAULT - ממסר תקלה", "FAULT RELAY"),
        Own("FrameFaultTop", "אופן עבודה", "Operating Condition"),
        Opt("SysFlagsSlave", 0, "ממסר רגיל", "Regular"),
        Opt("SysFlagsSlave", 1, "ממסר הפוך", "Reverse"),
        Own("FrameFaultBot", "מספר אירועים להפעלה (תקלות)", "Number of events to activate"),
        Own("LabelLoop", "חיבור התקנים לבקרה", "Connecting devices"),
        Own("FrameLoopTop", "בחר סוג החיבור", "Select connection type"),
        Own("LabelSilence", "אופן הפעלת השתק", "Silence activation"),
        Own("FrameSilenceTop", "השתקת צופרי אזעקה וזמזם תקלה", "Silence horn and buzzer"),
        Opt("SysFlagsSilenceWithCod", 0, "השתק רגיל 1", "Regular 1"),
        Opt("SysFlagsSilenceWithCod", 1, "השתק עם סיסמא 4,8,2", "With code 4,8,2"),
        Own("Panel1", "פנל משנה 1", "Remote panel 1"),
        Opt("Panel1OnOff", 0, "לא במערכת", "Not in system"),
        Opt("Panel1OnOff", 1, "במערכת", "In system"),
        Own("Panel2", "פנל משנה 2", "Remote panel 2"),
        Opt("Panel2OnOff", 0, "לא במערכת", "Not in system"),
        Opt("Panel2OnOff", 1, "במערכת", "In system"),
        Own("PS1", "ספק משנה 1", "Remote PS 1"),
        Opt("PS1OnOff", 0, "לא במערכת", "Not in system"),
        Opt("PS1OnOff", 1, "במערכת", "In system"),
        Own("PS2", "ספק משנה 2", "Remote PS 2"),
        Opt("PS2OnOff", 0, "לא במערכת", "Not in system"),
        Opt("PS2OnOff", 1, "במערכת", "In system"),
        Own("LabelDialer", "DIALER - חייגן", "DIALER"),
        Own("FrameDialerTop", "בדיקת כניסת LF", "LF - Line Fault"),
        Own("FrameDialerBot", "תנאי הפעלת יציאת AL", "AL- activation condition"),
        Opt("SysFlags2DialerANotSys", 0, "כל אזעקה", "General Alarm"),
        Opt("SysFlags2DialerANotSys", 1, "קבוצת הפעלה", "From group"),
        Own("FrameDialerMid", "תנאי הפעלת יציאת F", "F- activation condition"),
        Opt("SysFlags2DialerFAsAlarm", 0, "כל תקלה", "General Fault"),
        Opt("SysFlags2DialerFAsAlarm", 1, "כל אזעקה", "General Alarm"),
        Own("Command2", "אישור", "OK"),
        Own("Command1", "ביטול", "Cancel"),
    };
    return table;
}

std::optional<QString> CaptionOf(const QString& control, int option, int16_t lang)
{
    if (lang != 1 && lang != 2) return std::nullopt;
    for (const Caption& c : CaptionTable())
        if (c.control == control && c.option == option) return lang == 1 ? c.hebrew : c.english;
    return std::nullopt;
}

const std::vector<FixedCaption>& DesignCaptions()
{
    static const std::vector<FixedCaption> table{
        Design("SysFlagsLoopSysStat", 0, "Class B (II)"),
        Design("SysFlagsLoopSysStat", 1, "Class A (U)"),
        Design("SysFlagsLF_NO", 0, "NC"),
        Design("SysFlagsLF_NO", 1, "NO"),
        Design("SysFlags2RlyFltStart", 0, "1"),
        Design("SysFlags2RlyFltStart", 1, "2"),
        Design("LnguageLbl1", -1, "עברית"),
        Design("LnguageLbl2", -1, "English"),
        // The always-hidden sections.
        Design("LabelReset", -1, "אופן הפעלת אתחול"),
        Design("SysFlagsResetWithCod", 0, "אתחול רגיל"),
        Design("SysFlagsResetWithCod", 1, "אתחול עם סיסמא"),
        Design("LabelVRST", -1, "VRST - יציאת מתח מאותחל"),
        Design("FrameVRSTTop", -1, "  השהייה  "),
        Design("SysFlags2VrstDly", 0, "15 שניות"),
        Design("SysFlags2VrstDly", 1, "30 שניות"),
        Design("LabelDayNight", -1, "מצב יום/לילה"),
        Design("FrameDayNightTop", -1, "  בחירת מצב יום לילה  "),
        Design("SysFlags2NightEna", 0, "מצב יום"),
        Design("SysFlags2NightEna", 1, "מצב לילה"),
        Design("FrameDayNightMid", -1, "  תחילת מצב לילה  "),
        Design("FrameDayNightBot", -1, "  סיום מצב לילה  "),
        Design("LabelStartHour", -1, "שעה"),
        Design("LabelStartMinute", -1, "דקות"),
        Design("LabelFinishHour", -1, "שעה"),
        Design("LabelFinishMinute", -1, "דקות"),
        Design("Frame2NumOfSys", -1, "  מספר הבקרה  "),
    };
    return table;
}

Message SaveQuestion(int16_t lang)
{
    return languages::ByLanguage(lang,
                                 {QStringLiteral("לשמור נתונים ?"), Ui::vbYesNoCancel | Ui::vbDefaultButton1 | Ui::vbHebrew,
                                  QStringLiteral("יציאה מהגדרות כרטיס ראשי")},
                                 {QStringLiteral("Save data ?"), Ui::vbYesNoCancel | Ui::vbDefaultButton1,
                                  QStringLiteral("Exit main card settings")});
}

}  // namespace CardSettingsTexts
