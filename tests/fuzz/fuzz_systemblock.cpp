// B2 and BC decoders: a bad record fails cleanly and changes nothing; a good one leaves
// four-digit versions and flags of one binary digit.
#include "FuzzSetup.h"
#include "core/FieldRanges.h"
#include "panellink/SystemBlocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    const auto flags = SysFlags;
    const QString soft = VerSoftNum;
    if (fillDataSysArray_rcv()) {
        fuzz::Require(VerSoftNum.size() == 4 && VerSoftNum != QLatin1String("0000"));
        fuzz::Require(SysFlags.Slave == "0" || SysFlags.Slave == "1");
        fuzz::Require(LinkView.txtVerHardNum.size() == 5);
        fuzz::Require(FieldRanges::IsLoopClass(SysFlags.LoopSysStat));
        fuzz::Require(EncodeDataSys().has_value());
    } else {
        fuzz::Require(TransferError && SysFlags == flags && VerSoftNum == soft && !ProjectLoaded);
    }
    TransferError = false;
    fillDataSysArray4Verif_rcv();
    const auto units = RemoteUnits;
    if (!fillSubDataArray_rcv()) fuzz::Require(RemoteUnits == units);
    for (int i = 1; i <= 2; ++i) fuzz::Require(FieldRanges::IsFlag(RemoteUnits.Panel[i]) && FieldRanges::IsFlag(RemoteUnits.PS[i]));
    fuzz::Require(EncodeSubData().has_value());
    return 0;
}
