#include "core/Usefull.h"

#include "core/DataModel.h"
#include "platform/TextCodec.h"
#include "platform/Ui.h"

namespace Usefull {
namespace {

// Codes of the panel's display: blank ! # & ' ( ) * + , - . / 0-9 A-Z and the Hebrew letters.
bool Allowed(int code)
{
    return code == 32 || code == 33 || code == 35 || (code >= 38 && code <= 57)
           || (code >= 65 && code <= 90) || (code >= 224 && code <= 250);
}

const QString kTitle = QStringLiteral(u"שגיאה בכינוי");

void ShowIllegalCharacters()
{
    Ui::MsgBox(QStringLiteral(u"בכינוי ישנם תווים שאינם חוקיים") + QLatin1Char('\r')
                   + QStringLiteral(u"התווים החוקיים האפשריים:") + QLatin1Char('\r')
                   + QStringLiteral(u"*** ! # & ' ( ) * + , - . / 0-9 א-ת A-Z***"),
               Ui::vbOKOnly | Ui::vbHebrew, kTitle);
}

void ShowOneLetter()
{
    // Left-aligned, unlike the other Hebrew boxes, as the program has always shown it.
    Ui::MsgBox(QStringLiteral(u"לא ניתן לתת כינוי בעל אות אחת בלבד"), Ui::vbOKOnly, kTitle);
}

}  // namespace

bool ChkAliasName(const QString& s)
{
    bool result = true;
    QString clean;
    const qsizetype n = s.size();
    if (n > 1) {
        for (QChar c : s) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = QChar(c.unicode() - 32);
            if (Allowed(TextCodec::CodeOf(c)))
                clean += c;
            else
                result = false;
        }
        if (!result && !NameCheckQuiet)
            ShowIllegalCharacters();
    } else if (n == 1) {
        if (!NameCheckQuiet)
            ShowOneLetter();
        result = false;
    }
    CleanName = clean;
    return result;
}

QString DeviceTypeName(double kind)
{
    struct Name {
        int kind;
        const char16_t* name;
    };
    static const Name kNames[] = {
        {5, u"גלאי עשן"},          {6, u"גלאי חום"},         {29, u"גלאי משולב"},
        {12, u"גלאי מכותב"},       {7, u"לחצן אזעקה"},       {15, u"לחצן כיבוי"},
        {10, u"כרטיס אזעקה/תקלה"}, {20, u"כרטיס 4 אזורי גילוי"}, {30, u"כרטיס לגלאי קרן"},
        {23, u"התקן מבוא"},        {9, u"מוצא"},             {17, u"כיבוי"},
        {19, u"ממסר"},             {11, u"כרטיס 2 מבואות"},  {21, u"ממסר קווי"},
    };
    for (const Name& n : kNames)
        if (kind == n.kind)
            return QString::fromUtf16(n.name);
    return QString();
}

}  // namespace Usefull
