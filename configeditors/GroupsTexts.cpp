#include "configeditors/GroupsTexts.h"

#include <QStringList>

#include "configeditors/GroupsModel.h"
#include "core/Conv.h"
#include "platform/Ui.h"

namespace GroupsTexts {

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

QString By(int16_t lang, const char16_t* hebrew, const char16_t* english)
{
    return languages::ByLanguage(lang, QString::fromUtf16(hebrew), QString::fromUtf16(english));
}

// A box in the language: Hebrew boxes are right-aligned and read right to left.
Message Box(int16_t lang, const QString& prompt, int buttons, const QString& title)
{
    return {prompt, buttons | (lang == 1 ? int(Ui::vbHebrew) : 0), title};
}

// The last line of the information line: the factory-name piece and the first 15 characters of
// the factory name, whose address and label keep their order inside the Hebrew line.
QString FactoryLine(int address, int16_t lang)
{
    const QString factory = DeviceDataArray[address].FactoryName.str().left(15);
    return By(lang, u"שם ברירת המחדל: ", u"Factory name: ") + (lang == 1 ? Ui::LeftToRight(factory) : factory);
}

}  // namespace

const std::vector<Caption>& CaptionTable()
{
    static const std::vector<Caption> table{
        {QStringLiteral("frm8Groups"), QStringLiteral("Tessel126 - קבוצות הפעלה"), QStringLiteral("Tessel126 - Operating groups")},
        {QStringLiteral("Text2"), QStringLiteral("מערכת"), QStringLiteral("System")},
        {QStringLiteral("Label1"), QStringLiteral("התקני מבוא"), QStringLiteral("INPUTS")},
        {QStringLiteral("Command3"), QStringLiteral("להוסיף לקבוצה"), QStringLiteral("Add to group")},
        {QStringLiteral("Command5"), QStringLiteral("להוסיף לקבוצה"), QStringLiteral("Add to group")},
        {QStringLiteral("Command4"), QStringLiteral("למחוק מקבוצה"), QStringLiteral("Remove from group")},
        {QStringLiteral("Command6"), QStringLiteral("למחוק מקבוצה"), QStringLiteral("Remove from group")},
        {QStringLiteral("Command11"), QStringLiteral("חייגן מיוחד"), QStringLiteral("Special dialer")},
        {QStringLiteral("Label2"), QStringLiteral("התקני מוצא"), QStringLiteral("OUTPUTS")},
        {QStringLiteral("Frame1"), QStringLiteral("כמות התקני מבוא מפעילים התקני מוצא בקבוצה"),
         QStringLiteral("Quantity of inputs that operate outputs")},
        {QStringLiteral("Command7"), QStringLiteral("התקני מבוא בקבוצות"), QStringLiteral("INPUTS in group")},
        {QStringLiteral("Command8"), QStringLiteral("התקני מוצא בקבוצה"), QStringLiteral("OUTPUTS in group")},
        {QStringLiteral("Command10"), QStringLiteral("הסתר"), QStringLiteral("HIDE")},
        {QStringLiteral("Command9"), QStringLiteral("קבוצה"), QStringLiteral("GROUP")},
        {QStringLiteral("Command1"), QStringLiteral("מחק קבוצה"), QStringLiteral("DELETE GROUP")},
        {QStringLiteral("Command2"), QStringLiteral("מחק את כל הקבוצות"), QStringLiteral("DELETE ALL GROUPS")},
        {QStringLiteral("SaveAndExitBttn"), QStringLiteral("אישור"), QStringLiteral("OK")},
        {QStringLiteral("ExitWithoutSave"), QStringLiteral("ביטול"), QStringLiteral("Cancel")},
    };
    return table;
}

std::optional<QString> CaptionOf(const QString& control, int16_t lang)
{
    if (lang != 1 && lang != 2) return std::nullopt;
    for (const Caption& c : CaptionTable())
        if (c.control == control) return lang == 1 ? c.hebrew : c.english;
    return std::nullopt;
}

QString GrpNamePrefix(int16_t lang) { return By(lang, u"קבוצת הפעלה ", u"Group "); }

QString SpecialItemText(int code, int16_t lang)
{
    switch (code) {
    case SpecialOutput::AlarmRelay1: return By(lang, u"201 ממסר אזעקה 1", u"201 Alarm rly 1 ");
    case SpecialOutput::AlarmRelay2: return By(lang, u"202 ממסר אזעקה 2", u"202 Alarm rly 2 ");
    case SpecialOutput::DialerAlarm: return By(lang, u"205 חייגן -AL   ", u"205 Dialer -AL  ");
    default: return {};
    }
}

QString AddCaption(int g, int16_t lang)
{
    return By(lang, u"להוסיף", u"Add") + CR + By(lang, u"לקבוצה מס' ", u"to group ") + Str(g);
}

QString RemoveCaption(int g, int16_t lang)
{
    return By(lang, u"למחוק", u"Delete") + CR + By(lang, u"מקבוצה מס' ", u"from group ") + Str(g);
}

QString DialerGroupName(int g, int16_t lang)
{
    return g == 31 ? By(lang, u"חיוג למכבי אש-2", u"Fire Dprt.-(2)") : By(lang, u"חיוג למכבי אש-1", u"Fire Dprt.-(1)");
}

Message TooManyGroups(int address, int16_t lang)
{
    const QString limit = Str(MaxGroupsPerInput);
    const QString n = Str(address);
    return Box(lang,
               lang == 1 ? QStringLiteral("התקן מבוא מס' ") + n + QStringLiteral(" יכול להפעיל עד ") + limit + QStringLiteral(" קבוצות !!!")
                         : QStringLiteral("Input device' ") + n + QStringLiteral(" can be in ") + limit + QStringLiteral(" groups !!!"),
               Ui::vbOKOnly, QString());
}

