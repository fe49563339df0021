#pragma once
// The devices window's type panel without its widgets: which types it offers for an address,
// the settings it shows for the chosen type (from the working record or a new device's
// defaults), the interlocks between settings, and the storing of the choice into the working
// table DeviceDataArrayEdit with the further records of a multi-address device. The window
// builds the controls from this state and forwards the user's clicks.
#include <array>
#include <cstdint>
#include <vector>

#include <QString>

#include "devices/TypePanelTable.h"

// What the panel needs of the window around it.
class TypePanelHost {
public:
    virtual ~TypePanelHost() = default;
    // The name of an address: the text of its row's name box (NewName), or for a free address the
    // name kept there for the next device; setting it on an occupied row stores it as typed.
    virtual QString RowName(int address) const = 0;
    virtual void SetRowName(int address, const QString& name) = 0;
    // Rows first..last show the working table again (and the captured/available count).
    virtual void RefreshRows(int first, int last) = 0;
};

// Background of a type option: its type colour (DeviceColorChoose), white, or grey &HC0C0C0.
enum class TypeBack { TypeColour, White, Grey };

struct TypeOptionState {
    bool enabled = true;
    bool chosen = false;
    TypeBack back = TypeBack::TypeColour;
    bool whiteText = false;
    // A type not offered for a new device: drawn faded, its caption grey. An existing device's
    // types, which are disabled too, show their colours as they are.
    bool faded = false;
    bool bold = false;
    int fontSize = 12;
};

struct SettingOptionState {
    QString caption;
    bool enabled = true;
    bool selected = false;
    uint32_t backColor = 0;  // &HBBGGRR; 0: the frame's own colour
};

struct SettingsFrameState {
    const TypePanelTable::FrameDef* def = nullptr;  // nullptr: the frame is not in use
    QString caption;
    std::vector<SettingOptionState> options;  // options 1..n at 0..n-1
};

class TypePanel {
public:
    using TypeGroup = TypePanelTable::TypeGroup;

    explicit TypePanel(TypePanelHost& host) : host_(host) {}

    // Opening for a free address (the row's enable button, EnableDevice_Click) and for an
    // occupied one (its settings button, DeviceSettings_Click). Either does nothing while the
    // panel is shown.
    void EnableDevice(int address);
    void DeviceSettings(int address);

    // A type option chosen by the user (Option1_Click for the inputs, Option2_Click for the
    // outputs). Choosing the option already chosen, or a disabled one, does nothing.
    void ChooseType(TypeGroup group, int index);
    // Option `option` (1..n) of settings frame `frame` (1..5; the window's Option3..Option7)
    // chosen by the user. Choosing the option already chosen, or a disabled one, does nothing.
    void ChooseSetting(int frame, int option);

    // The panel's name box (Text12): typed text, at most 16 characters, and its check when the
    // box is left or the panel applied: a valid name is replaced by its cleaned form, a refused
    // one empties the box.
    void SetName(const QString& text);
    void CheckName();

    // OK (Command12_Click): stores the panel into the working table and closes it; the first
    // address of a new two-address output, extinguish, relay or two-input card then opens the
    // panel at once on its second address.
    void Apply();
    // Cancel (Command13_Click): closes the panel without storing. On the second panel of a new
    // two-address device it removes that whole device, so no half-made device remains.
    void Cancel();
    // Previous and next configurable device (Command16_Click, Command15_Click): apply, then open
    // the panel on the nearest occupied smoke, heat, input, output, extinguish or relay address
    // before or after this one; nothing when there is none.
    void Previous();
    void Next();
    // The window closes while the panel is shown: the panel is resolved as Cancel first.
    void CloseWithWindow();

    // State. The names are those of the type panel's own opening; the panel's settings
    // procedures call them CurAddr, EditExisting, PanelNextFree, PanelNextThreeFree and
    // FrameOptionCount/LoadedOptionCount.
    bool Shown() const { return shown_; }
    int PanelAddress() const { return panelAddress_; }
    bool PanelExisting() const { return panelExisting_; }
    bool SmokeHeatSwitch() const { return smokeHeatSwitch_; }
    bool NextAddrFree() const { return nextAddrFree_; }
    bool Next3AddrFree() const { return next3AddrFree_; }
    // Option3Count..Option7Count: options created in frames 1..5.
    int OptionCount(int frame) const { return frame >= 1 && frame <= 5 ? optionCount_[frame] : 0; }
    // True while this panel is the second address of a new two-address device.
    bool SecondPanelPending() const { return pendingFirst_ != 0; }

    const TypeOptionState& TypeOption(TypeGroup group, int index) const;
    const TypePanelTable::TypeDef* ChosenType() const { return chosen_; }
    const SettingsFrameState& Frame(int frame) const;  // 1..5
    QString Heading() const { return heading_; }       // Label9
    QString ModelLine() const { return model_; }       // Label19
    QString Note() const { return note_; }             // Label10
    QString Name() const { return name_; }             // Text12
    bool StepButtonsShown() const { return shown_ && panelExisting_; }  // Command16, Command15

    // A configurable device, one the previous/next buttons stop at.
    static bool Configurable(int kind);

private:
    void Open(int address, bool existing);
    void ChooseTypeOption(TypeGroup group, int index);
    void ShowDeviceSettings(const TypePanelTable::TypeDef& t);
    int FrameOf(TypePanelTable::FrameRole role) const;
    bool Selected(int frame, int option) const;
    void Select(int frame, int option);
    void SetFrameEnabled(int frame, bool enabled);
    void PositionNote(int option);
    void OutputTypeInterlock(int option);
    void SilenceInterlock(int option);
    bool IsSecondOfPrevious(int address) const;
    bool TwoAddressChoice() const;
    void OptionsToDeviceRecord();
    void WriteCompanion(int address, int kind);
    void Unload();
    void Step(int direction);

    TypePanelHost& host_;
    bool shown_ = false;
    int panelAddress_ = 0;
    bool panelExisting_ = false;
    bool smokeHeatSwitch_ = false;
    bool nextAddrFree_ = false;
    bool next3AddrFree_ = false;
    bool twoAddresses_ = false;  // the apply wrote a device whose second address needs a panel
    std::array<int, 6> optionCount_{};
    std::array<TypeOptionState, 12> inputs_{};  // 1..11
    std::array<TypeOptionState, 5> outputs_{};  // 1..4
    const TypePanelTable::TypeDef* chosen_ = nullptr;
    std::array<SettingsFrameState, 6> frames_{};  // 1..5
    QString heading_, model_, note_, name_;
    bool nameChecked_ = true;
    int pendingFirst_ = 0;  // first address of the new two-address device whose second panel is open
    std::array<QString, 2> pendingNames_;  // the device's two name boxes before it was stored
};
