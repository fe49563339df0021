#pragma once
// The transfer engine: sends a prepared block frame by frame, each acknowledged, and receives a
// requested block record by record, acknowledging each; above it the transfer steps, one per
// data block (Set... sends, Get... reads). It runs on the port and the timing it is given and on
// the current Clock, so it runs against a real port or an in-memory one on virtual time.
//
// Failure travels through TransferError (LinkState.h): set after a step means the step failed
// and the user has been told (a port that did not open, with one message).
#include <QByteArray>
#include <QString>

#include "panellink/PanelView.h"

class SComm;

class Engine {
public:
    Engine(SComm& port, LinkTiming& timing, PanelView& view);

    // One complete, valid frame that arrived within the reply time-out, or "".
    QByteArray Wait4Str();
    // True when the next frame is a valid ACK.
    bool wait4Ack();
    // Sends the block in FrameArray (frames 1..n, or 0..31 for the groups, code 197) and the end
    // frame after a block of two or more frames; sets TransferError on failure.
    void sndDataArray(int code);
    // Receives up to `count` records (the end frame included) of the reply to `requestCode`
    // into FrameArray, acknowledging each; sets TransferError on failure.
    void fillDataRcv(int count, int requestCode);
    // Stores one received frame with command c as record i and answers it. A data record must
    // carry the code that was requested.
    void fillDataLine(int c, const QByteArray& frame, int i, int requestCode);
    // Number 1: the communication error message; other numbers: nothing.
    void ErrorMsg(int number);

    // The transfer steps.
    void SetBaudRate();
    void SetTime();
    void SetDataSys();
    void SetSubData();
    void SetDeviceData();
    void SetDataName();
    void SetOutGrp();
    void GetDataSys();
    void GetSubData();
    void GetDeviceData();
    void GetDeviceName();
    void GetOutGrp();
    void GetHistoryA();

    // The progress bar as the engine keeps it (the operations set it too).
    void SetStatBar(double value);
    double StatBar() const { return bar_; }

    // While not empty, added as a last line to the step's failure message (a download says
    // here that the project was not changed).
    QString failureNote;
    // While set, a failing step shows nothing (the best-effort return to 9600 after a failure).
    bool quiet = false;
    // While set, the running operation holds the window disabled and GetHistoryA leaves the
    // window as it is.
    bool windowHeld = false;

    SComm& Port() { return port_; }
    LinkTiming& Timing() { return timing_; }
    PanelView& View() { return view_; }

    struct SendStep;
    struct ReadStep;

private:
    void RunSend(const SendStep& step);
    void RunRead(const ReadStep& step);

    // Opens the port with ComSettings (setPortOpen); a port that does not open shows why
    // (once, as Fail does), sets TransferError and gives false.
    bool OpenPort();
    void ClosePort();
    // What is waiting, read on until the frame its length byte announces is whole or the
    // deadline passes.
    QByteArray TakeFrame(double deadline);
    void Pause(double seconds);
    // Between two looks at the port for a reply: window events run, and where no pause is
    // set the wait sleeps on the port until a frame of `expected` bytes can be whole, part of
    // another has come, or the deadline passes.
    void AwaitReply(double pause, double deadline, int expected);
    void AddProgress(double increment);
    void Fail(const QString& message);
    // A run-time fault inside a procedure: its error-location code is stored and shown alone.
    void Fault(const char* errLocation);
    void EndBlock();

    SComm& port_;
    LinkTiming& timing_;
    PanelView& view_;
    double bar_ = 0;
    bool portFailed_ = false;  // the step's port did not open; its message is shown
    bool endSeen_ = false;
    int countByte_ = 0;
};
