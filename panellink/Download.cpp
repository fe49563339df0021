// The download: the panel's configuration replaces the project in memory. The project is kept
// aside first and put back when the download does not complete, so a failed download never
// leaves an empty or half-filled project.
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "core/ProjectWhole.h"
#include "core/ResetModule.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/Operations.h"
#include "panellink/ProjectSnapshot.h"
#include "panellink/SystemBlocks.h"
#include "platform/Ui.h"

namespace {

bool ProjectHoldsDevices()
{
    for (int a = 1; a <= MaxAddress; ++a)
        if (DeviceDataArray[a].Exist == "1") return true;
    return false;
}

// The project emptied for the panel's data; all 126 addresses of both tables, so no device of
// a larger model survives in a smaller one.
void EmptyProject()
{
    ResetModule::ResetDevices(1, MaxAddress, 1);
    ResetModule::ResetDevices(1, MaxAddress, 2);
    ResetModule::ResetSysData();
    ResetModule::ResetProjectDetails();
    ResetModule::ResetGroups();
    ResetModule::ResetSubData();
}

}  // namespace

void PanelOperations::Download2PC_Click()
{
    Run run(*this);
    if (!run || !Preflight()) return;
    LinkView.List1.clear();
    view_.ShowLinkView();
    RunningOperation = PanelOperation::Download;
    // Also a new project that has devices but was never saved would lose them.
    if ((ProjectLoaded || ProjectHoldsDevices()) && Say(LinkMessages::ReplaceProject) != Ui::vbOK) {
        Finish(LinkColours::Idle);
        return;
    }
    view_.SetTransferIndicator(LinkColours::DownloadRunning);
    PressPreset(9600);
    StartTimes();
    VerifyMode = false;
    HoldWindow();

    const ProjectSnapshot before = ProjectSnapshot::Take();
    if (!RunSteps(&PanelOperations::DownloadSteps, QStringLiteral("\r\n") + LinkMessages::ProjectNotChanged())) {
        PutBack(before);
    }
    Finish(LinkColours::Idle);
}

// True when the project is to keep what was read (all of it); false to put the project back.
bool PanelOperations::DownloadSteps()
{
    EmptyProject();
    PanelReplaced = PlacesList{};
    view_.SetLabel4(QString());
    view_.SetLabel16(QString());
    TransferPhase = 1;
    view_.ShowPresetInUse(9600);
    // Every failure message of this download says that the project stays as it was.
    engine_.failureNote = LinkMessages::ProjectNotChanged();

    engine_.GetDataSys();
    if (TransferError) return false;
    const int soft = VersionValue(VerSoftNum);
    if (soft >= 171) {
        const int digit = ModelDigit(VerHardNum);
        if (digit == 0 || digit == 5) {
            MaxNumOfDevices = digit == 5 ? 50 : 126;
            ShowModel(MaxNumOfDevices);
        }
    }
    if (soft > 300) {
        Say(LinkMessages::ContactCompany, QStringLiteral("\r\n") + LinkMessages::ProjectNotChanged());
        return false;
    }
    const bool speedSwitch = soft > 139;
    if (!SwitchToTransferSpeed(speedSwitch)) return false;
    MainMdl::Delay(timing_.afterSpeed);

    if (soft > 132) {
        engine_.GetSubData();
        if (TransferError) return false;
    }
    for (void (Engine::*step)() : {&Engine::GetDeviceData, &Engine::GetDeviceName, &Engine::GetOutGrp}) {
        (engine_.*step)();
        if (TransferError) return false;
    }

    // What the panel sent may be in range record by record and still contradict itself (a relay's
    // second half alone, a group counting outputs it does not list): made whole here, as a read of
    // the project file does.
    const ProjectWhole::Places mended = ProjectWhole::MakeProjectWhole();
    PanelReplaced.Add(mended.addresses, mended.groups);

    MainMdl::Delay(timing_.beforeReturn);
    BaudCode = 9;
    TransferPhase = 3;
    PressPresetInUse(9600);
    ShowCounts();
    ShowTransferTime();

    // The project now is the panel's: a failed return to 9600 keeps it.
    engine_.failureNote.clear();
    if (speedSwitch && !ReturnPanelTo9600()) {
        SayReplaced();
        return true;
    }
    Say(LinkMessages::Completed);
    SayReplaced();
    return true;
}

void PanelOperations::SayReplaced()
{
    if (PanelReplaced.any()) ShowMessage(PlacesMessage(UILanguage, PlacesSource::Panel, PanelReplaced));
}
