// The upload: the whole project into the panel, after the firmware rules and the device-list
// check allow it.
#include "core/Conv.h"
#include "core/DataModel.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/Operations.h"
#include "panellink/SystemBlocks.h"
#include "panellink/UploadCheck.h"

namespace {

bool AnyDeviceIn(int first, int last)
{
    for (int a = first; a <= last && a <= MaxAddress; ++a)
        if (DeviceDataArray[a].Exist == "1") return true;
    return false;
}

bool AnyAnalogueDetector()
{
    for (int a = 1; a <= MaxNumOfDevices && a <= MaxAddress; ++a) {
        const int kind = KindOf(DeviceDataArray[a]);
        if (kind == DeviceKind::SmokeDetector || kind == DeviceKind::HeatDetector) return true;
    }
    return false;
}

long long RemoteUnitCount()
{
    long long n = 0;
    for (int i = 1; i <= 2; ++i) n += (ValInt(RemoteUnits.Panel[i]) > 0) + (ValInt(RemoteUnits.PS[i]) > 0);
    return n;
}

void SayInvalid(const UnencodableRecord& bad)
{
    switch (bad.block) {
    case UnencodableRecord::Device:
        Say(LinkMessages::InvalidAtAddress, Str(bad.number));
        break;
    case UnencodableRecord::Group:
        Say(LinkMessages::InvalidInGroup, Str(bad.number));
        break;
    default:
        Say(LinkMessages::InvalidInSystem);
    }
}

}  // namespace

void PanelOperations::Upload2Sys_Click()
{
    Run run(*this);
    if (!run || !Preflight()) return;
    RunningOperation = PanelOperation::Upload;
    PressPreset(9600);
    StartTimes();
    // The addresses in use, not a count that may be stale or come from a damaged file.
    if (AddressesInUse() == 0) {
        Say(LinkMessages::EmptyDeviceList);
        Finish(LinkColours::Idle);
        return;
    }
    // Every record is encoded before the first byte goes out: the panel gets the whole project
    // or nothing of it.
    if (const auto bad = FirstUnencodableRecord()) {
        SayInvalid(*bad);
        Finish(LinkColours::Idle);
        return;
    }
    view_.SetTransferIndicator(LinkColours::UploadRunning);
    view_.ShowPresetInUse(9600);
    VerifyMode = true;
    HoldWindow();
    RunSteps(&PanelOperations::UploadSteps);
    Finish(LinkColours::Idle);
}

bool PanelOperations::UploadSteps()
{
    view_.SaveProjectQuietly();
    TransferPhase = 1;
    engine_.GetDataSys();
    if (TransferError) return false;

    const int soft = VersionValue(VerSoftNum4Verif);
    const bool fiftyAddresses = ModelDigit(VerHardNum4Verif) == 5;
    if (soft > 300) {
        Say(LinkMessages::ContactCompany);
        return false;
    }
    MaxNumOfDevices = fiftyAddresses ? 50 : 126;
    ShowModel(MaxNumOfDevices);
    // Whatever the firmware, a 50-address panel cannot take the devices above 50: refuse rather
    // than leave them out of the upload.
    if (fiftyAddresses && AnyDeviceIn(51, MaxAddress)) {
        Say(LinkMessages::DeleteAbove50);
        MaxNumOfDevices = 126;
        ShowModel(MaxNumOfDevices);
        return false;
    }
    if (soft < 158 && AnyAnalogueDetector()) {
        Say(LinkMessages::AnalogDetectors);
        return false;
    }
    if (soft < 163)
        for (int a = 1; a <= MaxNumOfDevices; ++a) DeviceDataArray[a].DeviceNeedVer = "0";

    const bool speedSwitch = soft > 139;
    if (!SwitchToTransferSpeed(speedSwitch)) return false;

    engine_.GetDeviceData();
    if (TransferError || !SendAllowed) return false;
    engine_.SetDataSys();
    if (TransferError) return false;
    if (soft > 132) {
        engine_.SetSubData();
        if (TransferError) {
            Say(LinkMessages::Mismatch);
            return false;
        }
    }
    for (void (Engine::*step)() : {&Engine::SetDeviceData, &Engine::SetDataName, &Engine::SetOutGrp}) {
        (engine_.*step)();
        if (TransferError) return false;
    }

    if (!BackTo9600AndShowTime(speedSwitch)) return false;

    if (soft <= 133) {
        // These panels take no remote-unit settings from the PC: say so instead of success.
        if (RemoteUnitCount() >= 1) Say(LinkMessages::RemoteManual);
    } else {
        Say(LinkMessages::Completed);
    }
    Say(LinkMessages::SaveReminder);
    return true;
}
