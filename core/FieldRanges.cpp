#include "core/FieldRanges.h"

#include "core/Conv.h"
#include "core/DataModel.h"

namespace FieldRanges {

bool IsFlag(const QString& text) { return text == QLatin1String("0") || text == QLatin1String("1"); }

std::optional<long long> Number(const QString& text, long long lo, long long hi)
{
    // Only the blanks the encoders' number reading skips: a no-break space before a digit would
    // pass a Unicode trim here and make the encoder read another value.
    qsizetype b = 0, e = text.size();
    while (b < e && IsValBlank(text[b])) ++b;
    while (e > b && IsValBlank(text[e - 1])) --e;
    const QStringView t = QStringView(text).mid(b, e - b);
    // Digits only, and few enough that the value cannot overflow.
    if (t.isEmpty() || t.size() > 18) return std::nullopt;
    long long v = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v < lo || v > hi) return std::nullopt;
    return v;
}

bool IsLoopClass(const QString& text) { return Number(text, 3, 4).has_value(); }

bool IsNightTime(const QString& text)
{
    if (text.size() != 4) return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return Number(text.left(2), 0, 23) && Number(text.right(2), 0, 59);
}

bool IsOutputAddress(long long a)
{
    return (a >= 0 && a <= MaxAddress) || a == SpecialOutput::AlarmRelay1 || a == SpecialOutput::AlarmRelay2 ||
           a == SpecialOutput::DialerAlarm;
}

bool IsGroupNumber(long long g) { return g >= 1 && g <= MaxGroups; }

bool IsKnownKind(int kind) { return DeviceKind::Find(kind) != nullptr; }

}  // namespace FieldRanges
