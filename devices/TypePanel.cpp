// The type panel's display: opening, type choice, settings frames, their selections from the
// working record or the defaults, the notes and the interlocks.
#include "devices/TypePanel.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/Usefull.h"

using namespace TypePanelTable;

namespace {

bool Occupied(int address) { return DeviceDataArrayEdit[address].Exist == "1"; }

bool Matches(const OptionDef& o, const DeviceRecord& r)
{
    const long long alarm = ValInt(r.AlarmValue);
    switch (o.rule) {
    case ReadRule::SmokeLow: return alarm > Medium2Low;
    case ReadRule::SmokeMedium: return alarm >= High2Medium && alarm <= Medium2Low;
    case ReadRule::SmokeHigh: return alarm < High2Medium;
    case ReadRule::OneAddress: return ValInt(r.CardAddr) <= 1;
    case ReadRule::TwoAddresses: return ValInt(r.CardAddr) > 1;
    case ReadRule::Always: return true;
    case ReadRule::Never: return false;
    case ReadRule::Fields: break;
    }
    if (o.reads.empty()) return false;
    for (const FieldValue& fv : o.reads)
        if (Val(Get(r, fv.field)) != fv.value) return false;
    return true;
}

// The option a stored record selects, else the frame's fallback; 0 when its value matches
// neither, so nothing is chosen and an apply leaves the stored value alone.
int ReadOption(const FrameDef& d, const DeviceRecord& r)
{
    for (size_t i = 0; i < d.options.size(); ++i)
        if (Matches(d.options[i], r)) return int(i) + 1;
    const Fallback& f = d.fallback;
    return f.option && Val(Get(r, f.field)) == f.value ? f.option : 0;
}

}  // namespace

bool TypePanel::Configurable(int kind)
{
    using namespace DeviceKind;
    return kind == SmokeDetector || kind == HeatDetector || kind == InputDevice || kind == Output || kind == Extinguish
           || kind == Relay;
}

const TypeOptionState& TypePanel::TypeOption(TypeGroup group, int index) const
{
    static const TypeOptionState none{false, false, TypeBack::Grey};
    if (group == TypePanelTable::Inputs && index >= 1 && index <= 11) return inputs_[index];
    if (group == TypePanelTable::Outputs && index >= 1 && index <= 4) return outputs_[index];
    return none;
}

const SettingsFrameState& TypePanel::Frame(int frame) const
{
    static const SettingsFrameState none;
    return frame >= 1 && frame <= 5 ? frames_[frame] : none;
}

void TypePanel::Open(int address, bool existing)
{
    shown_ = true;
    panelAddress_ = address;
    panelExisting_ = existing;
    smokeHeatSwitch_ = false;
    optionCount_ = {};
    chosen_ = nullptr;
    frames_ = {};
    heading_.clear();
    model_.clear();
    note_.clear();
    inputs_ = {};
    outputs_ = {};
    nameChecked_ = true;
}

void TypePanel::EnableDevice(int address)
{
    if (shown_ || address < 1 || address > MaxNumOfDevices || Occupied(address)) return;
    Open(address, false);
    name_.clear();
    nextAddrFree_ = address < MaxNumOfDevices && !Occupied(address + 1);
    next3AddrFree_ = address < MaxNumOfDevices - 2 && !Occupied(address + 1) && !Occupied(address + 2) && !Occupied(address + 3);
    for (const TypeDef& t : Types()) {
        TypeOptionState& o = t.group == TypePanelTable::Inputs ? inputs_[t.index] : outputs_[t.index];
        o.whiteText = t.group == TypePanelTable::Outputs;
        o.enabled = !(t.needsNextFree && !nextAddrFree_) && !(t.needsNextThreeFree && !next3AddrFree_) && !(t.adminOnly && !AdminMode);
        o.faded = !o.enabled;
    }
    ChooseTypeOption(TypePanelTable::Inputs, 1);
}

