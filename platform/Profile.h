#pragma once
// Files of sections and keys (the profile or INI format), read and written the way the program's
// settings file and project files expect:
//   [Section]
//   key=value
// - Section and key names match without regard to ASCII letter case; other letters match exactly.
// - Blanks and tabs around names, "=" and values are ignored on read; inner blanks are kept.
//   Text after "]" on a section line is ignored. A line whose first non-blank character is ";"
//   is a comment; a line without "=" holds no key. Such lines survive every rewrite.
// - The first of duplicate sections or keys is the one read, written and deleted.
// - A key with an empty value reads as "" (not the default).
// - Every read or write parses the file once and indexes its sections and names, so each
//   operation takes time in proportion to the size of the file, however it is laid out.
// - Text is Windows-1255 on disk; lines end in CR LF (LF-only and CR-only files are read). A file
//   saved as UTF-8 (with or without a byte-order mark) is read as UTF-8; a write of it writes
//   Windows-1255, where a character without a code becomes "?".
// - A write replaces the file as a whole through a temporary file in the same folder, so a failed
//   write leaves the old file untouched, and every failure is reported.
// - CR and LF inside a written section name, key or value become blanks: one value stays one line.
#include <memory>
#include <optional>
#include <utility>

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/TextFile.h"

namespace Profile {

// A failure, numbered like the run-time errors the callers know.
using Error = TextFile::Error;
namespace ErrorNumber = TextFile::ErrorNumber;

// The value of a key, or nothing when the file, the section or the key is missing. An existing
// file that cannot be read also gives nothing, and fills `error`.
std::optional<QString> Read(const QString& file, const QString& section, const QString& key,
                            Error* error = nullptr);
// Read, with `def` in place of nothing.
QString GetString(const QString& file, const QString& section, const QString& key, const QString& def,
                  Error* error = nullptr);
// The key names of a section, in file order, each name once (empty for a missing section).
QStringList Keys(const QString& file, const QString& section, Error* error = nullptr);
// The keys of a section with their values, in file order, each key once with the value of its
// first line (empty for a missing section). `lostKeys`, when given, gets those of them whose line
// in a file saved as UTF-8 held a character that Windows-1255 has no code for (read as "?").
QList<std::pair<QString, QString>> Entries(const QString& file, const QString& section, Error* error = nullptr,
                                           QStringList* lostKeys = nullptr);
// The section names of the file, in file order, each name once.
QStringList Sections(const QString& file, Error* error = nullptr);

// Sets a key: its value is replaced where it stands, a new key goes after the last key of its
// section, a new section at the end of the file. A missing file is created (its folder is not).
bool Write(const QString& file, const QString& section, const QString& key, const QString& value,
           Error* error = nullptr);
// Removes the key's line. A missing file, section or key is nothing to do (success).
bool DeleteKey(const QString& file, const QString& section, const QString& key, Error* error = nullptr);

class Document;

// Many changes to one file, written to disk once by Commit (a project file is written key by key).
// Reads through the batch see its changes. Without Commit the changes are dropped.
class Batch {
public:
    enum Start { FromFile, Empty };
    // FromFile loads the file as it is now (a missing file is an empty one); Empty starts from
    // nothing, so the committed file holds only what the batch wrote.
    explicit Batch(const QString& file, Start start = FromFile);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // False when the file existed but could not be loaded; Commit then fails with that error.
    bool ok() const { return loadError_.number == 0; }
    const QString& file() const { return file_; }

    std::optional<QString> Read(const QString& section, const QString& key) const;
    QStringList Keys(const QString& section) const;
    QList<std::pair<QString, QString>> Entries(const QString& section, QStringList* lostKeys = nullptr) const;
    QStringList Sections() const;
    void Write(const QString& section, const QString& key, const QString& value);
    void DeleteKey(const QString& section, const QString& key);

    // Replaces the file with the batch's contents; false (and `error`) when that fails.
    bool Commit(Error* error = nullptr);

private:
    Document& Own();

    QString file_;
    // The file's parse, shared with the cache until the first change makes the batch its own.
    std::shared_ptr<const Document> doc_;
    std::shared_ptr<Document> own_;
    Error loadError_;
};

// Tests: the next file replacement fails with `e` and leaves the disk as it was.
void FailNextWrite(const Error& e = {ErrorNumber::DiskFull, QStringLiteral("Disk full")});
void ClearTestHooks();

}  // namespace Profile
