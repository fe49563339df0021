#pragma once
// Frames as the panel sees them on its side of the line:
//   AA 01 LL b4 cmd data... sum     (LL = data bytes + 4, sum = bytes 2..n-1 modulo 256)
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

namespace panelsim {

namespace Cmd {
enum : uint8_t {
    Ack = 0x06,
    Nak = 0x15,
    End = 0x85,
    SpeedSet = 0xCD,
    ClockSet = 0xCA,
    SystemSet = 0xC2,
    RemoteSet = 0xCC,
    DeviceSet = 0xC6,
    NameSet = 0xC7,
    GroupSet = 0xC5,
    SystemGet = 0xB2,
    RemoteGet = 0xBC,
    DeviceGet = 0xB6,
    NameGet = 0xB7,
    GroupGet = 0xB5,
    HistoryGet = 0xB8,
};
}

constexpr uint8_t StartByte = 0xAA;
constexpr int MaxFrameData = 251;

struct Frame {
    uint8_t byte4 = 0;
    uint8_t cmd = 0;
    QByteArray data;
};

// The sum of every byte after the start byte, modulo 256.
uint8_t Checksum(const QByteArray& frameWithoutSum);
// A complete frame; data longer than a frame can carry is cut.
QByteArray BuildFrame(uint8_t cmd, const QByteArray& data = {}, uint8_t byte4 = 0);
// "AA 01 04 00 06 0B"
QString Hex(const QByteArray& bytes);
// "AA 01 04" or "AA0104" -> bytes; false on anything but hex digit pairs and blanks.
bool ParseHex(const QString& text, QByteArray* out);

// Cuts the received byte stream into frames. Bytes before a start byte and impossible length
// bytes are garbage; a frame whose second byte or checksum is wrong is a bad frame.
class FrameReader {
public:
    enum class Kind { Good, Bad, Garbage };
    struct Item {
        Kind kind = Kind::Garbage;
        Frame frame;      // filled for Good
        QByteArray raw;   // the bytes as they came
    };

    std::vector<Item> Push(const QByteArray& bytes);
    void Clear() { buf_.clear(); }
    bool Pending() const { return !buf_.isEmpty(); }

private:
    QByteArray buf_;
};

}  // namespace panelsim
