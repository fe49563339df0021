#include "core/languages.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "platform/Ui.h"

// The two-input card labels have no English text; they start with their Hebrew one so that no
// fill order can leave a factory name without its label.
QString LblSmokeDet, LblHeatDet, LblSHDet, LblInput, LblDetector, LblRedButton, LblBeamVrst,
    LblExtButton, LblAlarmFault, LblAlarmInput, LblFaultInput,
    LblInput1of2 = QStringLiteral(u"מבוא 1 מ-2 #"), LblInput2of2 = QStringLiteral(u"מבוא 2 מ-2 #"),
    LblExtinguish, LblRelayOut, LblOutput, LblLineRelay;
std::array<QString, 5> LoopName;
QString WordOK, WordCancel, WordDelete, WordEnable, WordIn, WordOut, WordSettings;
QString ShortSmoke, ShortHeat, ShortCombo, ShortDet, ShortRed, ShortYellow, ShortAF, Short4Z,
    ShortBeam, ShortInput, Short2In, ShortOut, ShortExt, ShortRelay, ShortLineRly, ShortNA;
QString StatTotalInputs, StatSmokeDetector, StatHeatDetector, StatSmokeHeatDetector,
    StatConventionalDetector, StatRedCallPoint, StatYellowCallPoint, StatAlarmFaultCard,
    Stat4ZonesCard, StatBeamDetectorCard, StatInputDevice, Stat2InputsCard, StatTotalOutputs,
    StatOutput, StatExtinguish, StatRelay, StatLineRelay;

