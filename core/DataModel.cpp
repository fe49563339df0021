#include "core/DataModel.h"

#include "core/Conv.h"
#include "core/languages.h"

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
    {SmokeDetector, "00", "5", true, 1, u"גלאי עשן", &LblSmokeDet, &ShortSmoke, &StatSmokeDetector},
    {HeatDetector, "00", "6", true, 1, u"גלאי חום", &LblHeatDet, &ShortHeat, &StatHeatDetector},
    {SmokeHeatDetector, "24", "5", true, 1, u"גלאי משולב", &LblSHDet, &ShortCombo, &StatSmokeHeatDetector},
    {ConventionalDetector, "08", "4", true, 1, u"גלאי מכותב", &LblDetector, &ShortDet, &StatConventionalDetector},
    {RedCallPoint, "00", "7", true, 1, u"לחצן אזעקה", &LblRedButton, &ShortRed, &StatRedCallPoint},
    {YellowCallPoint, "08", "7", true, 1, u"לחצן כיבוי", &LblExtButton, &ShortYellow, &StatYellowCallPoint},
    {AlarmFaultCard, "08", "2", true, 2, u"כרטיס אזעקה/תקלה", nullptr, &ShortAF, &StatAlarmFaultCard},
    {FourZoneCard, "16", "4", true, 4, u"כרטיס 4 אזורי גילוי", nullptr, &Short4Z, &Stat4ZonesCard},
    {BeamCard, "24", "6", true, 1, u"כרטיס לגלאי קרן", &LblBeamVrst, &ShortBeam, &StatBeamDetectorCard},
    {InputDevice, "16", "7", true, 1, u"התקן מבוא", &LblInput, &ShortInput, &StatInputDevice},
    {TwoInputCard, "08", "3", true, 2, u"כרטיס 2 מבואות", nullptr, &Short2In, &Stat2InputsCard},
    {Output, "08", "1", false, 2, u"מוצא", &LblOutput, &ShortOut, &StatOutput},
    {Extinguish, "16", "1", false, 2, u"כיבוי", &LblExtinguish, &ShortExt, &StatExtinguish},
    {Relay, "16", "3", false, 2, u"ממסר", &LblRelayOut, &ShortRelay, &StatRelay},
    {LineRelay, "16", "5", false, 1, u"ממסר קווי", &LblLineRelay, &ShortLineRly, &StatLineRelay},
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

bool IsSinglePosition(long long position) { return position == 0 || position == 1; }
