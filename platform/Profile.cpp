#include "platform/Profile.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include "platform/ProfileDocument.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

namespace Profile {

namespace {

// Text for the file: Windows-1255, and no line break that could start a line of its own.
QByteArray FileBytes(const QString& s)
{
    QByteArray b = TextCodec::ToCp1255(s);
    b.replace('\r', ' ');
    b.replace('\n', ' ');
    return b;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The disk.

namespace {

using TextFile::ErrorOf;

std::mutex g_mutex;

// Parsed files by path, each with the bytes it was parsed from: a call reads the file and reuses
// the parse only when the bytes are unchanged, so a file edited behind our back is never stale.
// A parse in the cache never changes: a batch shares it until its first change.
using SharedDocument = std::shared_ptr<const Document>;
struct CacheEntry {
    QByteArray bytes;
    SharedDocument doc;
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
// file cannot be read. Caller holds g_mutex.
SharedDocument LoadDocument(const QString& file, Error* error)
{
    QByteArray bytes;
    bool exists = false;
    if (!LoadBytes(file, &bytes, &exists, error)) return nullptr;
    const QString key = CacheKey(file);
    auto it = g_cache.find(key);
    if (it != g_cache.end()) {
        if (it->second.bytes == bytes) return it->second.doc;
        // The file has changed: the old copy goes before the new one is parsed, so that a large
        // file is not held twice.
        g_cache.erase(it);
    }
    if (g_cache.size() >= CacheLimit) g_cache.clear();
    CacheEntry& e = g_cache[key];
    e.bytes = bytes;
    // A file saved as UTF-8 is read as what it says, and held (and written again) as Windows-1255;
    // the lines that held a character without a code are marked.
    const auto utf8 = TextCodec::Utf8Text(bytes);
    QList<qsizetype> lost;
    e.doc = std::make_shared<const Document>(Document::Parse(utf8 ? TextCodec::ToCp1255(*utf8, &lost) : bytes, lost));
    return e.doc;
}

// Caller holds g_mutex.
bool Store(const QString& file, const SharedDocument& doc, Error* error)
{
    const QByteArray bytes = doc->Serialize();
    if (!TextFile::Replace(file, bytes, error)) return false;
    if (g_cache.size() >= CacheLimit) g_cache.clear();
    g_cache[CacheKey(file)] = CacheEntry{bytes, doc};
    return true;
}

QString Text(const QByteArray& b) { return TextCodec::FromCp1255(b); }

QStringList Texts(const QList<QByteArray>& list)
{
    QStringList out;
    out.reserve(list.size());
    for (const QByteArray& b : list) out << Text(b);
    return out;
}

QList<std::pair<QString, QString>> Texts(const QList<std::pair<QByteArray, QByteArray>>& list)
{
    QList<std::pair<QString, QString>> out;
    out.reserve(list.size());
    for (const auto& [k, v] : list) out.push_back({Text(k), Text(v)});
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Per-call operations.

std::optional<QString> Read(const QString& file, const QString& section, const QString& key, Error* error)
{
    std::lock_guard lock(g_mutex);
    const SharedDocument doc = LoadDocument(file, error);
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
    const SharedDocument doc = LoadDocument(file, error);
    if (!doc) return {};
    return Texts(doc->Keys(FileBytes(section)));
}

QList<std::pair<QString, QString>> Entries(const QString& file, const QString& section, Error* error,
                                           QStringList* lostKeys)
{
    std::lock_guard lock(g_mutex);
    const SharedDocument doc = LoadDocument(file, error);
    if (!doc) return {};
    if (lostKeys) *lostKeys = Texts(doc->LostKeys(FileBytes(section)));
    return Texts(doc->Entries(FileBytes(section)));
}

QStringList Sections(const QString& file, Error* error)
{
    std::lock_guard lock(g_mutex);
    const SharedDocument doc = LoadDocument(file, error);
    if (!doc) return {};
    return Texts(doc->Sections());
}

bool Write(const QString& file, const QString& section, const QString& key, const QString& value,
           Error* error)
{
    std::lock_guard lock(g_mutex);
    const SharedDocument loaded = LoadDocument(file, error);
    if (!loaded) return false;
    auto doc = std::make_shared<Document>(*loaded);
    doc->Set(FileBytes(section), FileBytes(key), FileBytes(value));
    return Store(file, doc, error);
}

bool DeleteKey(const QString& file, const QString& section, const QString& key, Error* error)
{
    std::lock_guard lock(g_mutex);
    const SharedDocument loaded = LoadDocument(file, error);
    if (!loaded) return false;
    auto doc = std::make_shared<Document>(*loaded);
    if (!doc->Remove(FileBytes(section), FileBytes(key))) return true;
    return Store(file, doc, error);
}

// ---------------------------------------------------------------------------------------------
// Batch.

Batch::Batch(const QString& file, Start start) : file_(file)
{
    own_ = std::make_shared<Document>();
    doc_ = own_;
    if (start == Empty) return;
    std::lock_guard lock(g_mutex);
    if (SharedDocument loaded = LoadDocument(file_, &loadError_)) {
        doc_ = std::move(loaded);
        own_.reset();
    }
}

Document& Batch::Own()
{
    if (!own_) {
        own_ = std::make_shared<Document>(*doc_);
        doc_ = own_;
    }
    return *own_;
}

Batch::~Batch() = default;

std::optional<QString> Batch::Read(const QString& section, const QString& key) const
{
    const auto v = doc_->Value(FileBytes(section), FileBytes(key));
    if (!v) return std::nullopt;
    return Text(*v);
}

QStringList Batch::Keys(const QString& section) const { return Texts(doc_->Keys(FileBytes(section))); }

QList<std::pair<QString, QString>> Batch::Entries(const QString& section, QStringList* lostKeys) const
{
    if (lostKeys) *lostKeys = Texts(doc_->LostKeys(FileBytes(section)));
    return Texts(doc_->Entries(FileBytes(section)));
}

QStringList Batch::Sections() const { return Texts(doc_->Sections()); }

void Batch::Write(const QString& section, const QString& key, const QString& value)
{
    Own().Set(FileBytes(section), FileBytes(key), FileBytes(value));
}

void Batch::DeleteKey(const QString& section, const QString& key)
{
    Own().Remove(FileBytes(section), FileBytes(key));
}

bool Batch::Commit(Error* error)
{
    if (!ok()) {
        Fail(error, loadError_);
        return false;
    }
    std::lock_guard lock(g_mutex);
    if (!Store(file_, doc_, error)) return false;
    own_.reset();  // the cache holds it now: a later change works on a copy
    return true;
}

// ---------------------------------------------------------------------------------------------

void FailNextWrite(const Error& e) { TextFile::FailNextWrite(e); }

void ClearTestHooks() { TextFile::ClearTestHooks(); }

}  // namespace Profile
