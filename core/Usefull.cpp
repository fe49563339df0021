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

QString KeptName(const QString& s, bool* valid)
{
    bool ok = ChkAliasName(s);
    const QString kept = CleanName.left(decltype(DeviceRecord::DeviceName)::width);
    // The panel shows a name without its edge blanks, so "A " is a one-letter name too.
    const bool oneLetter = kept.trimmed().size() == 1;
    if (oneLetter && ok) {
        if (!NameCheckQuiet)
            ShowOneLetter();
        ok = false;
    }
    if (valid) *valid = ok;
    return oneLetter ? QString() : kept;
}

QString DeviceTypeName(double kind)
{
    for (const DeviceKind::KindInfo& k : DeviceKind::All())
        if (kind == k.kind)
            return QString::fromUtf16(k.hebrewName);
    return QString();
}

}  // namespace Usefull
