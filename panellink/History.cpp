// The event-history download: the panel's event memory into HistoryArray and HistoryLines.
#include <exception>

#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "core/ResetModule.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/Operations.h"
#include "panellink/SystemBlocks.h"
#include "platform/Ui.h"

void PanelOperations::HISTORY_A_Click()
{
    Run run(*this);
    if (!run || !Preflight()) return;
    RunningOperation = PanelOperation::HistoryDownload;
    // Emptied before anything is read: a failed reading never leaves an older history behind.
    ResetModule::ResetHistory();
    PressPreset(9600);
    StartTimes();
    engine_.windowHeld = true;
    view_.SetWindowEnabled(false);
    view_.ShowPresetInUse(9600);
    try {
        HistorySteps();
    } catch (const std::exception& e) {
        Ui::MsgBox(QString::fromLocal8Bit(e.what()));
    }
    Finish(0);
}

bool PanelOperations::HistorySteps()
{
    TransferPhase = 1;
    VerifyMode = false;
    engine_.GetDataSys();
    if (TransferError) return false;
    const int soft = VersionValue(VerSoftNum);
    if (soft > 300) {
        Say(LinkMessages::ContactCompany);
        return false;
    }
    const bool speedSwitch = soft > 139;
    if (speedSwitch) BaudCode = view_.FastSelected() ? 57 : 9;
    TransferPhase = 2;
    if (speedSwitch && !SwitchPanelSpeed()) return false;
    SwitchPcSide(BaudCode);

    engine_.GetHistoryA();
    if (TransferError) return false;

    MainMdl::Delay(timing_.beforeReturn);
    if (speedSwitch) {
        if (!ReturnPanelTo9600()) return false;
    } else {
        BaudCode = 9;
        TransferPhase = 3;
    }
    PressPresetInUse(9600);
    TransferEnd = TimeNow();
    ShowTransferTime();
    Say(LinkMessages::Completed);
    view_.StartHistoryBlink();
    return true;
}
