#pragma once
// One device's settings as the text of one column of the names-and-settings report: names,
// operating groups, place in a multi-address card and the output settings.
#include <cstdint>

#include <QString>

#include "reports/Regional.h"

namespace SettingsText {

// The halving count of a time code: how many times the code, rounded to the nearest integer
// (a half to the even one), can be halved and rounded again before it falls below 2.
// 0 and 1 give 0, 2 gives 1, 3 to 5 give 2, 6 to 10 give 3, 11 to 16 give 4.
int HalvingCount(double code);

// Column col (1 to 7) of the device at address addr (0 to 126): 1 factory name and 2 device name
// (16 characters as stored), 3 groups, 4 addresses, 5 output work mode, 6 output delay (12
// characters, right-aligned), 7 silenced and on time (two such fields joined by a Tab). Another
// column, or an address outside the table, gives "".
QString SettingsToListView(int col, int addr, int16_t lang, const Regional& regional);

}  // namespace SettingsText
