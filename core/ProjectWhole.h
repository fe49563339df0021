#pragma once
// What makes a project whole: records that agree with each other. Each record may be in range on
// its own and still contradict another one: the second half of a relay with no first half, a
// group listing a free address, a count that is not a recount. One definition, used where data
// enters (the project-file reader, every download), before it leaves (the upload check, Update),
// by the editors and by the tests.
//
// A project is whole when:
// - every device in use is of a known kind, its DeviceIsIn agrees with the kind, and its parts
//   stand on consecutive addresses with their positions (CardAddr) in order and the kinds of
//   their places: a single device holds position 1 or 0 (both read as the single position by the
//   windows and the panel, and kept as they are); a two-address output, extinguish device,
//   relay, alarm/fault card or two-input card holds 2 then 3 (the second address of an
//   extinguish device is an output); a four-zone card holds 0 to 3. A two-input card and a
//   four-zone card never stand on one address;
// - a device keeps its links to groups in Grp(1..NumOfGroups), each a group number 1..32 once,
//   the other places "00"; only inputs keep links, and the fault input of an alarm/fault card none;
// - a group lists its outputs in OutAddr(1..OutCount), the other places "000": each a loop address
//   in use that holds an output, or a special output (alarm relays 1 and 2, dialer alarm), once;
// - a group's Trigger lies in 0..min(3, inputs linked to it), or in 0..3 when no input is linked
//   (such a group never operates; the original leaves a trigger on it), and GrpNo is its number.
// The counts NumOfDevices and NumOfActiveGroups of the shared project are recounts.
#include <array>

#include <QList>
#include <QString>

#include "core/DataModel.h"

namespace ProjectWhole {

using DeviceTable = std::array<DeviceRecord, MaxAddress + 1>;
using GroupTable = std::array<OutGrpRecord, MaxGroups + 1>;

// The places that are not whole, or that a repair changed.
struct Places {
    QList<int> addresses;  // ascending, each once
    QList<int> groups;     // ascending, each once
    bool counts = false;   // NumOfDevices or NumOfActiveGroups is not a recount

    bool any() const { return counts || !addresses.isEmpty() || !groups.isEmpty(); }
    bool tablesWhole() const { return addresses.isEmpty() && groups.isEmpty(); }
};

// The addresses of one device: first..last, both in use.
struct Span {
    int first = 0;
    int last = 0;
    bool whole = false;  // false: a part that belongs to no whole device, standing alone
};

// The device of every address, element a for address a; {0, 0, false} for a free address.
using DeviceSpans = std::array<Span, MaxAddress + 1>;
DeviceSpans DevicesOf(const DeviceTable& devices);
// The device that address a (in use) belongs to, read from the positions and kinds around it;
// {0, 0, false} for a free address. (One address of DevicesOf.)
Span DeviceAt(const DeviceTable& devices, int a);

// Every place of the tables that is not whole. Pure: changes nothing.
Places Check(const DeviceTable& devices, const GroupTable& groups);

// Makes the tables whole, losing as little as possible and inventing no device:
// - a device of an unknown kind is freed;
// - a part standing alone keeps its address as a single device of its kind where the kind may
//   take one address (a relay's first half whose second address is free or holds another device,
//   the second half of a relay with no first half); a part of a two-input or four-zone card that
//   cannot be made whole is freed;
// - DeviceIsIn follows the kind;
// - links of outputs and of the fault input, damaged and repeated links are dropped; a device whose
//   links changed has WithAlarmGroup "1" exactly when it keeps one;
// - outputs at free addresses, at inputs and repeated ones are dropped, the rest move up in their
//   order (from all six places, whatever OutCount said) and OutCount counts them;
// - the Trigger is held to its range.
// Returns the places changed; afterwards Check finds nothing.
Places MakeWhole(DeviceTable& devices, GroupTable& groups);

// The addresses 1..126 in use.
int AddressesInUse(const DeviceTable& devices);
// The inputs in use that keep a link to group g.
int InputsLinked(const DeviceTable& devices, int g);
// A group in use: it lists an output and an input is linked to it. The one definition of the
// reader, the download, the groups window and the main window's group count.
bool IsActiveGroup(const DeviceTable& devices, const GroupTable& groups, int g);
int ActiveGroups(const DeviceTable& devices, const GroupTable& groups);

// The shared project (DeviceDataArray, OutGrpArray, NumOfDevices, NumOfActiveGroups).
Places CheckProject();
// Makes the shared project whole and recounts; NumOfDevices keeps its three digits.
Places MakeProjectWhole();
// Sets NumOfDevices and NumOfActiveGroups to their recounts.
void Recount();

}  // namespace ProjectWhole
