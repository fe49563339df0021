#pragma once
// The language flag's shared texts: device-name labels (from which factory names are built), the
// four-zone part names, the address-map words, the type words and a few window words.
// SetLanguage fills them for one language; they keep that language until it is called again.
#include <array>
#include <cstdint>

#include <QString>

// Device-name labels, 12 characters each ending in "#".
extern QString LblSmokeDet, LblHeatDet, LblSHDet, LblInput, LblDetector, LblRedButton,
    LblBeamVrst, LblExtButton, LblAlarmFault, LblAlarmInput, LblFaultInput, LblInput1of2,
    LblInput2of2, LblExtinguish, LblRelayOut, LblOutput, LblLineRelay;

// Parts 1 to 4 of a four-zone card; element 0 holds no data.
extern std::array<QString, 5> LoopName;

// Button and column words.
extern QString WordOK, WordCancel, WordDelete, WordEnable, WordIn, WordOut, WordSettings;

// Address-map words, one per device kind; ShortNA for a free address.
extern QString ShortSmoke, ShortHeat, ShortCombo, ShortDet, ShortRed, ShortYellow, ShortAF,
    Short4Z, ShortBeam, ShortInput, Short2In, ShortOut, ShortExt, ShortRelay, ShortLineRly,
    ShortNA;

// Type words of the type panel and the address summary; the totals head its two halves.
extern QString StatTotalInputs, StatSmokeDetector, StatHeatDetector, StatSmokeHeatDetector,
    StatConventionalDetector, StatRedCallPoint, StatYellowCallPoint, StatAlarmFaultCard,
    Stat4ZonesCard, StatBeamDetectorCard, StatInputDevice, Stat2InputsCard, StatTotalOutputs,
    StatOutput, StatExtinguish, StatRelay, StatLineRelay;

namespace languages {

// Stores lang in UILanguage, then fills the tables: 1 Hebrew, 2 English. The two-input card
// labels exist in Hebrew only and keep their text in English. Another value says so in a
// message box and leaves the tables as they are.
void SetLanguage(int16_t lang);

// The device-name label of a record of the given kind at the given position in its device
// (CardAddr, used by the alarm/fault, four-zone and two-input cards); "" for a kind or a
// position that has none.
QString LabelFor(int kind, int cardAddr);

// Right("000" & address, 3) & " " & the label; "" when LabelFor gives none.
QString FactoryNameFor(int address, int kind, int cardAddr);

// The address-map word and the type word of a kind; "" for a number that is no kind.
QString MapWordFor(int kind);
QString TypeWordFor(int kind);

}  // namespace languages
