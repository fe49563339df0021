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

// The lines are the type options in their order: input line k is the type option (1, k) of
// DeviceColors and takes DeviceColorChoose(1, k), output line k the option (2, k).

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