void TypePanel::DeviceSettings(int address)
{
    if (shown_ || address < 1 || address > MaxNumOfDevices || !Occupied(address)) return;
    Open(address, true);
    for (TypeOptionState& o : inputs_) o = {false, false, TypeBack::White, false};
    for (TypeOptionState& o : outputs_) o = {false, false, TypeBack::White, false};
    const TypeDef* t = TypeOfKind(KindOf(DeviceDataArrayEdit[address]));
    if (t) ChooseTypeOption(t->group, t->index);
    for (TypeOptionState& o : inputs_) o.enabled = false, o.whiteText = false, o.back = o.chosen ? TypeBack::White : TypeBack::Grey;
    for (TypeOptionState& o : outputs_) o.enabled = false, o.whiteText = false, o.back = o.chosen ? TypeBack::White : TypeBack::Grey;
    // An analogue smoke or heat detector may be switched to the other of the two.
    if (t && (t->kind == DeviceKind::SmokeDetector || t->kind == DeviceKind::HeatDetector)) {
        for (int i = 1; i <= 2; ++i) inputs_[i].back = TypeBack::TypeColour, inputs_[i].enabled = true;
        smokeHeatSwitch_ = true;
    }
    name_ = host_.RowName(address).left(16);
}

void TypePanel::ChooseType(TypeGroup group, int index)
{
    if (TypeOption(group, index).enabled) ChooseTypeOption(group, index);
}

void TypePanel::ChooseTypeOption(TypeGroup group, int index)
{
    const TypeDef* t = FindType(group, index);
    if (!shown_ || !t || t == chosen_) return;
    chosen_ = t;
    heading_ = HeadingPrefix.For(UILanguage) + Str(panelAddress_) + QStringLiteral(" - ") + *t->word;
    // Switching a detector between smoke and heat leaves the output types as the existing
    // device's panel shows them: grey with black captions.
    for (int k = 1; k <= 4; ++k) {
        TypeOptionState& o = outputs_[k];
        o.chosen = false, o.bold = false, o.fontSize = 12;
        if (!smokeHeatSwitch_) o.back = TypeBack::TypeColour, o.whiteText = true;
    }
    for (int k = 1; k <= 11; ++k) {
        TypeOptionState& o = inputs_[k];
        o.chosen = false, o.bold = false, o.fontSize = 12;
        if (!smokeHeatSwitch_ || k <= 2 || group == TypePanelTable::Outputs) o.back = TypeBack::TypeColour;
    }
    TypeOptionState& c = group == TypePanelTable::Inputs ? inputs_[index] : outputs_[index];
    c.chosen = true, c.bold = true, c.back = TypeBack::White;
    c.fontSize = group == TypePanelTable::Inputs ? 16 : 20;
    if (group == TypePanelTable::Outputs) c.whiteText = false;
    if (ValInt(DeviceDataArrayEdit[panelAddress_].Exist) == 0) name_.clear();
    const QString row = host_.RowName(panelAddress_);
    if (!row.isEmpty()) name_ = row.left(16);
    ShowDeviceSettings(*t);
}

void TypePanel::ShowDeviceSettings(const TypeDef& t)
{
    const int16_t lang = UILanguage;
    frames_ = {};
    PositionNote(0);
    model_ = t.model;
    const std::array<int, 6> counts = OptionCounts(t);  // SetFrameOptionCounts
    for (size_t i = 0; i < t.frames.size(); ++i) {       // ShowSettingsFrame
        SettingsFrameState& f = frames_[i + 1];
        f.def = &TypePanelTable::Frame(t.frames[i]);
        f.caption = f.def->caption.For(lang);
        for (int k = 0; k < counts[i + 1]; ++k) {
            const OptionDef& o = f.def->options[size_t(k)];
            f.options.push_back({o.caption.For(lang), true, false, o.backColor});
        }
    }
    // An existing device's record gives the choices, also after a switch between smoke and
    // heat; a new device starts at the defaults, and so does a heat display after the first.
    const DeviceRecord& r = DeviceDataArrayEdit[panelAddress_];
    const bool fromRecord = panelExisting_ && !(t.kind == DeviceKind::HeatDetector && smokeHeatSwitch_);
    for (size_t i = 0; i < t.frames.size(); ++i) {
        const int f = int(i) + 1;
        const FrameDef& d = *frames_[f].def;
        const int k = fromRecord ? ReadOption(d, r) : d.defaultOption;
        if (k) Select(f, k);
        if (d.role == FrameRole::Addresses) SetFrameEnabled(f, !panelExisting_ && nextAddrFree_);
        else if (IsAddressFrame(d.role)) SetFrameEnabled(f, false);
    }
    if (t.note == Note::SmokeDip) note_ = SmokeDipNote.For(lang);
    if (t.note == Note::HeatDip) note_ = HeatDipNote.For(lang);
    optionCount_ = counts;
}

