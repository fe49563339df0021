#include "core/Conv.h"

#include <cmath>
#include <limits>

bool IsValBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

double Val(const QString& s)
{
    // Blanks may stand anywhere inside the number: drop them first.
    QString t;
    t.reserve(s.size());
    for (QChar c : s)
        if (!IsValBlank(c)) t.append(c);

    int i = 0;
    const int n = t.size();
    if (n >= 2 && t[0] == u'&') {
        const QChar p = t[1].toUpper();
        int base = p == u'H' ? 16 : p == u'O' ? 8 : 0;
        if (base == 0) return 0;
        // Kept in a double: any number of digits gives a large value (at worst infinity), never
        // an integer overflow.
        double v = 0;
        for (i = 2; i < n; ++i) {
            const int d = HexDigitValue(t[i]);
            if (d < 0 || d >= base) break;
            v = v * base + d;
        }
        // A 16-bit hex literal with the top bit set is negative, as in the original.
        if (base == 16 && i - 2 <= 4 && v >= 0x8000 && v <= 0xFFFF) v -= 0x10000;
        return v;
    }
    QString num;
    if (i < n && (t[i] == u'+' || t[i] == u'-')) num.append(t[i++]);
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') { num.append(c); digits = true; }
        else if (c == u'.' && !point) { num.append(c); point = true; }
        else break;
    }
    if (!digits) return 0;
    if (i < n && (t[i].toUpper() == u'E' || t[i].toUpper() == u'D')) {
        int j = i + 1;
        QString e = QStringLiteral("e");
        if (j < n && (t[j] == u'+' || t[j] == u'-')) e.append(t[j++]);
        bool ed = false;
        for (; j < n && t[j] >= u'0' && t[j] <= u'9'; ++j) { e.append(t[j]); ed = true; }
        if (ed) num.append(e);
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    // A number too large for a double reads as infinity; any other failure (underflow) as 0.
    if (!ok) return std::isinf(v) ? v : 0;
    return v;
}

long long ValInt(const QString& s)
{
    // Record fields hold digits and blanks, and are read many times over: such a text is read
    // here at once, as Val reads it (up to 15 digits, which a double holds exactly); any other
    // text goes through Val.
    long long n = 0;
    int digits = 0;
    bool plain = true;
    for (QChar c : s) {
        if (c >= u'0' && c <= u'9' && ++digits <= 15) n = n * 10 + (c.unicode() - u'0');
        else if (!IsValBlank(c)) {
            plain = false;
            break;
        }
    }
    if (plain && digits <= 15) return n;
    const double v = std::nearbyint(Val(s));
    if (std::isnan(v)) return 0;
    // Outside the range of a long long the value saturates (a cast would be undefined).
    constexpr double limit = 9223372036854775808.0;  // 2^63
    if (v >= limit) return std::numeric_limits<long long>::max();
    if (v < -limit) return std::numeric_limits<long long>::min();
    return static_cast<long long>(v);
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

QString Str(long long n) { return QString::number(n); }

QString ZeroPad(long long n, int width)
{
    const QString t = QString(width, u'0') + QString::number(n);
    return t.right(width);
}
