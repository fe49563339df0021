#pragma once
// The main window: the hub of the program's work. It shows the project's name, details and
// counts, opens the editors and the reports, saves the project and returns to the start dialog
// when it closes. Controls are members under the names the other windows and the panel link use;
// control arrays are indexed as the program indexes them (LnguageLbl 1 and 2, Picture10 0..6).
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QDialog>

#include "platform/AskingDialog.h"
#include <QString>

#include "panellink/PanelView.h"
#include "platform/PortCatalog.h"
#include "platform/SComm.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class ClickLabel;
class ColumnLabel;
class CSetting;
class InputBlocker;
class PanelOperations;

// The window is the panel operations' view: they show their progress, texts and colours on it.
class frm4Main : public AskingDialog, public PanelView {
    Q_OBJECT
public:
    // Builds the window and runs its load: the project file is read when one was opened.
    explicit frm4Main(QWidget* parent = nullptr);
    ~frm4Main() override;

    // The main window while it exists (the editors write its count labels), else nullptr.
    static frm4Main* Current();

    // Where the port search finds the machine's serial ports (PortCatalog::Scan unless a test
    // gives another source; nullptr restores it). Read afresh at every search. Returns the
    // source it replaces.
    using PortCatalogSource = std::function<PortCatalog()>;
    static PortCatalogSource SetPortCatalogSource(PortCatalogSource source);
    // Makes the serial control of each new window (SerialSComm unless a test gives another
    // maker; nullptr restores it). Returns the maker it replaces.
    using SerialPortMaker = std::function<std::unique_ptr<SComm>()>;
    static SerialPortMaker SetSerialPortMaker(SerialPortMaker maker);

    // Project file. FileSave writes the project (true when the file was written); FileOpen1 reads
    // it (run by the load).
    bool FileSave();
    void FileOpen1();
    void FileSaveAs();
    // While set, FileSave shows no success message; every FileSave clears it.
    bool QuietSave = false;

    // Window size in twips (the layout switches change it).
    int WidthTwips() const { return widthTwips_; }
    int HeightTwips() const { return heightTwips_; }
    void SetWidthTwips(int twips);
    void SetHeightTwips(int twips);

    // Handlers, as the controls and the other windows run them.
    void SysSetBttn_Click();
    void DevicesSetBttn_Click();
    void GroupsSetBttn_Click();
    void NewListCmd_Click();
    void Command12_Click();
    void Command3_Click();
    void Command6_Click();
    void LnguageLbl_Click(int Index);
    void UpDateCmd_Click();
    void Command4_Click();
    void DefaultFolderLocation_Click();
    void ProgFolderBttn_Click();
    void ExitBttn_Click();
    void BigOrSmallDisplay_Click(int Index);
    void MaxMinAdminWindow_Click();
    void Command5_Click();
    void Timer2_Timer();

    // Administrator area (frm4Main_Admin.cpp): the access sequence, the tabs and the tools.
    void Label24_Click();
    void Command2_Click();
    void AdminLbl_Click(int Index);
    void Label37_DblClick();
    void Command13_Click();
    void Command16_Click();
    void Command15_Click();
    void Command14_Click();
    void Command8_Click();
    void DefaultSensitivity_Click();
    void SensLbl_DblClick(int Index);
    void Command7_Click();
    void Timer1_Timer();
    void Timer3_Timer() {}
    void FillAdminDeviceList();
    // Shows what the panel link left for the window (LinkView): the identity boxes, the
    // verification list and its button, and the blinking of that button.
    void ShowLinkView() override;

    // Panel operations (frm4Main_Panel.cpp): each runs to its end inside its click; while one
    // runs the window is disabled and no other starts.
    void Upload2Sys_Click();
    void Download2PC_Click();
    void HISTORY_A_Click();
    void ClckSnd_Click();
    // The link-timing presets 9.6K, 38.4K and 57.6K.
    void DefaultValues4Delays_Click();
    void Command9_Click();
    void Command10_Click();
    // The single-step buttons of the "SET" and "GET" tabs.
    void GET_DATA_SYS_Click();
    void GET_SUB_DATA_Click();
    void GET_DEVICE_DATA_Click();
    void GET_DEVICE_NAME_Click();
    void GET_OUT_GRP_Click();
    void GET_HISTORY_A_Click();
    void SET_TIME_Click();
    void SET_BAUD_RATE_Click();
    void SET_DATA_SYS_Click();
    void SET_SUB_DATA_Click();
    void SET_DEVICE_DATA_Click();
    void SET_DEVICE_NAME_Click();
    void SET_OUT_GRP_Click();
    // The operations the buttons run, on this window's port and timing.
    PanelOperations& Operations() { return *panelOps_; }
    // The link's timing, kept equal to the boxes TimeDelay, FullStr and FullStr2.
    LinkTiming& Timing() { return linkTiming_; }

