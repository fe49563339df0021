// A whole download from a hostile panel, decoder by decoder as the download runs them (system
// block, remote units, devices, names, groups), then made whole as the download does: whatever the
// panel sent, a download that completes leaves a whole project that the upload check accepts, with
// counts that are recounts. The records after the first are, in order: the remote-unit record, the
// device records up to an empty record, the name records up to the next, and the group records.
#include <vector>

#include "FuzzSetup.h"
#include "core/Conv.h"
#include "core/ProjectWhole.h"
#include "panellink/DeviceBlock.h"
#include "panellink/GroupBlock.h"
#include "panellink/NameBlock.h"
#include "panellink/SystemBlocks.h"
#include "panellink/UploadCheck.h"

namespace {

// Hands the decoder of one block its records, as the engine stores them.
bool Decode(const std::vector<QByteArray>& records, bool (*decoder)())
{
    LinkState::BeginBlock();
    for (size_t i = 0; i < records.size() && i + 1 < FrameArraySize - 1; ++i)
        LinkState::StoreRecord(int(i) + 1, records[i]);
    LinkState::StoreEnd(int(std::min<size_t>(records.size(), FrameArraySize - 3)) + 1);
    return decoder();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(data, size);
    std::vector<QByteArray> all;
    for (int i = 1; i <= LinkState::FrameCount() && i < FrameArraySize; ++i) all.push_back(FrameArray[i]);
    if (all.size() < 2) return 0;

    std::vector<std::vector<QByteArray>> blocks(5);
    blocks[0] = {all[0]};
    blocks[1] = {all[1]};
    size_t b = 2;
    for (size_t i = 2; i < all.size(); ++i) {
        if (all[i].isEmpty() && b < 4) {
            ++b;
            continue;
        }
        blocks[b].push_back(all[i]);
    }
    PanelReplaced = {};
    for (auto [index, decoder] : {std::pair{0, &fillDataSysArray_rcv}, std::pair{1, &fillSubDataArray_rcv},
                                  std::pair{2, &fillDeviceDataArray_rcv}, std::pair{3, &fillNameArray_rcv},
                                  std::pair{4, &fillOutGrpArray_rcv}})
        if (!Decode(blocks[size_t(index)], decoder)) {  // a failed download keeps the old project
            if (std::getenv("VD_FUZZ_TRACE")) std::fprintf(stderr, "block %d refused\n", index);
            return 0;
        }

    const ProjectWhole::Places mended = ProjectWhole::MakeProjectWhole();
    fuzz::Require(!ProjectWhole::CheckProject().any());
    fuzz::Require(!FirstUnencodableRecord().has_value());
    fuzz::Require(ValInt(NumOfDevices) == AddressesInUse());
    // A second repair finds nothing left to do.
    fuzz::Require(!ProjectWhole::MakeProjectWhole().any());
    if (std::getenv("VD_FUZZ_TRACE"))
        std::fprintf(stderr, "download complete: %d devices, %d places mended\n", AddressesInUse(),
                     int(mended.addresses.size() + mended.groups.size()));
    return 0;
}
