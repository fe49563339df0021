#include "reports/NamesSettingsReport.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/Message.h"
#include "reports/ReportText.h"
#include "reports/SettingsText.h"

using languages::ByLanguage;
using ReportText::RightAlign;
using ReportText::Tab;

namespace NamesSettingsReport {
namespace {

enum class Col { Factory, Device, Groups, Addresses, Sensitivity, Verification, Temperature, InputMode, ExtDelay, OutMode, OutDelay, SilencedOnTime };

QString Heading(Col c, int16_t lang)
{
    auto t = [&](const char* he, const char* en) { return ByLanguage(lang, QString::fromUtf8(he), QString::fromUtf8(en)); };
    switch (c) {
    case Col::Factory: return t("שם ברירת המחדל  ", "Factory name    ");
    case Col::Device: return ReportText::DeviceNameHeading(lang);
    case Col::Groups: return t("קבוצות הפעלה", "Groups      ");
    case Col::Addresses: return t("מס' כתובות  ", "Addresses   ");
    case Col::Sensitivity: return t("רגישות      ", "Sensitivity ");
    case Col::Verification: return t("אימות אזעקה ", "Verification");
    case Col::Temperature: return t("טמפרטורה    ", "Temperature ");
    case Col::InputMode: return t("אופן עבודה  ", "Work mode   ");
    case Col::ExtDelay: return t("השהייה      ", "Delay       ");
    case Col::OutMode: return t("אופן פעולה  ", "Work mode   ");
    case Col::OutDelay: return t("השהייה      ", "Delay       ");
    case Col::SilencedOnTime: return t("מושתק       ", "Silenced    ") + Tab + t("זמן פעולה   ", "On time     ");
    }
    return QString();
}

QString Sensitivity(const DeviceRecord& r, int16_t lang)
{
    const double v = Val(r.AlarmValue.str());
    if (v > Medium2Low) return ByLanguage(lang, QStringLiteral("נמוכה(L)"), QStringLiteral("LOW"));
    if (v >= High2Medium) return ByLanguage(lang, QStringLiteral("בינונית(M)"), QStringLiteral("MEDIUM"));
    return ByLanguage(lang, QStringLiteral("גבוהה(H)"), QStringLiteral("HIGH"));
}

QString Verification(const DeviceRecord& r, int16_t lang)
{
    switch (ValInt(r.DeviceNeedVer.str())) {
    case 0: return ByLanguage(lang, QStringLiteral("לא"), QStringLiteral("NO"));
    case 1: return ByLanguage(lang, QStringLiteral("כן"), QStringLiteral("YES"));
    default: return QString();
    }
}

QString Temperature(const DeviceRecord& r, int16_t lang, const Regional& regional)
{
    return regional.Number(Val(r.AlarmValue.str())) + ByLanguage(lang, QStringLiteral(" מעלות"), QStringLiteral(" °C   "));
}

QString InputMode(const DeviceRecord& r, int16_t lang)
{
    if (ValInt(r.IsNotUseInAlarm.str()) == 0) return ByLanguage(lang, QStringLiteral("אזעקה"), QStringLiteral("ALARM"));
    return ByLanguage(lang, QStringLiteral("פיקוח"), QStringLiteral("SUPERVISION"));
}

QString ExtinguishDelay(const DeviceRecord& r, int16_t lang)
{
    switch (ValInt(r.DlyB4ON.str())) {
    case 0: return ByLanguage(lang, QStringLiteral("ללא"), QStringLiteral("NO"));
    case 1: return Str(15 * SettingsText::HalvingCount(Val(r.TimeDelayUp2ON.str())));
    default: return QString();
    }
}

QString Field(Col c, int a, int16_t lang, const Regional& regional)
{
    const DeviceRecord& r = DeviceDataArray[a];
    auto column = [&](int n) { return SettingsText::SettingsToListView(n, a, lang, regional); };
    switch (c) {
    case Col::Factory: return column(1);
    case Col::Device: return column(2);
    case Col::Groups: return column(3);
    case Col::Addresses: return column(4);
    case Col::OutMode: return column(5);
    case Col::OutDelay: return column(6);
    case Col::SilencedOnTime: return column(7);
    case Col::Sensitivity: return RightAlign(Sensitivity(r, lang));
    case Col::Verification: return RightAlign(Verification(r, lang));
    case Col::Temperature: return RightAlign(Temperature(r, lang, regional));
    case Col::InputMode: return RightAlign(InputMode(r, lang));
    case Col::ExtDelay: return RightAlign(ExtinguishDelay(r, lang));
    }
    return QString();
}

int KindAt(int a) { return KindOf(DeviceDataArray[a]); }
int CardAddrAt(int a) { return int(ValInt(DeviceDataArray[a].CardAddr.str())); }
bool SingleAt(int a) { return IsSinglePosition(CardAddrAt(a)); }

int CountOf(const std::function<bool(int)>& test)
{
    int n = 0;
    for (int a = 1; a <= ReportText::LastAddress(); ++a)
        if (test(a)) ++n;
    return n;
}

// A total line of the output side: written only when its count is at least 1.
struct OutputTotal {
    int sectionKind;
    std::function<bool(int)> counts;
    const char* english;
    const char* hebrew;
};

const std::vector<OutputTotal>& OutputTotals()
{
    using namespace DeviceKind;
    auto single = [](int kind) { return [=](int a) { return KindAt(a) == kind && SingleAt(a); }; };
    auto firstOfTwo = [](int kind) { return [=](int a) { return KindAt(a) == kind && CardAddrAt(a) == 2; }; };
    static const std::vector<OutputTotal> totals{
        {Extinguish, single(Extinguish), "----- Total 1 address extinguish cards                   : ",
         "----- סה''כ כרטיסי מוצאים ככתובת 1 כיבוי                 : "},
        {Extinguish, firstOfTwo(Extinguish), "----- Total 2 addresses cards with extinguish output     : ",
         "----- סה''כ כרטיסי מוצאים כ-2 כתובות וכתובת ראשונה כיבוי : "},
        {Output, single(Output), "----- Total 1 address outputs (not extinguish)        : ",
         "----- סה''כ כרטיסי מוצאים (לא ככיבוי) ככתובת 1        : "},
        {Output, firstOfTwo(Output), "----- Total 2 addresses outputs (not extinguish)      : ",
         "----- סה''כ כרטיסי מוצאים (לא ככיבוי) כ-2 כתובות      : "},
        {Output, [](int a) { return KindAt(a) == Output && CardAddrAt(a) == 3 && KindAt(a - 1) == Extinguish; },
         "----- Total outputs from cards with first EXT address : ",
         "----- סה''כ מוצאים מתוך כרטיסים עם בתובת ראשונה כיבוי : "},
        {Relay, single(Relay), "----- Total 1 address relays cards   : ", "----- סה''כ כרטיסי ממסרים ככתובת 1   : "},
        {Relay, firstOfTwo(Relay), "----- Total 2 addresses relays card  : ", "----- סה''כ כרטיסי ממסרים כ-2 כתובות : "},
        {LineRelay, [](int a) { return KindAt(a) == LineRelay; }, "----- Total On-Line relays            : ",
         "----- סה''כ כרטיסי ממסר על קו גילוי   : "},
    };
    return totals;
}

enum class Totals { Lines, AlarmFault, OutputSide };

struct Section {
    int kind;
    std::vector<Col> columns;  // after the factory name and the device name
    Totals totals;
    const char* english = "";
    const char* hebrew = "";
    int divisor = 1;
};

const std::vector<Section>& Sections()
{
    using namespace DeviceKind;
    const std::vector<Col> outputs{Col::Addresses, Col::OutMode, Col::OutDelay, Col::SilencedOnTime};
    static const std::vector<Section> sections{
        {SmokeDetector, {Col::Sensitivity, Col::Verification, Col::Groups}, Totals::Lines,
         "----- Total smoke detectors   : ", "----- סה''כ גלאי עשן אנלוגיים : "},
        {HeatDetector, {Col::Temperature, Col::Groups}, Totals::Lines, "----- Total heat detectors    : ",
         "----- סה''כ גלאי חום אנלוגיים : "},
        // The smoke/heat detector takes no setting of its own (its type offers none): its name and
        // its groups, as the smoke and heat detectors show theirs.
        {SmokeHeatDetector, {Col::Groups}, Totals::Lines, "----- Total smoke/heat detectors: ",
         "----- סה''כ גלאים משולבים       : "},
        {ConventionalDetector, {Col::Groups}, Totals::Lines, "----- Total HV927 detectors: ",
         "----- סה''כ גלאים מכותבים  : "},
        {RedCallPoint, {Col::Groups}, Totals::Lines, "----- Total red call-points: ", "----- סה''כ לחצנים אדומים : "},
        {YellowCallPoint, {Col::Groups}, Totals::Lines, "----- Total yellow call-points : ",
         "----- סה''כ לחצנים צהובים : "},
        {BeamCard, {Col::Groups}, Totals::Lines, "----- Total beam detectors    : ", "----- סה''כ כרטיסים לגלאי קרן : "},
        {AlarmFaultCard, {Col::Addresses, Col::Groups}, Totals::AlarmFault},
        {TwoInputCard, {Col::Addresses, Col::InputMode, Col::Groups}, Totals::Lines, "----- Total 2 inputs cards  : ",
         "----- סה''כ כרטיסי 2 מבואות : ", 2},
        {FourZoneCard, {Col::Groups}, Totals::Lines, "----- Total 4 inputs cards   : ", "----- סה''כ כרטיסי 4 אזורים  : ", 4},
        {InputDevice, {Col::InputMode, Col::Groups}, Totals::Lines, "----- Total input cards  : ",
         "----- סה''כ כרטיסי מבוא  : "},
        {Extinguish, {Col::Addresses, Col::ExtDelay}, Totals::OutputSide},
        {Output, outputs, Totals::OutputSide},
        {Relay, outputs, Totals::OutputSide},
        {LineRelay, outputs, Totals::OutputSide},
    };
    return sections;
}

QString Text(int16_t lang, const char* hebrew, const char* english)
{
    return ByLanguage(lang, QString::fromUtf8(hebrew), QString::fromUtf8(english));
}

QStringList TotalLines(const Section& s, int deviceLines, int16_t lang, const Regional& regional)
{
    QStringList out;
    switch (s.totals) {
    case Totals::Lines:
        out << Text(lang, s.hebrew, s.english) + regional.Number(double(deviceLines) / s.divisor);
        break;
    case Totals::AlarmFault: {
        const int singles = CountOf([](int a) { return KindAt(a) == DeviceKind::AlarmFaultCard && SingleAt(a); });
        const QString one = Text(lang, "----- סה''כ כרטיסי אזעקה/תקלה ככתובת 1   : ", "----- Total 1 address Alarm/Fault cards  : ");
        const QString two = Text(lang, "----- סה''כ כרטיסי אזעקה/תקלה כ-2 כתובות : ", "----- Total 2 address Alarm/Fault cards  : ");
        if (singles == deviceLines) {
            out << one + Str(singles);
        } else if (singles == 0) {
            out << two + regional.Number(deviceLines / 2.0);
        } else {
            out << one + Str(singles);
            out << two + regional.Number((deviceLines - singles) / 2.0);
        }
        break;
    }
    case Totals::OutputSide:
        for (const OutputTotal& t : OutputTotals()) {
            if (t.sectionKind != s.kind) continue;
            if (const int n = CountOf(t.counts); n >= 1) out << Text(lang, t.hebrew, t.english) + Str(n);
        }
        break;
    }
    return out;
}

void AddSection(QStringList& lines, const Section& s, int16_t lang, const Regional& regional)
{
    bool present = false;
    for (int a = 1; a <= ReportText::LastAddress() && !present; ++a) present = KindAt(a) == s.kind && ReportText::Occupied(a);
    if (!present) return;

    std::vector<Col> columns{Col::Factory, Col::Device};
    columns.insert(columns.end(), s.columns.begin(), s.columns.end());
    QStringList heading;
    for (Col c : columns) heading << Heading(c, lang);
    lines << heading.join(Tab);
    if (s.totals == Totals::AlarmFault) lines << QString(75, u'-');

    // Every address of the kind, as the kind alone says (an empty address has kind 0).
    int deviceLines = 0;
    for (int a = 1; a <= ReportText::LastAddress(); ++a) {
        if (KindAt(a) != s.kind) continue;
        QStringList fields;
        for (Col c : columns) fields << Field(c, a, lang, regional);
        lines << fields.join(Tab);
        ++deviceLines;
    }
    lines << QString();
    lines << TotalLines(s, deviceLines, lang, regional);
    lines << QString() << QString();
}

}  // namespace

QStringList Lines(int16_t lang, const Regional& regional)
{
    QStringList lines;
    lines << Text(lang, "שם הפרוייקט: ", "Project name:") + ProjectName;
    lines << Text(lang, "תאריך: ", "Date:  ") + regional.date;
    lines << Text(lang, "שמות והגדרות התקנים", "Names and settings ");
    lines << QString();

    const int used = CountOf([](int a) { return ReportText::Occupied(a); });
    const QString usedLine = Text(lang, "כתובות תפוסות : ", "Unavailable addresses : ") + Str(used);
    const QString freeLine = Text(lang, "כתובות פנויות : ", "Available addresses  : ") + Str(MaxNumOfDevices - used);
    lines << usedLine << freeLine;
    const QString ruler(std::max(usedLine.size(), freeLine.size()), u'-');
    lines << ruler << ruler;

    for (const Section& s : Sections()) AddSection(lines, s, lang, regional);
    return lines;
}

QStringList Model::Activate(int16_t lang, const Regional& regional)
{
    lines_ = Lines(lang, regional);
    return lines_;
}

QStringList Model::FileLines(int16_t, const Regional&) const { return lines_; }

}  // namespace NamesSettingsReport