    // PanelView: what the operations show on the window.
    void SetStatBar(int value) override;
    void SetActivMsgLbl(const QString& text) override;
    void SetTransferIndicator(uint32_t colour) override;
    // While an operation runs the window takes no input but keeps its colours (nothing greys
    // out, so the progress, the status texts and the transfer indicator stay readable).
    void SetWindowEnabled(bool enabled) override;
    bool TakesInput() const;
    void SetModelCaptions(const QString& command13, const QString& windowCaption) override;
    void SetLabel4(const QString& text) override;
    void SetLabel16(const QString& text) override;
    void SetText2(const QString& text) override;
    bool FastSelected() const override;
    void ShowPresetInUse(int baud) override;
    void ShowTiming(const LinkTiming& timing) override;
    void SaveProjectQuietly() override;
    void StartHistoryBlink() override;

    // Address check (frm4Main_AddrCheck.cpp).
    void Command1_Click();
    void DipSW2Address(int Index);

    // Serial port choice (frm4Main_Port.cpp).
    void FindMyCOM_Click();
    void ComNumCmbo_Click(int listIndex);
    void DeviceMngrOpen_Click();
    void ComSettings_Click();
    void CloseComSet_Click();
    void ManualDelays_Click(int Index);
    void Option1_Click(int Index);
    void Command11_Click();
    // Open the chosen port with ComSettings for a transfer step / close it (CommPort := ComPortNum).
    bool setPortOpen();
    void setPortClose();
    void Picture1_Click() {}
    void Picture2_Click() {}

    // Project details and counts.
    QLabel* Label1;
    QLabel* Label26;
    QLineEdit* siteNameTxt;
    QPushButton* Command4;
    QLabel *Label27, *Label28, *Label29, *Label30, *Label31;
    QLineEdit *ProjectAddr, *ProjectContact, *ProjectContactTel, *ProjectInstallDate, *ProjectMiscellaneousness;
    QLabel *Label3, *Label4, *Label17, *Label16;

    // Editors.
    QPushButton *SysSetBttn, *DevicesSetBttn, *GroupsSetBttn;
    QLabel *LabelSysSetBttn, *ExtLabelSysSetBttn, *LabelDevicesSetBttn, *ExtLabelDevicesSetBttn,
        *LabelGroupsSetBttn, *ExtLabelGroupsSetBttn;

    // Reports and folders.
    QLabel* Label34;
    QPushButton *NewListCmd, *Command12, *Command3, *Command6;
    QPushButton *ProgFolderBttn, *DefaultFolderLocation;

    // Panel operations and serial settings (the panel link wires them).
    QLabel* Label32;
    QPushButton *Upload2Sys, *Download2PC, *HISTORY_A, *ClckSnd;
    // The coloured area behind them: light red during an upload, light green during a
    // download, light grey otherwise.
    QFrame* TransferIndicator;
    QLabel *Label14, *Label13, *Label15;
    QComboBox* ComNumCmbo;
    // (The button ComSettings hides the shared settings text of that name: use ::ComSettings.)
    QPushButton *FindMyCOM, *DeviceMngrOpen, *ComSettings, *CloseComSet;
    QFrame* Picture2;  // the COM settings panel

    // Address check: the address box, the compute button and the eight switches, switch i
    // (0..7) drawn as its ON half Bit1(i) over its OFF half Bit0(i), inside picDipSW.
    QLabel *Label8, *Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
    QFrame* picDipSW;
    std::vector<ClickLabel*> Bit1, Bit0;
    std::vector<QLabel*> DipSWNumbers;
    QLabel* Label7;
    ColumnLabel* Label18;  // the weights, each under its switch

    // The serial control the transfer steps open (port number, settings, bytes).
    std::unique_ptr<SComm> comPort;
    // The Fast/Slow pairs: ManualDelays in the "COM" tab, Option1 in the COM settings panel
    // (element 0 Fast, 1 Slow); both always show the same choice.
    std::vector<QRadioButton*> ManualDelays;
    std::vector<QRadioButton*> Option1;

    // Bottom band.
    QLabel *ActivMsgLbl, *Label12, *Label6;
    QProgressBar* StatBar;
    QPushButton *UpDateCmd, *ExitBttn;

    // Language and layout switches: LnguageLbl 1 Hebrew, 2 English; BigOrSmallDisplay 0 normal,
    // 1 small screen.
    std::vector<ClickLabel*> LnguageLbl;
    std::vector<ClickLabel*> BigOrSmallDisplay;
    QLabel* Picture1;

