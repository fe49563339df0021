// The event-history download: the panel's event memory into HistoryArray and HistoryLines.
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/Operations.h"
#include "panellink/SystemBlocks.h"

void PanelOperations::HISTORY_A_Click()
{
    Run run(*this);
    if (!run || !Preflight()) return;
    RunningOperation = PanelOperation::HistoryDownload;
    // Emptied before anything is read: a failed reading never leaves an older history behind.
    ResetModule::ResetHistory();
    PressPreset(9600);
    StartTimes();
    HoldWindow();
    view_.ShowPresetInUse(9600);
    RunSteps(&PanelOperations::HistorySteps);
    Finish(0);
}

bool PanelOperations::HistorySteps()
{
    TransferPhase = 1;
    // The history needs only the panel's identity: the system block is read as the clock update
    // reads it, so the project's own settings (and the upload that may follow) keep the user's.
    VerifyMode = true;
    engine_.GetDataSys();
    VerifyMode = false;
    if (TransferError) return false;
    // The boxes show the panel just read; the project's own identity stays as it was.
    ShowIdentity(VerComNum4Verif, VerSoftNum4Verif, VerHardNum4Verif, TechCode4Verif);
    view_.ShowLinkView();
    const int soft = VersionValue(VerSoftNum4Verif);
    if (soft > 300) {
        Say(LinkMessages::ContactCompany);
        return false;
    }
    const bool speedSwitch = soft > 139;
    if (!SwitchToTransferSpeed(speedSwitch)) return false;

    engine_.GetHistoryA();
    if (TransferError) return false;

    if (!BackTo9600AndShowTime(speedSwitch)) return false;
    Say(LinkMessages::Completed);
    view_.StartHistoryBlink();
    return true;
}
