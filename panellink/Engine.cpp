#include "panellink/Engine.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "panellink/Frame.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/PortChoice.h"
#include "platform/Clock.h"
#include "platform/SComm.h"
#include "platform/Ui.h"

namespace {

const QString NoError = QStringLiteral("0x000000");

// Where the progress bar starts for a block of the running operation, and how much of it the
// block fills.
struct Share {
    PanelOperation op;
    int code;
    double start;
    double share;
};

constexpr Share SendShares[] = {
    {PanelOperation::ClockUpdate, Frame::CA, 50, 50},
    {PanelOperation::Upload, Frame::C2, 31, 1},
    {PanelOperation::Upload, Frame::CC, 32, 1},
    {PanelOperation::Upload, Frame::C6, 33, 28},
    {PanelOperation::Upload, Frame::C7, 61, 28},
    {PanelOperation::Upload, Frame::C5, 89, 10},
};

constexpr Share ReceiveShares[] = {
    {PanelOperation::ClockUpdate, Frame::B2, 0, 50},
    {PanelOperation::HistoryDownload, Frame::B2, 1, 1},
    {PanelOperation::HistoryDownload, Frame::B8, 3, 96},
    {PanelOperation::Upload, Frame::B2, 1, 1},
    {PanelOperation::Upload, Frame::B6, 3, 28},
    {PanelOperation::Download, Frame::B2, 1, 1},
    {PanelOperation::Download, Frame::BC, 3, 1},
    {PanelOperation::Download, Frame::B6, 4, 42},
    {PanelOperation::Download, Frame::B7, 46, 42},
    {PanelOperation::Download, Frame::B5, 88, 11},
};

std::optional<Share> Find(const Share* table, size_t n, int code)
{
    for (size_t i = 0; i < n; ++i)
        if (table[i].op == RunningOperation && table[i].code == code) return table[i];
    return std::nullopt;
}

std::optional<Share> SendShare(int code)
{
    if (code == Frame::CD && (RunningOperation == PanelOperation::Upload ||
                              RunningOperation == PanelOperation::Download ||
                              RunningOperation == PanelOperation::HistoryDownload)) {
        const double start = TransferPhase == 3 ? 99 : TransferPhase == 2 ? 2 : 0;
        return Share{RunningOperation, code, start, 1};
    }
    return Find(SendShares, std::size(SendShares), code);
}

std::optional<Share> ReceiveShare(int code) { return Find(ReceiveShares, std::size(ReceiveShares), code); }

double Now() { return Clock::Current().Now(); }
void Yield() { Clock::Current().Poll(); }

int CommandOf(const QByteArray& frame) { return static_cast<unsigned char>(frame[4]); }

void NoDevicesMessage()
{
    if (UILanguage == 1)
        Ui::MsgBox(QStringLiteral("אין התקנים בקובץ"), Ui::vbOKOnly | Ui::vbHebrew, QStringLiteral("אזהרה"));
    else if (UILanguage == 2)
        Ui::MsgBox(QStringLiteral("No devices in file"), Ui::vbOKOnly, QStringLiteral("Warning"));
}

}  // namespace

Engine::Engine(SComm& port, LinkTiming& timing, PanelView& view) : port_(port), timing_(timing), view_(view) {}

void Engine::SetStatBar(double value)
{
    bar_ = std::clamp(value, 0.0, 100.0);
    view_.SetStatBar(int(bar_));
}

void Engine::AddProgress(double increment)
{
    if (increment > 0) SetStatBar(bar_ + increment);
}

// A pause of 0 waits nothing; the waits on the port let window events run meanwhile.
void Engine::Pause(double seconds)
{
    if (seconds > 0) MainMdl::Delay(seconds);
}

void Engine::Fail(const QString& message)
{
    TransferError = true;
    if (!quiet) Ui::MsgBox(failureNote.isEmpty() ? message : message + QStringLiteral("\r\n") + failureNote);
}

void Engine::Fault(const char* errLocation)
{
    ErrLocation = QString::fromLatin1(errLocation);
    TransferError = true;
    if (!quiet) Ui::MsgBox(ErrLocation);
}

bool Engine::OpenPort()
{
    portFailed_ = !setPortOpen(port_, [this] {
        if (!quiet) SayPortFault(port_, failureNote);
    });
    return !portFailed_;
}

