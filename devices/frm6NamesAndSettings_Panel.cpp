// The devices window's type panel and names-import help panel: their controls, the row buttons
// that open the type panel, and what the panel needs of the rows.
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/DataModel.h"
#include "devices/NamesHelp.h"
#include "devices/TypePanelLayout.h"
#include "devices/frm6NamesAndSettings.h"

#include <algorithm>
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "platform/Controls.h"
#include "platform/Shell.h"

using namespace Controls;

namespace {
// The help's button stands this far above the help's bottom edge.
constexpr int kHelpButtonFoot = 70;
}  // namespace

void frm6NamesAndSettings::BuildPanels()
{
    // The type panel covers the rows and the window's buttons while it is shown.
    Picture3->setAutoFillBackground(true);
    typePanelView_ = std::make_unique<TypePanelControls>(Picture3, typePanel_);

    // The help button lies with the names-view tools, beside the names import.
    Command14 = Button(Picture7, QStringLiteral("Command14"), 84, 54, 24, 20, QStringLiteral("?"));
    // A click leaves the focus on the help's own button, so a second click hides the help
    // instead of the lost focus hiding it and the click showing it again.
    Command14->setFocusPolicy(Qt::TabFocus);
    Picture8 = Make<QFrame>(this, QStringLiteral("Picture8"), 0, 0, 10, 10);
    Picture8->setFrameShape(QFrame::Box);
    Picture8->setAutoFillBackground(true);
    Picture8->hide();
    Label18 = Label(Picture8, QStringLiteral("Label18"), 10, 10, 310, 300);
    Label18->setWordWrap(true);
    Label18->setLayoutDirection(Qt::RightToLeft);
    Label18->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    Command18 = Button(Picture8, QStringLiteral("Command18"), 40, 400 - kHelpButtonFoot, 250, 50, NamesHelp::FolderButton());
    connect(Command14, &QPushButton::clicked, this, &frm6NamesAndSettings::Command14_Click);
    connect(Command18, &QPushButton::clicked, this, &frm6NamesAndSettings::Command18_Click);
    // Command18_LostFocus: the help goes when its button loses the focus to the window's controls.
    Command18->installEventFilter(new EventHook(Command18, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::FocusOut) return false;
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) Picture8->hide();
        return false;
    }));
}

void frm6NamesAndSettings::EnableDevice_Click(int Index)
{
    typePanel_.EnableDevice(Index);
    typePanelView_->Show();
}

void frm6NamesAndSettings::DeviceSettings_Click(int Index)
{
    typePanel_.DeviceSettings(Index);
    typePanelView_->Show();
}

void frm6NamesAndSettings::Command14_Click()
{
    // The help covers the rows only, never the tools and the counter under them: it moves up
    // into the rows' view and, on the small screen, where the view is lower than the panel, it is
    // as high as the view with its button at its foot.
    const QRect view = Frame1->geometry();
    QRect place = TypePanelLayout::HelpPanel();
    place.setHeight(std::min(place.height(), view.height()));
    if (place.bottom() > view.bottom()) place.moveBottom(view.bottom());
    Picture8->setGeometry(place);
    Command18->move(Command18->x(), place.height() - kHelpButtonFoot);
    Label18->resize(Label18->width(), Command18->y() - 20 - Label18->y());  // 20 above the button
    if (!Picture8->isHidden()) {
        Picture8->hide();
        return;
    }
    Picture8->show();
    Picture8->raise();
    // The text's lines are joined by CR LF; a label breaks at the line feed alone.
    Label18->setText(NamesHelp::Text().remove(QLatin1Char('\r')));
    Command18->setFocus(Qt::OtherFocusReason);
}

// The project folder, where the names file is looked for; opened as one argument, no shell.
void frm6NamesAndSettings::Command18_Click() { Shell::OpenFolder(usrDataPath); }

QString frm6NamesAndSettings::RowName(int address) const { return editor_.RowName(address); }

void frm6NamesAndSettings::SetRowName(int address, const QString& name)
{
    editor_.SetRowName(address, name);
    ShowRows();
}

void frm6NamesAndSettings::RefreshRows(int first, int last) { FormOrLineCreateFromVaribles(first, last); }
