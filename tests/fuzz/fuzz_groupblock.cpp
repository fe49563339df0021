// B5 decoder: bad replies change nothing; good ones keep counts, triggers and outputs in range.
#include "FuzzSetup.h"
#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ProjectWhole.h"
#include "panellink/GroupBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    const auto before = OutGrpArray;
    if (!fillOutGrpArray_rcv()) {
        fuzz::Require(TransferError && OutGrpArray == before);
        return 0;
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        const long long outputs = ValInt(OutGrpArray[g].OutCount);
        fuzz::Require(outputs >= 0 && outputs <= 6);
        fuzz::Require(ValInt(OutGrpArray[g].Trigger) >= 0 && ValInt(OutGrpArray[g].Trigger) <= FieldRanges::MaxTrigger);
        for (int o = 1; o <= 6; ++o) fuzz::Require(FieldRanges::IsOutputAddress(ValInt(OutGrpArray[g].OutAddr[o])));
        fuzz::Require(EncodeGroupRecord(OutGrpArray[g]).has_value());
    }
    fuzz::Require(ProjectWhole::ActiveGroups(DeviceDataArray, OutGrpArray) == NumOfActiveGroups);
    return 0;
}
