#pragma once
// The conversions between record fields (decimal text) and the bytes of the panel's blocks.
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

namespace PanelBytes {

// Value byte: the field's leading-number value, rounded; nullopt when it is not 0..255.
std::optional<uint8_t> ValueByte(const QString& field);

// A bit byte built most significant bit first. Each piece that does not fit (a flag other than
// "0"/"1", a value too wide for its bits) spoils the byte, and so does a total other than 8 bits.
class BitByte {
public:
    // A one-bit flag: "0" or "1".
    BitByte& Flag(const QString& flag);
    // A field of `width` bits holding `value`.
    BitByte& Field(long long value, int width);
    // A field of `width` bits holding the leading-number value of `text`.
    BitByte& FieldOf(const QString& text, int width);
    std::optional<uint8_t> Value() const;

private:
    unsigned bits_ = 0;
    int width_ = 0;
    bool ok_ = true;
};

// BCD pairs: a text of decimal digits read two at a time as hex digits ("2230" -> 22 30);
// nullopt for an odd length or a character that is no decimal digit.
std::optional<QByteArray> BcdPairs(const QString& digits);

// Hex-digit reading: the byte's two upper-case hex digits read as a decimal number by the
// leading-number rule (0x17 -> 17, 0x05 -> 5, 0x1A -> 1, 0xA1 -> 0).
int HexDigitReading(uint8_t byte);
// Both digits of the byte are decimal digits.
bool IsBcd(uint8_t byte);
// Decimal reading: the byte's value with leading zeros, its last `digits` digits (130 -> "30").
QString DecimalReading(uint8_t byte, int digits);
// Bits hi..lo of a byte (7 is the most significant) as a number.
int BitsOf(uint8_t byte, int hi, int lo);
// One bit of a byte as the flag text "0" or "1".
QString Bit(uint8_t byte, int bit);
// The byte as two upper-case hex digits.
QString HexText(uint8_t byte);

// Byte i (1-based, as the block tables count) of a record; callers check the length first.
inline uint8_t At(const QByteArray& record, int i) { return static_cast<uint8_t>(record[i - 1]); }

}  // namespace PanelBytes
