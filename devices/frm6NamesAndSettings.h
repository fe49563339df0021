#pragma once
// The devices window: one row per loop address on a canvas paged by a scroll bar (the names
// view), the address map, and the panels of the type settings and the address summary. It edits
// the working copy its model holds and commits it when it closes with Yes to "Save data ?".
// Control arrays are vectors indexed by address; element 0 is the hidden template.
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include <QDialog>

#include "platform/AskingDialog.h"

#include "devices/DevicesEditor.h"
#include "devices/HoverInfo.h"
#include "devices/TypePanel.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class ClickLabel;
class RowNameBox;
class TypePanelControls;

class frm6NamesAndSettings : public AskingDialog, private TypePanelHost {
    Q_OBJECT
public:
    // Builds the window and runs its load: it opens on the address map.
    explicit frm6NamesAndSettings(QWidget* parent = nullptr);
    ~frm6NamesAndSettings() override;

    // The window's model: working copy, group copy and row states.
    DevicesEditor& Editor() { return editor_; }

    // Refreshing rows after the working table changed (the type panel and the tools call these):
    // the model's refresh or reset, then the rows on screen.
    void FormOrLineCreateFromVaribles(int first, int last);
    void ResetLineOrAll(int first, int last);
    // Shows every row as the model holds it (only what changed is set on the controls).
    void ShowRows();

    // The type panel (Picture3): its model and its controls.
    TypePanel& TypePanelModel() { return typePanel_; }
    TypePanelControls& TypePanelView() { return *typePanelView_; }

    // Row buttons: enable and settings open the type panel for a new or an existing device.
    void EnableDevice_Click(int Index);
    void DeviceSettings_Click(int Index);
    void DisableDevice_Click(int Index);

    // Name boxes. KeyDown returns true when the key was the window's (it goes no further).
    void NewName_GotFocus(int Index);
    void NewName_LostFocus(int Index);
    bool NewName_KeyDown(int Index, int KeyCode, int Shift);

    // Views: the address map (Command10), the names view (Command11), the address summary
    // (Command9, built with the summary panel); a map cell clicked.
    void Command10_Click();
    void Command11_Click();
    void Command9_Click();
    void Label4_Click(int Index);

    // Paging and go-to.
    void Command4_Click();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    void VScroll1_Change();
    void VScroll1_Scroll();
    void SetPageCaptions();

    // Closing: OK and Cancel both close through "Save data ?".
    void SaveBttn_Click();
    void ExitCmd_Click();

    // The names-import help panel (Command14 shows and hides it) and its button that opens the
    // project folder (Command18).
    void Command14_Click();
    void Command18_Click();

    // Row controls, element a for address a.
    std::vector<QLabel*> NumOfLine;
    std::vector<QCheckBox*> ExistDeviceYesNo;
    std::vector<QPushButton*> EnableDevice;
    std::vector<QLineEdit*> FactoryName;
    std::vector<QLabel*> InOROut;
    std::vector<QLabel*> ColorOfDevice;
    std::vector<QPushButton*> DeviceSettings;
    std::vector<RowNameBox*> NewName;
    std::vector<QPushButton*> DisableDevice;

    // Column headings Text1..Text9 (element 0 unused).
    std::array<QLineEdit*, 10> HeadingBoxes{};

