#pragma once
// The address-check tool: a loop address to the eight DIP switches that set it, and back.
// Switch k (1..8) is bit k-1 of the address; switch 1 is the least significant bit.
#include <array>
#include <cstdint>
#include <optional>

#include <QString>

#include "mainwindow/MainTexts.h"

namespace AddressCheck {

using Switches = std::array<bool, 8>;

// What the compute button makes of the address box.
struct Outcome {
    int address = 0;        // 0 when refused or when the box holds no number
    bool refused = false;   // above the address count, negative or too large: "Wrong number !!!"
    bool emptyBox = false;  // the box is emptied (refused, or 0)
    Switches on{};
};

// The box's number (leading number, halves to the even neighbour) checked against the panel's
// address count.
Outcome FromText(const QString& text, int maxAddress);
Switches ToSwitches(int address);
int FromSwitches(const Switches& on);

// Nothing for a language other than 1 or 2.
std::optional<Message> WrongNumber(int16_t lang);

// The white half of a switch carries the word.
inline const QString OnCaption = QStringLiteral("O\nN");
inline const QString OffCaption = QStringLiteral("O\nF\nF");

}  // namespace AddressCheck
