#pragma once
// The project every benchmark works on: the largest whole Tessel126 project a user can make.
// 126 devices of one address each, of every kind that may take one address, in turn; every name
// of 16 characters (Hebrew and Latin by turns, all in the panel's set); every input linked to
// four groups; all 32 groups listing six outputs, with a trigger of 1 to min(3, inputs linked).
#include <cstdint>

#include <QStringList>

namespace FullProject {

constexpr int Devices = 126;
constexpr int LinksPerInput = 4;
constexpr int OutputsPerGroup = 6;

// Sets the interface language (1 Hebrew, 2 English; the factory names follow it) and fills the
// shared project: model, devices, groups, counts.
void Fill(int16_t language = 2);

// What keeps the shared project from being the full project: not whole by the program's own
// rule, refused by the upload check, fewer devices, groups, outputs or links, or a name shorter
// than 16 characters or not as the name check keeps it. Empty when it is the full project.
QStringList Faults();

}  // namespace FullProject
