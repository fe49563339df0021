#pragma once
// The panel's side of each data block: the records it sends for a request and how it takes in
// the blocks the PC sends. Every Apply checks the record first and changes nothing when it is
// not one the panel can take.
#include <cstdint>
#include <vector>

#include <QByteArray>

#include "tools/panelsim/PanelMemory.h"

namespace panelsim {

// Reply B2 (15 bytes): versions as BCD, minor part first; technician code as two binary
// values, last two digits first; the system bytes as stored; night times as binary values,
// minutes first.
QByteArray SystemRecord(const PanelMemory& m);
// C2 (7 bytes): byte 1 and the two flag bytes kept as they come; night times as BCD, hours first.
bool ApplySystem(PanelMemory& m, const QByteArray& data);

QByteArray RemoteRecord(const PanelMemory& m);
bool ApplyRemote(PanelMemory& m, const QByteArray& data);

// C6 (14 bytes), address 1 to the panel's address count.
bool ApplyDevice(PanelMemory& m, const QByteArray& data);
// Reply B6: the records of the addresses in use, in address order.
std::vector<QByteArray> DeviceRecords(const PanelMemory& m);

// C7 (18 bytes): address, blank, 16 bytes of name.
bool ApplyName(PanelMemory& m, const QByteArray& data);
// Reply B7: one record per address in use; a device without a stored name gets blanks.
std::vector<QByteArray> NameRecords(const PanelMemory& m);

// C5 (9 bytes): group number minus 1, trigger, output count, six outputs.
bool ApplyGroup(PanelMemory& m, const QByteArray& data);
std::vector<QByteArray> GroupRecords(const PanelMemory& m);

// Reply B8 (51 bytes per event).
std::vector<QByteArray> HistoryRecords(const PanelMemory& m);

// CA (7 BCD bytes: seconds, minutes, hours, weekday, day, month, year).
bool ApplyClock(PanelMemory& m, const QByteArray& data);

// CD: the line speed of a speed code (9, 38, 57); 0 for any other byte.
int SpeedOfCode(const QByteArray& data);

// The lowest firmware (hundredths) that knows a command; 0 for commands every panel knows.
int FirmwareNeeded(uint8_t cmd);

// BCD helpers: 0..99 <-> 0x00..0x99; FromBcd gives -1 for a nibble above 9.
uint8_t ToBcd(int value);
int FromBcd(uint8_t b);

}  // namespace panelsim
