// The type panel's apply: the chosen type and settings into the working table, the further
// records of multi-address devices, the second panel of a new two-address device; the close
// without storing; the previous and next buttons.
#include <algorithm>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "devices/TypePanel.h"

using namespace TypePanelTable;

namespace {

DeviceRecord& Rec(int address) { return DeviceDataArrayEdit[address]; }

// A further part of a device keeps what is its own when the first part is copied over it:
// its name and its links to operating groups.
void CopyPart(const DeviceRecord& first, DeviceRecord& part)
{
    const DeviceRecord own = part;
    part = first;
    part.DeviceName = own.DeviceName;
    part.NameExist = own.NameExist;
    part.NumOfGroups = own.NumOfGroups;
    part.Grp = own.Grp;
    part.WithAlarmGroup = own.WithAlarmGroup;
    part.WithFaultGroup = own.WithFaultGroup;
}

// The second address of a two-address device, by the device's kind. A two-address
// extinguish device's second address is an output.
struct Companion {
    int kind;
    const char* deviceIsIn;
    const char* extType;
    const char* baseType;
};
constexpr Companion kCompanions[] = {
    {DeviceKind::Output, "0", "08", "1"},       {DeviceKind::AlarmFaultCard, "1", "08", "2"},
    {DeviceKind::TwoInputCard, "1", "08", "3"}, {DeviceKind::Extinguish, "0", "08", "1"},
    {DeviceKind::Relay, "0", "16", "3"},
};

}  // namespace

bool TypePanel::TwoAddressChoice() const
{
    for (int f = 1; f <= 5; ++f)
        if (frames_[f].def && IsAddressFrame(frames_[f].def->role)) return Selected(f, 2);
    return false;
}

void TypePanel::OptionsToDeviceRecord()
{
    const int addr = panelAddress_;
    DeviceRecord& r = Rec(addr);
    r.Address = ZeroPad(addr, 3);
    r.Exist = "1";
    if (chosen_) r.DeviceIsIn = chosen_->group == TypePanelTable::Inputs ? "1" : "0";
    if (!panelExisting_) {
        r.DeviceNeedVer = "0", r.OutBehevior = "00", r.offTypeAfterON = "0", r.IsNotUseInAlarm = "0";
        r.WithAlarmGroup = "0", r.WithFaultGroup = "0", r.DlyB4ON = "0", r.CardAddr = "01";
        r.OutOnTimes = "0", r.TimeDelayUp2ON = "0";
        const bool input = r.DeviceIsIn == "1";
        r.AlarmValue = input ? Str(InputAlarmVal) : QStringLiteral("99");
        r.PreAlarmValue = input ? Str(InputPREAlarmVal) : QStringLiteral("99");
    }
    twoAddresses_ = false;
    if (!chosen_) return;
    const DeviceKind::KindInfo* info = DeviceKind::Find(chosen_->kind);
    r.ExtType = info->extType;
    r.BaseType = info->baseType;
    // Each frame stores its chosen option; a frame with nothing chosen leaves its fields alone.
    const bool silenced = Selected(FrameOf(FrameRole::Silence), 2);
    for (int f = 1; f <= 5; ++f) {
        if (!frames_[f].def) continue;
        for (size_t k = 0; k < frames_[f].options.size(); ++k) {
            if (!frames_[f].options[k].selected) continue;
            for (const Write& w : frames_[f].def->options[k].writes)
                if (!(w.unlessSilenced && silenced)) Set(r, w.field, w.value.ToText());
        }
    }
    for (const Write& w : chosen_->fixed) Set(r, w.field, w.value.ToText());

    using namespace DeviceKind;
    const int kind = chosen_->kind;
    const bool two = TwoAddressChoice();
    const bool room = addr < MaxNumOfDevices;
    if (two && (kind == Output || kind == Extinguish || kind == Relay || kind == TwoInputCard)) {
        if (IsSecondOfPrevious(addr)) {
            r.CardAddr = "03";
        } else if (room || panelExisting_) {
            r.CardAddr = "02";
            twoAddresses_ = !panelExisting_;
        }
    }
    if (kind == AlarmFaultCard && two && room && !IsSecondOfPrevious(addr)) {
        DeviceRecord& second = Rec(addr + 1);
        CopyPart(r, second);
        r.CardAddr = "02";
        second.CardAddr = "03";
        second.IsNotUseInAlarm = "0";
        second.Address = ZeroPad(addr + 1, 3);
        twoAddresses_ = true;
    }
    if (kind == FourZoneCard) {
        // The card is stored from its first address, whichever part the panel was opened on.
        const long long part = ValInt(r.CardAddr);
        int first = addr;
        if ((part == 1 && addr + 2 <= MaxNumOfDevices && ValInt(Rec(addr + 2).CardAddr) == 3) || part == 2 || part == 3)
            first = addr - int(part);
        if (first < 1 || first + 3 > MaxNumOfDevices) return;
        panelAddress_ = first;
        for (int i = 0; i <= 3; ++i) {
            DeviceRecord& p = Rec(first + i);
            if (i > 0) {
                const FixedText<1> ownUse = p.IsNotUseInAlarm;
                CopyPart(Rec(first), p);
                p.IsNotUseInAlarm = ownUse;
            }
            p.CardAddr = ZeroPad(i, 2);
            p.Address = ZeroPad(first + i, 3);
        }
    }
}

