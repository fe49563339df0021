// B7 decoder and the name code: bad records change nothing; names keep 16 characters; the code
// round-trips every name of the kept classes.
#include "FuzzSetup.h"
#include "panellink/NameBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    const auto before = DeviceDataArray;
    if (!fillNameArray_rcv()) fuzz::Require(TransferError && DeviceDataArray == before);
    for (int a = MaxNumOfDevices + 1; a <= MaxAddress; ++a) fuzz::Require(DeviceDataArray[a] == before[a]);

    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), int(size));
    const QString panel = OpsNames(text);
    fuzz::Require(text.isEmpty() ? panel.isEmpty() : panel.size() == 16);
    fuzz::Require(rtrvHebName(text).size() == text.size());
    // A name of kept characters comes back as it was, padded.
    QString kept;
    for (QChar c : text.left(16))
        if (c == u' ' || c == u'#' || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) kept += c;
    if (!kept.isEmpty()) fuzz::Require(rtrvHebName(OpsNames(kept)) == kept.leftJustified(16));
    return 0;
}
