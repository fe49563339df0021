// The main window's panel operations: the Upload, Download, History and clock buttons, the
// link-timing presets and the single-step buttons run the panel link's operations, and the
// window shows their progress, texts and colours (it is their PanelView).
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform/VbColor.h"
#include "mainwindow/frm4Main.h"
#include "platform/Controls.h"
#include "panellink/Operations.h"
#include "platform/InputBlocker.h"

using namespace Controls;

namespace {

constexpr uint32_t PresetGreen = 0x00FF00;

}  // namespace

void frm4Main::OperationsDeleter::operator()(PanelOperations* ops) const { delete ops; }

void frm4Main::BuildPanelLink()
{
    TransferIndicator = Make<QFrame>(this, QStringLiteral("TransferIndicator"), 615, 36, 286, 106);
    TransferIndicator->lower();
    VbColor::SetBackColor(TransferIndicator, LinkColours::Idle);
    panelOps_.reset(new PanelOperations(*comPort, linkTiming_, *this));
    inputBlocker_ = new InputBlocker(this);
}

void frm4Main::WirePanelLink()
{
    // The boxes are the timing the link reads; what the user types takes effect at once.
    const std::array<std::pair<QLineEdit*, QString LinkTiming::*>, 3> boxes{
        {{TimeDelay, &LinkTiming::TimeDelay}, {FullStr, &LinkTiming::FullStr}, {FullStr2, &LinkTiming::FullStr2}}};
    for (const auto& [box, field] : boxes) {
        linkTiming_.*field = box->text();
        connect(box, &QLineEdit::textChanged, this, [this, field = field](const QString& t) { linkTiming_.*field = t; });
    }

    const std::array<std::pair<QPushButton*, void (frm4Main::*)()>, 20> buttons{{
        {Upload2Sys, &frm4Main::Upload2Sys_Click},
        {Download2PC, &frm4Main::Download2PC_Click},
        {HISTORY_A, &frm4Main::HISTORY_A_Click},
        {ClckSnd, &frm4Main::ClckSnd_Click},
        {DefaultValues4Delays, &frm4Main::DefaultValues4Delays_Click},
        {Command9, &frm4Main::Command9_Click},
        {Command10, &frm4Main::Command10_Click},
        {GET_DATA_SYS, &frm4Main::GET_DATA_SYS_Click},
        {GET_SUB_DATA, &frm4Main::GET_SUB_DATA_Click},
        {GET_DEVICE_DATA, &frm4Main::GET_DEVICE_DATA_Click},
        {GET_DEVICE_NAME, &frm4Main::GET_DEVICE_NAME_Click},
        {GET_OUT_GRP, &frm4Main::GET_OUT_GRP_Click},
        {GET_HISTORY_A, &frm4Main::GET_HISTORY_A_Click},
        {SET_TIME, &frm4Main::SET_TIME_Click},
        {SET_BAUD_RATE, &frm4Main::SET_BAUD_RATE_Click},
        {SET_DATA_SYS, &frm4Main::SET_DATA_SYS_Click},
        {SET_SUB_DATA, &frm4Main::SET_SUB_DATA_Click},
        {SET_DEVICE_DATA, &frm4Main::SET_DEVICE_DATA_Click},
        {SET_DEVICE_NAME, &frm4Main::SET_DEVICE_NAME_Click},
        {SET_OUT_GRP, &frm4Main::SET_OUT_GRP_Click},
    }};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(); });

    // Closing the window in the middle of a transfer would pull the port and the project from
    // under the running operation: the close waits until the operation has ended.
    auto* hook = new EventHook(this, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::Close || !panelOps_->Running()) return false;
        e->ignore();
        return true;
    });
    installEventFilter(hook);
}

// --- the buttons ---------------------------------------------------------------------------

