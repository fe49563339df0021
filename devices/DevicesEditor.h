#pragma once
// The devices window's model: the working copy of the device table (DeviceDataArrayEdit, shared),
// the window's own copy of the operating groups, what each row shows, and the rules of the rows:
// refresh from the working table, the row mark, deletion with its group links, the name boxes,
// the tools that change names or devices, and the commit or discard on closing. The window shows
// the rows and forwards its events here; the type panel works on the rows through this model.
//
// What a row shows follows from its working record alone (and, for the delete button, from the
// device the record belongs to): a refresh leaves nothing of earlier steps behind. The one state
// of a row that the table does not hold is a name being typed and not yet left.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/DataModel.h"
#include "core/ProjectWhole.h"
#include "devices/DeviceColors.h"
#include "devices/DeviceTools.h"
#include "devices/NamesImport.h"
#include "devices/TypePanel.h"

// What the nine controls of one row show (element i of NumOfLine, ExistDeviceYesNo, EnableDevice,
// FactoryName, InOROut, ColorOfDevice, DeviceSettings, NewName, DisableDevice). The name box's
// text is the user's: the window writes every edit back into nameText.
struct DeviceRow {
    // NumOfLine: the row number.
    QString numberCaption;
    uint32_t numberBack = DeviceColors::LightGrey;
    bool numberBold = false;
    double numberPoints = 9.75;
    // ExistDeviceYesNo: the address holds a device.
    bool exist = false;
    // EnableDevice: puts a device on a free address; on an occupied one, the position marker.
    QString enableCaption;
    bool enableEnabled = false;
    uint32_t enableBack = DeviceColors::LightGrey;
    // FactoryName: display only.
    QString factoryText;
    uint32_t factoryBack = DeviceColors::Grey;
    // InOROut: WordIn or WordOut.
    QString inOutCaption;
    uint32_t inOutBack = DeviceColors::LightGrey;
    // ColorOfDevice: the type's colour.
    uint32_t colorBack = DeviceColors::LightGrey;
    // DeviceSettings.
    QString settingsCaption;
    bool settingsEnabled = false;
    uint32_t settingsBack = DeviceColors::LightGrey;
    // NewName: at most 16 characters, without trailing blanks.
    QString nameText;
    bool nameEnabled = false;
    uint32_t nameBack = DeviceColors::Grey;
    // DisableDevice: its height covers the rows of the device (25 one, 50 two, 100 four); the
    // buttons of the other rows of a device are hidden.
    QString deleteCaption;
    bool deleteEnabled = false;
    uint32_t deleteBack = DeviceColors::LightGrey;
    int deleteHeight = 25;
    bool deleteVisible = true;

    bool operator==(const DeviceRow&) const = default;
};

class DevicesEditor : public TypePanelHost {
public:
    static constexpr int MaxNameLength = 16;

    // The opening's data steps, in their order: the language tables in the current language, the
    // group copy, NameCheckQuiet cleared, the rows built (FormCreate), the working copy taken from
    // DeviceDataArray and every row filled from it.
    void Form_Load();
    // The rows 1..MaxNumOfDevices in their state after creation (the row count is read here).
    void FormCreate();

    // Rows built at the opening: MaxNumOfDevices as it was then.
    int Count() const { return count_; }
    const DeviceRow& Row(int i) const { return rows_.at(size_t(i)); }
    DeviceRow& Row(int i) { return rows_.at(size_t(i)); }
    // The row numbers of the occupied addresses, ascending.
    std::vector<int> OccupiedRows() const;

    // The window's copy of OutGrpArray, groups 1 to 32.
    std::array<OutGrpRecord, MaxGroups + 1> OutGrpArrayEdit{};

    // Label3: "Captured : c / Available : f" over the whole working table.
    const QString& Label3() const { return label3_; }

