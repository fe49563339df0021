#include "tools/panelsim/Panel.h"

#include <algorithm>

#include "tools/panelsim/PanelBlocks.h"

namespace panelsim {
namespace {

// A frame that has not been completed within this time is abandoned.
constexpr int64_t PartialFrameMs = 1000;

// Byte 4 of the frames a PC sends: 0x10 for groups, 0xC7 in its end frame, else 0.
bool HeaderByteExpected(const Frame& f)
{
    switch (f.cmd) {
    case Cmd::GroupSet: return f.byte4 == 0x10;
    case Cmd::End: return f.byte4 == 0xC7;
    default: return f.byte4 == 0x00;
    }
}

bool IsRequest(uint8_t cmd)
{
    switch (cmd) {
    case Cmd::SystemGet: case Cmd::RemoteGet: case Cmd::DeviceGet:
    case Cmd::NameGet: case Cmd::GroupGet: case Cmd::HistoryGet:
        return true;
    default:
        return false;
    }
}

}  // namespace

Panel::Panel(PanelMemory memory, Faults faults) : mem_(std::move(memory)), faults_(faults) {}

std::vector<Output> Panel::Receive(const QByteArray& bytes, int64_t nowMs, int lineBaud)
{
    std::vector<Output> out;
    if (reader_.Pending() && nowMs - lastByteMs_ > PartialFrameMs) {
        Trace(QStringLiteral("drop unfinished frame"));
        reader_.Clear();
    }
    lastByteMs_ = nowMs;
    if (faults_.idleResetMs > 0 && seenFrame_ && mem_.speed != 9600 && nowMs - lastFrameMs_ >= faults_.idleResetMs) {
        mem_.speed = 9600;
        ++revision_;
        Trace(QStringLiteral("speed 9600 (idle)"));
        out.push_back({0, {}, 9600});
    }
    for (const FrameReader::Item& item : reader_.Push(bytes)) {
        if (item.kind != FrameReader::Kind::Garbage && lineBaud != 0 && lineBaud != mem_.speed) {
            // At another speed than its own the panel hears only noise.
            Trace(QStringLiteral("drop at %1: %2").arg(lineBaud).arg(Hex(item.raw)));
            continue;
        }
        switch (item.kind) {
        case FrameReader::Kind::Garbage:
            Trace(QStringLiteral("drop garbage %1").arg(Hex(item.raw)));
            break;
        case FrameReader::Kind::Bad:
            seenFrame_ = true;
            lastFrameMs_ = nowMs;
            Trace(QStringLiteral("rx bad %1").arg(Hex(item.raw)));
            Abort();
            if (NextFate() != Fate::Silent) SendNak(out);
            break;
        case FrameReader::Kind::Good:
            seenFrame_ = true;
            lastFrameMs_ = nowMs;
            Trace(QStringLiteral("rx %1 %2").arg(mem_.speed).arg(Hex(item.raw)));
            commands_.push_back(item.frame.cmd);
            HandleFrame(item.frame, out);
            break;
        }
    }
    return out;
}

void Panel::HandleFrame(const Frame& f, std::vector<Output>& out)
{
    if (f.cmd == Cmd::Nak) {  // the PC gave up on the running reply
        Abort();
        return;
    }
    if (f.cmd == Cmd::Ack) {
        if (!awaitingAck_) return;
        if (queue_.empty()) {
            awaitingAck_ = false;
            return;
        }
    } else {
        Abort();
    }

    const Fate fate = NextFate();
    if (fate == Fate::Silent) {
        Abort();
        return;
    }
    if (fate == Fate::Nak) {
        Abort();
        SendNak(out);
        return;
    }
    if (f.cmd == Cmd::Ack) {
        QByteArray next = queue_.front();
        queue_.pop_front();
        Send(next, out);
        return;
    }

    const int needed = FirmwareNeeded(f.cmd);
    if (!HeaderByteExpected(f) || (needed && mem_.firmware < needed)) {
        SendNak(out);
    } else if (IsRequest(f.cmd)) {
        if (f.data.isEmpty()) HandleRequest(f, out);
        else SendNak(out);
    } else if (f.cmd == Cmd::End) {
        if (f.data.isEmpty()) Send(BuildFrame(Cmd::Ack), out);
        else SendNak(out);
    } else if (f.cmd == Cmd::SpeedSet) {
        const int speed = SpeedOfCode(f.data);
        if (speed) SwitchSpeed(speed, out);
        else SendNak(out);
    } else if (ApplyBlock(f)) {
        ++revision_;
        Send(BuildFrame(Cmd::Ack), out);
    } else {
        SendNak(out);
    }
}

void Panel::HandleRequest(const Frame& f, std::vector<Output>& out)
{
    switch (f.cmd) {
    case Cmd::SystemGet: StartReply({SystemRecord(mem_)}, f.cmd, false, out); break;
    case Cmd::RemoteGet: StartReply({RemoteRecord(mem_)}, f.cmd, false, out); break;
    case Cmd::DeviceGet: StartReply(DeviceRecords(mem_), f.cmd, true, out); break;
    case Cmd::NameGet: StartReply(NameRecords(mem_), f.cmd, true, out); break;
    case Cmd::GroupGet: StartReply(GroupRecords(mem_), f.cmd, true, out); break;
    case Cmd::HistoryGet: StartReply(HistoryRecords(mem_), f.cmd, true, out); break;
    default: SendNak(out); break;
    }
}

bool Panel::ApplyBlock(const Frame& f)
{
    switch (f.cmd) {
    case Cmd::SystemSet: return ApplySystem(mem_, f.data);
    case Cmd::RemoteSet: return ApplyRemote(mem_, f.data);
    case Cmd::DeviceSet: return ApplyDevice(mem_, f.data);
    case Cmd::NameSet: return ApplyName(mem_, f.data);
    case Cmd::GroupSet: return ApplyGroup(mem_, f.data);
    case Cmd::ClockSet: return ApplyClock(mem_, f.data);
    default: return false;
    }
}

void Panel::StartReply(std::vector<QByteArray> records, uint8_t cmd, bool withEnd, std::vector<Output>& out)
{
    if (withEnd && faults_.earlyEndAfter >= 0 && int(records.size()) > faults_.earlyEndAfter)
        records.resize(faults_.earlyEndAfter);
    // Byte 4 of every record tells how many records the reply holds.
    const auto count = uint8_t(std::min<size_t>(records.size(), 255));
    for (const QByteArray& r : records) queue_.push_back(BuildFrame(cmd, r, count));
    if (withEnd) queue_.push_back(BuildFrame(Cmd::End));
    awaitingAck_ = true;
    QByteArray first = queue_.front();
    queue_.pop_front();
    Send(first, out);
}

Panel::Fate Panel::NextFate() const
{
    if (faults_.silentAfter >= 0 && sent_ >= faults_.silentAfter) return Fate::Silent;
    const int n = sent_ + 1;
    if (faults_.nakAt == Faults::Always || faults_.nakAt == n) return Fate::Nak;
    return Fate::Send;
}

void Panel::SendNak(std::vector<Output>& out)
{
    Send(BuildFrame(Cmd::Nak), out);
}

void Panel::SwitchSpeed(int requested, std::vector<Output>& out)
{
    int listen = requested;
    if (faults_.wrongSpeed) listen = requested != 9600 ? 9600 : 57600;
    // The acknowledgement goes out at the old speed; the panel changes after it.
    Send(BuildFrame(Cmd::Ack), out, listen);
    mem_.speed = listen;
    ++revision_;
    Trace(QStringLiteral("speed %1").arg(listen));
}

void Panel::Send(QByteArray frame, std::vector<Output>& out, int baudAfter)
{
    const int n = ++sent_;
    if (faults_.badChecksumAt == Faults::Always || faults_.badChecksumAt == n)
        frame[frame.size() - 1] = char(uint8_t(frame[frame.size() - 1]) + 1);
    Trace(QStringLiteral("tx %1").arg(Hex(frame)));
    const int pieces = std::clamp(faults_.splitPieces, 1, int(frame.size()));
    int from = 0;
    for (int i = 0; i < pieces; ++i) {
        const int to = int((i + 1) * frame.size() / pieces);
        Output o;
        o.delayMs = i == 0 ? faults_.replyDelayMs : faults_.gapMs;
        o.bytes = frame.mid(from, to - from);
        o.baudAfter = i == pieces - 1 ? baudAfter : 0;
        out.push_back(o);
        from = to;
    }
}

}  // namespace panelsim
