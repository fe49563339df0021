#pragma once
// What an upload checks before it sends anything: that the records agree with each other, and
// every record of the project through its encoder, so a project holding a value the panel
// cannot take sends nothing at all.
#include <optional>

struct UnencodableRecord {
    enum Block { SystemSettings, RemoteUnits, Device, Group } block;
    int number = 0;  // the address of a device, the number of a group
};

// The first address, then group, where the project is not whole (core/ProjectWhole); else the
// first record (system block, remote units, addresses 1..126, groups 1..32) that its encoder
// refuses; nothing when the project is whole and every record encodes. Names always encode.
std::optional<UnencodableRecord> FirstUnencodableRecord();

// The number of addresses 1..126 in use.
int AddressesInUse();
