#pragma once
// The values the shared project fields may hold: what the panel's encoders accept and the
// windows expect. A project file and a panel reply are brought into these where they enter, so
// the code after them may trust the project.
#include <optional>

#include <QString>

namespace FieldRanges {

// A one-character flag (and a remote panel or power supply): "0" or "1".
bool IsFlag(const QString& text);
// The value of a text of decimal digits (blanks around them allowed) when it lies in lo..hi;
// nothing for an empty text, any other character or a value outside the range.
std::optional<long long> Number(const QString& text, long long lo, long long hi);
// The loop class: 3 (class B) or 4 (class A), "003"/"004" as stored.
bool IsLoopClass(const QString& text);
// A night time: four digits hhmm, hours 0-23, minutes 0-59.
bool IsNightTime(const QString& text);

constexpr int MaxTrigger = 3;  // inputs in alarm a group waits for
// An output of a group: a loop address 1-126, alarm relay 1 (201) or 2 (202), the dialer's
// alarm output (205), or 0 for an empty place.
bool IsOutputAddress(long long address);
// A group number of a device: 1-32.
bool IsGroupNumber(long long group);

// A kind of the kind table. A record in use of any other kind cannot be edited, shown or
// checked by the program, so it never enters the project.
bool IsKnownKind(int kind);

}  // namespace FieldRanges
