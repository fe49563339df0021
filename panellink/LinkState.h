#pragma once
// The panel link's state, shared by the frame layer, the block codecs and the transfer engine,
// and what the codecs leave for the main window to show (identity boxes, the verification list).
#include <array>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/DataModel.h"
#include "core/PlacesMessage.h"

// The block buffer. Sending: complete frames in elements 1..n and n as decimal text in element 0
// (the operating groups use elements 0..31 and no count). Receiving: the data bytes of record i
// in element i and the number of records received in element 0.
constexpr int FrameArraySize = 256;
extern std::array<QByteArray, FrameArraySize> FrameArray;

// Set by a failed step (or a failed encoder or decoder); every caller tests it after each step.
extern bool TransferError;
// Set while the upload and the clock update read the panel only to check it.
extern bool VerifyMode;
// True only after the device-list comparison finished without a conflict.
extern bool SendAllowed;

// The identity of the panel just read in VerifyMode, four digits each.
extern QString VerComNum4Verif, VerSoftNum4Verif, VerHardNum4Verif, TechCode4Verif;
// The panel's device list as the verification read it (Address, ExtType, BaseType, Exist, CardAddr).
extern std::array<DeviceRecord, MaxAddress + 1> VerifyDeviceArray;

// The seven two-digit clock values of the clock frame, elements 1..7: seconds, minutes, hours,
// weekday (1 = Sunday), day, month, year.
extern std::array<QString, 8> ClockFields;

enum class PanelOperation { None, ClockUpdate, HistoryDownload, Upload, Download };
extern PanelOperation RunningOperation;
// 1 before the first speed step, 2 for the switch to the fast speed, 3 for the return to 9600.
extern int TransferPhase;
// Start and end time of the running operation, "hh:nn:ss".
extern QString TransferStart, TransferEnd;

// What the codecs write for the main window to show.
struct LinkWindowView {
    // The identity boxes, versions as "01.71".
    QString txtVerComNum, txtVerSoftNum, txtVerHardNum, txtTechCode;
    // The verification's list of differences, in ascending address order.
    QStringList List1;
    // The button that opens that list: shown or not, its caption, and whether it blinks.
    bool Command7Visible = false;
    QString Command7Caption;
    bool Timer1Enabled = false;
};
extern LinkWindowView LinkView;

// The places whose panel values the decoders brought into range since the download or the single
// step began; the download names them, with what it made whole, in one warning, and a single
// step with the places it left disagreeing.
extern PlacesList PanelReplaced;

namespace LinkState {
// Everything above back to its start (tests, and the program's start).
void Reset();

// Empties every element. The engine calls it before it sends a request, so a short reply can
// never hand a decoder an earlier block's records; each encoder calls it itself before it builds
// its frames (so the engine must not call it between an encoder and the sending).
void BeginBlock();
// A received record i (1-based) with its data bytes; element 0 follows the count received.
void StoreRecord(int i, const QByteArray& data);
// The panel's end frame arrived as frame i: i - 1 records came before it.
void StoreEnd(int i);
// The number in element 0 (0 when it holds no number).
int FrameCount();
void SetFrameCount(int n);

// A codec failed: the step fails (TransferError) and the procedure's error-location code goes
// to ErrLocation, where the administrator area shows it; the step then shows its communication
// error message. Returns false, so a codec can `return CodecFault(code);`.
bool CodecFault(const char* errLocation);
}  // namespace LinkState