void TypePanel::WriteCompanion(int a, int kind)
{
    DeviceRecord& c = Rec(a);
    c.Address = ZeroPad(a, 3);
    c.Exist = "1";
    c.DeviceNeedVer = "0", c.OutBehevior = "00", c.offTypeAfterON = "0", c.IsNotUseInAlarm = "0";
    // The second part of a device already in place keeps its own group links.
    if (!panelExisting_) c.WithAlarmGroup = "0", c.WithFaultGroup = "0";
    c.DlyB4ON = "0", c.CardAddr = "03", c.OutOnTimes = "0", c.TimeDelayUp2ON = "0";
    for (const Companion& k : kCompanions) {
        if (k.kind != kind) continue;
        c.DeviceIsIn = k.deviceIsIn;
        c.ExtType = k.extType;
        c.BaseType = k.baseType;
        const bool input = c.DeviceIsIn == "1";
        c.AlarmValue = input ? Str(InputAlarmVal) : QStringLiteral("99");
        c.PreAlarmValue = input ? Str(InputPREAlarmVal) : QStringLiteral("99");
    }
}

void TypePanel::Unload()
{
    shown_ = false;
    inputs_ = {};
    outputs_ = {};
    chosen_ = nullptr;
    frames_ = {};
    optionCount_ = {};
}

void TypePanel::Apply()
{
    if (!shown_) return;
    if (!nameChecked_) CheckName();
    nextAddrFree_ = next3AddrFree_ = false;
    pendingFirst_ = 0;
    const int opened = panelAddress_;
    OptionsToDeviceRecord();
    const int addr = panelAddress_;
    const int kind = KindOf(Rec(addr));
    const bool second = twoAddresses_ && addr < MaxNumOfDevices;
    if (second) WriteCompanion(addr + 1, kind);
    Unload();
    int last = addr;
    if (kind == DeviceKind::FourZoneCard) last = std::min(addr + 3, int(MaxNumOfDevices));
    else if (second) last = addr + 1;
    const QString nameBefore = host_.RowName(opened);
    const QString secondNameBefore = second ? host_.RowName(addr + 1) : QString();
    host_.RefreshRows(addr, last);
    host_.SetRowName(opened, name_);
    // The second address of a new output, extinguish, relay or two-input card gets its own panel.
    if (second && kind != DeviceKind::AlarmFaultCard) {
        DeviceSettings(addr + 1);
        name_ = secondNameBefore.left(16);
        pendingFirst_ = addr;
        pendingNames_ = {nameBefore, secondNameBefore};
    }
}

void TypePanel::Cancel()
{
    if (!shown_) return;
    nextAddrFree_ = next3AddrFree_ = false;
    Unload();
    if (!pendingFirst_) return;
    // Cancelling the second panel takes back the whole new device.
    const int first = pendingFirst_;
    pendingFirst_ = 0;
    ResetModule::ResetDevices(first, first + 1, 2);
    host_.RefreshRows(first, first + 1);
    host_.SetRowName(first, pendingNames_[0]);
    host_.SetRowName(first + 1, pendingNames_[1]);
}

void TypePanel::CloseWithWindow() { Cancel(); }

void TypePanel::Previous() { Step(-1); }
void TypePanel::Next() { Step(+1); }

void TypePanel::Step(int direction)
{
    if (!shown_ || !panelExisting_) return;
    const int last = MaxNumOfDevices;
    for (int a = panelAddress_ + direction; a >= 1 && a <= last; a += direction) {
        if (Rec(a).Exist != "1" || !Configurable(KindOf(Rec(a)))) continue;
        Apply();
        if (!shown_) DeviceSettings(a);
        return;
    }
}
