#pragma once
// The device record block: 14 bytes per loop address, C6 from the PC (one frame for every address
// of the model), B6 from the panel (one record per device it holds, then the end frame).
#include <optional>

#include <QByteArray>

#include "core/DataModel.h"

constexpr int DeviceRecordBytes = 14;

// The 14 data bytes of the record at `address`; nullopt when a field does not fit its bits or
// byte (a flag other than "0"/"1", NumOfGroups above 4, a group number outside 1..32, ...).
// A red call point goes out with position 0, as the panel expects; the record keeps its own.
std::optional<QByteArray> EncodeDeviceRecord(int address, const DeviceRecord& r);

// One received record decoded over `into` (DeviceName, SpareField and, for a kind without a
// label, FactoryName keep their values). nullopt for a record of the wrong length or with a
// value out of range (NumOfGroups above 4, a group above 32, a four-zone part above 3).
// The address is the record's byte 1; the caller decides whether it belongs to the model.
std::optional<DeviceRecord> DecodeDeviceRecord(const QByteArray& data, const DeviceRecord& into);

// C6 frames for addresses 1..MaxNumOfDevices in FrameArray(address), MaxNumOfDevices in element 0.
bool fillDeviceData2Snd();
// B6 records FrameArray(1..n) into DeviceDataArray; records for address 0 or above the model
// are skipped, and a device of a kind outside the kind table leaves its address empty.
// NumOfDevices becomes the number of addresses in use; the highest address in use decides the
// loop class. Nothing changes when any record is bad.
bool fillDeviceDataArray_rcv();
