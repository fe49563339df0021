#pragma once
// The main card settings window: remote panels and power supplies, the alarm and fault relays,
// the loop class, the silence mode and the dialer, one pair of option buttons each. The model
// holds the chosen options and the rules; the window shows them and asks "Save data ?" on
// closing, however it is closed.
#include <array>
#include <cstdint>

#include <QDialog>

#include "platform/AskingDialog.h"

#include "configeditors/CardSettingsModel.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class ClickLabel;

class frm5CardSettings : public AskingDialog {
    Q_OBJECT
public:
    explicit frm5CardSettings(QWidget* parent = nullptr);
    ~frm5CardSettings() override;

    // Option k (0 or 1) of a pair.
    QRadioButton* Option(CardSettings::Pair p, int k) const { return options_[p][size_t(k)]; }
    // The outer frame of a section.
    QFrame* SectionFrame(CardSettings::Section s) const { return sections_[size_t(s)]; }
    // Escape and the system close ask the closing question too.

    QPushButton* Command2 = nullptr;  // OK
    QPushButton* Command1 = nullptr;  // Cancel
    QFrame* Picture1 = nullptr;       // the button strip
    std::array<ClickLabel*, 3> LnguageLbl{};  // 1 Hebrew, 2 English
    // The hidden sections' controls.
    std::array<QRadioButton*, 2> SysFlagsResetWithCod{}, SysFlags2VrstDly{}, SysFlags2NightEna{};
    QComboBox *StartHour = nullptr, *StartMinute = nullptr, *FinishHour = nullptr, *FinishMinute = nullptr;
    QComboBox* NumOfSys = nullptr;

protected:

private:
    void BuildControls();
    void BuildSection(const CardSettings::SectionInfo& s);
    QGroupBox* BuildInnerFrame(QFrame* outer, const CardSettings::SectionInfo& s, int i);
    std::array<QRadioButton*, 2> BuildPair(QGroupBox* frame, const CardSettings::SectionInfo& s, const QString& name);
    void BuildHiddenContent();
    void BuildStrip();
    void ApplyDesignCaptions();

    void Form_Load();
    void SetLanguage(int16_t lang);
    void PlaceOptions(bool rightToLeft);
    // The click handler of every pair (Panel1OnOff_Click, SysFlagsSlave_Click, ...).
    void OnOff_Click(CardSettings::Pair p, int Index);
    void ShowModel();
    void NumOfSys_DropDown();
    void Command1_Click();
    void Command2_Click();
    // True when the window stays open.
    bool Form_QueryUnload() override;
    void LnguageLbl_Click(int) {}

    CardSettings::CardSettingsModel model_;
    std::array<std::array<QRadioButton*, 2>, CardSettings::PairCount> options_{};
    std::array<QFrame*, CardSettings::SectionCount> sections_{};
    Qt::LayoutDirection previousDirection_;
    bool showing_ = false;
};