void Engine::ClosePort() { setPortClose(port_); }

void Engine::EndBlock()
{
    ClosePort();
    view_.SetActivMsgLbl(QString());
}

void Engine::AwaitReply(double pause, double deadline, int expected)
{
    // A port that closed (a window event during the wait) brings nothing: the time-out runs out
    // with the window alive, not in a spin.
    if (!port_.PortOpen()) {
        MainMdl::Delay(deadline - Now());
        Yield();
        return;
    }
    // With a pause the next look comes after it. Without one the port wakes us once the frame
    // expected can be whole, or with the part of another that came by then.
    if (pause <= 0 && (port_.WaitForInput(expected, deadline - Now()) || port_.InBufferCount() > 0)) return;
    Yield();
}

QByteArray Engine::TakeFrame(double deadline)
{
    QByteArray buf = port_.Input();
    // The shortest frame until the length byte is in, then the whole frame it announces.
    auto missing = [&] {
        return (buf.size() >= 3 ? static_cast<unsigned char>(buf[2]) + 2 : Frame::MinFrameBytes) - int(buf.size());
    };
    // A reply may come in parts (USB adapters deliver bytes as they come); it is one frame
    // once its length byte is satisfied. Bytes that cannot begin a frame are judged at once.
    while (!buf.isEmpty() && static_cast<unsigned char>(buf[0]) == Frame::StartByte && missing() > 0 &&
           Now() <= deadline) {
        port_.WaitForInput(missing(), deadline - Now());
        const QByteArray more = port_.Input();
        if (more.isEmpty()) {
            Yield();  // nothing more came in time: the frame is incomplete
            break;
        }
        buf += more;
    }
    return buf;
}

QByteArray Engine::Wait4Str()
{
    const double deadline = Now() + timing_.ReplyTimeout();
    for (;;) {
        Pause(timing_.AckPause());
        if (port_.InBufferCount() > 0) {
            // Everything read now is taken as one frame: two frames at once fail the length test.
            const QByteArray frame = TakeFrame(deadline);
            const bool late = Now() > deadline;
            return !late && Frame::CheckReceived(frame) == Frame::Check::Good ? frame : QByteArray();
        }
        if (Now() > deadline) return QByteArray();
        AwaitReply(timing_.AckPause(), deadline, Frame::MinFrameBytes);  // an acknowledgement
    }
}

bool Engine::wait4Ack()
{
    const QByteArray frame = Wait4Str();
    return !frame.isEmpty() && CommandOf(frame) == Frame::Ack;
}

void Engine::sndDataArray(int code)
{
    ErrLocation = NoError;
    TransferError = false;
    try {
        double share = 0;
        if (const auto s = SendShare(code)) {
            SetStatBar(s->start);
            share = s->share;
        }
        if (!OpenPort()) {
            EndBlock();
            return;
        }
        const bool groups = code == Frame::C5;
        const int first = groups ? 0 : 1;
        const int last = groups ? MaxGroups - 1 : LinkState::FrameCount();
        if (last < 1) {
            if (!quiet) NoDevicesMessage();
            TransferError = true;
            EndBlock();
            return;
        }
        const double increment = share / last;
        Ui::BusyCursor busy;
        for (int f = first; f <= last && f < FrameArraySize; ++f) {
            AddProgress(increment);
            // No retry: a frame that is not acknowledged ends the block.
            if (FrameArray[f].isEmpty() || !port_.Output(FrameArray[f]) || !wait4Ack()) {
                TransferError = true;
                break;
            }
        }
        // A block of several frames is closed by the PC's end frame; its acknowledgement is
        // not needed for the block to count as sent.
        if (!TransferError && last >= 2 && sndCmd(port_, Frame::End, QStringLiteral("C7"))) wait4Ack();
    } catch (const std::exception&) {
        Fault("0x000021");
    }
    EndBlock();
}

