#include "reports/GroupsReport.h"

#include "core/Conv.h"
#include "core/Message.h"
#include "reports/ReportText.h"

using languages::ByLanguage;
using ReportText::Join;

namespace GroupsReport {
namespace {

const QString Input = QStringLiteral(" I ");
const QString Output = QStringLiteral(" O ");
const QString Notes(25, u'_');

QString GG(int g) { return ZeroPad(g, 2); }
bool IsLoopAddress(int code) { return code >= 1 && code <= MaxAddress; }

QString MemberLine(int address, const QString& mark)
{
    const DeviceRecord& r = DeviceDataArray[address];
    return Join({r.DeviceName.str(), r.FactoryName.str(), mark});
}

// The label of alarm relay 1 (201), alarm relay 2 (202) or the dialer output (205); "" for
// another code.
QString SpecialLabel(int code, int16_t lang, bool file)
{
    switch (code) {
    case SpecialOutput::AlarmRelay1: return ByLanguage(lang, QStringLiteral("201 ממסר אזעקה 1"), file ? QStringLiteral("Alarm Rly 1(201)") : QStringLiteral("Alarm1 (201)    "));
    case SpecialOutput::AlarmRelay2: return ByLanguage(lang, QStringLiteral("202 ממסר אזעקה 2"), file ? QStringLiteral("Alarm Rly 2(202)") : QStringLiteral("Alarm2 (202)    "));
    case SpecialOutput::DialerAlarm: return ByLanguage(lang, QStringLiteral("205 יציאת חייגן "), file ? QStringLiteral("Dialer Out (205)") : QStringLiteral("Dialer (205)    "));
    default: return QString();
    }
}

// The output line of a slot; "" when the code gives none (it is counted all the same).
QString OutputLine(int code, int16_t lang, bool file)
{
    if (IsLoopAddress(code)) return MemberLine(code, Output);
    const QString label = SpecialLabel(code, lang, file);
    if (label.isEmpty()) return QString();
    return Join({QString(32, u'-'), label, Output});
}

QString WithNotes(const QString& line) { return Join({line, Notes}); }

}  // namespace

void Model::Fill()
{
    for (int g = 1; g <= MaxGroups; ++g) {
        GroupRow& row = rows_[g];
        row.Members.fill(0);
        row.Outs.fill(0);
        row.Trigger = 0;
        const OutGrpRecord& grp = OutGrpArray[g];
        if (ValInt(grp.OutCount.str()) > 0) {
            row.Trigger = int(ValInt(grp.Trigger.str()));
            row.Title = grp.GrpName.str();
            for (int k = 1; k <= MaxOutputsPerGroup; ++k)
                if (const long long code = ValInt(grp.OutAddr[k].str()); code != 0) row.Outs[k] = int(code);
        }
        for (int a = 1; a <= ReportText::LastAddress(); ++a) {
            const DeviceRecord& r = DeviceDataArray[a];
            if (ValInt(r.DeviceIsIn.str()) != 1) continue;
            for (int j = 1; j <= MaxGroupsPerInput; ++j) {
                if (ValInt(r.Grp[j].str()) != g) continue;
                // The member is the record's own address; one outside the table names no device.
                const long long self = ValInt(r.Address.str());
                row.Members[a] = IsLoopAddress(int(self)) ? int(self) : 0;
            }
        }
    }
}

QStringList Model::Activate(int16_t lang, const Regional& regional)
{
    deviceNameHeading_ = ReportText::DeviceNameHeading(lang);
    QStringList lines{
        ByLanguage(lang, QStringLiteral("שם הפרוייקט: "), QStringLiteral("Project name:")) + ProjectName,
        ByLanguage(lang, QStringLiteral("תאריך: "), QStringLiteral("Date:  ")) + regional.date,
        ByLanguage(lang, QStringLiteral("פרוט קבוצות הפעלה"), QStringLiteral("Groups details   ")),
        QString(67, u'='),
    };
    Fill();
    for (int g = 1; g <= MaxGroups; ++g) lines << ScreenBlock(g, lang);
    return lines;
}

QStringList Model::ScreenBlock(int g, int16_t lang)
{
    GroupRow& row = rows_[g];
    QStringList lines;
    if (row.Trigger != 0) {
        lines << QString();
        if (row.Title.isEmpty() || row.Title == QString(16, u' '))
            row.Title = ByLanguage(lang, QStringLiteral("קבוצת הפעלה "), QStringLiteral("Groups      ")) + GG(g);
        lines << ByLanguage(lang, QStringLiteral("קבוצת הפעלה מס' "), QStringLiteral("Group number    ")) + GG(g) + ReportText::Tab +
                     u'(' + row.Title + u')';
        lines << Join({deviceNameHeading_, ByLanguage(lang, QStringLiteral("מספר וסוג ההתקן "), QStringLiteral("address, type   ")),
                       QStringLiteral("I/O")});
        lines << QString(67, u'-');
    }
    int inputs = 0;
    for (int a = 1; a <= ReportText::LastAddress(); ++a) {
        if (row.Members[a] == 0) continue;
        lines << MemberLine(row.Members[a], Input);
        ++inputs;
    }
    if (row.Trigger == 0) return lines;
    int outputs = 0;
    for (int k = 1; k <= MaxOutputsPerGroup; ++k) {
        if (row.Outs[k] == 0) continue;
        ++outputs;
        if (const QString line = OutputLine(row.Outs[k], lang, false); !line.isEmpty()) lines << line;
    }
    lines << QString();
    lines << ByLanguage(lang,
                    Join({QStringLiteral("התקני מוצא: ") + Str(outputs), QStringLiteral("התקני מבוא: ") + ZeroPad(inputs, 3),
                          QStringLiteral("תנאי הפעלה: ") + Str(row.Trigger)}),
                    Join({QStringLiteral("OUTPUTS: ") + Str(outputs), QStringLiteral("INPUTS: ") + ZeroPad(inputs, 3),
                          QStringLiteral("TRIGGER: ") + Str(row.Trigger)}));
    lines << ByLanguage(lang, QStringLiteral("--- סוף קבוצה "), QStringLiteral("--- END GROUP ")) + GG(g);
    lines << QString();
    return lines;
}

QStringList Model::FileLines(int16_t lang, const Regional& regional) const
{
    QStringList lines{
        ByLanguage(lang, QStringLiteral("שם הפרוייקט: "), QStringLiteral("Project name ")) + ProjectName,
        ByLanguage(lang, QStringLiteral("תאריך: ") + regional.date + QStringLiteral("   שעה: ") + regional.time,
               QStringLiteral("Date : ") + regional.date + QStringLiteral("  Time: ") + regional.time),
        ByLanguage(lang, QStringLiteral("פרוט קבוצות הפעלה"), QStringLiteral("Groups Details   ")),
        QString(97, u'='),
    };
    for (int g = 1; g <= MaxGroups; ++g) lines << FileBlock(g, lang);
    return lines;
}

QStringList Model::FileBlock(int g, int16_t lang) const
{
    const GroupRow& row = rows_[g];
    QStringList lines;
    if (row.Trigger != 0) {
        lines << QString();
        lines << ByLanguage(lang, QStringLiteral("קבוצת הפעלה "), QStringLiteral("Group      ")) + GG(g) + ReportText::Tab + u'(' +
                     row.Title + u')';
        lines << QString();
        lines << Join({deviceNameHeading_, ByLanguage(lang, QStringLiteral("מספר וסוג ההתקן "), QStringLiteral("Address,   Type ")),
                       QStringLiteral("I/O"), ByLanguage(lang, QStringLiteral("הערות"), QStringLiteral("Notes"))});
        lines << QString(97, u'-');
    }
    int inputs = 0;
    for (int a = 1; a <= ReportText::LastAddress(); ++a) {
        if (row.Members[a] == 0) continue;
        lines << WithNotes(MemberLine(row.Members[a], Input));
        ++inputs;
    }
    // Outputs of every group with outputs, also of one whose trigger is 0.
    int outputs = 0;
    for (int k = 1; k <= MaxOutputsPerGroup; ++k) {
        if (row.Outs[k] == 0) continue;
        ++outputs;
        if (const QString line = OutputLine(row.Outs[k], lang, true); !line.isEmpty()) lines << WithNotes(line);
    }
    if (row.Trigger == 0) return lines;
    lines << QString();
    lines << ByLanguage(lang,
                    Join({QStringLiteral("--- סוף קבוצה "), GG(g), QStringLiteral("-התקני מוצא: ") + Str(outputs),
                          QStringLiteral("-התקני מבוא: ") + ZeroPad(inputs, 3), QStringLiteral("-תנאי הפעלה: ") + Str(row.Trigger)}),
                    Join({QStringLiteral("--- End Group "), GG(g), QStringLiteral("-OUTPUTS: ") + Str(outputs),
                          QStringLiteral("-INPUTS: ") + ZeroPad(inputs, 3), QStringLiteral("-TRIGGER: ") + Str(row.Trigger)}));
    lines << QString();
    return lines;
}

}  // namespace GroupsReport
