#include "platform/Profile.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include "platform/TextCodec.h"
#include "platform/TextFile.h"

namespace Profile {

// ---------------------------------------------------------------------------------------------
// The file as lines of Windows-1255 bytes. Work stays in bytes so untouched lines are written
// back exactly as they were read.

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray Trimmed(const QByteArray& b)
{
    qsizetype from = 0, to = b.size();
    while (from < to && IsBlank(b[from])) ++from;
    while (to > from && IsBlank(b[to - 1])) --to;
    return b.mid(from, to - from);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; }

// Names compare without regard to ASCII letter case; Hebrew letters (bytes above 0x7F) exactly.
bool SameName(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

std::vector<QByteArray> SplitLines(const QByteArray& b)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(b.mid(start, i - start));
        if (c == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < b.size()) lines.push_back(b.mid(start));
    return lines;
}

// Text for the file: Windows-1255, and no line break that could start a line of its own.
QByteArray FileBytes(const QString& s)
{
    QByteArray b = TextCodec::ToCp1255(s);
    b.replace('\r', ' ');
    b.replace('\n', ' ');
    return b;
}

}  // namespace

class Document {
public:
    static Document Parse(const QByteArray& bytes)
    {
        Document d;
        for (QByteArray& text : SplitLines(bytes)) d.lines_.push_back(Classify(std::move(text)));
        return d;
    }

    QByteArray Serialize() const
    {
        QByteArray out;
        for (const Line& l : lines_) out += l.text + "\r\n";
        return out;
    }

    std::optional<QByteArray> Value(const QByteArray& section, const QByteArray& key) const
    {
        const int k = FindKey(FindSection(section), key);
        if (k < 0) return std::nullopt;
        return Trimmed(lines_[k].text.mid(lines_[k].valueFrom));
    }

    QList<QByteArray> Keys(const QByteArray& section) const
    {
        QList<QByteArray> names;
        const int header = FindSection(section);
        if (header < 0) return names;
        for (int i = header + 1; i < SectionEnd(header); ++i)
            if (lines_[i].kind == Kind::Key) AddOnce(names, lines_[i].name);
        return names;
    }

    QList<QByteArray> Sections() const
    {
        QList<QByteArray> names;
        for (const Line& l : lines_)
            if (l.kind == Kind::Section) AddOnce(names, l.name);
        return names;
    }

    void Set(const QByteArray& section, const QByteArray& key, const QByteArray& value)
    {
        const int header = FindSection(section);
        if (header < 0) {
            lines_.push_back(Classify("[" + section + "]"));
            lines_.push_back(Classify(key + "=" + value));
            return;
        }
        const int k = FindKey(header, key);
        if (k >= 0) {
            lines_[k] = Classify(lines_[k].text.left(lines_[k].valueFrom) + value);
            return;
        }
        // After the section's last key, so blank lines and comments before the next section stay
        // where they are.
        int at = header + 1;
        for (int i = header + 1; i < SectionEnd(header); ++i)
            if (lines_[i].kind == Kind::Key) at = i + 1;
        lines_.insert(lines_.begin() + at, Classify(key + "=" + value));
    }

    bool Remove(const QByteArray& section, const QByteArray& key)
    {
        const int k = FindKey(FindSection(section), key);
        if (k < 0) return false;
        lines_.erase(lines_.begin() + k);
        return true;
    }

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray text;    // the line as in the file, without its line end
        Kind kind = Kind::Other;
        QByteArray name;    // section or key name, blanks around it removed
        int valueFrom = 0;  // a key line's value starts here (after "=" and the blanks after it)
    };

    static Line Classify(QByteArray text)
    {
        Line l;
        l.text = std::move(text);
        const QByteArray t = Trimmed(l.text);
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            if (close > 0) {
                l.kind = Kind::Section;
                l.name = Trimmed(t.mid(1, close - 1));
                return l;
            }
        }
        if (t.startsWith(';')) return l;
        const qsizetype eq = l.text.indexOf('=');
        if (eq < 0) return l;
        l.kind = Kind::Key;
        l.name = Trimmed(l.text.left(eq));
        qsizetype v = eq + 1;
        while (v < l.text.size() && IsBlank(l.text[v])) ++v;
        l.valueFrom = int(v);
        return l;
    }

    static void AddOnce(QList<QByteArray>& names, const QByteArray& name)
    {
        for (const QByteArray& n : names)
            if (SameName(n, name)) return;
        names.push_back(name);
    }

    int FindSection(const QByteArray& section) const
    {
        const QByteArray name = Trimmed(section);
        for (int i = 0; i < int(lines_.size()); ++i)
            if (lines_[i].kind == Kind::Section && SameName(lines_[i].name, name)) return i;
        return -1;
    }

    int SectionEnd(int header) const
    {
        int i = header + 1;
        while (i < int(lines_.size()) && lines_[i].kind != Kind::Section) ++i;
        return i;
    }

    int FindKey(int header, const QByteArray& key) const
    {
        if (header < 0) return -1;
        const QByteArray name = Trimmed(key);
        for (int i = header + 1; i < SectionEnd(header); ++i)
            if (lines_[i].kind == Kind::Key && SameName(lines_[i].name, name)) return i;
        return -1;
    }

    std::vector<Line> lines_;
};

// ---------------------------------------------------------------------------------------------
// The disk.

