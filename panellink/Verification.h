#pragma once
// Before an upload overwrites the panel, the panel's device list (B6 read in VerifyMode) is
// compared with the project address by address. Devices to add or delete are listed and let the
// upload go on; a different kind, or a different position of an output, alarm/fault card or
// relay, is a conflict that stops it.
#include <array>

#include <QStringList>

#include "core/DataModel.h"

struct DeviceListComparison {
    QStringList lines;        // one per difference, ascending address
    bool differences = false; // an add or delete line
    bool conflicts = false;   // a conflict line
};

// The comparison of addresses 1..maxAddress; lines in Hebrew when language is 1, else English.
DeviceListComparison CompareDeviceLists(const std::array<DeviceRecord, MaxAddress + 1>& panel,
                                        const std::array<DeviceRecord, MaxAddress + 1>& project,
                                        int maxAddress, int language);

// Decodes FrameArray(1..n) into VerifyDeviceArray, compares it with DeviceDataArray, fills
// LinkView.List1 and the Command7 / Timer1 signals, and shows the conflict message. SendAllowed
// is false from the start and becomes true only when the comparison finished without a conflict.
// The project is not changed.
bool fillDeviceDataArray4Verif_rcv();
