#include "panellink/UploadCheck.h"

#include "core/DataModel.h"
#include "core/ProjectWhole.h"
#include "panellink/DeviceBlock.h"
#include "panellink/GroupBlock.h"
#include "panellink/SystemBlocks.h"

std::optional<UnencodableRecord> FirstUnencodableRecord()
{
    // Records that contradict each other never reach the panel, even where each one encodes.
    const ProjectWhole::Places broken = ProjectWhole::Check(DeviceDataArray, OutGrpArray);
    if (!broken.addresses.isEmpty()) return UnencodableRecord{UnencodableRecord::Device, broken.addresses.front()};
    if (!broken.groups.isEmpty()) return UnencodableRecord{UnencodableRecord::Group, broken.groups.front()};
    if (!EncodeDataSys()) return UnencodableRecord{UnencodableRecord::SystemSettings};
    if (!EncodeSubData()) return UnencodableRecord{UnencodableRecord::RemoteUnits};
    // Every address, not only the model's: the model may change when the panel has been read.
    for (int a = 1; a <= MaxAddress; ++a)
        if (!EncodeDeviceRecord(a, DeviceDataArray[a])) return UnencodableRecord{UnencodableRecord::Device, a};
    for (int g = 1; g <= MaxGroups; ++g)
        if (!EncodeGroupRecord(OutGrpArray[g])) return UnencodableRecord{UnencodableRecord::Group, g};
    return std::nullopt;
}

int AddressesInUse()
{
    int n = 0;
    for (int a = 1; a <= MaxAddress; ++a)
        if (DeviceDataArray[a].Exist == "1") ++n;
    return n;
}
