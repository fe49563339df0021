// The device-list check: never changes the project; sending stays forbidden unless it finished
// without a conflict.
#include "FuzzSetup.h"
#include "panellink/Verification.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    // A project with a few devices to compare against.
    for (int a = 1; a <= MaxNumOfDevices; a += 7) {
        DeviceDataArray[a].Exist = "1";
        DeviceDataArray[a].ExtType = (a % 2) ? "16" : "00";
        DeviceDataArray[a].BaseType = "3";
    }
    const auto before = DeviceDataArray;
    const bool ok = fillDeviceDataArray4Verif_rcv();
    fuzz::Require(DeviceDataArray == before);
    if (!ok) fuzz::Require(TransferError && !SendAllowed);
    if (SendAllowed) fuzz::Require(ok);
    fuzz::Require(LinkView.List1.size() <= MaxNumOfDevices);
    return 0;
}
