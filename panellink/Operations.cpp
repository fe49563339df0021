// What the panel operations share: the start checks, the speed switching and its undoing, the
// end of every operation, the transfer time, the presets and the single-step buttons.
#include "panellink/Operations.h"

#include <exception>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "core/PlacesMessage.h"
#include "core/ProjectWhole.h"
#include "core/ResetModule.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/ProjectSnapshot.h"
#include "platform/SComm.h"
#include "platform/Ui.h"

namespace {

const QString Settings9600 = QStringLiteral("9600,N,8,1");

int BaudOfCode(int code)
{
    switch (code) {
    case 38: return 38400;
    case 57: return 57600;
    default: return 9600;
    }
}

QString SettingsOf(int code) { return Str(BaudOfCode(code)) + QStringLiteral(",N,8,1"); }

long long SecondsOf(const QString& time)
{
    return ValInt(time.mid(0, 2)) * 3600 + ValInt(time.mid(3, 2)) * 60 + ValInt(time.mid(6, 2));
}

}  // namespace

QString TransferDuration(const QString& start, const QString& end)
{
    long long d = SecondsOf(end) - SecondsOf(start);
    // The times carry no date: an end before the start is on the next day.
    if (d < 0) d += 24 * 3600;
    const long long h = d / 3600, m = (d - h * 3600) / 60, s = d - h * 3600 - m * 60;
    return ZeroPad(h, 2) + QLatin1Char(':') + ZeroPad(m, 2) + QLatin1Char(':') + ZeroPad(s, 2);
}

PanelOperations::PanelOperations(SComm& port, LinkTiming& timing, PanelView& view)
    : port_(port), timing_(timing), view_(view), engine_(port, timing, view)
{
}

bool PanelOperations::Preflight()
{
    if (port_.CommPort == 0) {
        Say(LinkMessages::CableMissing);
        return false;
    }
    return Say(LinkMessages::ConnectionMode) == Ui::vbYes;
}

QString PanelOperations::TimeNow() const { return wallClock().time().toString(QStringLiteral("hh:mm:ss")); }

void PanelOperations::StartTimes()
{
    view_.SetText2(QString());
    TransferStart = TimeNow();
    TransferEnd.clear();
    ComSettings = Settings9600;
    BaudCode = 9;
    fastCodeSent_ = 0;
    returned_ = false;
}

void PanelOperations::ShowTransferTime()
{
    TransferEnd = TimeNow();
    view_.SetText2(TransferDuration(TransferStart, TransferEnd));
}

void PanelOperations::HoldWindow()
{
    engine_.windowHeld = true;
    view_.SetWindowEnabled(false);
}

bool PanelOperations::RunSteps(bool (PanelOperations::*steps)(), const QString& faultNote)
{
    try {
        return (this->*steps)();
    } catch (const std::exception& e) {
        Ui::MsgBox(QString::fromLocal8Bit(e.what()) + faultNote);
        return false;
    }
}

bool PanelOperations::SwitchToTransferSpeed(bool speedSwitch)
{
    if (speedSwitch) BaudCode = view_.FastSelected() ? 57 : 9;
    TransferPhase = 2;
    if (speedSwitch && !SwitchPanelSpeed()) return false;
    SwitchPcSide(BaudCode);
    return true;
}

bool PanelOperations::BackTo9600AndShowTime(bool speedSwitch)
{
    MainMdl::Delay(timing_.beforeReturn);
    if (speedSwitch) {
        if (!ReturnPanelTo9600()) return false;
    } else {
        BaudCode = 9;
        TransferPhase = 3;
    }
    PressPresetInUse(9600);
    ShowTransferTime();
    return true;
}

void PanelOperations::ShowModel(int maxDevices)
{
    view_.SetModelCaptions(Str(maxDevices), QStringLiteral("Tessel") + Str(maxDevices));
}

void PanelOperations::PressPreset(int baud)
{
    const TimingPreset* p = PresetFor(baud);
    if (!p || !view_.FastSelected()) return;
    timing_.FullStr2 = QString::fromLatin1(p->FullStr2);
    timing_.FullStr = QString::fromLatin1(p->FullStr);
    timing_.TimeDelay = QString::fromLatin1(p->TimeDelay);
    view_.ShowTiming(timing_);
}

void PanelOperations::PressPresetInUse(int baud)
{
    PressPreset(baud);
    view_.ShowPresetInUse(baud);
}

void PanelOperations::SwitchPcSide(int baudCode)
{
    ComSettings = SettingsOf(baudCode);
    PressPresetInUse(BaudOfCode(baudCode));
}

bool PanelOperations::SwitchPanelSpeed()
{
    TransferPhase = 2;
    // Counted as sent before the frame goes: the panel may change speed even when its
    // acknowledgement is lost.
    if (BaudCode != 9) fastCodeSent_ = BaudCode;
    engine_.SetBaudRate();
    return !TransferError;
}

bool PanelOperations::ReturnPanelTo9600()
{
    BaudCode = 9;
    TransferPhase = 3;
    returned_ = true;
    engine_.SetBaudRate();
    return !TransferError;
}