void frm4Main::Upload2Sys_Click() { panelOps_->Upload2Sys_Click(); }
void frm4Main::Download2PC_Click() { panelOps_->Download2PC_Click(); }
void frm4Main::HISTORY_A_Click() { panelOps_->HISTORY_A_Click(); }
void frm4Main::ClckSnd_Click() { panelOps_->ClckSnd_Click(); }

void frm4Main::DefaultValues4Delays_Click() { panelOps_->DefaultValues4Delays_Click(); }
void frm4Main::Command9_Click() { panelOps_->Command9_Click(); }
void frm4Main::Command10_Click() { panelOps_->Command10_Click(); }

void frm4Main::GET_DATA_SYS_Click() { panelOps_->GET_DATA_SYS_Click(); }
void frm4Main::GET_SUB_DATA_Click() { panelOps_->GET_SUB_DATA_Click(); }
void frm4Main::GET_DEVICE_DATA_Click() { panelOps_->GET_DEVICE_DATA_Click(); }
void frm4Main::GET_DEVICE_NAME_Click() { panelOps_->GET_DEVICE_NAME_Click(); }
void frm4Main::GET_OUT_GRP_Click() { panelOps_->GET_OUT_GRP_Click(); }
void frm4Main::GET_HISTORY_A_Click() { panelOps_->GET_HISTORY_A_Click(); }
void frm4Main::SET_TIME_Click() { panelOps_->SET_TIME_Click(); }
void frm4Main::SET_BAUD_RATE_Click() { panelOps_->SET_BAUD_RATE_Click(); }
void frm4Main::SET_DATA_SYS_Click() { panelOps_->SET_DATA_SYS_Click(); }
void frm4Main::SET_SUB_DATA_Click() { panelOps_->SET_SUB_DATA_Click(); }
void frm4Main::SET_DEVICE_DATA_Click() { panelOps_->SET_DEVICE_DATA_Click(); }
void frm4Main::SET_DEVICE_NAME_Click() { panelOps_->SET_DEVICE_NAME_Click(); }
void frm4Main::SET_OUT_GRP_Click() { panelOps_->SET_OUT_GRP_Click(); }

// --- what the operations show --------------------------------------------------------------

void frm4Main::SetStatBar(int value) { StatBar->setValue(value); }
void frm4Main::SetActivMsgLbl(const QString& text) { ActivMsgLbl->setText(text); }
void frm4Main::SetTransferIndicator(uint32_t colour) { VbColor::SetBackColor(TransferIndicator, colour); }
void frm4Main::SetWindowEnabled(bool enabled) { inputBlocker_->SetBlocked(!enabled); }
bool frm4Main::TakesInput() const { return !inputBlocker_->Blocked(); }

void frm4Main::SetModelCaptions(const QString& command13, const QString& windowCaption)
{
    Command13->setText(command13);
    setWindowTitle(windowCaption);
}

void frm4Main::SetLabel4(const QString& text) { Label4->setText(text); }
void frm4Main::SetLabel16(const QString& text) { Label16->setText(text); }
void frm4Main::SetText2(const QString& text) { Text2->setText(text); }
bool frm4Main::FastSelected() const { return ManualDelays[0]->isChecked(); }

void frm4Main::ShowPresetInUse(int baud)
{
    const std::array<std::pair<QPushButton*, int>, 3> presets{
        {{DefaultValues4Delays, 9600}, {Command9, 38400}, {Command10, 57600}}};
    for (const auto& [button, speed] : presets) VbColor::SetBackColor(button, speed == baud ? PresetGreen : VbColor::ButtonFace());
}

void frm4Main::ShowTiming(const LinkTiming& timing)
{
    TimeDelay->setText(timing.TimeDelay);
    FullStr->setText(timing.FullStr);
    FullStr2->setText(timing.FullStr2);
}

void frm4Main::SaveProjectQuietly()
{
    QuietSave = true;
    // The Update command's handler runs directly: the window takes no input while the upload
    // runs, and the save is the upload's own step.
    UpDateCmd_Click();
}

void frm4Main::StartHistoryBlink() { Timer2->start(); }
