#include "panellink/Bytes.h"

#include "core/Conv.h"

namespace PanelBytes {

std::optional<uint8_t> ValueByte(const QString& field)
{
    const long long v = ValInt(field);
    if (v < 0 || v > 255) return std::nullopt;
    return static_cast<uint8_t>(v);
}

BitByte& BitByte::Flag(const QString& flag)
{
    if (flag != QLatin1String("0") && flag != QLatin1String("1")) ok_ = false;
    return Field(flag == QLatin1String("1") ? 1 : 0, 1);
}

BitByte& BitByte::Field(long long value, int width)
{
    if (width < 1 || value < 0 || value >= (1LL << width)) ok_ = false;
    width_ += width;
    if (width_ > 8) ok_ = false;
    if (ok_) bits_ = (bits_ << width) | unsigned(value);
    return *this;
}

BitByte& BitByte::FieldOf(const QString& text, int width) { return Field(ValInt(text), width); }

std::optional<uint8_t> BitByte::Value() const
{
    if (!ok_ || width_ != 8) return std::nullopt;
    return static_cast<uint8_t>(bits_);
}

std::optional<QByteArray> BcdPairs(const QString& digits)
{
    if (digits.size() % 2 != 0) return std::nullopt;
    QByteArray out;
    for (int i = 0; i < digits.size(); i += 2) {
        const QChar hi = digits[i], lo = digits[i + 1];
        if (!hi.isDigit() || !lo.isDigit() || hi.unicode() > '9' || lo.unicode() > '9') return std::nullopt;
        out.append(char((hi.unicode() - '0') * 16 + (lo.unicode() - '0')));
    }
    return out;
}

int HexDigitReading(uint8_t byte)
{
    const int hi = byte >> 4, lo = byte & 0x0F;
    if (hi > 9) return 0;
    if (lo > 9) return hi;
    return hi * 10 + lo;
}

bool IsBcd(uint8_t byte) { return (byte >> 4) <= 9 && (byte & 0x0F) <= 9; }

QString DecimalReading(uint8_t byte, int digits) { return ZeroPad(byte, digits); }

int BitsOf(uint8_t byte, int hi, int lo) { return (byte >> lo) & ((1 << (hi - lo + 1)) - 1); }

QString HexText(uint8_t byte) { return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper(); }

QString Bit(uint8_t byte, int bit) { return QString::number(BitsOf(byte, bit, bit)); }

}  // namespace PanelBytes