int TypePanel::FrameOf(FrameRole role) const
{
    for (int f = 1; f <= 5; ++f)
        if (frames_[f].def && frames_[f].def->role == role) return f;
    return 0;
}

bool TypePanel::Selected(int frame, int option) const
{
    const auto& o = Frame(frame).options;
    return option >= 1 && option <= int(o.size()) && o[size_t(option - 1)].selected;
}

void TypePanel::SetFrameEnabled(int frame, bool enabled)
{
    for (SettingOptionState& o : frames_[frame].options) o.enabled = enabled;
}

void TypePanel::ChooseSetting(int frame, int option)
{
    const auto& o = Frame(frame).options;
    if (shown_ && option >= 1 && option <= int(o.size()) && o[size_t(option - 1)].enabled) Select(frame, option);
}

void TypePanel::Select(int frame, int option)
{
    if (frame < 1 || frame > 5) return;
    auto& opts = frames_[frame].options;
    if (option < 1 || option > int(opts.size()) || opts[size_t(option - 1)].selected) return;
    for (size_t i = 0; i < opts.size(); ++i) opts[i].selected = int(i) == option - 1;
    // Any choice in the first frame runs the position note, which first clears the note: a
    // detector's switch note goes once its sensitivity or temperature is chosen.
    const FrameRole role = frames_[frame].def->role;
    if (frame == 1) PositionNote(option);
    else if (role == FrameRole::OutputType) OutputTypeInterlock(option);
    else if (role == FrameRole::Silence) SilenceInterlock(option);
}

// The note on this address's place in a multi-address device.
void TypePanel::PositionNote(int option)
{
    note_.clear();
    if (!chosen_) return;
    const int16_t lang = UILanguage;
    using namespace DeviceKind;
    const int kind = chosen_->kind;
    if ((kind == AlarmFaultCard || kind == TwoInputCard || kind == Output || kind == Extinguish || kind == Relay) && option == 2)
        note_ = (IsSecondOfPrevious(panelAddress_) ? SecondOfTwo : FirstOfTwo).For(lang);
    const long long part = ValInt(DeviceDataArrayEdit[panelAddress_].CardAddr);
    if (kind == FourZoneCard && panelExisting_ && part >= 0 && part <= 3) note_ = PartOfFour(int(part) + 1, lang);
}

// General fault and general alarm outputs switch on at once and stay on until reset.
void TypePanel::OutputTypeInterlock(int option)
{
    const int delay = FrameOf(FrameRole::Delay), time = FrameOf(FrameRole::OperationTime);
    if (option == 2 || option == 3) {
        SetFrameEnabled(delay, false);
        SetFrameEnabled(time, false);
        Select(delay, 1);
        Select(time, 1);
    } else if (option == 1) {
        SetFrameEnabled(delay, true);
        if (!Selected(FrameOf(FrameRole::Silence), 2)) SetFrameEnabled(time, true);
    }
}

// A silenced output stays on until silenced: no operation time.
void TypePanel::SilenceInterlock(int option)
{
    const int time = FrameOf(FrameRole::OperationTime);
    const int type = FrameOf(FrameRole::OutputType);
    if (option == 1) {
        const bool general = Selected(type, 2) || Selected(type, 3);
        if (general)
            for (SettingOptionState& o : frames_[time].options) o.selected = false;
        SetFrameEnabled(time, !general);
        Select(time, 1);
    } else if (option == 2) {
        for (SettingOptionState& o : frames_[time].options) o.selected = false;
        SetFrameEnabled(time, false);
        Select(time, 1);
    }
}

// True when the address is the second of the occupied two-address device before it. A new
// device always starts at its own address.
bool TypePanel::IsSecondOfPrevious(int address) const
{
    return panelExisting_ && address > 1 && Occupied(address - 1) && ValInt(DeviceDataArrayEdit[address - 1].CardAddr) == 2;
}

void TypePanel::SetName(const QString& text)
{
    name_ = text.left(16);
    nameChecked_ = false;
}

void TypePanel::CheckName()
{
    bool valid = false;
    const QString kept = Usefull::KeptName(name_, &valid);
    // Unlike a row's box, the panel's box keeps nothing of a refused name: it empties.
    name_ = valid ? kept : QString();
    nameChecked_ = true;
}
