// The transfer steps: one per data block, each a row of a table. A sending step runs its
// encoder and sends the block; a reading step sends its request, receives the records and runs
// its decoder. A failed step shows one message: the port's own reason when it did not open,
// else the communication error message.
#include <exception>

#include "core/DataModel.h"
#include "panellink/DeviceBlock.h"
#include "panellink/Engine.h"
#include "panellink/Frame.h"
#include "panellink/GroupBlock.h"
#include "panellink/HistoryBlock.h"
#include "panellink/LinkState.h"
#include "panellink/NameBlock.h"
#include "panellink/SystemBlocks.h"
#include "panellink/Verification.h"

namespace {

const QString NoError = QStringLiteral("0x000000");

QString ByLanguage(const char16_t* english, const char16_t* hebrew)
{
    if (!english) return QString();
    if (UILanguage == 1) return QString::fromUtf16(hebrew);
    if (UILanguage == 2) return QString::fromUtf16(english);
    return QString();
}

}  // namespace

struct Engine::SendStep {
    const char16_t* english;  // status text; nullptr: none
    const char16_t* hebrew;
    bool (*encode)();
    int code;
    const char* errLocation;
};

struct Engine::ReadStep {
    const char16_t* english;  // status text; nullptr: none
    const char16_t* hebrew;
    const char16_t* verifyEnglish;  // status text in VerifyMode; nullptr: none
    const char16_t* verifyHebrew;
    int request;
    int (*count)();
    bool (*decode)();
    bool (*decodeVerify)();  // the decoder in VerifyMode; nullptr: the same decoder
    const char* errLocation;
};

namespace {

int One() { return 1; }
int Devices() { return MaxNumOfDevices + 1; }
int Groups() { return MaxGroups + 1; }
int Events() { return MaxHistory + 1; }

using Send = Engine::SendStep;
using Read = Engine::ReadStep;

const Send SendBaudRate{nullptr, nullptr, [] { return fillBaudRate2Snd(BaudCode); }, Frame::CD, "0x000007"};
const Send SendTime{u"Sending date and time", u"שולח תאריך ושעה", fillSetTime, Frame::CA, "0x000008"};
const Send SendDataSys{u"Sending system settings", u"שולח הגדרות המערכת לבקרה", fillDataSys2Snd, Frame::C2,
                       "0x000009"};
const Send SendSubData{u"Sending remote devices settings", u"שולח התקני משנה לבקרה", fillSubData2Snd, Frame::CC,
                       "0x000010"};
const Send SendDeviceData{u"Sending devices data", u"שולח הגדרות ההתקנים לבקרה", fillDeviceData2Snd, Frame::C6,
                          "0x000011"};
const Send SendDataName{u"Sending devices names", u"שולח שמות ההתקנים לבקרה", fillNameData2Snd, Frame::C7,
                        "0x000012"};
const Send SendOutGrp{u"Sending groups settins", u"שולח קבוצות הפעלה לבקרה", fillOutGrp2Snd, Frame::C5, "0x000013"};

const Read ReadDataSys{u"Downloading system settings to PC", u"מוריד הגדרות בקרה למחשב", nullptr, nullptr,
                       Frame::B2, One, fillDataSysArray_rcv, fillDataSysArray4Verif_rcv, "0x000001"};
const Read ReadSubData{u"Downloading remote devices settings to PC", u"מוריד התקני תקשורת למחשב", nullptr, nullptr,
                       Frame::BC, One, fillSubDataArray_rcv, nullptr, "0x000002"};
const Read ReadDeviceData{u"Dowloading devices settings to PC", u"מוריד הגדרות ההתקנים למחשב",
                          u"Comparin data between system and PC", u"השוואת נתונים בין בקרה לתוכנה",
                          Frame::B6, Devices, fillDeviceDataArray_rcv, fillDeviceDataArray4Verif_rcv, "0x000003"};
const Read ReadDeviceName{u"Downloading deveces names to PC", u"מוריד שמות ההתקנים למחשב", nullptr, nullptr,
                          Frame::B7, Devices, fillNameArray_rcv, nullptr, "0x000004"};
const Read ReadOutGrp{u"Downloading groups to PC", u"מוריד קבוצות הפעלה למחשב", nullptr, nullptr, Frame::B5, Groups,
                      fillOutGrpArray_rcv, nullptr, "0x000005"};
const Read ReadHistory{u"Downloading events history to PC", u"מוריד היסטוריית אירועים למחשב", nullptr, nullptr,
                       Frame::B8, Events, fillHistoryArray_rcv, nullptr, "0x000006"};

}  // namespace

void Engine::RunSend(const SendStep& step)
{
    ErrLocation = NoError;
    TransferError = false;
    portFailed_ = false;
    view_.SetActivMsgLbl(ByLanguage(step.english, step.hebrew));
    try {
        // A failed encoder leaves nothing fit to send (it has set TransferError and its code).
        if (!step.encode()) TransferError = true;
        else sndDataArray(step.code);
    } catch (const std::exception&) {
        Fault(step.errLocation);
    }
    if (TransferError && !portFailed_) ErrorMsg(1);
    view_.SetActivMsgLbl(QString());
}

void Engine::RunRead(const ReadStep& step)
{
    ErrLocation = NoError;
    TransferError = false;
    const bool verify = VerifyMode && step.decodeVerify;
    view_.SetActivMsgLbl(verify ? ByLanguage(step.verifyEnglish, step.verifyHebrew)
                                : ByLanguage(step.english, step.hebrew));
    try {
        if (!OpenPort()) {
            EndBlock();
            return;
        }
        // A short reply must never hand the decoder an earlier block's records.
        LinkState::BeginBlock();
        if (!sndCmd(port_, step.request)) TransferError = true;
        else fillDataRcv(step.count(), step.request);
        if (!TransferError) (verify ? step.decodeVerify : step.decode)();
    } catch (const std::exception&) {
        Fault(step.errLocation);
    }
    EndBlock();
    view_.ShowLinkView();
    if (TransferError) ErrorMsg(1);
}

void Engine::SetBaudRate() { RunSend(SendBaudRate); }
void Engine::SetTime() { RunSend(SendTime); }
void Engine::SetDataSys() { RunSend(SendDataSys); }
void Engine::SetSubData() { RunSend(SendSubData); }
void Engine::SetDeviceData() { RunSend(SendDeviceData); }
void Engine::SetDataName() { RunSend(SendDataName); }
void Engine::SetOutGrp() { RunSend(SendOutGrp); }

void Engine::GetDataSys() { RunRead(ReadDataSys); }
void Engine::GetSubData() { RunRead(ReadSubData); }
void Engine::GetDeviceData() { RunRead(ReadDeviceData); }
void Engine::GetDeviceName() { RunRead(ReadDeviceName); }
void Engine::GetOutGrp() { RunRead(ReadOutGrp); }

void Engine::GetHistoryA()
{
    // On its own the step holds the window itself; inside the history download the operation
    // keeps it disabled until its last step.
    const bool own = !windowHeld;
    if (own) view_.SetWindowEnabled(false);
    RunRead(ReadHistory);
    if (own) view_.SetWindowEnabled(true);
}