void PanelOperations::Finish(uint32_t indicator)
{
    if (fastCodeSent_ != 0 && !returned_) {
        // The operation stopped with the panel at a fast speed: ask it back to 9600 at that
        // speed, without a further message, so the next operation finds it where it starts.
        const bool failed = TransferError;
        const QString location = ErrLocation;  // the administrator area shows the failure's code
        ComSettings = SettingsOf(fastCodeSent_);
        engine_.quiet = true;
        ReturnPanelTo9600();
        engine_.quiet = false;
        TransferError = failed;
        ErrLocation = location;
    }
    ComSettings = Settings9600;
    BaudCode = 9;
    if (fastCodeSent_ != 0) PressPresetInUse(9600);
    engine_.windowHeld = false;
    engine_.failureNote.clear();
    VerifyMode = false;
    RunningOperation = PanelOperation::None;
    view_.SetWindowEnabled(true);
    engine_.SetStatBar(0);
    if (indicator != 0) view_.SetTransferIndicator(indicator);
}

void PanelOperations::DefaultValues4Delays_Click() { PressPreset(9600); }
void PanelOperations::Command9_Click() { PressPreset(38400); }
void PanelOperations::Command10_Click() { PressPreset(57600); }

// A step that another operation's run refuses, as the plain steps' buttons rely on. Without a
// port the step is refused as the operations refuse to start; a step that does not finish puts the
// project back as it stood before its preparation (it has told the user why).
void PanelOperations::SingleStep(void (Engine::*step)(), StepReads reads, void (*prepare)())
{
    Run run(*this);
    if (!run) return;
    if (port_.CommPort == 0) {
        Say(LinkMessages::CableMissing);
        return;
    }
    RunningOperation = PanelOperation::None;
    PanelReplaced = PlacesList{};
    const ProjectSnapshot before = ProjectSnapshot::Take();
    if (prepare) {
        prepare();
        view_.ShowLinkView();
    }
    (engine_.*step)();
    if (TransferError) {
        PutBack(before);
        return;
    }
    if (reads == StepReads::Table) {
        // The counts follow the tables; the records stay as the panel sent them.
        ProjectWhole::Recount();
        ShowCounts();
    }
    SayStepPlaces(reads);
}

void PanelOperations::PutBack(const ProjectSnapshot& before)
{
    before.Restore();
    ShowModel(MaxNumOfDevices);
    ShowCounts();
    view_.ShowLinkView();
}

void PanelOperations::ShowCounts()
{
    view_.SetLabel4(Str(ValInt(NumOfDevices.str())));
    view_.SetLabel16(Str(NumOfActiveGroups));
}

void PanelOperations::SayStepPlaces(StepReads reads)
{
    if (reads == StepReads::Nothing) return;
    PlacesList places = PanelReplaced;
    if (reads == StepReads::Table) {
        const ProjectWhole::Places disagree = ProjectWhole::CheckProject();
        places.Add(disagree.addresses, disagree.groups);
    }
    if (places.any()) ShowMessage(PlacesMessage(UILanguage, PlacesSource::Step, places));
}

namespace {

// The preparation of the devices step: the table emptied for the panel's records, names included.
void EmptyDevices() { ResetModule::ResetDevices(1, MaxNumOfDevices, 1); }

// The preparation of the system step: the panel's identity is unknown until it is read.
void ForgetIdentity()
{
    LinkView.txtVerComNum = LinkView.txtVerSoftNum = LinkView.txtVerHardNum = QStringLiteral("xx.xx");
    LinkView.txtTechCode = QStringLiteral("XXXX");
    VerComNum = VerSoftNum = VerHardNum = TechCode = QStringLiteral("0000");
}

}  // namespace

void PanelOperations::GET_DATA_SYS_Click()
{
    if (running_) return;
    // Without a port the identity is forgotten all the same; with one it is forgotten after the
    // step has kept the project aside, so a step that does not finish puts it back.
    if (port_.CommPort == 0) {
        ForgetIdentity();
        view_.ShowLinkView();
    }
    SingleStep(&Engine::GetDataSys, StepReads::Block, ForgetIdentity);
}

void PanelOperations::GET_SUB_DATA_Click() { SingleStep(&Engine::GetSubData, StepReads::Block); }
void PanelOperations::GET_DEVICE_DATA_Click() { SingleStep(&Engine::GetDeviceData, StepReads::Table, EmptyDevices); }
void PanelOperations::GET_DEVICE_NAME_Click() { SingleStep(&Engine::GetDeviceName, StepReads::Block); }
void PanelOperations::GET_OUT_GRP_Click()
{
    // A group keeps its name; the panel sends none.
    SingleStep(&Engine::GetOutGrp, StepReads::Table, ResetModule::ResetGroupLinks);
}
void PanelOperations::GET_HISTORY_A_Click() { SingleStep(&Engine::GetHistoryA); }
void PanelOperations::SET_TIME_Click() { SingleStep(&Engine::SetTime); }
void PanelOperations::SET_BAUD_RATE_Click() { SingleStep(&Engine::SetBaudRate); }
void PanelOperations::SET_DATA_SYS_Click() { SingleStep(&Engine::SetDataSys); }
void PanelOperations::SET_SUB_DATA_Click() { SingleStep(&Engine::SetSubData); }
void PanelOperations::SET_DEVICE_DATA_Click() { SingleStep(&Engine::SetDeviceData); }
void PanelOperations::SET_DEVICE_NAME_Click() { SingleStep(&Engine::SetDataName); }
void PanelOperations::SET_OUT_GRP_Click() { SingleStep(&Engine::SetOutGrp); }
