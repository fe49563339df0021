#include "projectfile/CutSigns.h"

#include <bitset>
#include <cstring>
#include <optional>

#include <QByteArray>
#include <QString>

#include "core/Conv.h"
#include "core/DataModel.h"

namespace ProjectFile {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

QByteArrayView Trimmed(QByteArrayView b)
{
    qsizetype from = 0, to = b.size();
    while (from < to && IsBlank(b[from])) ++from;
    while (to > from && IsBlank(b[to - 1])) --to;
    return b.sliced(from, to - from);
}

// Names match without regard to ASCII letter case.
char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; }
bool SameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

// The value of a line (blanks around it removed) when its key is `key`, else nothing.
std::optional<QByteArrayView> ValueOf(QByteArrayView line, QByteArrayView key)
{
    if (line.size() <= key.size() || !SameName(line.first(key.size()), key)) return std::nullopt;
    const QByteArrayView rest = Trimmed(line.sliced(key.size()));
    if (rest.isEmpty() || rest.front() != '=') return std::nullopt;
    return Trimmed(rest.sliced(1));
}

// The number of "01-NNN" (1..126) or "01-Gr-GG" (1..32); 0 for any other name.
int NumberAfter(QByteArrayView name, QByteArrayView prefix, int digits, int last)
{
    if (name.size() != prefix.size() + digits || !SameName(name.first(prefix.size()), prefix)) return 0;
    int n = 0;
    for (const char c : name.sliced(prefix.size())) {
        if (!IsDigit(c)) return 0;
        n = n * 10 + (c - '0');
    }
    return n <= last ? n : 0;
}

// A declared count, or -1 when the value is none the writer writes.
int Count(QByteArrayView value, int most)
{
    const long long n = ValInt(QString::fromLatin1(value));
    return n >= 0 && n <= most ? int(n) : -1;
}

template <size_t N>
QList<int> WithoutKey(const std::bitset<N>& sections, const std::bitset<N>& withKey)
{
    QList<int> numbers;
    for (size_t i = 1; i < N; ++i)
        if (sections[i] && !withKey[i]) numbers << int(i);
    return numbers;
}

// The section a line of the file belongs to, as far as the signs go.
enum class In { Other, Device, Group, Hardware, Footer };

class Scan {
public:
    void Line(QByteArrayView line)
    {
        const QByteArrayView t = Trimmed(line);
        if (t.isEmpty()) return;
        if (t.front() == '[') {
            const qsizetype close = t.indexOf(']', 1);
            if (close > 0) return Section(Trimmed(t.sliced(1, close - 1)));
        }
        if (in_ == In::Other) return;
        if (const std::optional<QByteArrayView> value = ValueOf(t, KeyOf(in_))) Key(*value);
    }

    CutSigns Result(bool lastLineCut) const
    {
        CutSigns s = signs_;
        s.noClosingSection = !footer_;
        s.lastLineCut = lastLineCut;
        s.devicesHeld = int(devices_.count());
        s.groupsHeld = int(groups_.count());
        s.devicesWithoutType = WithoutKey(devices_, typed_);
        s.groupsWithoutName = WithoutKey(groups_, named_);
        return s;
    }

private:
    void Section(QByteArrayView name)
    {
        QByteArray clean;
        if (name.contains('\0')) {
            // A damaged name is read under its name without the NULs.
            clean = name.toByteArray().replace('\0', QByteArray());
            name = Trimmed(clean);
        }
        in_ = In::Other;
        if ((number_ = NumberAfter(name, "01-", 3, MaxAddress)) > 0) {
            in_ = In::Device;
            devices_.set(size_t(number_));
        } else if ((number_ = NumberAfter(name, "01-Gr-", 2, MaxGroups)) > 0) {
            in_ = In::Group;
            groups_.set(size_t(number_));
        } else if (SameName(name, "Hardware")) {
            // The first section of a name is the one read.
            if (!hardware_) in_ = In::Hardware;
            hardware_ = true;
        } else if (name == "----------") {
            if (!footer_) in_ = In::Footer;
            footer_ = true;
        }
    }

    // The one key of a section that the signs look at.
    static QByteArrayView KeyOf(In in)
    {
        switch (in) {
        case In::Device: return "TYPE";
        case In::Group: return "GrpName";
        case In::Hardware: return "NumOfDevices";
        case In::Footer: return "NumOfGroups";
        case In::Other: break;
        }
        return {};
    }

    void Key(QByteArrayView value)
    {
        switch (in_) {
        case In::Device: typed_.set(size_t(number_)); break;
        case In::Group: named_.set(size_t(number_)); break;
        // The first key of a name is the one read.
        case In::Hardware:
            if (!devicesCount_) signs_.devicesDeclared = Count(value, MaxAddress);
            devicesCount_ = true;
            break;
        case In::Footer:
            if (!groupsCount_) signs_.groupsDeclared = Count(value, MaxGroups);
            groupsCount_ = true;
            break;
        case In::Other: break;
        }
    }

    In in_ = In::Other;
    int number_ = 0;  // of the device or group section the lines belong to
    std::bitset<MaxAddress + 1> devices_, typed_;
    std::bitset<MaxGroups + 1> groups_, named_;
    bool hardware_ = false, footer_ = false, devicesCount_ = false, groupsCount_ = false;
    CutSigns signs_;
};

}  // namespace

CutSigns FindCutSigns(QByteArrayView file)
{
    if (file.startsWith("\xEF\xBB\xBF")) file = file.sliced(3);  // UTF-8's byte-order mark
    Scan scan;
    // Lines end in CR LF, LF or CR, as the reader takes them. memchr finds the line ends, so the
    // scan adds next to nothing to an open.
    const char* p = file.data();
    const char* const end = p + file.size();
    const char* lf = p;  // the next LF at or after p, or end
    while (p < end) {
        if (lf < p) lf = p;
        if (lf < end && *lf != '\n') lf = static_cast<const char*>(std::memchr(lf, '\n', size_t(end - lf)));
        if (!lf) lf = end;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(lf - p)));
        const char* const lineEnd = cr ? cr : lf;
        if (lineEnd == end) break;  // the last line has no line end
        scan.Line(QByteArrayView(p, lineEnd - p));
        p = lineEnd + 1 + (cr && cr + 1 == lf && lf < end ? 1 : 0);  // CR LF is one line end
    }
    const QByteArrayView rest(p, end - p);
    if (!rest.isEmpty()) scan.Line(rest);
    return scan.Result(!Trimmed(rest).isEmpty());
}

}  // namespace ProjectFile
