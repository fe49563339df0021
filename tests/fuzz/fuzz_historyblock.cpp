// B8 decoder: bad histories change nothing; project data is never touched.
#include "FuzzSetup.h"
#include "panellink/HistoryBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    const auto devices = DeviceDataArray;
    const auto lines = HistoryLines;
    const bool ok = fillHistoryArray_rcv();
    fuzz::Require(DeviceDataArray == devices);
    if (!ok) fuzz::Require(TransferError && HistoryLines == lines);
    for (int i = 1; i <= MaxHistory; ++i)
        if (!HistoryLines[i].isEmpty()) fuzz::Require(HistoryLines[i].count(QLatin1Char('\t')) == 5);
    return 0;
}
