#pragma once
// The address map of the devices window: one cell per address, fourteen to a line, showing the
// address, a position tag for devices of several addresses and a short type word.
#include <cstdint>
#include <optional>

#include <QRect>
#include <QString>

#include "core/DataModel.h"

namespace DevicesMap {

constexpr int CellsPerLine = 14;

// "( 1 )", "(1/2)", "(2/2)", "(1/4)" .. "(4/4)", or empty (a free address, an unknown position).
QString PositionTag(const DeviceRecord& r);

// The type word of a cell by its colour (the colour of the row's swatch), and the text colour it
// takes: white for the output types, nothing (the cell's own) for the others.
struct Word {
    QString text;
    std::optional<uint32_t> foreColour;
};
Word WordOfColour(uint32_t cellColour);

// The cell's caption: address, tag and word on three lines joined by a carriage return.
QString CellText(int address, const DeviceRecord& r, uint32_t cellColour);

// The cell of address i inside the map picture, in twips.
QRect CellTwips(int i, bool small);
// The cells' font size in points.
int CellPoints(bool small);

}  // namespace DevicesMap
