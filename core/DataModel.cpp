#include "core/DataModel.h"

#include "core/Conv.h"

std::array<DeviceRecord, MaxAddress + 1> DeviceDataArray;
std::array<DeviceRecord, MaxAddress + 1> DeviceDataArrayEdit;
std::array<OutGrpRecord, MaxGroups + 1> OutGrpArray;
std::array<HistoryRecord, MaxHistory + 1> HistoryArray;
std::array<QString, MaxHistory + 1> HistoryLines;

FixedText<2> DataSysByte1;
SysFlagsRecord SysFlags;
SysFlags2Record SysFlags2;
FixedText<4> NightStart;
FixedText<4> NightFinish;
FixedText<2> NumOfSys;
RemoteUnitsRecord RemoteUnits;

QString VerComNum, VerSoftNum, VerHardNum, TechCode;

ProjectDetailsRecord ProjectDetails;

int16_t MaxNumOfDevices = 0;
FixedText<3> NumOfDevices;
int16_t NumOfActiveGroups = 0;
bool SmallDisplay = false;
bool AdminMode = false;
QString ProjectFileName;
QString ProjectName;
QString usrDataPath;
QString DefaultDataPath;
QString IniFileName;
bool ProjectFileOK = false;
bool ProjectLoaded = false;
bool DataChanged = false;
QString ErrLocation;
QString CleanName;
bool NameCheckQuiet = false;
QString ComPortNum;
QString ComSettings;
int16_t BaudCode = 0;
int16_t HighSens = 0, MediumSens = 0, LowSens = 0;
int16_t High2Medium = 0, Medium2Low = 0;
int16_t InputAlarmVal = 0, InputPREAlarmVal = 0;
int16_t MultiAddrPos = 0;
int16_t CurrentRow = 0;
int16_t UILanguage = 0;

namespace DeviceKind {
namespace {
const std::array<KindInfo, 15> kinds{{
    {SmokeDetector, "00", "5", true, 1},
    {HeatDetector, "00", "6", true, 1},
    {SmokeHeatDetector, "24", "5", true, 1},
    {ConventionalDetector, "08", "4", true, 1},
    {RedCallPoint, "00", "7", true, 1},
    {YellowCallPoint, "08", "7", true, 1},
    {AlarmFaultCard, "08", "2", true, 2},
    {FourZoneCard, "16", "4", true, 4},
    {BeamCard, "24", "6", true, 1},
    {InputDevice, "16", "7", true, 1},
    {TwoInputCard, "08", "3", true, 2},
    {Output, "08", "1", false, 2},
    {Extinguish, "16", "1", false, 2},
    {Relay, "16", "3", false, 2},
    {LineRelay, "16", "5", false, 1},
}};
}  // namespace

const std::array<KindInfo, 15>& All() { return kinds; }

const KindInfo* Find(int kind)
{
    for (const auto& k : kinds)
        if (k.kind == kind) return &k;
    return nullptr;
}
}  // namespace DeviceKind

int KindOf(const DeviceRecord& r)
{
    return int(ValInt(r.ExtType.str()) + ValInt(r.BaseType.str()));
}
