// The receive check and the frame builder: any bytes are checked without reading outside them,
// and every frame DataLine builds passes the check.
#include <cstddef>
#include <cstdint>

#include "FuzzSetup.h"
#include "panellink/Frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(nullptr, 0);
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const Frame::Check c = Frame::CheckReceived(bytes);
    if (c == Frame::Check::Good) {
        fuzz::Require(ChkChkSumStr(bytes));
        fuzz::Require(bytes.size() >= Frame::MinFrameBytes && bytes.size() == uint8_t(bytes[2]) + 2);
    }
    if (bytes.size() > 5 && c != Frame::Check::NotStartByte && c != Frame::Check::BadLength)
        fuzz::Require(ChkChkSumStr(bytes) == (c == Frame::Check::Good));

    fuzz::Require(HexStr2AscStr(AscStr2HexStr(bytes)) == bytes);
    if (size >= 1) {
        const QString command = AscStr2HexStr(bytes.left(1));
        const QByteArray frame = DataLine(command, AscStr2HexStr(bytes.mid(1)));
        if (size - 1 <= size_t(Frame::MaxDataBytes)) {
            fuzz::Require(Frame::CheckReceived(frame) == Frame::Check::Good);
            fuzz::Require(frame.mid(5, frame.size() - 6) == bytes.mid(1));
        } else {
            fuzz::Require(frame.isEmpty());
        }
    }
    return 0;
}