    // Fills rows first..last from DeviceDataArrayEdit; a free address is emptied and its working
    // record reset. Refreshes Label3. The type panel and the tools call it after they change the
    // working table.
    void FormOrLineCreateFromVaribles(int first, int last);
    // Puts rows first..last into the free state and resets their working records.
    void ResetLineOrAll(int first, int last);
    // Highlights one row (its number red, bold 12 pt, its name box yellow) after resetting all.
    void MarkCurrentLine(int line);
    // The go-to mark: every number label back to its row's colour, then row (when not 0) red.
    void MarkGoToRow(int row);

    // The last address the delete button of row Index removes: the last address of the device in
    // the working table that Index belongs to (never past the last row); Index for a free address.
    int DeleteSpanEnd(int Index) const;
    // Deletes the device of row Index (all its addresses, as the working table holds them) after
    // the two questions; takes its outputs out of the groups' output lists and recounts the
    // triggers of the groups its inputs belonged to. No to the names keeps them for the next
    // device put on those addresses (its type panel starts with the name). Returns the row whose
    // name box takes the focus afterwards (0: the focus stays).
    int DisableDevice_Click(int Index);

    // A name as a box shows it: at most 16 characters, without the blanks that pad it to the
    // record's width.
    static QString BoxName(const QString& name);

    // The name boxes. Leaving a box checks the name: the box and the working record get the cleaned
    // name, marked as set.
    void NewName_LostFocus(int Index);
    void NewName_GotFocus(int Index) { MarkCurrentLine(Index); }
    // Keys in a name box: KeyCode the virtual key code (49..51 digits 1..3 of the main keyboard,
    // 38 up, 40 down), Shift the modifier mask (1 Shift, 2 Ctrl, 4 Alt).
    struct KeyEffect {
        bool handled = false;
        bool textCopied = false;  // the box's text was replaced: the caret goes after it
        int focusRow = 0;         // the name box that takes the focus, 0 none
    };
    KeyEffect NewName_KeyDown(int Index, int KeyCode, int Shift);

    // The tools of the names view. Each stores the names it puts into boxes as typed names.
    // Range fill: new devices on a free range, its rows refreshed.
    DeviceTools::FillOutcome RangeFill(const QString& firstText, const QString& lastText, int type);
    // Delete names: every name box emptied.
    void DeleteNames();
    // Names import: the names of the file's text in the boxes of occupied rows.
    NamesImport::Outcome ImportNames(const QString& text);

    // What the type panel reads and writes of the rows: the name box of an occupied row, or the
    // name kept for a free one; and a refresh of rows first..last.
    QString RowName(int address) const override;
    void SetRowName(int address, const QString& name) override;
    void RefreshRows(int first, int last) override { FormOrLineCreateFromVaribles(first, last); }

    // Closing: asks "Save data ?". Yes commits the working copy (the rows' factory names and
    // names, default names for empty boxes) and the group copy to the project; No empties the
    // working copy; Cancel keeps the window open.
    enum class Close { Stay, Discarded, Committed };
    Close Form_QueryUnload();
    // The commit of Yes alone, with the project's counts recounted; returns the device count.
    int Commit();
    // The name a device with an empty name box is committed with: characters 5 to 15 of its
    // factory name (the label without its "#"), a blank and the address.
    static QString DefaultName(const QString& factoryName, int address);

private:
    QString LabelOfRow(int kind, int position) const;
    void RemoveOutputs(int first, int last);
    void RecountTriggers(int first, int last);
    int NameRowAbove(int Index) const;
    // The device of address a in the working table, cut at the last row.
    ProjectWhole::Span SpanOf(int a) const;
    // Stores a name as a typed one: the box shows it, the working record holds it, marked as set.
    void StoreName(int a, const QString& name);

    int count_ = 0;
    std::array<DeviceRow, MaxAddress + 1> rows_{};
    // Names of deleted devices, kept for their free addresses (No to "Delete name/names ???").
    std::array<QString, MaxAddress + 1> keptNames_{};
    QString label3_;
};
