#include "projectfile/CutSigns.h"

#include "core/Conv.h"
#include "projectfile/ProjectFile.h"

namespace ProjectFile {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether the file's last line holds more than blanks and has no line end.
bool LastLineCut(QByteArrayView file)
{
    qsizetype end = file.size();
    while (end > 0 && IsBlank(file[end - 1])) --end;
    return end > 0 && file[end - 1] != '\n' && file[end - 1] != '\r';
}

// A declared count, or -1 when the value is none the writer writes.
int Count(const QString& value, int most)
{
    if (value.trimmed().isEmpty()) return -1;  // no key, or no number in it
    const long long n = ValInt(value);
    return n >= 0 && n <= most ? int(n) : -1;
}

// Skips the NULs the reader drops from a section's name, and at its ends the blanks too.
qsizetype Skip(QStringView n, qsizetype i, bool blanks = false)
{
    while (i < n.size() && (n[i] == QChar(0) || (blanks && n[i].isSpace()))) ++i;
    return i;
}

// Whether only NULs and blanks follow i.
bool EndsAt(QStringView n, qsizetype i) { return Skip(n, i, true) == n.size(); }

// Reads `digits` decimal digits at i (NULs skipped); -1 without them.
int DigitsAt(QStringView n, qsizetype& i, int digits)
{
    int value = 0;
    for (int k = 0; k < digits; ++k) {
        i = Skip(n, i);
        if (i >= n.size() || n[i] < u'0' || n[i] > u'9') return -1;
        value = value * 10 + (n[i++].unicode() - '0');
    }
    return value;
}

// Whether `text` follows at i, without regard to letter case (NULs skipped).
bool TextAt(QStringView n, qsizetype& i, QLatin1StringView text)
{
    for (const char c : text) {
        i = Skip(n, i);
        if (i >= n.size() || n[i].toLower() != QChar::fromLatin1(c).toLower()) return false;
        ++i;
    }
    return true;
}

template <size_t N>
QList<int> Numbers(const std::bitset<N>& set)
{
    QList<int> numbers;
    for (size_t i = 1; i < N; ++i)
        if (set[i]) numbers << int(i);
    return numbers;
}

}  // namespace

RecordSection RecordSectionOf(QStringView n)
{
    qsizetype i = Skip(n, 0, true);
    if (!TextAt(n, i, QLatin1StringView("01-"))) return {};
    qsizetype at = i;
    if (TextAt(n, at, QLatin1StringView("Gr-"))) {
        const int g = DigitsAt(n, at, 2);
        return g >= 1 && g <= MaxGroups && EndsAt(n, at) ? RecordSection{0, g} : RecordSection{};
    }
    const int a = DigitsAt(n, i, 3);
    return a >= 1 && a <= MaxAddress && EndsAt(n, i) ? RecordSection{a, 0} : RecordSection{};
}

CutFinder::CutFinder(const QStringList& sectionNames, QByteArrayView file) : lastLineCut_(LastLineCut(file))
{
    for (const QString& name : sectionNames) {
        const RecordSection r = RecordSectionOf(name);
        if (r.address) devices_[size_t(r.address)] = true;
        else if (r.group) groups_[size_t(r.group)] = true;
        else if (!closing_) closing_ = QString(name).remove(QChar(0)).trimmed() == ClosingSection;
    }
}

CutSigns CutFinder::Signs(const QString& devicesDeclared, const QString& groupsDeclared) const
{
    CutSigns s;
    s.noClosingSection = !closing_;
    s.lastLineCut = lastLineCut_;
    for (const RecordLineKey& l : RecordLines)
        s.without[size_t(l.line)] = Numbers((l.group ? groups_ : devices_) & lacking_[size_t(l.line)]);
    s.devicesDeclared = Count(devicesDeclared, MaxAddress);
    s.groupsDeclared = Count(groupsDeclared, MaxGroups);
    s.devicesHeld = int(devices_.count());
    s.groupsHeld = int(groups_.count());
    return s;
}

}  // namespace ProjectFile
