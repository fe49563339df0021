// B6 decoder: bad records change nothing; good ones leave every field in its range.
#include "FuzzSetup.h"
#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "panellink/DeviceBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    const auto before = DeviceDataArray;
    if (!fillDeviceDataArray_rcv()) {
        fuzz::Require(TransferError && DeviceDataArray == before);
        return 0;
    }
    int inUse = 0;
    for (int a = 1; a <= MaxNumOfDevices; ++a) {
        const DeviceRecord& r = DeviceDataArray[a];
        const long long groups = ValInt(r.NumOfGroups);
        fuzz::Require(groups >= 0 && groups <= 4);
        for (int k = 1; k <= 4; ++k) {
            const long long g = ValInt(r.Grp[k]);
            fuzz::Require(k <= groups ? g >= 1 && g <= 32 : g == 0);
        }
        if (KindOf(r) == DeviceKind::FourZoneCard) fuzz::Require(ValInt(r.CardAddr) <= 3);
        if (r.Exist == "1") ++inUse;
        if (r.Exist == "1") fuzz::Require(FieldRanges::IsKnownKind(KindOf(r)));
        // What came in goes out again.
        fuzz::Require(EncodeDeviceRecord(a, r).has_value());
    }
    fuzz::Require(ValInt(NumOfDevices) == inUse);
    for (int a = MaxNumOfDevices + 1; a <= MaxAddress; ++a) fuzz::Require(DeviceDataArray[a] == before[a]);
    return 0;
}
