#include "projectfile/CutSigns.h"

#include <bitset>

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
bool SameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && qstrnicmp(a.data(), b.data(), a.size()) == 0;
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
        if (t.front() == ';' || in_ == In::Other) return;
        const qsizetype eq = t.indexOf('=');
        if (eq >= 0) Key(Trimmed(t.first(eq)), Trimmed(t.sliced(eq + 1)));
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

    void Key(QByteArrayView key, QByteArrayView value)
    {
        switch (in_) {
        case In::Device:
            if (SameName(key, "TYPE")) typed_.set(size_t(number_));
            break;
        case In::Group:
            if (SameName(key, "GrpName")) named_.set(size_t(number_));
            break;
        case In::Hardware:
            // The first key of a name is the one read.
            if (!devicesCount_ && SameName(key, "NumOfDevices")) {
                devicesCount_ = true;
                signs_.devicesDeclared = Count(value, MaxAddress);
            }
            break;
        case In::Footer:
            if (!groupsCount_ && SameName(key, "NumOfGroups")) {
                groupsCount_ = true;
                signs_.groupsDeclared = Count(value, MaxGroups);
            }
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
    // Lines end in CR LF, LF or CR, as the reader takes them.
    const char* const data = file.data();
    const qsizetype n = file.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] != '\r' && data[i] != '\n') continue;
        scan.Line(file.sliced(start, i - start));
        if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    const QByteArrayView rest = file.sliced(start);
    if (!rest.isEmpty()) scan.Line(rest);
    return scan.Result(!Trimmed(rest).isEmpty());
}

}  // namespace ProjectFile