    // Rows: Frame1 holds the viewport Picture9, in which the canvas Picture1 moves.
    QFrame* Frame1 = nullptr;
    QWidget* Picture9 = nullptr;
    QWidget* Picture1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QPushButton *Command4 = nullptr, *Command2 = nullptr, *Command1 = nullptr, *Command3 = nullptr;
    // The address map and its cells (element i the cell of address i while the map is shown).
    QFrame* Picture2 = nullptr;
    std::vector<ClickLabel*> Label4;
    // The type panel and the address summary (filled by their own shares of the window).
    QFrame* Picture3 = nullptr;
    QFrame* Picture4 = nullptr;
    // Lower panels: the names-view tools (go-to box) and the view and closing buttons.
    QFrame* Picture7 = nullptr;
    QFrame* Picture6 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text20 = nullptr;
    QPushButton* Command5 = nullptr;
    std::array<QLabel*, 2> Label11{};
    QLabel* Label3 = nullptr;
    QPushButton *Command9 = nullptr, *Command10 = nullptr, *Command11 = nullptr;
    QPushButton *SaveBttn = nullptr, *ExitCmd = nullptr;
    // The names-import help: its button, its panel with the text and the folder button.
    QPushButton* Command14 = nullptr;
    QFrame* Picture8 = nullptr;
    QLabel* Label18 = nullptr;
    QPushButton* Command18 = nullptr;

protected:
    void reject() override;
    void wheelEvent(QWheelEvent* e) override;

private:
    // frm6NamesAndSettings.cpp
    void BuildControls();
    void Form_Load();
    void SetCaptions();
    bool Form_QueryUnload() override;
    // frm6NamesAndSettings_Rows.cpp
    void FormCreate();
    void BuildRow(int i);
    void ShowRow(int i);
    void MarkCurrentLine(int line);
    void KeepRowInView(int i);
    // frm6NamesAndSettings_Views.cpp
    void BuildMapCells();
    void UnloadMapCells();
    void HideAddressSummary();
    // frm6NamesAndSettings_Paging.cpp
    void SetScrollRange();
    void MoveTo(int value);
    // frm6NamesAndSettings_Panel.cpp: the type panel's and the help panel's controls, and what
    // the type panel needs of the rows.
    void BuildPanels();
    QString RowName(int address) const override;
    void SetRowName(int address, const QString& name) override;
    void RefreshRows(int first, int last) override;

    DevicesEditor editor_;
    TypePanel typePanel_{*this};
    std::unique_ptr<TypePanelControls> typePanelView_;
    // What each row's controls show now; empty until the row is first shown.
    std::vector<std::optional<DeviceRow>> shown_;
    bool rendering_ = false;
    bool inNameCheck_ = false;

    // --- The names-view tools (frm6NamesAndSettings_Tools.cpp), the address summary
    // (frm6NamesAndSettings_Summary.cpp) and the hover strip of the map
    // (frm6NamesAndSettings_Hover.cpp). ---
public:
    // Range fill: first and last address, the type (Option8 0 smoke, 1 red call point, 2 input).
    void Command6_Click();
    // Bulk edits of the analogue smoke detectors, the toggles of their two button groups, and
    // the emptying of every name box.
    void Command19_Click(int Index);
    void Command22_Click(int Index);
    void Command20_Click();
    void Command21_Click();
    void Command8_Click();
    // The names import from "<project>.csv" in the project folder.
    void Command7_Click();
    // The summary's close button.
    void Command17_Click();
    // The pointer over a map cell (X, Y in pixels inside the cell) or over the map's background.
    void Label4_MouseMove(int Index, int X, int Y);
    void Picture2_MouseMove(int X, int Y);

    QLabel* Label2 = nullptr;
    QLineEdit *Text10 = nullptr, *Text11 = nullptr;
    std::array<QRadioButton*, 3> Option8{};
    QPushButton *Command6 = nullptr, *Command7 = nullptr, *Command8 = nullptr;
    QPushButton *Command20 = nullptr, *Command21 = nullptr;
    std::array<QPushButton*, 3> Command19{};
    std::array<QPushButton*, 2> Command22{};
    QLabel *Label16 = nullptr, *Label17 = nullptr;
    // Summary lines: element 0 the heading, 1..11 (inputs) and 1..4 (outputs) while it is open.
    std::vector<QLabel*> Label12, Label13, Label14, Label15;
    QPushButton* Command17 = nullptr;
    QFrame* Shape14 = nullptr;
    // Hover strip: the address switches (element k of Bit0 and Bit1 draws switch k + 1) and the
    // three texts.
    QFrame* picDipSW = nullptr;
    std::array<QLabel*, 8> Bit0{}, Bit1{};
    QLabel* DipSWNumbers = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label8 = nullptr;
    QFrame* Shape6 = nullptr;

private:
    void BuildToolControls();
    void PlaceRangeTypes();
    void BuildSummaryControls();
    void BuildHoverControls();
    void ImportNamesCsv();
    void UnloadSummaryLines();
    void PlaceHoverStrip();
    void ResetHoverStrip();
    void ShowSwitches(const HoverInfo::Switches& s);
    void WatchMapCell(QWidget* cell);
    bool HoverEvent(QObject* watched, QEvent* event);
    QObject* hoverHook_ = nullptr;
    // --- end of the tools, summary and hover strip ---
};