namespace {

using TextFile::ErrorOf;

std::mutex g_mutex;

// Parsed files by path, each with the bytes it was parsed from: a call reads the file and reuses
// the parse only when the bytes are unchanged, so a file edited behind our back is never stale.
struct CacheEntry {
    QByteArray bytes;
    Document doc;
};
std::map<QString, CacheEntry> g_cache;
constexpr size_t CacheLimit = 16;

void Fail(Error* out, const Error& e)
{
    if (out) *out = e;
}

QString CacheKey(const QString& file) { return QFileInfo(file).absoluteFilePath(); }

// The file's bytes; `exists` false (and no error) when there is no file.
bool LoadBytes(const QString& file, QByteArray* bytes, bool* exists, Error* error)
{
    const QFileInfo info(file);
    *exists = info.exists();
    bytes->clear();
    if (!*exists) return true;
    if (info.isDir()) {
        Fail(error, ErrorOf(EISDIR));
        return false;
    }
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Fail(error, ErrorOf(errno));
        return false;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            Fail(error, ErrorOf(err));
            return false;
        }
        bytes->append(buf, n);
    }
    ::close(fd);
    return true;
}

// The parsed file (an empty document for a missing file), through the cache; nullptr when the
// file cannot be read. Caller holds g_mutex; the pointer lasts until the next cache change.
const Document* LoadDocument(const QString& file, Error* error)
{
    QByteArray bytes;
    bool exists = false;
    if (!LoadBytes(file, &bytes, &exists, error)) return nullptr;
    const QString key = CacheKey(file);
    auto it = g_cache.find(key);
    if (it != g_cache.end() && it->second.bytes == bytes) return &it->second.doc;
    if (g_cache.size() >= CacheLimit) g_cache.clear();
    CacheEntry& e = g_cache[key];
    e.bytes = bytes;
    e.doc = Document::Parse(bytes);
    return &e.doc;
}

// Caller holds g_mutex.
bool Store(const QString& file, const Document& doc, Error* error)
{
    const QByteArray bytes = doc.Serialize();
    if (!TextFile::Replace(file, bytes, error)) return false;
    if (g_cache.size() >= CacheLimit) g_cache.clear();
    g_cache[CacheKey(file)] = CacheEntry{bytes, doc};
    return true;
}

QString Text(const QByteArray& b) { return TextCodec::FromCp1255(b); }

QStringList Texts(const QList<QByteArray>& list)
{
    QStringList out;
    for (const QByteArray& b : list) out << Text(b);
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Per-call operations.

std::optional<QString> Read(const QString& file, const QString& section, const QString& key, Error* error)
{
    std::lock_guard lock(g_mutex);
    const Document* doc = LoadDocument(file, error);
    if (!doc) return std::nullopt;
    const auto v = doc->Value(FileBytes(section), FileBytes(key));
    if (!v) return std::nullopt;
    return Text(*v);
}

QString GetString(const QString& file, const QString& section, const QString& key, const QString& def,
                  Error* error)
{
    return Read(file, section, key, error).value_or(def);
}

QStringList Keys(const QString& file, const QString& section, Error* error)
{
    std::lock_guard lock(g_mutex);
    const Document* doc = LoadDocument(file, error);
    if (!doc) return {};
    return Texts(doc->Keys(FileBytes(section)));
}

QStringList Sections(const QString& file, Error* error)
{
    std::lock_guard lock(g_mutex);
    const Document* doc = LoadDocument(file, error);
    if (!doc) return {};
    return Texts(doc->Sections());
}

bool Write(const QString& file, const QString& section, const QString& key, const QString& value,
           Error* error)
{
    std::lock_guard lock(g_mutex);
    const Document* loaded = LoadDocument(file, error);
    if (!loaded) return false;
    Document doc = *loaded;
    doc.Set(FileBytes(section), FileBytes(key), FileBytes(value));
    return Store(file, doc, error);
}

bool DeleteKey(const QString& file, const QString& section, const QString& key, Error* error)
{
    std::lock_guard lock(g_mutex);
    const Document* loaded = LoadDocument(file, error);
    if (!loaded) return false;
    Document doc = *loaded;
    if (!doc.Remove(FileBytes(section), FileBytes(key))) return true;
    return Store(file, doc, error);
}

// ---------------------------------------------------------------------------------------------
// Batch.

Batch::Batch(const QString& file, Start start) : file_(file), doc_(std::make_unique<Document>())
{
    if (start == Empty) return;
    std::lock_guard lock(g_mutex);
    if (const Document* loaded = LoadDocument(file_, &loadError_)) *doc_ = *loaded;
}

Batch::~Batch() = default;

std::optional<QString> Batch::Read(const QString& section, const QString& key) const
{
    const auto v = doc_->Value(FileBytes(section), FileBytes(key));
    if (!v) return std::nullopt;
    return Text(*v);
}

QStringList Batch::Keys(const QString& section) const { return Texts(doc_->Keys(FileBytes(section))); }

QStringList Batch::Sections() const { return Texts(doc_->Sections()); }

void Batch::Write(const QString& section, const QString& key, const QString& value)
{
    doc_->Set(FileBytes(section), FileBytes(key), FileBytes(value));
}

void Batch::DeleteKey(const QString& section, const QString& key)
{
    doc_->Remove(FileBytes(section), FileBytes(key));
}

bool Batch::Commit(Error* error)
{
    if (!ok()) {
        Fail(error, loadError_);
        return false;
    }
    std::lock_guard lock(g_mutex);
    return Store(file_, *doc_, error);
}

// ---------------------------------------------------------------------------------------------

void FailNextWrite(const Error& e) { TextFile::FailNextWrite(e); }

void ClearTestHooks() { TextFile::ClearTestHooks(); }

}  // namespace Profile