Message TooManyOutputs(int16_t lang)
{
    return Box(lang, By(lang, u"כמות התקני מוצא בקבוצה לא יכול לעלות על 6", u"The amount of OUTPUTS can't be more than 6"),
               Ui::vbOKOnly, QString());
}

Message SaveQuestion(int16_t lang)
{
    return Box(lang, By(lang, u"לשמור נתונים ?", u"Save data ?"), Ui::vbYesNoCancel,
               By(lang, u"יציאה מקבוצות הפעלה", u"Exit from group settings"));
}

Message IllegalGroupsWarning(int16_t lang)
{
    return Box(lang, By(lang, u"שים לב כל הקבוצות הלא חוקיות ימחקו", u"All illegal groups will be deleted"), Ui::vbOKOnly,
               By(lang, u"אזהרה", u"Warning"));
}

Message DeleteGroupQuestion(int16_t lang)
{
    return Box(lang, By(lang, u"האם למחוק את הקבוצה ???", u"Delete group ???"), Ui::vbYesNo, By(lang, u"אזהרה", u"Warning"));
}

Message DeleteAllQuestion(int16_t lang)
{
    return Box(lang, By(lang, u"האם למחוק את כל הקבוצות ???", u"Delete all groups ???"), Ui::vbYesNo,
               By(lang, u"אזהרה", u"Warning"));
}

Message DialerWarning(int16_t lang)
{
    // The English text reads "31 and 32"; the Hebrew joins them with its own "and".
    return Box(lang, By(lang, u"פעולה זו תמחוק את קבוצות ", u"This will delete groups ") + QStringLiteral("31") +
                         By(lang, u" ו-", u" and ") + QStringLiteral("32"),
               Ui::vbYesNo, By(lang, u"שים לב!!!", u"Pay attention !!!"));
}

Message DialerShortage(int g, int16_t lang)
{
    const QString first = By(lang, u"לא מספיק התקנים להפעלת חיוג למכבי אש", u"Not enough devices for dialing fire department");
    const QString second = g == 31 ? By(lang, u"משתי (2) אזעקות - (גלאים)", u"Two (2) alarms - detectors")
                                   : By(lang, u"מאזעקה אחת (1) - (לחצנים, מפסקי זרימה וכו')",
                                        u"One (1) alarm - call points, flow swithes");
    return Box(lang, first + CRLF + second, Ui::vbOKOnly, QString());
}

Message DialerNoRoom(int g, const std::vector<int>& full, int16_t lang)
{
    QStringList numbers;
    for (int a : full) numbers << Str(a);
    Message m = DialerShortage(g, lang);
    m.prompt += CRLF + By(lang, u"התקני מבוא שכבר נמצאים ב-4 קבוצות: ", u"Input devices already in 4 groups: ") +
                numbers.join(QStringLiteral(", "));
    return m;
}

QString InputInfo(const GroupsModel& m, int address)
{
    if (address < 1 || address > MaxAddress) return {};
    const int16_t lang = m.Language();
    const DevGrpRecord& r = m.DevGrpArray[address];
    const QString limit = Str(MaxGroupsPerInput);
    QString line = By(lang, u"התקן מס' ", u"Device ") + ZeroPad(address, 3);
    if (r.NumOfGroups == 0) {
        line += By(lang, u" לא נמצא בקבוצות", u" not in groups");
    } else {
        if (r.NumOfGroups == 1)
            line += By(lang, u" נמצא בקבוצה אחת מתוך ", u" Exist in one group of ") + limit + By(lang, u" קבוצות", u" groups");
        else
            line += By(lang, u" נמצא ב-", u" Exist in ") + Str(r.NumOfGroups) + By(lang, u" קבוצות מתוך ", u" groups of ") +
                    limit + By(lang, u" קבוצות", u" gropus");
        QStringList groups;
        for (int k = 1; k <= r.NumOfGroups; ++k) groups << Str(r.Grp[k]);
        line += CR + groups.join(QStringLiteral(" , "));
    }
    return line + CR + FactoryLine(address, lang);
}

QString OutputInfo(const GroupsModel& m, int address)
{
    if (address < 1) return {};
    const int16_t lang = m.Language();
    int c = 0;
    QString groups;
    for (int q = 1; q <= MaxGroups; ++q)
        for (int k = 1; k <= MaxOutputsPerGroup; ++k)
            if (m.GrpEditArray[q].OutAddr[k] == address) groups += (++c == 1 ? QString() : QStringLiteral(", ")) + Str(q);
    QString line = By(lang, u"התקן מס' ", u"Device ") + ZeroPad(address, 3);
    if (c == 0)
        line += By(lang, u" לא נמצא בקבוצות", u" not exist in groups");
    else if (c == 1)
        line += By(lang, u" נמצא בקבוצה אחת:", u" nxist in one group:") + CR + groups;
    else
        line += By(lang, u" נמצא ב-", u" exist in ") + Str(c) + By(lang, u" קבוצות:", u" groups:") + CR + groups;
    if (address > MaxAddress) return line;  // a special output has no device record
    return line + CR + FactoryLine(address, lang);
}

QString InfoLine(const GroupsModel& m)
{
    const int d = m.InfoDevice();
    return m.IsOfferedInput(d) ? InputInfo(m, d) : OutputInfo(m, d);
}

}  // namespace GroupsTexts
