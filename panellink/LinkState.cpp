#include "panellink/LinkState.h"

#include "core/Conv.h"

std::array<QByteArray, FrameArraySize> FrameArray;
bool TransferError = false;
bool VerifyMode = false;
bool SendAllowed = false;
QString VerComNum4Verif, VerSoftNum4Verif, VerHardNum4Verif, TechCode4Verif;
std::array<DeviceRecord, MaxAddress + 1> VerifyDeviceArray;
std::array<QString, 8> ClockFields;
PanelOperation RunningOperation = PanelOperation::None;
int TransferPhase = 0;
QString TransferStart, TransferEnd;
LinkWindowView LinkView;
PlacesList PanelReplaced;

namespace LinkState {

void Reset()
{
    BeginBlock();
    TransferError = false;
    VerifyMode = false;
    SendAllowed = false;
    VerComNum4Verif.clear();
    VerSoftNum4Verif.clear();
    VerHardNum4Verif.clear();
    TechCode4Verif.clear();
    VerifyDeviceArray.fill(DeviceRecord{});
    ClockFields.fill(QString());
    RunningOperation = PanelOperation::None;
    TransferPhase = 0;
    TransferStart.clear();
    TransferEnd.clear();
    LinkView = LinkWindowView{};
    PanelReplaced = PlacesList{};
}

void BeginBlock() { FrameArray.fill(QByteArray()); }

void SetFrameCount(int n) { FrameArray[0] = QByteArray::number(n); }

int FrameCount()
{
    // The element holds our own decimal text; anything else counts as no records.
    bool ok = false;
    const int n = FrameArray[0].toInt(&ok);
    return ok && n > 0 ? n : 0;
}

void StoreRecord(int i, const QByteArray& data)
{
    if (i < 1 || i >= FrameArraySize) return;
    FrameArray[i] = data;
    SetFrameCount(i);
}

void StoreEnd(int i)
{
    if (i < 1 || i > FrameArraySize) return;
    SetFrameCount(i - 1);
}

bool CodecFault(const char* errLocation)
{
    ErrLocation = QString::fromLatin1(errLocation);
    TransferError = true;
    return false;
}

}  // namespace LinkState
