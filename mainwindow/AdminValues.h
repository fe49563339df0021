#pragma once
// The administrator area's rules, apart from its window: the entry code, the value boxes, the
// sensitivity applied to every smoke detector, the model switch, the alarm/fault card test
// switch, the error label and the blink colours.
#include <cstdint>
#include <optional>

#include <QString>

#include "mainwindow/MainTexts.h"

namespace AdminValues {

// The seven value boxes hold whole numbers 0..255: the panel keeps each in one byte. Blanks
// around the digits are allowed; anything else is refused.
std::optional<int> ParseValueBox(const QString& text);
Message ValueRefused(int16_t lang);

// Their defaults, as the Default buttons write them.
inline const QString DefaultHighSens = QStringLiteral("50");
inline const QString DefaultMediumSens = QStringLiteral("65");
inline const QString DefaultLowSens = QStringLiteral("85");
inline const QString DefaultHigh2Medium = QStringLiteral("55");
inline const QString DefaultMedium2Low = QStringLiteral("75");
inline const QString DefaultInputValue = QStringLiteral("64");

// One sensitivity for every analogue smoke detector in use (kind 5, Exist "1") of the project:
// index 0 high, 1 medium, 2 low writes `value` into their AlarmValue and into the shared
// sensitivity of that index (only when there is such a detector); indexes 3 and 4 only count.
struct DetectorList {
    int count = 0;
    QString list;  // "," and the three-digit address of each, ascending
};
DetectorList ApplySensitivity(int index, int value);
// "Number of detectors: " & count & CR & list, OK only.
Message DetectorCount(const DetectorList& d);

// Whether any address 51..126 of the project holds a device.
bool DevicesAbove50();
// The refusal to make a project with such devices a 50-address one; nothing for a language
// other than 1 or 2.
std::optional<Message> Above50Refused(int16_t lang);

// Flips the "not used in alarm" flag of every alarm/fault card (kind 10, not its second
// address) of the project; the colour of the last card flipped (&H8080FF disabled, &HFFFFFF
// enabled), nothing when there is no card.
std::optional<uint32_t> ToggleAlarmFaultCards();

// The error label: ErrLocation, a line break and the name of its procedure.
QString ErrorLabelText();

// Colours.
constexpr uint32_t LightGrey = 0xE0E0E0;
constexpr uint32_t Yellow = 0x00FFFF;
constexpr uint32_t Red = 0x0000FF;
// The next colour of the blinking verification button: grey and yellow while sending is
// allowed, grey and red while it is not.
uint32_t NextVerifyBlink(uint32_t current, bool sendAllowed);

}  // namespace AdminValues
