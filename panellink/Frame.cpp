#include "panellink/Frame.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "platform/SComm.h"
#include "platform/Ui.h"

namespace {

const QString NoError = QStringLiteral("0x000000");

unsigned char SumFrom2(const QByteArray& bytes, int end)
{
    unsigned sum = 0;
    for (int i = 1; i < end; ++i) sum += static_cast<unsigned char>(bytes[i]);
    return static_cast<unsigned char>(sum & 0xFF);
}

}  // namespace

namespace Frame {

Check CheckReceived(const QByteArray& frame)
{
    if (frame.isEmpty() || static_cast<unsigned char>(frame[0]) != StartByte) return Check::NotStartByte;
    if (frame.size() < 3) return Check::BadLength;
    const int ll = static_cast<unsigned char>(frame[2]);
    if (ll < 4 || frame.size() != ll + 2) return Check::BadLength;
    const int n = int(frame.size());
    return SumFrom2(frame, n - 1) == static_cast<unsigned char>(frame[n - 1]) ? Check::Good : Check::BadChecksum;
}

}  // namespace Frame

QString AscStr2HexStr(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

QByteArray HexStr2AscStr(const QString& hex, bool* ok)
{
    if (ok) *ok = false;
    if (hex.size() % 2 != 0) return QByteArray();
    QByteArray out;
    out.reserve(hex.size() / 2);
    for (int i = 0; i < hex.size(); i += 2) {
        const int hi = HexDigitValue(hex[i]), lo = HexDigitValue(hex[i + 1]);
        if (hi < 0 || lo < 0) return QByteArray();
        out.append(char(hi * 16 + lo));
    }
    if (ok) *ok = true;
    return out;
}

QByteArray doChkSumStr(const QByteArray& frame)
{
    ErrLocation = NoError;
    if (frame.size() < 5) {
        Ui::MsgBox(QStringLiteral("Bad String"));
        return QByteArray();
    }
    return QByteArray(1, char(SumFrom2(frame, int(frame.size()))));
}

bool ChkChkSumStr(const QByteArray& frame)
{
    ErrLocation = NoError;
    if (frame.size() <= 5) {
        Ui::MsgBox(QStringLiteral("Bad String"));
        return false;
    }
    const int n = int(frame.size());
    return SumFrom2(frame, n - 1) == static_cast<unsigned char>(frame[n - 1]);
}

QByteArray DataLine(const QString& command, const QString& dataHex)
{
    bool ok = false;
    const QByteArray cmd = HexStr2AscStr(command, &ok);
    if (!ok || cmd.size() != 1) return QByteArray();
    const QByteArray data = HexStr2AscStr(dataHex, &ok);
    if (!ok || data.size() > Frame::MaxDataBytes) return QByteArray();

    QByteArray frame;
    frame.append(char(Frame::StartByte));
    frame.append(char(0x01));
    frame.append(char(data.size() + 4));
    // Operating-group frames carry 0x10 in byte 4, every other command 0x00.
    frame.append(char(static_cast<unsigned char>(cmd[0]) == Frame::C5 ? 0x10 : 0x00));
    frame.append(cmd);
    frame.append(data);
    return frame + doChkSumStr(frame);
}

QByteArray FixedFrame(int code, const QString& endByte4)
{
    QString hex;
    switch (code) {
    case 6: hex = QStringLiteral("0400060B"); break;
    case 21: hex = QStringLiteral("0400151A"); break;
    case 178: hex = QStringLiteral("0400B2B7"); break;
    case 181: hex = QStringLiteral("0400B5BA"); break;
    case 182: hex = QStringLiteral("0400B6BB"); break;
    case 183: hex = QStringLiteral("0400B7BC"); break;
    case 184: hex = QStringLiteral("0400B8BD"); break;
    case 188: hex = QStringLiteral("0400BCC1"); break;
    case 133:
        // The end frame's checksum is fixed; the panel expects exactly AA 01 04 C7 85 51.
        if (endByte4.size() != 2) return QByteArray();
        hex = QStringLiteral("04") + endByte4 + QStringLiteral("8551");
        break;
    default: return QByteArray();
    }
    bool ok = false;
    const QByteArray frame = HexStr2AscStr(QStringLiteral("AA01") + hex, &ok);
    return ok ? frame : QByteArray();
}

bool sndCmd(SComm& port, int code, const QString& endByte4)
{
    ErrLocation = NoError;
    const QByteArray frame = FixedFrame(code, endByte4);
    if (frame.isEmpty()) {
        Ui::MsgBox(QStringLiteral("Not Leagal Cmd 4 now"));
        return false;
    }
    if (!port.Output(frame)) {
        ErrLocation = QStringLiteral("0x000022");
        return false;
    }
    return true;
}
