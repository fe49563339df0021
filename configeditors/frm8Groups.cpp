// The groups window: opening, captions, the shown group, the button colours and closing.
#include "configeditors/frm8Groups.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "configeditors/GroupsTexts.h"
#include "core/Conv.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"
#include "platform/Ui.h"
#include "platform/VbColor.h"

namespace {

// The list numbers of a group: 1 system inputs, 2 system outputs, 3 group inputs, 4 group outputs.
constexpr int SystemInputsList = 1, SystemOutputsList = 2, GroupInputsList = 3, GroupOutputsList = 4;
const char* const GroupKey = "vdGroup";
const char* const ListKey = "vdList";

bool UserMovesFocus(Qt::FocusReason r)
{
    return r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
           r == Qt::ShortcutFocusReason;
}

// The program's texts break lines with a carriage return, which Qt does not break at.
QString Lines(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace

frm8Groups::frm8Groups(QWidget* parent) : AskingDialog(parent)
{
    setObjectName(QStringLiteral("frm8Groups"));
    closeResult_ = QDialog::Accepted;
    BuildControls();
    WireControls();
    Form_Load();
    // The window fills itself from the project once per opening: becoming active again after
    // a message box neither repeats the items nor loses the edits.
    Form_Activate();
}

void frm8Groups::WireControls()
{
    for (int g = 1; g <= MaxGroups; ++g) {
        connect(GroupSelectted[g], &QPushButton::toggled, this, [this, g](bool on) {
            if (on) GroupSelectted_Click(g);
        });
        const std::array<std::pair<QListWidget*, int>, 4> lists{{{SystemInputDevices[g], SystemInputsList},
                                                                 {SystemOutputDevices[g], SystemOutputsList},
                                                                 {GroupInputDevices[g], GroupInputsList},
                                                                 {GroupOutputDevices[g], GroupOutputsList}}};
        for (const auto& [list, n] : lists) {
            list->setProperty(GroupKey, g);
            list->setProperty(ListKey, n);
            list->installEventFilter(this);
            // The user's selection points the line; the window's own changes of selection leave it.
            // A click on an item already selected changes no selection, yet sets the line the
            // list's focus has just emptied.
            const auto clicked = [this, g, n = n] {
                if (updating_) return;
                if (n == SystemInputsList || n == GroupInputsList) ShowInputInfo(g, n == GroupInputsList ? 1 : 2);
                else ShowOutputInfo(g, n == GroupOutputsList ? 1 : 2);
            };
            connect(list, &QListWidget::itemSelectionChanged, this, clicked);
            connect(list, &QListWidget::itemClicked, this, clicked);
        }
        connect(SystemInputDevices[g], &QListWidget::itemDoubleClicked, Command3, &QPushButton::click);
        connect(GroupInputDevices[g], &QListWidget::itemDoubleClicked, Command4, &QPushButton::click);
        connect(SystemOutputDevices[g], &QListWidget::itemDoubleClicked, Command5, &QPushButton::click);
        connect(GroupOutputDevices[g], &QListWidget::itemDoubleClicked, Command6, &QPushButton::click);
        Text1[g]->installEventFilter(this);
        connect(Text1[g], &QLineEdit::textEdited, this, [this, g](const QString& t) { model_.GrpEditArray[g].GrpName = t; });
    }
    for (int k = 0; k <= 3; ++k)
        connect(Option1[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on) Option1_Click(k);
        });
    const std::array<std::pair<QPushButton*, void (frm8Groups::*)()>, 13> buttons{{
        {Command1, &frm8Groups::Command1_Click},   {Command2, &frm8Groups::Command2_Click},
        {Command3, &frm8Groups::Command3_Click},   {Command4, &frm8Groups::Command4_Click},
        {Command5, &frm8Groups::Command5_Click},   {Command6, &frm8Groups::Command6_Click},
        {Command7, &frm8Groups::Command7_Click},   {Command8, &frm8Groups::Command8_Click},
        {Command9, &frm8Groups::Command9_Click},   {Command10, &frm8Groups::Command10_Click},
        {Command11, &frm8Groups::Command11_Click}, {SaveAndExitBttn, &frm8Groups::SaveAndExitBttn_Click},
        {ExitWithoutSave, &frm8Groups::ExitWithoutSave_Click},
    }};
    for (const auto& [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
    connect(List5, &QListWidget::itemSelectionChanged, this, &frm8Groups::List5_Click);
    Text6->installEventFilter(this);
}

void frm8Groups::Form_Load()
{
    PlaceControls(SmallDisplay);
    Command9->setVisible(AdminMode);
    ColorGroupButtons();
    SetLanguage(UILanguage);
}

void frm8Groups::Form_Activate()
{
    model_.LoadGroups();
    for (int g = 1; g <= MaxGroups; ++g) RefillLists(g);
    ShowTriggerOptions(1);
    ColorGroupButtons();
    ShowGroup(1);
    model_.FocusGroup = 0;
    Command11->setVisible(model_.DialerOffered());
}

void frm8Groups::SetLanguage(int16_t lang)
{
    if (lang != 1 && lang != 2) return;
    for (const GroupsTexts::Caption& c : GroupsTexts::CaptionTable()) {
        const QString text = *GroupsTexts::CaptionOf(c.control, lang);
        if (c.control == objectName()) setWindowTitle(text);
        else Controls::SetCaption(findChild<QWidget*>(c.control), text);
    }
    setLayoutDirection(lang == 1 ? Qt::RightToLeft : Qt::LeftToRight);
}

int frm8Groups::ShownGroup() const
{
    for (int g = 1; g <= MaxGroups; ++g)
        if (GroupSelectted[g]->isChecked()) return g;
    return 0;
}

void frm8Groups::ShowGroup(int g)
{
    if (GroupSelectted[g]->isChecked()) GroupSelectted_Click(g);
    else GroupSelectted[g]->setChecked(true);
}

void frm8Groups::GroupSelectted_Click(int Index)
{
    const int16_t lang = model_.Language();
    Command3->setText(Lines(GroupsTexts::AddCaption(Index, lang)));
    Command5->setText(Command3->text());
    Command4->setText(Lines(GroupsTexts::RemoveCaption(Index, lang)));
    Command6->setText(Command4->text());
    ShowTriggerOptions(Index);
    ClearOtherSelections(model_.FocusGroup, 0);
    for (int g = 1; g <= MaxGroups; ++g) {
        QFont f = GroupSelectted[g]->font();
        f.setBold(g == Index);
        GroupSelectted[g]->setFont(f);
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        const bool shown = g == Index;
        for (int n = 1; n <= 4; ++n) ListOf(g, n)->setVisible(shown);
        Text1[g]->setVisible(shown);
    }
    ColorGroupButtons();
    ClearInfo();
}

void frm8Groups::ColorGroupButtons()
{
    for (int g = 1; g <= MaxGroups; ++g) VbColor::SetBackColor(GroupSelectted[g], GroupStateColour(model_.State(g)));
    // The frame around the lists shows the state of the shown group.
    if (const int shown = ShownGroup()) VbColor::SetBackColor(Shape1, VbColor::BackColor(GroupSelectted[shown]));
}

QListWidget* frm8Groups::ListOf(int g, int list) const
{
    switch (list) {
    case SystemInputsList: return SystemInputDevices[g];
    case SystemOutputsList: return SystemOutputDevices[g];
    case GroupInputsList: return GroupInputDevices[g];
    default: return GroupOutputDevices[g];
    }
}

void frm8Groups::ClearOtherSelections(int group, int keepList)
{
    if (group >= 1 && group <= MaxGroups) {
        updating_ = true;
        for (int n = 1; n <= 4; ++n)
            if (n != keepList) ListOf(group, n)->clearSelection();
        updating_ = false;
    }
    ClearInfo();
}

void frm8Groups::ListGotFocus(int Index, int list)
{
    ClearOtherSelections(Index, list);
    model_.FocusGroup = int16_t(Index);
}

void frm8Groups::RefillLists(int g)
{
    const std::array<std::pair<int, std::vector<int>>, 4> contents{{{SystemInputsList, model_.SystemInputs(g)},
                                                                     {SystemOutputsList, model_.SystemOutputs(g)},
                                                                     {GroupInputsList, model_.GroupInputs(g)},
                                                                     {GroupOutputsList, model_.GroupOutputs(g)}}};
    updating_ = true;
    for (const auto& [n, addresses] : contents) {
        QListWidget* list = ListOf(g, n);
        list->clear();
        for (int a : addresses) list->addItem(model_.ItemText(a));
    }
    updating_ = false;
    if (Text1[g]->text() != model_.GrpEditArray[g].GrpName) Text1[g]->setText(model_.GrpEditArray[g].GrpName);
}

void frm8Groups::RefreshInfo() { Label6->setText(Lines(GroupsTexts::InfoLine(model_))); }

void frm8Groups::ClearInfo()
{
    model_.PointInfoAt(0);
    RefreshInfo();
}

void frm8Groups::SaveAndExitBttn_Click() { close(); }
void frm8Groups::ExitWithoutSave_Click() { close(); }

bool frm8Groups::Form_QueryUnload()
{
    const int16_t lang = model_.Language();
    switch (ShowMessage(GroupsTexts::SaveQuestion(lang))) {
    case Ui::vbYes:
        ShowMessage(GroupsTexts::IllegalGroupsWarning(lang));
        model_.Save();
        if (frm4Main* main = frm4Main::Current()) main->SetLabel16(Str(NumOfActiveGroups));
        return false;
    case Ui::vbNo:
        GroupsModel::Discard();
        return false;
    default:
        return true;
    }
}

bool frm8Groups::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && UserMovesFocus(static_cast<QFocusEvent*>(event)->reason())) {
        const QVariant group = watched->property(GroupKey);
        if (group.isValid()) ListGotFocus(group.toInt(), watched->property(ListKey).toInt());
        for (int g = 1; g <= MaxGroups; ++g)
            if (watched == Text1[g]) QTimer::singleShot(0, Text1[g], &QLineEdit::selectAll);
    }
    if (watched == Text6 && event->type() == QEvent::MouseButtonDblClick) {
        Text6_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
