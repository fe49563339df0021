// The groups window's edits: the moves, the trigger options, the deletions, the special dialer,
// the information line and the listings. Each runs the model's operation on the shown group
// and shows the result.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "configeditors/GroupsListings.h"
#include "configeditors/GroupsTexts.h"
#include "configeditors/frm8Groups.h"
#include "core/Conv.h"
#include "platform/Ui.h"

namespace {
constexpr int ChosenPointSize = 14, RegularPointSize = 10;
}

std::vector<int> frm8Groups::SelectedAddresses(const QListWidget* list)
{
    std::vector<int> addresses;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) addresses.push_back(GroupsModel::ItemAddress(list->item(i)->text()));
    return addresses;
}

void frm8Groups::ShowAll(const std::vector<Message>& messages)
{
    for (const Message& m : messages) ShowMessage(m);
}

void frm8Groups::Command3_Click()
{
    const int g = ShownGroup();
    if (g == 0) return;
    ClearInfo();
    const std::vector<Message> refused = model_.AddInputs(g, SelectedAddresses(SystemInputDevices[g]));
    RefillLists(g);
    ShowTriggerOptions(g);
    ShowAll(refused);
}

void frm8Groups::Command4_Click()
{
    const int g = ShownGroup();
    if (g == 0) return;
    ClearInfo();
    model_.RemoveInputs(g, SelectedAddresses(GroupInputDevices[g]));
    RefillLists(g);
    ShowTriggerOptions(g);
}

void frm8Groups::Command5_Click()
{
    const int g = ShownGroup();
    if (g == 0) return;
    if (const auto refused = model_.AddOutputs(g, SelectedAddresses(SystemOutputDevices[g]))) {
        updating_ = true;
        SystemOutputDevices[g]->clearSelection();
        updating_ = false;
        ClearInfo();
        ShowMessage(*refused);
        return;
    }
    RefillLists(g);
    // The line keeps telling of its device, as the move has left it.
    RefreshInfo();
}

void frm8Groups::Command6_Click()
{
    const int g = ShownGroup();
    if (g == 0) return;
    model_.RemoveOutputs(g, SelectedAddresses(GroupOutputDevices[g]));
    RefillLists(g);
    RefreshInfo();
}

void frm8Groups::SetTriggerOptions(int g)
{
    const int n = model_.TriggerOptions(g);
    for (int k = 1; k <= 3; ++k) {
        Option1[k]->setEnabled(k <= n);
        Option1[k]->setText(k <= n ? Str(k) : QString());
    }
}

void frm8Groups::ShowTriggerOptions(int g)
{
    SetTriggerOptions(g);
    const int trigger = model_.GroupInputs(g).empty() ? 0 : model_.GrpEditArray[g].Trigger;
    Option1[trigger]->setChecked(true);
}

void frm8Groups::Option1_Click(int Index)
{
    const int g = ShownGroup();
    for (int k = 1; k <= 3; ++k) {
        // Only the shown group's trigger is written; with no group shown nothing is.
        if (k == Index && g != 0) model_.SetTrigger(g, k);
        QFont f = Option1[k]->font();
        f.setPointSize(k == Index ? ChosenPointSize : RegularPointSize);
        f.setBold(k == Index);
        Option1[k]->setFont(f);
    }
}

void frm8Groups::Command1_Click()
{
    if (ShowMessage(GroupsTexts::DeleteGroupQuestion(model_.Language())) == Ui::vbYes) {
        const int g = ShownGroup();
        ClearInfo();
        model_.EmptyGroup(g);
        if (g != 0) {
            RefillLists(g);
            ShowTriggerOptions(g);
        }
    }
    ColorGroupButtons();
}

void frm8Groups::Command2_Click()
{
    if (ShowMessage(GroupsTexts::DeleteAllQuestion(model_.Language())) == Ui::vbYes) {
        ClearInfo();
        model_.DeleteAll();
        for (int g = 1; g <= MaxGroups; ++g) RefillLists(g);
        if (const int g = ShownGroup()) ShowTriggerOptions(g);
    }
    ColorGroupButtons();
}

void frm8Groups::Command11_Click()
{
    if (!model_.DialerOffered()) {
        GroupSelectted[1]->setChecked(true);  // on group 1 already, nothing runs
        return;
    }
    if (ShowMessage(GroupsTexts::DialerWarning(model_.Language())) != Ui::vbYes) return;
    // Groups 31 and 32 are emptied and shown on the way, which empties the line.
    ClearInfo();
    const std::vector<Message> messages = model_.SpecialDialer();
    RefillLists(31);
    RefillLists(32);
    ShowAll(messages);
    ShowGroup(1);
}

void frm8Groups::ShowInputInfo(int g, int which) { ShowInfoOf(which == 1 ? GroupInputDevices[g] : SystemInputDevices[g]); }

void frm8Groups::ShowOutputInfo(int g, int which)
{
    ShowInfoOf(which == 1 ? GroupOutputDevices[g] : SystemOutputDevices[g]);
}

void frm8Groups::ShowInfoOf(const QListWidget* list)
{
    const std::vector<int> selected = SelectedAddresses(list);
    model_.PointInfoAt(selected.empty() ? 0 : selected.front());
    RefreshInfo();
}

void frm8Groups::ShowListing(const QStringList& lines)
{
    PlaceText6();
    Text6->clear();
    List5->show();
    List5->raise();
    Text6->raise();
    List5->clear();
    List5->addItems(lines);
}

void frm8Groups::Command7_Click() { ShowListing(GroupsListings::Inputs(model_)); }
void frm8Groups::Command8_Click() { ShowListing(GroupsListings::Outputs(model_)); }
void frm8Groups::Command9_Click() { ShowListing(GroupsListings::Groups(model_)); }

void frm8Groups::Command10_Click()
{
    List5->hide();
    Text6->hide();
}

void frm8Groups::List5_Click()
{
    if (QListWidgetItem* line = List5->currentItem(); line && line->isSelected()) Text6->setText(line->text());
}

void frm8Groups::Text6_DblClick() { Text6->hide(); }
