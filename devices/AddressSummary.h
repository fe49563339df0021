#pragma once
// The address summary: per type of the type panel, how many addresses of the working table hold
// it, under the totals of input and output addresses.
#include <array>
#include <cstdint>
#include <optional>

#include <QString>

namespace AddressSummary {

constexpr int InputLines = 11;
constexpr int OutputLines = 4;

// The kinds of the lines, in the type panel's order; line k (1-based) of the inputs is
// kInputKinds[k - 1] and takes DeviceColorChoose(1, k), the outputs DeviceColorChoose(2, k).
inline constexpr std::array<int, InputLines> kInputKinds{5, 6, 29, 12, 7, 15, 10, 20, 30, 23, 11};
inline constexpr std::array<int, OutputLines> kOutputKinds{9, 17, 19, 21};

struct Counts {
    int inputTotal = 0;   // occupied addresses with DeviceIsIn "1"
    int outputTotal = 0;  // the other occupied addresses
    std::array<int, InputLines + 1> inputs{};    // 1..11
    std::array<int, OutputLines + 1> outputs{};  // 1..4
};

// Counts DeviceDataArrayEdit 1..MaxNumOfDevices: every address in the line of its record's
// kind (a free record of a known kind included), and the occupied ones in their total.
Counts Count();

// The headings: the type-word heading with its total, and the count heading and close caption
// of a language (nothing for a language other than 1 or 2: the designed texts stay).
QString InputHeading(int total);
QString OutputHeading(int total);
std::optional<QString> AddressesHeading(int16_t lang);
std::optional<QString> CloseCaption(int16_t lang);

// The type word of an input or output line (1-based), from the language tables.
QString InputWord(int line);
QString OutputWord(int line);

}  // namespace AddressSummary
