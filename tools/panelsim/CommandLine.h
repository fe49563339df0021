#pragma once
// The simulator's command line.
#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

#include "tools/panelsim/Faults.h"
#include "tools/panelsim/PanelMemory.h"

namespace panelsim {

struct Options {
    QString device;     // a serial device to use instead of a new pseudo-terminal
    QString pathFile;   // write the pseudo-terminal's path here too
    QString stateFile;  // starting state
    QString dumpFile;   // state dump: after every change, on SIGUSR1 and on exit
    QString logFile;    // one line per frame in and out
    bool verbose = false;
    bool wire = false;  // pace the pseudo-terminal as a real line
    bool help = false;
    Faults faults;
    // Given on the command line, these override the starting state.
    int firmware = -1, hardware = -1, com = -1, techCode = -1;
    std::optional<std::array<uint8_t, 4>> remote;
};

// Fills options from the arguments (without the program name); "" or what is wrong.
QString ParseCommandLine(const QStringList& args, Options* options);
QString UsageText();
// Puts the versions, technician code and remote units given on the command line into memory.
void ApplyOverrides(const Options& options, PanelMemory* memory);

}  // namespace panelsim
