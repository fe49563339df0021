#include "core/FuncMdl.h"

#include "core/Conv.h"

namespace FuncMdl {
namespace {

// Digits are converted group by group, so a text of any length gives its exact value.
QString StripLeadingZeros(const QString& digits)
{
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == QLatin1Char('0'))
        ++first;
    return digits.isEmpty() ? QStringLiteral("0") : digits.mid(first);
}

}  // namespace

QString BinToHex(const QString& s)
{
    for (QChar c : s)
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return QString();
    QString bits = StripLeadingZeros(s);
    bits.prepend(QString((4 - bits.size() % 4) % 4, QLatin1Char('0')));
    QString hex;
    for (qsizetype i = 0; i < bits.size(); i += 4) {
        int nibble = 0;
        for (qsizetype j = i; j < i + 4; ++j)
            nibble = nibble * 2 + (bits[j] == QLatin1Char('1') ? 1 : 0);
        hex += QLatin1Char("0123456789ABCDEF"[nibble]);
    }
    return StripLeadingZeros(hex);
}

QString HexToBin(const QString& s)
{
    QString bits;
    for (QChar c : s) {
        const int v = HexDigitValue(c);
        if (v < 0)
            return QString();
        for (int bit = 3; bit >= 0; --bit)
            bits += QLatin1Char((v >> bit) & 1 ? '1' : '0');
    }
    return StripLeadingZeros(bits);
}

}  // namespace FuncMdl
