#include "devices/NamesImport.h"

#include <cmath>

#include <QDir>
#include <QStringConverter>
#include <QStringList>

#include "core/Conv.h"
#include "core/MainMdl.h"
#include "core/Usefull.h"
#include "platform/TextCodec.h"
#include "platform/Ui.h"

namespace NamesImport {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A field as written, its surrounding blanks dropped and one pair of enclosing quotes removed
// ("" inside quotes stands for one quote).
QString Unquote(const QString& field)
{
    QString f = field.trimmed();
    if (f.size() >= 2 && f.startsWith(QLatin1Char('"')) && f.endsWith(QLatin1Char('"'))) {
        f = f.mid(1, f.size() - 2);
        f.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    return f;
}

// The address of a line, or 0 when it is no whole address of the panel.
int AddressOf(const QString& field)
{
    const QString t = Unquote(field);
    bool ok = false;
    const int a = t.toInt(&ok);
    return ok && a >= 1 && a <= MaxNumOfDevices ? a : 0;
}

}  // namespace

QString DecodeFile(const QByteArray& bytes) { return TextCodec::FromFileBytes(bytes); }

Outcome Import(const QString& text, NameBoxes& boxes)
{
    Outcome o;
    const bool quietBefore = NameCheckQuiet;
    NameCheckQuiet = true;
    QStringList invalid;
    const QStringList lines = QString(text).replace(kCrLf, QStringLiteral("\n"))
                                  .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                                  .split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        ++o.pairsRead;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        const int a = AddressOf(line.left(comma));
        if (a == 0 || DeviceDataArrayEdit[a].Exist != "1")
            continue;
        // The whole name is checked, so a dropped character makes room for the next one.
        const QString name = Unquote(line.mid(comma + 1));
        // Stored as a row stores a typed name (one name rule): cleaned, in upper case.
        bool valid = false;
        boxes[a] = Usefull::KeptName(name, &valid);
        if (!valid) invalid << Str(a);
        ++o.pairsNamed;
    }
    NameCheckQuiet = quietBefore;
    if (o.pairsRead != o.pairsNamed)
        o.status += 2;
    if (!invalid.isEmpty()) {
        o.invalidList = invalid.join(QLatin1Char(','));
        o.status += 4;
    }
    return o;
}

QString FileName() { return usrDataPath + ProjectName + QStringLiteral(".csv"); }

QString FindFile()
{
    const QString exact = FileName();
    if (MainMdl::FileExists(exact))
        return exact;
    const QString wanted = ProjectName + QStringLiteral(".csv");
    const QDir folder(usrDataPath);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return QString();
}

Message MissingFile()
{
    return {QStringLiteral(u"קובץ ") + ProjectName + QStringLiteral(u".csv לא קיים"),
            Ui::vbOKOnly | Ui::vbHebrew, QString()};
}

Message Unreadable()
{
    return {QStringLiteral(u"לא ניתן לקרוא את הקובץ ") + ProjectName + QStringLiteral(".csv"),
            Ui::vbOKOnly | Ui::vbHebrew, QString()};
}

Message Confirmation()
{
    return {QStringLiteral(u"שמות ההתקנים יוחלפו בשמות מקובץ CSV") + kCrLf + QStringLiteral(u"האם אתה בטוח ?"),
            Ui::vbYesNo | Ui::vbHebrew, QStringLiteral(u"החלפת שמות קיימים")};
}

Message Result(const Outcome& o)
{
    const QString mismatch = QStringLiteral(u"אין התאמה בין קובץ השמות לרשימת התקנים.");
    const QString invalid = QStringLiteral(u"בקובץ השמות קיימים שמות לא חוקיים.") + kCrLf
                            + QStringLiteral(u"תווים לא חוקיים ימחקו בכתובות:") + kCrLf + o.invalidList;
    const QString attention = QStringLiteral(u"שים לב !");
    const int style = Ui::vbOKOnly | Ui::vbHebrew;
    switch (o.status) {
    case 0:
        return {QStringLiteral(u"כל השמות הועברו בהצלחה"), style, QStringLiteral(u"העברת שמות")};
    case 2:
        return {mismatch, style, attention};
    case 4:
        return {invalid, style, attention};
    default:
        return {mismatch + kCrLf + QStringLiteral("- - - - -") + kCrLf + invalid, style, attention};
    }
}

}  // namespace NamesImport
