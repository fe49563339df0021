#pragma once
// The operating groups window: the 32 group buttons, the four lists and the name box of the
// shown group, the trigger options, the listings and the deletions. It shows the model and
// forwards the clicks; the model holds the working copy and every rule. Opening fills the
// window once from the project; closing asks "Save data ?" and commits on Yes.
#include <vector>

#include <QDialog>

#include "platform/AskingDialog.h"

#include "configeditors/GroupsModel.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class frm8Groups : public AskingDialog {
    Q_OBJECT
public:
    explicit frm8Groups(QWidget* parent = nullptr);

    // The working copy (tests read it; the window changes it only through its handlers).
    const GroupsModel& Model() const { return model_; }
    // The group whose button is on (0: none).
    int ShownGroup() const;

    // Handlers, as the controls run them.
    void GroupSelectted_Click(int Index);
    void Command1_Click();   // delete the shown group
    void Command2_Click();   // delete all groups
    void Command3_Click();   // inputs into the shown group
    void Command4_Click();   // inputs out of it
    void Command5_Click();   // outputs into it
    void Command6_Click();   // outputs out of it
    void Command7_Click();   // inputs listing
    void Command8_Click();   // outputs listing
    void Command9_Click();   // groups listing (administrator)
    void Command10_Click();  // hide the listing
    void Command11_Click();  // special dialer
    void Option1_Click(int Index);
    void List5_Click();
    void Text6_DblClick();
    void SaveAndExitBttn_Click();
    void ExitWithoutSave_Click();

    // Controls: element g (1..32) of each array belongs to group g; element 0 is a hidden
    // template (Option1(0) is chosen when no trigger option is).
    std::vector<QPushButton*> GroupSelectted;
    std::vector<QLineEdit*> Text1;
    std::vector<QListWidget*> SystemInputDevices, GroupInputDevices, SystemOutputDevices, GroupOutputDevices;
    std::vector<QRadioButton*> Option1;
    QGroupBox* Frame1;
    QLabel *Label1, *Label2, *Label6;
    QLineEdit* Text2;
    QFrame* Shape1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7, *Command8, *Command9,
        *Command10, *Command11, *SaveAndExitBttn, *ExitWithoutSave;
    QListWidget* List5;
    QLineEdit* Text6;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frm8Groups_Build.cpp
    void BuildControls();
    void PlaceControls(bool small);
    // The line box beside the listing box.
    void PlaceText6();
    void WireControls();

    // frm8Groups.cpp
    void Form_Load();
    void Form_Activate();
    void SetLanguage(int16_t lang);
    void ColorGroupButtons();
    void ClearOtherSelections(int group, int keepList);
    void ListGotFocus(int Index, int list);
    bool Form_QueryUnload() override;
    // Shows group g by switching its button on (or running its handler when it is on already).
    void ShowGroup(int g);
    // The lists and the name box of group g as the model holds them, nothing selected.
    void RefillLists(int g);
    QListWidget* ListOf(int g, int list) const;
    // The information line about the model's device as the model holds it now: a click in a
    // list and the output moves run it once their work is done.
    void RefreshInfo();
    // The information line emptied: it tells of no device until the next click in a list. The
    // focus arriving in a list, another group shown, the input moves, a refused output move and
    // the deletions empty it.
    void ClearInfo();

    // frm8Groups_Edit.cpp
    void SetTriggerOptions(int g);
    // The trigger options of group g and its trigger chosen (none without inputs).
    void ShowTriggerOptions(int g);
    // A click or a selection in a list: the line describes the topmost item selected there.
    void ShowInputInfo(int g, int which);
    void ShowOutputInfo(int g, int which);
    void ShowInfoOf(const QListWidget* list);
    void ShowListing(const QStringList& lines);
    static std::vector<int> SelectedAddresses(const QListWidget* list);
    static void ShowAll(const std::vector<Message>& messages);

    GroupsModel model_;
    bool updating_ = false;  // the window itself changes selections: no Click
};
