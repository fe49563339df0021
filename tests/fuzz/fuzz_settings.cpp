// The settings engine on any file and any sequence of reads and writes: it never fails on what
// a file holds, and every value it has written reads back as written (line breaks as blanks,
// blanks around it dropped), through batches and without them, until it is deleted (after which
// a duplicate the file held may show, as the first of duplicate keys is the one deleted).
//
// Input: two bytes (little end first) give the length of the file's bytes, which follow; the
// rest is the sequence of operations.
#include <map>
#include <optional>
#include <utility>

#include <QFile>

#include "FuzzSetup.h"
#include "core/CSetting.h"

namespace {

const QString& Folder() { return fuzz::ScratchFolder(); }

// Names the program uses, and some of its own, none holding "=", "]" or a line break.
const QString Sections[] = {"General", "GENERAL", "Project Details", "01", "01-001", "01-Gr-05", "#####",
                            "----------", "Hardware", "x y", QStringLiteral("קבוצה")};
const QString Keys[] = {"SiteName", "sitename", "TYPE", "Tel:", "Admin ", "NAME", "a", "A b",
                        QStringLiteral("שם"), "Panel 01"};

// The engine's blanks are the space and the tab only: a vertical tab, a form feed or a CR at
// the edge of a name or value from the file is part of it.
QString TrimBlanks(const QString& v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && (v[b] == u' ' || v[b] == u'\t')) ++b;
    while (e > b && (v[e - 1] == u' ' || v[e - 1] == u'\t')) --e;
    return v.mid(b, e - b);
}

// Names match without regard to blanks around them and to ASCII letter case.
QString Normal(const QString& name)
{
    QString n = TrimBlanks(name);
    for (QChar& c : n)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    return n;
}

// A value as it reads back: line breaks become blanks, blanks and tabs around it are dropped.
QString AsRead(QString v) { return TrimBlanks(v.replace(u'\r', u' ').replace(u'\n', u' ')); }

class Input {
public:
    Input(const uint8_t* d, size_t n) : d_(d), n_(n) {}
    bool more() const { return at_ < n_; }
    uint8_t byte() { return at_ < n_ ? d_[at_++] : 0; }
    QString value()
    {
        // Printable ASCII, Hebrew letters, tabs and line breaks.
        static const QString extra = QStringLiteral("\t\r\nאבגדהוזחטיכלמנסעפצקרשת");
        const int len = byte() % 40;
        QString v;
        for (int i = 0; i < len; ++i) {
            const uint8_t b = byte();
            v += b < 190 ? QChar(32 + b % 95) : extra[b % extra.size()];
        }
        return v;
    }

private:
    const uint8_t* d_;
    size_t n_;
    size_t at_ = 0;
};

using Key = std::pair<QString, QString>;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(nullptr, 0);
    const size_t fileBytes = size >= 2 ? std::min<size_t>(data[0] | (data[1] << 8), size - 2) : 0;
    const QString path = Folder() + QStringLiteral("Fuzz.ini");
    {
        QFile f(path);
        fuzz::Require(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(data) + std::min<size_t>(2, size), qint64(fileBytes));
    }
    Input in(data + std::min<size_t>(2, size) + fileBytes, size - std::min<size_t>(2, size) - fileBytes);

    CSetting s;
    s.Init(QStringLiteral("Fuzz"), QStringLiteral(".ini"), Folder(), 1);
    // What was written (a value) or deleted (nothing) since the start, by normal names; once a
    // fresh batch started, every other key is absent too.
    std::map<Key, std::optional<QString>> written;
    bool othersAbsent = false;
    const QString absent = QStringLiteral("\x01none");

    // VD_FUZZ_TRACE=1 prints each operation, for replaying a finding.
    static const bool trace = qEnvironmentVariableIsSet("VD_FUZZ_TRACE");
    for (int op = 0; op < 64 && in.more(); ++op) {
        const uint8_t code = in.byte();
        const QString& section = Sections[in.byte() % std::size(Sections)];
        const QString& key = Keys[in.byte() % std::size(Keys)];
        const Key k{Normal(section), Normal(key)};
        const auto known = written.find(k);
        const bool isKnown = known != written.end() || othersAbsent;
        const std::optional<QString> expected = known != written.end() ? known->second : std::nullopt;
        if (trace)
            std::fprintf(stderr, "op %d [%s] %s expected %s\n", code % 9, qPrintable(section), qPrintable(key),
                         isKnown ? qPrintable(expected.value_or(QStringLiteral("<absent>"))) : "?");
        try {
            switch (code % 9) {
            case 0: {
                const QString got = s.GetSettingStr(section, key, absent);
                if (trace) std::fprintf(stderr, "  got %s\n", qPrintable(got));
                if (isKnown) fuzz::Require(got == expected.value_or(absent));
                break;
            }
            case 1: {
                const QString v = in.value();
                s.SaveSettingStr(section, key, v);
                written[k] = AsRead(v);
                break;
            }
            case 2: {
                const int16_t n = int16_t(in.byte() | (in.byte() << 8));
                s.SaveSettingInt(section, key, n);
                written[k] = QString::number(n);
                break;
            }
            case 3: {
                const int16_t got = s.GetSettingInt(section, key, 1234);
                if (isKnown && !expected) fuzz::Require(got == 1234);
                bool number = false;
                const int n = expected ? expected->toInt(&number) : 0;
                if (number && n >= -32768 && n <= 32767 && *expected == QString::number(n)) fuzz::Require(got == n);
                break;
            }
            case 4:
                s.DeleteKey(section, key);
                // The first of duplicate keys goes; a later one the file held may show then.
                if (othersAbsent) written[k] = std::nullopt;
                else written.erase(k);
                break;
            case 5: {
                const QList<CSetting::KeyValue> rows = s.GetSettingAll(section);
                for (const auto& [wk, wv] : written) {
                    if (wk.first != k.first || !wv) continue;
                    int found = 0;
                    for (const CSetting::KeyValue& row : rows)
                        if (Normal(row.key) == wk.second) found += row.value == *wv ? 1 : 100;
                    fuzz::Require(found == 1);
                }
                break;
            }
            case 6: {
                const QStringList names = s.GetSectionNames();
                for (const auto& [wk, wv] : written) {
                    if (!wv) continue;
                    bool found = false;
                    for (const QString& n : names) found = found || Normal(n) == wk.first;
                    fuzz::Require(found);
                }
                break;
            }
            case 7:
                s.BeginBatch(code & 0x10);
                if (code & 0x10) {
                    written.clear();
                    othersAbsent = true;
                }
                break;
            default:
                s.CommitBatch();
            }
        } catch (const CSettingError&) {
            // Only a number too large for 16 bits may fail, and only on an integer read.
            fuzz::Require(code % 9 == 3);
        }
    }
    return 0;
}
