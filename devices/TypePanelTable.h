#pragma once
// What the type panel offers: the fifteen device types, the settings frames of each type with
// their captions in both languages, and the one mapping between the frames' options and the
// fields of a DeviceRecord, used both to show a stored record and to store the user's choice.
#include <array>
#include <cstdint>
#include <vector>

#include <QString>

#include "core/DataModel.h"

namespace TypePanelTable {

// The two type lists: the input types (the window's Option1, 1 to 11) and the output types
// (Option2, 1 to 4). The numbers are those of the type colours (DeviceColorChoose); the panel's
// own display procedure calls the outputs 0.
enum TypeGroup : int { Inputs = 1, Outputs = 2 };

// The record fields that settings options write.
enum class Field { AlarmValue, DeviceNeedVer, IsNotUseInAlarm, OutBehevior, DlyB4ON, TimeDelayUp2ON, offTypeAfterON, OutOnTimes };
QString Get(const DeviceRecord& r, Field f);
void Set(DeviceRecord& r, Field f, const QString& value);

// A caption in both languages (numbers read the same in both).
struct Caption {
    QString english;
    QString hebrew;
    QString For(int16_t lang) const;  // Hebrew for 1, English otherwise
};

// A value an option stores: fixed text, or the decimal text of a program-wide number (the smoke
// sensitivities, which the main window's administrator boxes set).
struct Value {
    QString text;
    const int16_t* number = nullptr;
    QString ToText() const;
};

// One field an option stores. `unlessSilenced`: not written while silencing is chosen, which
// keeps the output on until silenced whatever its operation time says.
struct Write {
    Field field;
    Value value;
    bool unlessSilenced = false;
};

// How a stored record selects an option.
enum class ReadRule {
    Fields,        // every listed field has the listed value (decimal value compare)
    SmokeLow,      // alarm value above the medium-to-low threshold
    SmokeMedium,   // between the two thresholds, both included
    SmokeHigh,     // below the high-to-medium threshold
    OneAddress,    // Val(CardAddr) <= 1
    TwoAddresses,  // Val(CardAddr) > 1
    Always,
    Never,
};

struct FieldValue {
    Field field;
    int value;
};

struct OptionDef {
    Caption caption;
    ReadRule rule = ReadRule::Fields;
    std::vector<FieldValue> reads{};
    std::vector<Write> writes{};
    uint32_t backColor = 0;  // &HBBGGRR, 0: the frame's usual colour
};

// The settings frames a type may show.
enum class FrameRole {
    Sensitivity,
    Verification,
    Temperature,
    Activation,
    Addresses,         // "1" / "2": two addresses when the next address is free
    AddressesTwoOnly,  // "-" / "2": the two-input card, always two
    AddressesOneOnly,  // "1" / "-": the line relay, always one
    ActivatesAlarm,
    OutputType,
    Delay,
    Silence,
    OperationTime,
    ExtinguishDelay,
};

// The option a stored record selects when it matches no option but holds this value in this
// field: a timed choice whose code the panel does not offer. Option 0: none.
struct Fallback {
    Field field = Field::DlyB4ON;
    int value = 0;
    int option = 0;
};

struct FrameDef {
    FrameRole role;
    Caption caption;
    int defaultOption;  // chosen for a new device
    std::vector<OptionDef> options;
    Fallback fallback{};
};
const FrameDef& Frame(FrameRole role);
bool IsAddressFrame(FrameRole role);

// The note the panel shows under its heading for a detector.
enum class Note { None, SmokeDip, HeatDip };

struct TypeDef {
    TypeGroup group;
    int index;  // 1..11 inputs, 1..4 outputs
    const QString* word;  // the type word of the language tables (the option's caption)
    QString model;        // the device model line
    std::vector<FrameRole> frames;  // frames 1.. in order
    std::vector<Write> fixed;       // written after the frames
    Note note;
    // Shown only when the next address, or the next three, are free.
    bool needsNextFree;
    bool needsNextThreeFree;
    bool adminOnly;
    int kind = 0;  // the device kind of the option (the type colours' table pairs them)
};

// All fifteen, inputs first, in option order.
const std::vector<TypeDef>& Types();
const TypeDef* FindType(TypeGroup group, int index);
// The type of a device kind; nullptr for a number that is no kind the panel offers.
const TypeDef* TypeOfKind(int kind);

// The number of options of frames 1 to 5 for a type (elements 1..5; the rest 0).
std::array<int, 6> OptionCounts(const TypeDef& t);

// Fixed texts of the panel.
extern const Caption HeadingPrefix;  // "Device " before the address
extern const Caption SmokeDipNote, HeatDipNote, FirstOfTwo, SecondOfTwo;
// "Address n from 4 addresses" for part n of a four-zone card.
QString PartOfFour(int part, int16_t lang);

}  // namespace TypePanelTable