void Engine::fillDataRcv(int count, int requestCode)
{
    ErrLocation = NoError;
    TransferError = false;
    endSeen_ = false;
    try {
        double share = 0, increment = 0;
        // The records of a block are of one size: the next is waited for as long as that takes
        // on the line; the first, and the end frame due after the last, as the shortest frame.
        int recordBytes = Frame::MinFrameBytes;
        if (const auto s = ReceiveShare(requestCode)) {
            SetStatBar(s->start);
            share = s->share;
        }
        for (int i = 1; i <= count; ++i) {
            AddProgress(increment);
            const double deadline = Now() + timing_.ReplyTimeout();  // a fresh wait per record
            bool done = false, failed = false;
            while (!done) {
                Pause(timing_.RecordPause());
                if (port_.InBufferCount() > 0) {
                    const QByteArray frame = TakeFrame(deadline);
                    recordBytes = int(frame.size());
                    if (Frame::CheckReceived(frame) != Frame::Check::Good || Now() > deadline) {
                        sndCmd(port_, Frame::Nak);
                        failed = true;
                    } else if (CommandOf(frame) == Frame::Nak && i == 1) {
                        // The panel refused the request: ask once more within the same wait.
                        sndCmd(port_, requestCode);
                    } else {
                        const bool lastRecord = i == count;
                        if (lastRecord) Pause(timing_.lastRecordTurn);
                        fillDataLine(CommandOf(frame), frame, i, requestCode);
                        if (lastRecord) Pause(timing_.lastRecordTurn);
                        if (i == 1)
                            increment = requestCode == Frame::B5 ? share / MaxGroups : share / (countByte_ + 1);
                        if (endSeen_) i = count;
                        failed = TransferError;
                        done = true;
                    }
                }
                if (!done && !failed && Now() > deadline) failed = true;
                if (failed) {
                    TransferError = true;
                    done = true;
                    i = count;
                }
                if (done) Yield();
                else AwaitReply(timing_.RecordPause(), deadline, i > 1 && i < count ? recordBytes : Frame::MinFrameBytes);
            }
        }
    } catch (const std::exception&) {
        Fault("0x000023");
    }
    EndBlock();
}

void Engine::fillDataLine(int c, const QByteArray& frame, int i, int requestCode)
{
    ErrLocation = NoError;
    TransferError = false;
    try {
        countByte_ = frame.size() > 3 ? static_cast<unsigned char>(frame[3]) : 0;
        const QByteArray data = frame.mid(5, frame.size() - 6);
        auto answer = [&](int code) {
            if (!sndCmd(port_, code)) TransferError = true;
        };

        if (c == Frame::End) {
            LinkState::StoreEnd(i);
            endSeen_ = true;
            Pause(timing_.endBefore);
            answer(Frame::Ack);
            Pause(timing_.endAfter);
            return;
        }
        const bool record = c == requestCode && (c == Frame::B2 || c == Frame::BC || c == Frame::B5 ||
                                                 c == Frame::B6 || c == Frame::B7 || c == Frame::B8);
        if (record && i >= FrameArraySize) {
            // More records than the block buffer holds: the reply is not one the panel sends.
            answer(Frame::Nak);
            ErrLocation = QStringLiteral("0x000032");
            TransferError = true;
            return;
        }
        if (record) {
            LinkState::StoreRecord(i, data);
            const bool single = c == Frame::B2 || c == Frame::BC;
            if (single) Pause(timing_.recordTurn);
            answer(Frame::Ack);
            if (single) Pause(timing_.recordTurn);
            return;
        }
        // An ACK or NAK where a record was due, another block's records, or a PC command.
        if (!quiet) Ui::MsgBox(QStringLiteral("Not Leagal Cmd 4 now -") + Str(c) + QLatin1Char('-') + Str(i));
        sndCmd(port_, Frame::Nak);
        TransferError = true;
    } catch (const std::exception&) {
        Fault("0x000032");
    }
}

void Engine::ErrorMsg(int number)
{
    if (number != 1 || quiet) return;
    QString note = failureNote.isEmpty() ? QString() : QStringLiteral("\r\n") + failureNote;
    if (UILanguage == 1)
        Ui::MsgBox(QStringLiteral("תקשורת לא תקינה\r\nהאם הכבל מחובר לבקרה ?") + note, Ui::vbOKOnly | Ui::vbHebrew,
                   QStringLiteral("שגיאה"));
    else if (UILanguage == 2)
        Ui::MsgBox(QStringLiteral("Com error\r\nCheck USB-RS232 cable connection") + note, Ui::vbOKOnly,
                   QStringLiteral("Error"));
}
