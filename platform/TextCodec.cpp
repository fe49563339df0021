#include "platform/TextCodec.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include <QStringDecoder>

namespace {

// Bytes 0x80-0xFF. 0 marks a byte the code page leaves undefined.
constexpr std::array<char16_t, 128> kHigh = {
    // 0x80
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0,      0x2039, 0,      0,      0,      0,
    // 0x90
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0,      0x203A, 0,      0,      0,      0,
    // 0xA0
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x20AA, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00D7, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00F7, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    // 0xC0: Hebrew points
    0x05B0, 0x05B1, 0x05B2, 0x05B3, 0x05B4, 0x05B5, 0x05B6, 0x05B7,
    0x05B8, 0x05B9, 0x05BA, 0x05BB, 0x05BC, 0x05BD, 0x05BE, 0x05BF,
    // 0xD0: points, punctuation and ligatures
    0x05C0, 0x05C1, 0x05C2, 0x05C3, 0x05F0, 0x05F1, 0x05F2, 0x05F3,
    0x05F4, 0,      0,      0,      0,      0,      0,      0,
    // 0xE0: the letters alef to tav
    0x05D0, 0x05D1, 0x05D2, 0x05D3, 0x05D4, 0x05D5, 0x05D6, 0x05D7,
    0x05D8, 0x05D9, 0x05DA, 0x05DB, 0x05DC, 0x05DD, 0x05DE, 0x05DF,
    // 0xF0
    0x05E0, 0x05E1, 0x05E2, 0x05E3, 0x05E4, 0x05E5, 0x05E6, 0x05E7,
    0x05E8, 0x05E9, 0x05EA, 0,      0,      0x200E, 0x200F, 0,
};

// An undefined byte b is carried as this private character + b, so it survives a round trip.
constexpr char16_t kPrivateBase = 0xF700;

char16_t CharOf(unsigned char b)
{
    if (b < 0x80)
        return b;
    const char16_t u = kHigh[b - 0x80];
    return u != 0 ? u : char16_t(kPrivateBase + b);
}

const std::unordered_map<char16_t, unsigned char>& ReverseTable()
{
    static const auto table = [] {
        std::unordered_map<char16_t, unsigned char> m;
        for (int b = 0x80; b <= 0xFF; ++b)
            m.emplace(CharOf(static_cast<unsigned char>(b)), static_cast<unsigned char>(b));
        return m;
    }();
    return table;
}

// Whether every byte is below 0x80, eight bytes at a time: whole files are tested so.
bool IsAscii(const QByteArray& bytes)
{
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    uint64_t any = 0;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        any |= word;
    }
    for (; i < n; ++i) any |= static_cast<unsigned char>(p[i]);
    return (any & 0x8080808080808080ULL) == 0;
}

}  // namespace

namespace TextCodec {

std::optional<QString> Utf8Text(const QByteArray& bytes)
{
    if (IsAscii(bytes)) return std::nullopt;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

QString FromFileBytes(const QByteArray& bytes) { return Utf8Text(bytes).value_or(FromCp1255(bytes)); }

QString FromCp1255(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    // Through the data pointer: indexing a QString checks its sharing at every character.
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = QChar(CharOf(static_cast<unsigned char>(bytes[i])));
    return text;
}

int CodeOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    const auto& table = ReverseTable();
    const auto it = table.find(u);
    return it == table.end() ? -1 : it->second;
}

QByteArray ToCp1255(const QString& text, QList<qsizetype>* lost)
{
    QByteArray bytes;
    bytes.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = CodeOf(text[i]);
        if (code < 0 && lost) lost->push_back(i);
        bytes[i] = static_cast<char>(code < 0 ? '?' : code);
    }
    return bytes;
}

}  // namespace TextCodec
