// The devices window's paging: the scroll bar that moves the canvas, the paging buttons with
// their captions, and the go-to box.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "devices/DevicesPaging.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"

using namespace DevicesPaging;

void frm6NamesAndSettings::SetScrollRange()
{
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setMinimum(0);
    VScroll1->setSingleStep(RowPitch);
    VScroll1->setMaximum(ScrollMax(editor_.Count(), SmallDisplay));
    VScroll1->setPageStep(LargeStep(SmallDisplay));
}

// Runs for every change of the scroll position, also while the thumb is dragged.
void frm6NamesAndSettings::VScroll1_Change()
{
    SetScrollRange();
    VScroll1_Scroll();
}

void frm6NamesAndSettings::VScroll1_Scroll()
{
    Picture1->move(0, CanvasTop(VScroll1->value()));
    SetPageCaptions();
}

void frm6NamesAndSettings::SetPageCaptions()
{
    const Captions c = PageCaptions(Picture1->y(), editor_.Count(), SmallDisplay);
    Command4->setText(c.Command4);
    Command2->setText(c.Command2);
    Command1->setText(c.Command1);
    Command3->setText(c.Command3);
    Label11[0]->setText(c.Label11_0);
    Label11[1]->setText(c.Label11_1);
}

void frm6NamesAndSettings::MoveTo(int value)
{
    {
        const QSignalBlocker quiet(VScroll1);
        VScroll1->setValue(value);
    }
    VScroll1_Change();
}

void frm6NamesAndSettings::Command4_Click() { MoveTo(PagedValue(Page::Command4, VScroll1->value(), editor_.Count(), SmallDisplay)); }
void frm6NamesAndSettings::Command2_Click() { MoveTo(PagedValue(Page::Command2, VScroll1->value(), editor_.Count(), SmallDisplay)); }
void frm6NamesAndSettings::Command1_Click() { MoveTo(PagedValue(Page::Command1, VScroll1->value(), editor_.Count(), SmallDisplay)); }
void frm6NamesAndSettings::Command3_Click() { MoveTo(PagedValue(Page::Command3, VScroll1->value(), editor_.Count(), SmallDisplay)); }

void frm6NamesAndSettings::Command5_Click()
{
    const GoTo target = GoToTarget(Text20->text(), editor_.Count(), SmallDisplay);
    editor_.MarkGoToRow(target.inRange ? target.row : 0);
    ShowRows();
    if (target.inRange) {
        if (editor_.Row(target.row).exist) NewName[size_t(target.row)]->setFocus(Qt::OtherFocusReason);
        MoveTo(target.value);
    }
    Text20->clear();
}
