// Device records: whatever record decodes goes out again and decodes to the same record; what
// the block decoder leaves in the project encodes too.
#include "FuzzSetup.h"
#include "panellink/DeviceBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size > 0 ? 1 : 0);  // byte 0 chooses the model and the labels' language
    if (size < 1 + size_t(DeviceRecordBytes)) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, DeviceRecordBytes);
    const int address = uint8_t(bytes[0]);
    const DeviceRecord into = address <= MaxAddress ? DeviceDataArray[address] : DeviceRecord{};

    const auto first = DecodeDeviceRecord(bytes, into);
    if (!first) return 0;
    const auto again = EncodeDeviceRecord(address, *first);
    fuzz::Require(again.has_value() && again->size() == DeviceRecordBytes);
    const auto second = DecodeDeviceRecord(*again, into);
    fuzz::Require(second.has_value() && *second == *first);
    // And the bytes are stable from then on.
    fuzz::Require(EncodeDeviceRecord(address, *second) == again);
    return 0;
}
