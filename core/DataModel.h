#pragma once
// The project held in memory for the whole run: shared records, tables and program-wide
// variables under the system's own names. Every window reads and writes them directly.
#include <array>
#include <cstdint>

#include <QString>

#include "core/FixedText.h"

struct DeviceRecord {
    FixedText<3> Address;
    FixedText<1> DeviceDisable;
    FixedText<2> ExtType;
    FixedText<1> BaseType;
    FixedText<1> DeviceIsIn;
    FixedText<1> Exist;
    FixedText<1> LoopSide;
    FixedText<1> offTypeAfterON;
    FixedText<2> OutBehevior;
    FixedText<1> DeviceNeedVer;
    FixedText<1> NameExist;
    FixedText<1> IsNotUseInAlarm;
    FixedText<1> WithAlarmGroup;
    FixedText<1> WithFaultGroup;
    FixedText<1> DlyB4ON;
    FixedText<2> CardAddr;
    FixedText<2> OutOnTimes;
    FixedText<2> TimeDelayUp2ON;
    FixedText<3> AlarmValue;
    FixedText<3> PreAlarmValue;
    FixedText<2> NumOfGroups;
    std::array<FixedText<2>, 5> Grp;   // 1..4 used
    FixedText<2> SpareField;
    FixedText<16> DeviceName;
    FixedText<16> FactoryName;

    bool operator==(const DeviceRecord&) const = default;
};

struct OutGrpRecord {
    FixedText<2> GrpNo;
    FixedText<1> Trigger;
    FixedText<1> OutCount;
    std::array<FixedText<3>, 7> OutAddr;  // 1..6 used
    FixedText<16> GrpName;

    bool operator==(const OutGrpRecord&) const = default;
};

struct HistoryRecord {
    FixedText<3> HistSpare;
    FixedText<3> DevNo;
    FixedText<44> EventText;
    FixedText<2> Minute;
    FixedText<2> Hour;
    FixedText<2> Day;
    FixedText<2> Month;
    FixedText<2> Year;

    bool operator==(const HistoryRecord&) const = default;
};

struct SysFlagsRecord {
    FixedText<3> LoopSysStat;
    FixedText<1> ResetWithCod;
    FixedText<1> SilenceWithCod;
    FixedText<1> Slave;
    FixedText<1> LF_NO;
    FixedText<1> Spare;

    bool operator==(const SysFlagsRecord&) const = default;
};

struct SysFlags2Record {
    FixedText<1> DialerANotSys;
    FixedText<1> RlyFltStart;
    FixedText<1> RlyA1NotSys;
    FixedText<1> RlyA2NotSys;
    FixedText<1> RlyA1Silence;
    FixedText<1> DialerFAsAlarm;
    FixedText<1> NightEna;
    FixedText<1> VrstDly;

    bool operator==(const SysFlags2Record&) const = default;
};

struct RemoteUnitsRecord {
    std::array<QString, 3> Panel;  // 1..2 used
    std::array<QString, 3> PS;     // 1..2 used

    bool operator==(const RemoteUnitsRecord&) const = default;
};

struct ProjectDetailsRecord {
    QString Addr, Cont, Tel, Inst, Misc;

    bool operator==(const ProjectDetailsRecord&) const = default;
};

constexpr int MaxAddress = 126;   // size of the device tables (Tessel126)
constexpr int MaxGroups = 32;
constexpr int MaxHistory = 255;
constexpr int MaxGroupsPerInput = 4;   // Grp(1..4) of a device
constexpr int MaxOutputsPerGroup = 6;  // OutAddr(1..6) of a group

// The panel outputs a group may name besides loop addresses.
namespace SpecialOutput {
enum : int { AlarmRelay1 = 201, AlarmRelay2 = 202, DialerAlarm = 205 };
}

// Tables: element 0 exists and holds no data.
extern std::array<DeviceRecord, MaxAddress + 1> DeviceDataArray;
extern std::array<DeviceRecord, MaxAddress + 1> DeviceDataArrayEdit;
extern std::array<OutGrpRecord, MaxGroups + 1> OutGrpArray;
extern std::array<HistoryRecord, MaxHistory + 1> HistoryArray;
extern std::array<QString, MaxHistory + 1> HistoryLines;

// The main card's system settings.
extern FixedText<2> DataSysByte1;
extern SysFlagsRecord SysFlags;
extern SysFlags2Record SysFlags2;
extern FixedText<4> NightStart;
extern FixedText<4> NightFinish;
extern FixedText<2> NumOfSys;
extern RemoteUnitsRecord RemoteUnits;

// Panel identity, read from the panel.
extern QString VerComNum, VerSoftNum, VerHardNum, TechCode;

extern ProjectDetailsRecord ProjectDetails;

// Program-wide variables.
extern int16_t MaxNumOfDevices;
extern FixedText<3> NumOfDevices;
extern int16_t NumOfActiveGroups;
extern bool SmallDisplay;
extern bool AdminMode;
extern QString ProjectFileName;
extern QString ProjectName;
extern QString usrDataPath;
extern QString DefaultDataPath;
extern QString IniFileName;
extern bool ProjectFileOK;
extern bool ProjectLoaded;
extern bool DataChanged;
extern QString ErrLocation;
extern QString CleanName;
extern bool NameCheckQuiet;
extern QString ComPortNum;
extern QString ComSettings;
extern int16_t BaudCode;
extern int16_t HighSens, MediumSens, LowSens;
extern int16_t High2Medium, Medium2Low;
extern int16_t InputAlarmVal, InputPREAlarmVal;
extern int16_t MultiAddrPos;
extern int16_t CurrentRow;
extern int16_t UILanguage;

// Device kinds: Val(ExtType) + Val(BaseType).
namespace DeviceKind {
enum : int {
    SmokeDetector = 5,
    HeatDetector = 6,
    RedCallPoint = 7,
    Output = 9,
    AlarmFaultCard = 10,
    TwoInputCard = 11,
    ConventionalDetector = 12,
    YellowCallPoint = 15,
    Extinguish = 17,
    Relay = 19,
    FourZoneCard = 20,
    LineRelay = 21,
    InputDevice = 23,
    SmokeHeatDetector = 29,
    BeamCard = 30,
};

// One row of the kind table: the codes, whether the device is an input, how many addresses it
// may take, its Hebrew kind name (the same in both interface languages), and its words in the
// language tables (core/languages.h): the device-name label (nullptr for the cards, whose label
// depends on the position), the address-map word and the type word.
struct KindInfo {
    int kind;
    const char* extType;
    const char* baseType;
    bool isInput;
    int maxAddresses;
    const char16_t* hebrewName;
    const QString* label;
    const QString* mapWord;
    const QString* typeWord;
};

// The kind table, the one list of the device kinds; nullptr for a number that is no kind.
const KindInfo* Find(int kind);
const std::array<KindInfo, 15>& All();
}  // namespace DeviceKind

// The kind of a record, Val(ExtType) + Val(BaseType).
int KindOf(const DeviceRecord& r);

// Whether a position (Val(CardAddr)) of a device of a kind that may take one address is the
// single position: 1, or 0, which the original program leaves on every red call point it has sent
// and which a file or a panel may hold for any single device. Both are counted, listed and drawn
// as a single device, and kept as they are. (A four-zone card's parts are 0 to 3: not for it.)
bool IsSinglePosition(long long position);
