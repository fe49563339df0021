#pragma once
// The operations that give the shared project data its defaults.
#include <cstdint>

struct DeviceRecord;

namespace ResetModule {
// Records first..last of table 1 (DeviceDataArray) or 2 (DeviceDataArrayEdit) become empty
// addresses. Another table number, or a range reaching outside 1..126, does nothing.
void ResetDevices(int first, int last, int table);
// One record of any device table becomes the empty address `address`.
void ResetRecord(DeviceRecord& r, int address);
void ResetSysData();
void ResetProjectDetails();
void ResetGroups();
// Groups 1..32 set off by nothing and operating nothing; their names kept.
void ResetGroupLinks();
void ResetSubData();
void ResetHistory();

// The reset of the whole project before New (isNew) or Open; the history is kept.
// All 126 addresses of both tables are reset, so no device of an earlier, larger model survives.
void ResetProject(bool isNew);
}  // namespace ResetModule
