#pragma once
// The panel's memory as a small text, one item a line; the same form is read as a starting
// state and written as a dump. Lines (blank lines and lines starting with "#" are skipped):
//
//   firmware 2.00                 software version (also: hardware 1.00, com 1.00)
//   tech 1234                     technician code, four digits
//   speed 9600                    the speed the panel listens at: 9600, 38400 or 57600
//   system 00 5B 00 2230 0600     byte 1 and the two flag bytes (hex), night start and end (hhmm)
//   remote 1 0 1 0                remote panels 1 and 2, remote power supplies 1 and 2
//   clock 09 07 14 01 05 03 23    the last clock setting: s, min, h, weekday, day, month, year
//   device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00
//                                 address and its 14-byte record (byte 1 is the address again)
//   name 12 #  TED EKOMS 210      address, one blank, then the name as the panel holds it
//   group 1 2 2 201 5 0 0 0 0     group 1-32, trigger, output count, six outputs (decimal)
//   event 7 23/11/24 14:05 text   device number, date and time (two digits each, sent as they
//                                 stand: BCD), then up to 44 characters of event text
//
// Names and event texts are in the panel's own name code: reading order reversed, Hebrew
// letters at 96-122. The file is taken byte for byte (Windows-1255); a byte that cannot stand
// in a line is written \xNN, a backslash \\. Trailing blanks of a text may be left out.
#include <QByteArray>
#include <QString>

#include "tools/panelsim/PanelMemory.h"

namespace panelsim {

// Reads a state over the defaults; "" on success, else "line N: what is wrong".
QString LoadState(const QByteArray& text, PanelMemory* memory);
QByteArray DumpState(const PanelMemory& memory);

// Version text "1.71" <-> 171; -1 for text that is no version.
int ParseVersion(const QString& text);
QString VersionText(int hundredths);

}  // namespace panelsim
