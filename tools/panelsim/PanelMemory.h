#pragma once
// What the panel keeps: its identity, the system block, remote units, one 14-byte record per
// loop address, the names in the panel's own 7-bit name code, 32 operating groups, the event
// log and the clock. Records are kept as the bytes that travel, so nothing is lost or reshaped
// between what the PC sends and what it reads back.
#include <array>
#include <cstdint>
#include <vector>

#include <QByteArray>

namespace panelsim {

constexpr int MaxAddresses = 126;
constexpr int GroupCount = 32;
constexpr int MaxEvents = 255;
constexpr int DeviceRecordSize = 14;
constexpr int NameSize = 16;
constexpr int EventTextSize = 44;
constexpr int ClockSize = 7;

struct Event {
    uint8_t devNo = 0;
    QByteArray text = QByteArray(EventTextSize, ' ');  // panel name code
    // Two decimal digits each, kept as the BCD bytes the panel sends.
    uint8_t minute = 0, hour = 0, day = 0x01, month = 0x01, year = 0;

    bool operator==(const Event&) const = default;
};

struct Group {
    uint8_t trigger = 0;
    uint8_t count = 0;
    std::array<uint8_t, 6> outputs{};

    bool operator==(const Group&) const = default;
};

struct PanelMemory {
    // Versions in hundredths: 171 is 1.71.
    int firmware = 200;
    int hardware = 100;
    int com = 100;
    int techCode = 1234;  // four decimal digits

    uint8_t sysByte1 = 0x00;
    uint8_t sysFlags1 = 0x5B;
    uint8_t sysFlags2 = 0x00;
    uint8_t nightStartHour = 0, nightStartMinute = 0;
    uint8_t nightFinishHour = 0, nightFinishMinute = 0;

    std::array<uint8_t, 4> remote{};  // Panel(1), Panel(2), PS(1), PS(2)

    std::array<QByteArray, MaxAddresses + 1> devices;  // 14 bytes, or empty: never written
    std::array<QByteArray, MaxAddresses + 1> names;    // 16 bytes, or empty
    std::array<Group, GroupCount + 1> groups;          // 1..32
    std::vector<Event> events;                         // oldest first, at most 255
    QByteArray clock;                                  // the 7 bytes of the last clock setting

    int speed = 9600;  // the line speed the panel listens at

    // 50 addresses when the second digit of the hardware version is 5, else 126.
    int AddressCount() const;
    // The record at a holds a device (its "in use" bit is set).
    bool DeviceInUse(int a) const;

    bool operator==(const PanelMemory&) const = default;
};

}  // namespace panelsim