    // Administrator area: the hidden hot spot and the code frame, the width switch, the exit
    // button, the maintenance buttons and the seven tabs.
    ClickLabel* Label24;
    QGroupBox* Frame1;
    QLineEdit *Text4, *Text3;
    QPushButton *MaxMinAdminWindow, *Command2, *Command13, *Command16, *Command14;
    std::vector<QFrame*> Picture10;
    std::vector<ClickLabel*> AdminLbl;
    // "SET" and "GET": one button per transfer step (the panel link wires them).
    QPushButton *SET_SUB_DATA, *SET_BAUD_RATE, *SET_TIME, *SET_DATA_SYS, *SET_DEVICE_NAME, *SET_OUT_GRP,
        *SET_DEVICE_DATA;
    QPushButton *GET_SUB_DATA, *GET_HISTORY_A, *GET_DATA_SYS, *GET_OUT_GRP, *GET_DEVICE_DATA, *GET_DEVICE_NAME;
    // "SYS DATA": the panel's identity.
    QLineEdit *txtVerComNum, *txtVerSoftNum, *txtVerHardNum, *txtTechCode;
    // "COM": port close, the timing presets, the time-out boxes (seconds) and the transfer time.
    QPushButton *Command11, *DefaultValues4Delays, *Command9, *Command10;
    QLineEdit *TimeDelay, *FullStr, *FullStr2, *Text2;
    // "VALUES": sensitivities, reading thresholds and input values; SensLbl 0..4 High, Medium,
    // Low, Alarm, PreAlarm.
    QLineEdit *HighSens, *MediumSens, *LowSens, *High2Medium, *Medium2Low, *InputAlarmValTxt, *InputPREAlarmValTxt;
    std::vector<ClickLabel*> SensLbl;
    QPushButton *DefaultSensitivity, *Command8;
    // "DIFF": the alarm/fault card test switch and the last error.
    QPushButton* Command15;
    QLabel *Label38, *Label37;
    // "DEVICE DATA": the legends, the dump and the code lists.
    QLabel *Label35, *Label36;
    QListWidget *List2, *List3, *List4;
    // The verification: its button, and the panel over the whole window with the list of
    // differences, the close button and the warning.
    QPushButton* Command7;
    QFrame* Picture6;
    QListWidget* List1;
    QPushButton* Command5;
    QLabel* Label23;

    QTimer *Timer1, *Timer2, *Timer3;

    // Window-level flags of the panel link.
    bool ManualSearch = false;
    bool SerialAnywhere = false;

    // The [General] values of the file last read; nothing else uses them.
    QString FileSiteName, FileUpdated, FileSoftName;
    double FileSoftwareVersion = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frm4Main_Build.cpp
    void BuildControls();
    void BuildProjectArea();
    void BuildEditorArea();
    void BuildPanelArea();
    void BuildBottomBand();
    void BuildAdminArea();
    void WireControls();

    // frm4Main_AdminBuild.cpp
    void BuildAdminAccess();
    void BuildLinkTabs();
    void BuildValuesTab();
    void BuildDiffAndDumpTabs();
    void BuildVerificationPanel();
    void WireAdminArea();

    // frm4Main_Admin.cpp
    void Text4_LostFocus();
    void Text3_GotFocus();
    void Text3_Change();
    void Text3_LostFocus();
    bool AdminEvent(QObject* watched, QEvent* event);
    std::vector<QLineEdit*> ValueBoxes() const;
    // A value box's text checked: a refused text gives the message and the last accepted text
    // comes back. True when the box holds an accepted value.
    bool CommitValueBox(QLineEdit* box);
    bool CommitValueBoxes();
    void OpenDeviceTable();

    // frm4Main_AddrCheck.cpp
    void BuildAddressCheck();
    void WireAddressCheck();
    void ShowSwitches(const std::array<bool, 8>& on);

    // frm4Main_Panel.cpp
    void BuildPanelLink();
    void WirePanelLink();

    // frm4Main_Port.cpp
    void BuildPortControls();
    void WirePortControls();
    void FindComPort();
    void FitPortListToEntries();
    void PaintDelayPairs(int Index);

    // frm4Main.cpp
    void Form_Load();
    void SearchComPort();
    void CopySensitivityBoxes();
    void EnterProjectFolder();
    void SetMainCaptions();
    void ShortCutKeys(int KeyCode, Qt::KeyboardModifiers Shift);
    void ShowModel();
    void ShowCounts();
    void StackAdminTabs(bool atLoad);
    template <typename Window>
    void OpenModal();
    template <typename Window>
    void OpenReport();

    // frm4Main_Project.cpp
    bool Update();
    void CopyDetailBoxes();
    std::array<QLineEdit*, 5> DetailBoxes() const;
    bool Form_QueryUnload() override;
    CSetting& Setting();

    LinkTiming linkTiming_;
    struct OperationsDeleter {
        void operator()(PanelOperations* ops) const;
    };
    std::unique_ptr<PanelOperations, OperationsDeleter> panelOps_;
    InputBlocker* inputBlocker_ = nullptr;
    std::array<QString, 5> detailHolders_;
    std::unique_ptr<CSetting> setting_;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    bool leavingAdmin_ = false;
    bool checkingValue_ = false;
    std::vector<QString> acceptedValues_;
};
