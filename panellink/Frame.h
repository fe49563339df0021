#pragma once
// The panel's frame: AA 01 LL b4 command data... checksum, LL = data bytes + 4, checksum = sum of
// bytes 2..n-1 modulo 256 (the start byte is not counted). Block encoders prepare their data as
// hex text (two upper-case digits a byte); DataLine turns it into a frame of bytes.
#include <QByteArray>
#include <QString>

class SComm;

namespace Frame {
constexpr unsigned char StartByte = 0xAA;
constexpr int MaxDataBytes = 251;   // LL is one byte: 251 + 4 = 255
constexpr int MinFrameBytes = 6;    // a frame without data

// Command codes.
enum Code : int {
    Ack = 0x06, Nak = 0x15, End = 0x85,
    CD = 0xCD, CA = 0xCA, C2 = 0xC2, CC = 0xCC, C6 = 0xC6, C7 = 0xC7, C5 = 0xC5,
    B2 = 0xB2, BC = 0xBC, B6 = 0xB6, B7 = 0xB7, B5 = 0xB5, B8 = 0xB8,
};

// What is wrong with a received frame, in the order the checks run.
enum class Check { Good, NotStartByte, BadLength, BadChecksum };
// The engine's test of a received frame: start byte, length = LL + 2 with LL at least 4, and the
// checksum. Never reads outside the bytes given and shows nothing.
Check CheckReceived(const QByteArray& frame);
}  // namespace Frame

// The complete frame for a command (two hex digits) and data (hex text), checksum included.
// Empty for a command that is not two hex digits, data that is not whole hex pairs, or more
// data than one frame carries.
QByteArray DataLine(const QString& command, const QString& dataHex);

// The checksum byte of a frame without its checksum; "" after the "Bad String" message when the
// input is shorter than 5 bytes.
QByteArray doChkSumStr(const QByteArray& frame);

// True when the last byte is the checksum of bytes 2..n-1; false after the "Bad String" message
// when the frame has 5 bytes or fewer.
bool ChkChkSumStr(const QByteArray& frame);

// Bytes as hex text, two upper-case digits a byte, no separators.
QString AscStr2HexStr(const QByteArray& bytes);
// Hex text as bytes, each pair of digits one byte; empty with *ok false for an odd length or a
// character that is no hex digit.
QByteArray HexStr2AscStr(const QString& hex, bool* ok = nullptr);

// The fixed short frame of a code: 6 ACK, 21 NAK, 178/181/182/183/184/188 the requests B2, B5,
// B6, B7, B8, BC, and 133 the PC's end frame with `endByte4` (two hex digits) as byte 4 and the
// fixed checksum 0x51 (correct for "C7", the only byte 4 the program sends). Empty for any
// other code.
QByteArray FixedFrame(int code, const QString& endByte4 = QString());

// Sends a fixed short frame through an open port. Another code sends nothing and shows
// "Not Leagal Cmd 4 now"; a port that is closed or fails to write gives false with the
// error-location code of sndCmd.
bool sndCmd(SComm& port, int code, const QString& endByte4 = QString());
