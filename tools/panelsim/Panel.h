#pragma once
// The panel's protocol: bytes from the line in, frames out, memory kept. No port, no clock of
// its own: the caller passes the time and the speed the line is set to, so a test can drive
// it with bytes alone.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "tools/panelsim/Faults.h"
#include "tools/panelsim/Frame.h"
#include "tools/panelsim/PanelMemory.h"

namespace panelsim {

// One piece to write to the line: wait delayMs (after the piece before), write bytes, then,
// when baudAfter is not 0, change the line to that speed.
struct Output {
    int delayMs = 0;
    QByteArray bytes;
    int baudAfter = 0;
};

class Panel {
public:
    explicit Panel(PanelMemory memory = {}, Faults faults = {});

    // Bytes received at time nowMs (any monotonic milliseconds) while the sender's side of
    // the line was set to lineBaud (0: unknown, no speed check). Returns what to send.
    std::vector<Output> Receive(const QByteArray& bytes, int64_t nowMs, int lineBaud = 0);

    const PanelMemory& Memory() const { return mem_; }
    PanelMemory& Memory() { return mem_; }
    const Faults& FaultModes() const { return faults_; }
    int FramesSent() const { return sent_; }
    // Increases each time the memory changes (a cheap "something to dump" test).
    uint64_t Revision() const { return revision_; }
    // Command bytes of the good frames taken in, in order (what the PC asked and sent).
    const std::vector<uint8_t>& CommandsReceived() const { return commands_; }

    // Receives one line per event: "rx 9600 AA 01 ...", "tx ...", "drop ...", "speed 57600".
    void SetTrace(std::function<void(const QString&)> sink) { trace_ = std::move(sink); }

private:
    enum class Fate { Send, Silent, Nak };

    void HandleFrame(const Frame& f, std::vector<Output>& out);
    void HandleRequest(const Frame& f, std::vector<Output>& out);
    bool ApplyBlock(const Frame& f);
    void StartReply(std::vector<QByteArray> records, uint8_t cmd, bool withEnd, std::vector<Output>& out);
    Fate NextFate() const;
    void Send(QByteArray frame, std::vector<Output>& out, int baudAfter = 0);
    void SendNak(std::vector<Output>& out);
    void SwitchSpeed(int requested, std::vector<Output>& out);
    void Abort() { queue_.clear(); awaitingAck_ = false; }
    void Trace(const QString& line) const { if (trace_) trace_(line); }

    PanelMemory mem_;
    Faults faults_;
    FrameReader reader_;
    std::deque<QByteArray> queue_;  // frames of the running reply, each sent after an ACK
    bool awaitingAck_ = false;
    int sent_ = 0;
    uint64_t revision_ = 0;
    int64_t lastByteMs_ = 0;
    int64_t lastFrameMs_ = 0;
    bool seenFrame_ = false;
    std::vector<uint8_t> commands_;
    std::function<void(const QString&)> trace_;
};

}  // namespace panelsim
