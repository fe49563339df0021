#include "devices/TypePanelTable.h"

#include <map>

#include "core/Conv.h"
#include "core/languages.h"
#include "devices/DeviceColors.h"

namespace TypePanelTable {

QString Get(const DeviceRecord& r, Field f)
{
    switch (f) {
    case Field::AlarmValue: return r.AlarmValue;
    case Field::DeviceNeedVer: return r.DeviceNeedVer;
    case Field::IsNotUseInAlarm: return r.IsNotUseInAlarm;
    case Field::OutBehevior: return r.OutBehevior;
    case Field::DlyB4ON: return r.DlyB4ON;
    case Field::TimeDelayUp2ON: return r.TimeDelayUp2ON;
    case Field::offTypeAfterON: return r.offTypeAfterON;
    case Field::OutOnTimes: return r.OutOnTimes;
    }
    return QString();
}

void Set(DeviceRecord& r, Field f, const QString& v)
{
    switch (f) {
    case Field::AlarmValue: r.AlarmValue = v; break;
    case Field::DeviceNeedVer: r.DeviceNeedVer = v; break;
    case Field::IsNotUseInAlarm: r.IsNotUseInAlarm = v; break;
    case Field::OutBehevior: r.OutBehevior = v; break;
    case Field::DlyB4ON: r.DlyB4ON = v; break;
    case Field::TimeDelayUp2ON: r.TimeDelayUp2ON = v; break;
    case Field::offTypeAfterON: r.offTypeAfterON = v; break;
    case Field::OutOnTimes: r.OutOnTimes = v; break;
    }
}

QString Caption::For(int16_t lang) const { return lang == 1 ? hebrew : english; }

QString Value::ToText() const { return number ? Str(*number) : text; }

namespace {

Caption Same(const QString& s) { return {s, s}; }
Caption Both(const char* english, const char* hebrew) { return {QString::fromUtf8(english), QString::fromUtf8(hebrew)}; }

Write W(Field f, const char* v) { return {f, {QString::fromLatin1(v)}}; }

// A timed option: the flag field "1" and the code field, both read back.
OptionDef Timed(const char* caption, Field flag, Field code, const char* codeText)
{
    return {Same(QString::fromLatin1(caption)), ReadRule::Fields, {{flag, 1}, {code, QString::fromLatin1(codeText).toInt()}},
            {W(flag, "1"), W(code, codeText)}};
}

// The delay before switching on, "0" and four timed choices (outputs and extinguish alike).
std::vector<OptionDef> Delays(const std::array<const char*, 4>& captions, const std::array<const char*, 4>& codes)
{
    std::vector<OptionDef> v{{Same("0"), ReadRule::Fields, {{Field::DlyB4ON, 0}},
                              {W(Field::DlyB4ON, "0"), W(Field::TimeDelayUp2ON, "00")}}};
    for (int i = 0; i < 4; ++i) v.push_back(Timed(captions[i], Field::DlyB4ON, Field::TimeDelayUp2ON, codes[i]));
    return v;
}

std::vector<OptionDef> Temperatures()
{
    std::vector<OptionDef> v;
    for (int i = 1; i <= 13; ++i) {
        const QString t = Str(57 + i);
        // From orange-yellow at 58 to red at 70: red 255, green 247 - 19 (i - 1), blue 0.
        const uint32_t green = uint32_t(247 - 19 * (i - 1));
        v.push_back({Same(t), ReadRule::Fields, {{Field::AlarmValue, 57 + i}}, {{Field::AlarmValue, {t}}}, (green << 8) | 0xFFu});
    }
    return v;
}

std::map<FrameRole, FrameDef> BuildFrames()
{
    using F = Field;
    std::map<FrameRole, FrameDef> m;
    auto add = [&m](FrameDef d) { m.emplace(d.role, std::move(d)); };
    add({FrameRole::Sensitivity, Both("Sensitivity", "רגישות"), 2,
         {{Both("Low", "נמוכה L"), ReadRule::SmokeLow, {}, {{F::AlarmValue, {{}, &LowSens}}}},
          {Both("Medium", "בינונית M"), ReadRule::SmokeMedium, {}, {{F::AlarmValue, {{}, &MediumSens}}}},
          {Both("High", "גבוהה H"), ReadRule::SmokeHigh, {}, {{F::AlarmValue, {{}, &HighSens}}}}}});
    add({FrameRole::Verification, Both("Alarm Verification", "אימות אזעקה"), 1,
         {{Both("OFF", "מנוטרל"), ReadRule::Fields, {{F::DeviceNeedVer, 0}}, {W(F::DeviceNeedVer, "0")}},
          {Both("ON", "מופעל"), ReadRule::Fields, {{F::DeviceNeedVer, 1}}, {W(F::DeviceNeedVer, "1")}}}});
    add({FrameRole::Temperature, Both("Temperature in Celsius", "טמפרטורה (מעלות צלזיוס)"), 1, Temperatures()});
    add({FrameRole::Activation, Both("Activation", "דרך פעולה"), 1,
         {{Both("Alarm Event", "מפעיל אזעקה"), ReadRule::Fields, {{F::IsNotUseInAlarm, 0}}, {W(F::IsNotUseInAlarm, "0")}},
          {Both("Supervision Event", "מפעיל אירוע פיקוח"), ReadRule::Fields, {{F::IsNotUseInAlarm, 1}}, {W(F::IsNotUseInAlarm, "1")}}}});
    const Caption addresses = Both("Select number of addresses", "בחירת כמות כתובות בכרטיס");
    add({FrameRole::Addresses, addresses, 1, {{Same("1"), ReadRule::OneAddress}, {Same("2"), ReadRule::TwoAddresses}}});
    add({FrameRole::AddressesTwoOnly, addresses, 2, {{Same("-"), ReadRule::Never}, {Same("2"), ReadRule::Always}}});
    // The line relay takes one address; a stored second position still shows as such.
    add({FrameRole::AddressesOneOnly, addresses, 1, {{Same("1"), ReadRule::OneAddress}, {Same("-"), ReadRule::TwoAddresses}}});
    add({FrameRole::ActivatesAlarm, Both("Activates Alarm", "מפעיל אזעקה"), 1,
         {{Both("YES", "כן"), ReadRule::Fields, {{F::IsNotUseInAlarm, 0}}, {W(F::IsNotUseInAlarm, "0")}},
          {Both("NO", "לא"), ReadRule::Fields, {{F::IsNotUseInAlarm, 1}}, {W(F::IsNotUseInAlarm, "1")}}}});
    add({FrameRole::OutputType, Both("Output Type", "אופן פעולת התקן מוצא"), 1,
         {{Both("Normal Output", "מוצא רגיל"), ReadRule::Fields, {{F::OutBehevior, 0}}, {W(F::OutBehevior, "00")}},
          {Both("General Fault", "מופעל מכל תקלה"), ReadRule::Fields, {{F::OutBehevior, 2}}, {W(F::OutBehevior, "02")}},
          {Both("General Alarm", "מופעל מכל אזעקה"), ReadRule::Fields, {{F::OutBehevior, 3}}, {W(F::OutBehevior, "03")}}}});
    add({FrameRole::Delay, Both("Delay (sec)", "השהייה לפני פעולה (שניות)"), 1,
         Delays({"10", "35", "90", "120"}, {"01", "04", "11", "15"}), {F::DlyB4ON, 1, 1}});
    // Silencing keeps the output on until silenced; "NO" leaves the on-time to the next frame.
    add({FrameRole::Silence, Both("Silence device", "השתקת התקן"), 1,
         {{Both("NO", "לא"), ReadRule::Fields, {{F::offTypeAfterON, 0}}, {W(F::offTypeAfterON, "0"), W(F::OutOnTimes, "00")}},
          {Both("YES", "כן"), ReadRule::Fields, {{F::offTypeAfterON, 2}}, {W(F::offTypeAfterON, "2")}}}});
    // "Upto Reset" stores a switch-off type of its own, so an output that was timed before
    // stays on until reset instead of switching off after an on-time of 0.
    std::vector<OptionDef> times{{Both("Upto Reset", "עד אתחול"), ReadRule::Fields, {{F::offTypeAfterON, 0}},
                                  {W(F::OutOnTimes, "00"), {F::offTypeAfterON, {QStringLiteral("0")}, true}}}};
    const char* captions[] = {"10", "35", "90", "120"};
    const char* codes[] = {"01", "04", "11", "15"};
    for (int i = 0; i < 4; ++i) times.push_back(Timed(captions[i], F::offTypeAfterON, F::OutOnTimes, codes[i]));
    add({FrameRole::OperationTime, Both("Device operation time (sec)", "זמן פעולת התקן (שניות)"), 1, times,
         {F::offTypeAfterON, 1, 1}});
    add({FrameRole::ExtinguishDelay, Both("Delay before extinguish (sec)", "השהייה לפני כיבוי (שניות)"), 4,
         Delays({"10", "20", "35", "60"}, {"01", "02", "04", "08"}), {F::DlyB4ON, 1, 4}});
    return m;
}

std::vector<TypeDef> BuildTypes()
{
    using R = FrameRole;
    using F = Field;
    const std::vector<R> output{R::Addresses, R::OutputType, R::Delay, R::Silence, R::OperationTime};
    const std::vector<R> lineRelay{R::AddressesOneOnly, R::OutputType, R::Delay, R::Silence, R::OperationTime};
    const QString callPoint = QStringLiteral("-IN-02-LED (HV-CP-IN-A-LED)");
    std::vector<TypeDef> types{
        {Inputs, 1, &StatSmokeDetector, "HV-512-A-SH", {R::Sensitivity, R::Verification}, {}, Note::SmokeDip, false, false, false},
        // Verification belongs to smoke detectors: a heat detector never keeps the flag.
        {Inputs, 2, &StatHeatDetector, "HV-512-A-SH", {R::Temperature}, {W(F::DeviceNeedVer, "0")}, Note::HeatDip, false, false, false},
        {Inputs, 3, &StatSmokeHeatDetector, "", {}, {}, Note::None, false, false, true},
        {Inputs, 4, &StatConventionalDetector, "", {}, {}, Note::None, false, false, false},
        {Inputs, 5, &StatRedCallPoint, "HV-230041-CPR" + callPoint, {}, {}, Note::None, false, false, false},
        {Inputs, 6, &StatYellowCallPoint, "HV-230041-CPY" + callPoint, {}, {}, Note::None, false, false, false},
        {Inputs, 7, &StatAlarmFaultCard, "HV-420-AF", {R::Addresses}, {}, Note::None, false, false, false},
        {Inputs, 8, &Stat4ZonesCard, "HV-820-IN", {}, {}, Note::None, false, true, false},
        {Inputs, 9, &StatBeamDetectorCard, "HV-333-RL", {}, {}, Note::None, false, false, false},
        {Inputs, 10, &StatInputDevice, "HV-310-IN", {R::Activation}, {}, Note::None, false, false, false},
        {Inputs, 11, &Stat2InputsCard, "HV-420-AF V2.0", {R::AddressesTwoOnly, R::ActivatesAlarm}, {}, Note::None, true, false, true},
        {Outputs, 1, &StatOutput, "HV-431-EHO", output, {}, Note::None, false, false, false},
        // An extinguish output switches off after its fixed on-time.
        {Outputs, 2, &StatExtinguish, "HV-431-EHO, CFG(J3)1=OFF, CFG(J3)2=ON", {R::Addresses, R::ExtinguishDelay},
         {W(F::OutBehevior, "01"), W(F::offTypeAfterON, "1"), W(F::OutOnTimes, "1")}, Note::None, false, false, false},
        {Outputs, 3, &StatRelay, "HV-333-RLY", output, {}, Note::None, false, false, false},
        {Outputs, 4, &StatLineRelay, "HV-303-RLY", lineRelay, {}, Note::None, false, false, true},
    };
    for (TypeDef& t : types) t.kind = DeviceColors::KindOfOption(t.group, t.index);
    return types;
}

}  // namespace

const FrameDef& Frame(FrameRole role)
{
    static const std::map<FrameRole, FrameDef> frames = BuildFrames();
    return frames.at(role);
}

bool IsAddressFrame(FrameRole role)
{
    return role == FrameRole::Addresses || role == FrameRole::AddressesTwoOnly || role == FrameRole::AddressesOneOnly;
}

const std::vector<TypeDef>& Types()
{
    static const std::vector<TypeDef> types = BuildTypes();
    return types;
}

const TypeDef* FindType(TypeGroup group, int index)
{
    for (const TypeDef& t : Types())
        if (t.group == group && t.index == index) return &t;
    return nullptr;
}

const TypeDef* TypeOfKind(int kind)
{
    const auto option = DeviceColors::OptionOfKind(kind);
    return option ? FindType(TypeGroup(option->group), option->index) : nullptr;
}

std::array<int, 6> OptionCounts(const TypeDef& t)
{
    std::array<int, 6> n{};
    for (size_t f = 0; f < t.frames.size() && f < 5; ++f) n[f + 1] = int(Frame(t.frames[f]).options.size());
    return n;
}

const Caption HeadingPrefix = Both("Device ", "התקן מס' ");
const Caption SmokeDipNote = Both("Dip switch 8 OFF", "מפסק מספר 8 במצב OFF");
const Caption HeatDipNote = Both("Dip switch 8 ON", "מפסק מספר 8 במצב ON");
const Caption FirstOfTwo = Both("First address from 2 addresses", "כתובת 1 מתוך 2 כתובות");
const Caption SecondOfTwo = Both("Second address from 2 addresses", "כתובת 2 מתוך 2 כתובות");

QString PartOfFour(int part, int16_t lang)
{
    return lang == 1 ? QStringLiteral(u"כתובת ") + Str(part) + QStringLiteral(u" מתוך 4 כתובות")
                     : QStringLiteral("Address ") + Str(part) + QStringLiteral(" from 4 addresses");
}

}  // namespace TypePanelTable