namespace languages {
namespace {

struct Text {
    QString* var;
    const char* hebrew;
    const char* english;  // nullptr: the English fill leaves the variable alone
};

const Text kTexts[] = {
    {&LblSmokeDet, "גלאי עשן   #", "SMOKE DET  #"},
    {&LblHeatDet, "גלאי חום   #", "HEAT DET   #"},
    {&LblSHDet, "גלאי משולב #", "S/H DET    #"},
    {&LblInput, "התקן מבוא  #", "INPUT      #"},
    {&LblDetector, "גלאי       #", "DETECTOR   #"},
    {&LblRedButton, "לחצן אדום  #", "RED BUTTON #"},
    {&LblBeamVrst, "גלאי קרן   #", "BEAM VRST  #"},
    {&LblExtButton, "לחצן צהוב  #", "EXT BUTTON #"},
    {&LblAlarmFault, "אזעקה/תקלה #", "ALARM/FAULT#"},
    {&LblAlarmInput, "מבוא אזעקה #", "ALARM INPUT#"},
    {&LblFaultInput, "מבוא תקלה  #", "FAULT INPUT#"},
    {&LblInput1of2, "מבוא 1 מ-2 #", nullptr},
    {&LblInput2of2, "מבוא 2 מ-2 #", nullptr},
    {&LblExtinguish, "מוצא כיבוי #", "EXTINGUISH #"},
    {&LblRelayOut, "מוצא ממסר  #", "RELAY OUT  #"},
    {&LblOutput, "מוצא מותנה #", "OUTPUT     #"},
    {&LblLineRelay, "ממסר קווי  #", "LINE RELAY #"},

    {&WordOK, "אישור", "OK"},
    {&WordCancel, "ביטול", "Cancel"},
    {&WordDelete, "מחק התקן", "Delete"},
    {&WordEnable, "הפעל התקן", "Enable"},
    {&WordIn, "מבוא", "IN"},
    {&WordOut, "מוצא", "OUT"},
    {&WordSettings, "הגדרות", "settings"},

    {&ShortSmoke, "עשן", "Smoke"},
    {&ShortHeat, "חום", "Heat"},
    {&ShortCombo, "משולב", "Combo"},
    {&ShortDet, "גלאי", "Det"},
    {&ShortRed, "אדום", "Red"},
    {&ShortYellow, "צהוב", "Yellow"},
    {&ShortAF, "א/ת", "A/F"},
    {&Short4Z, "4 אז'", "4Z"},
    {&ShortBeam, "קרן", "Beam"},
    {&ShortInput, "מבוא", "Input"},
    {&Short2In, "שני מבואות", "2In"},
    {&ShortOut, "מוצא", "Out"},
    {&ShortExt, "כיבוי", "EXT"},
    {&ShortRelay, "ממסר", "Relay"},
    {&ShortLineRly, "ממסר קווי", "Line Rly"},
    {&ShortNA, "פנוי", "N/A"},

    {&StatTotalInputs, "התקני מבוא / כרטיסי מבוא     -     סה''כ : ", "Total Inputs in System : "},
    {&StatSmokeDetector, "גלאי עשן", "Smoke Detector"},
    {&StatHeatDetector, "גלאי חום", "Heat Detector"},
    {&StatSmokeHeatDetector, "גלאי משולב", "Smoke/Heat Detector"},
    {&StatConventionalDetector, "גלאי מכותב", "Conventional Detector"},
    {&StatRedCallPoint, "לחצן אדום", "Red Call Point"},
    {&StatYellowCallPoint, "לחצן צהוב", "Yellow Call Point"},
    {&StatAlarmFaultCard, "כרטיס אזעקה/תקלה", "Alarm/Fault Card"},
    {&Stat4ZonesCard, "כרטיס 4 אזורים", "4 Zones Card"},
    {&StatBeamDetectorCard, "כרטיס לגלאי קרן", "Beam Detector Card"},
    {&StatInputDevice, "כרטיס מבוא רגיל", "Input Device"},
    {&Stat2InputsCard, "כרטיס 2 מבואות", "2 Inputs Card"},
    {&StatTotalOutputs, "התקני מוצא / כרטיסי מוצא     -     סה''כ : ", "Total Outputs in System : "},
    {&StatOutput, "מוצא רגיל", "Output"},
    {&StatExtinguish, "מוצא כיבוי", "Extinguish"},
    {&StatRelay, "מוצא ממסר", "Relay"},
    {&StatLineRelay, "ממסר על קו", "Line Relay"},
};

void Fill(bool hebrew)
{
    for (const Text& t : kTexts) {
        const char* text = hebrew ? t.hebrew : t.english;
        if (text)
            *t.var = QString::fromUtf8(text);
    }
    for (int n = 1; n <= 4; ++n)
        LoopName[n] = (hebrew ? QStringLiteral(u"קו גלאים ") : QStringLiteral("DET-LINE-")) + Str(n)
                      + QStringLiteral(" #");
}

// The label of a card part; "" for a position the card does not have.
QString CardLabel(int kind, int cardAddr)
{
    switch (kind) {
    case DeviceKind::AlarmFaultCard:
        return IsSinglePosition(cardAddr) ? LblAlarmFault
               : cardAddr == 2            ? LblAlarmInput
               : cardAddr == 3            ? LblFaultInput
                                          : QString();
    case DeviceKind::FourZoneCard:
        return cardAddr >= 0 && cardAddr <= 3 ? LoopName[cardAddr + 1] : QString();
    case DeviceKind::TwoInputCard:
        return cardAddr == 2 ? LblInput1of2 : cardAddr == 3 ? LblInput2of2 : QString();
    default:
        return QString();
    }
}

}  // namespace

void SetLanguage(int16_t lang)
{
    UILanguage = lang;
    if (lang == 1 || lang == 2)
        Fill(lang == 1);
    else
        Ui::MsgBox(QStringLiteral("Language Not Exist Yet, sorry"), Ui::vbOKOnly);
}

QString LabelFor(int kind, int cardAddr)
{
    const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
    if (!k)
        return QString();
    return k->label ? *k->label : CardLabel(kind, cardAddr);
}

QString FactoryNameFor(int address, int kind, int cardAddr)
{
    const QString label = LabelFor(kind, cardAddr);
    return label.isEmpty() ? QString() : ZeroPad(address, 3) + QLatin1Char(' ') + label;
}

QString MapWordFor(int kind)
{
    const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
    return k ? *k->mapWord : QString();
}

QString TypeWordFor(int kind)
{
    const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
    return k ? *k->typeWord : QString();
}

}  // namespace languages
