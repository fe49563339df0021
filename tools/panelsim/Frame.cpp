#include "tools/panelsim/Frame.h"

namespace panelsim {

uint8_t Checksum(const QByteArray& frameWithoutSum)
{
    unsigned sum = 0;
    for (int i = 1; i < frameWithoutSum.size(); ++i) sum += static_cast<uint8_t>(frameWithoutSum[i]);
    return static_cast<uint8_t>(sum & 0xFF);
}

QByteArray BuildFrame(uint8_t cmd, const QByteArray& data, uint8_t byte4)
{
    const QByteArray body = data.left(MaxFrameData);
    QByteArray f;
    f.append(char(StartByte));
    f.append(char(0x01));
    f.append(char(body.size() + 4));
    f.append(char(byte4));
    f.append(char(cmd));
    f.append(body);
    f.append(char(Checksum(f)));
    return f;
}

QString Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

bool ParseHex(const QString& text, QByteArray* out)
{
    QString digits = text;
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    if (digits.size() % 2 != 0) return false;
    for (QChar c : digits)
        if (!isxdigit(c.unicode() < 128 ? c.toLatin1() : 'x')) return false;
    *out = QByteArray::fromHex(digits.toLatin1());
    return true;
}

std::vector<FrameReader::Item> FrameReader::Push(const QByteArray& bytes)
{
    buf_.append(bytes);
    std::vector<Item> items;
    auto garbage = [&](int n) {
        if (!items.empty() && items.back().kind == Kind::Garbage)
            items.back().raw.append(buf_.left(n));
        else
            items.push_back({Kind::Garbage, {}, buf_.left(n)});
        buf_.remove(0, n);
    };
    while (!buf_.isEmpty()) {
        const int start = buf_.indexOf(char(StartByte));
        if (start != 0) {
            garbage(start < 0 ? int(buf_.size()) : start);
            continue;
        }
        if (buf_.size() < 3) break;
        const int ll = static_cast<uint8_t>(buf_[2]);
        if (ll < 4) {  // no frame is that short: this start byte was noise
            garbage(1);
            continue;
        }
        const int total = ll + 2;
        if (buf_.size() < total) break;
        const QByteArray raw = buf_.left(total);
        buf_.remove(0, total);
        const bool ok = raw[1] == char(0x01) && Checksum(raw.left(total - 1)) == uint8_t(raw[total - 1]);
        if (!ok) {
            items.push_back({Kind::Bad, {}, raw});
            continue;
        }
        Frame f;
        f.byte4 = static_cast<uint8_t>(raw[3]);
        f.cmd = static_cast<uint8_t>(raw[4]);
        f.data = raw.mid(5, total - 6);
        items.push_back({Kind::Good, f, raw});
    }
    return items;
}

}  // namespace panelsim
