#pragma once
// The main window: the hub of the program's work. It shows the project's name, details and
// counts, opens the editors and the reports, saves the project and returns to the start dialog
// when it closes. Controls are members under the names the other windows and the panel link use;
// control arrays are indexed as the program indexes them (LnguageLbl 1 and 2, Picture10 0..6).
#include <array>
#include <memory>
#include <vector>

#include <QDialog>
#include <QString>


class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class ClickLabel;
class CSetting;

class frm4Main : public QDialog {
    Q_OBJECT
public:
    // Builds the window and runs its load: the project file is read when one was opened.
    explicit frm4Main(QWidget* parent = nullptr);
    ~frm4Main() override;

    // The main window while it exists (the editors write its count labels), else nullptr.
    static frm4Main* Current();

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
    void DefaultSensitivity_Click();
    void AdminLbl_Click(int Index);
    void Command5_Click();
    void Timer2_Timer();
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
    QLabel *Label14, *Label13, *Label15;
    QComboBox* ComNumCmbo;
    // (The button ComSettings hides the shared settings text of that name: use ::ComSettings.)
    QPushButton *FindMyCOM, *DeviceMngrOpen, *ComSettings, *CloseComSet;
    QFrame* Picture2;  // the COM settings panel

    // Address check (the tool itself belongs to the administrator's tools).
    QLabel *Label8, *Label2;

    // Bottom band.
    QLabel *ActivMsgLbl, *Label12, *Label6;
    QProgressBar* StatBar;
    QPushButton *UpDateCmd, *ExitBttn;

    // Language and layout switches: LnguageLbl 1 Hebrew, 2 English; BigOrSmallDisplay 0 normal,
    // 1 small screen.
    std::vector<ClickLabel*> LnguageLbl;
    std::vector<ClickLabel*> BigOrSmallDisplay;
    QLabel* Picture1;

    // Administrator area: the width switch, the exit button, the model button, the seven tabs
    // and the value boxes of the "VALUES" tab.
    QPushButton *MaxMinAdminWindow, *Command2, *Command13;
    std::vector<QFrame*> Picture10;
    std::vector<ClickLabel*> AdminLbl;
    QLineEdit *HighSens, *MediumSens, *LowSens, *High2Medium, *Medium2Low, *InputAlarmValTxt, *InputPREAlarmValTxt;
    QPushButton* DefaultSensitivity;
    // The verification panel over the whole window, and its close button.
    QFrame* Picture6;
    QPushButton* Command5;

    QTimer *Timer1, *Timer2, *Timer3;

    // Window-level flags of the panel link.
    bool ManualSearch = false;
    bool SerialAnywhere = false;

    // The [General] values of the file last read; nothing else uses them.
    QString FileSiteName, FileUpdated, FileSoftName;
    double FileSoftwareVersion = 0;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
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
    bool Form_QueryUnload();
    CSetting& Setting();

    std::array<QString, 5> detailHolders_;
    std::unique_ptr<CSetting> setting_;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    bool closing_ = false;
};
