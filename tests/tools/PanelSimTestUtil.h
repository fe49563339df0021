#pragma once
// Small helpers for driving the simulated panel with bytes.
#include <vector>

#include <QByteArray>

#include "tools/panelsim/Frame.h"
#include "tools/panelsim/Panel.h"

namespace panelsim::testing {

// "AA 01 04 00 06 0B" -> bytes
inline QByteArray H(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// Everything the outputs write, in order.
inline QByteArray Joined(const std::vector<Output>& outs)
{
    QByteArray all;
    for (const Output& o : outs) all += o.bytes;
    return all;
}

// The panel's answer to bytes sent at 9600 baud (or the given speed) at time nowMs.
inline QByteArray Answer(Panel& p, const QByteArray& in, int64_t nowMs = 0, int baud = 9600)
{
    return Joined(p.Receive(in, nowMs, baud));
}

inline const QByteArray Ack = H("AA 01 04 00 06 0B");
inline const QByteArray Nak = H("AA 01 04 00 15 1A");
inline const QByteArray PanelEnd = H("AA 01 04 00 85 8A");
inline const QByteArray PcEnd = H("AA 01 04 C7 85 51");

inline QByteArray Request(uint8_t cmd) { return BuildFrame(cmd); }

// Sends a request and acknowledges every frame of the reply until the end frame; returns the
// data of the records. *frames receives every frame as it came.
inline std::vector<QByteArray> ReadBlock(Panel& p, uint8_t cmd, std::vector<QByteArray>* frames = nullptr)
{
    std::vector<QByteArray> records;
    QByteArray f = Answer(p, Request(cmd));
    for (int guard = 0; guard < 300 && !f.isEmpty(); ++guard) {
        if (frames) frames->push_back(f);
        if (uint8_t(f[4]) != cmd) break;
        records.push_back(f.mid(5, f.size() - 6));
        f = Answer(p, Ack);
    }
    if (!f.isEmpty()) Answer(p, Ack);  // the end frame
    return records;
}

}  // namespace panelsim::testing
