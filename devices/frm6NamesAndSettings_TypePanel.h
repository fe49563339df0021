#pragma once
// The controls of the devices window's type panel (Picture3): the type options, the settings
// frames with their options, the heading, model line, note and name box, OK, Cancel and the
// previous/next buttons. They show the panel's model and forward the user's clicks to it; a
// double click on a type option presses OK.
#include <array>
#include <vector>

#include <QFont>
#include <QObject>
#include <QPointer>

#include "devices/TypePanel.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TypePanelControls : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside the panel frame; they stay hidden until the model opens.
    TypePanelControls(QFrame* picture3, TypePanel& model);

    // Every control as the model holds it now; the panel is shown exactly while the model is.
    void Show();

    QFrame* Picture3;
    QGroupBox *Frame2 = nullptr, *Frame3 = nullptr;
    std::array<QRadioButton*, 12> Option1{};  // 1..11; element 0 the hidden template
    std::array<QRadioButton*, 5> Option2{};   // 1..4
    // Settings frames 1..5 are Frame4..Frame8, their options Option3..Option7 (element k the
    // k-th option; element 0 the hidden template). Only the model's options are shown.
    std::array<QGroupBox*, 6> SettingsFrame{};
    std::array<std::vector<QRadioButton*>, 6> SettingsOption{};
    QLabel *Label9 = nullptr, *Label10 = nullptr, *Label19 = nullptr;
    QLineEdit* Text12 = nullptr;
    QPushButton *Command12 = nullptr, *Command13 = nullptr, *Command15 = nullptr, *Command16 = nullptr;
    QFrame *Shape8 = nullptr, *Shape9 = nullptr, *Shape10 = nullptr;

    // The option button of a settings frame, made when first needed.
    QRadioButton* SettingOption(int frame, int option);

private:
    void Build();
    void Layout();
    void ShowHeading();
    void ShowTypes();
    void ShowFrames();
    void CoverWindow(bool cover);
    // Runs a model step and shows the outcome.
    template <typename F>
    void Forward(F step);

    TypePanel& model_;
    bool small_ = false;
    bool checkingName_ = false;
    QFont optionFont_;
    QFont headingFont_;
    std::vector<QPointer<QWidget>> covered_;  // the window's controls the panel disabled
    QPointer<QWidget> focusBefore_;           // where the focus was when the panel opened
};
