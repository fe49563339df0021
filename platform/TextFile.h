#pragma once
// Files written whole, and the program's text files (Windows-1255, each line ended by CR LF).
// A file is replaced through a temporary file in its folder, flushed and then renamed over the
// old one: a failure never leaves half a file, and the old file stays as it was.
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TextFile {

// A failure, numbered like the run-time errors the callers know.
struct Error {
    int number = 0;
    QString message;
};
namespace ErrorNumber {
enum : int { DiskFull = 61, PermissionDenied = 70, PathFileAccess = 75, PathNotFound = 76 };
}

// The error of a system call's errno.
Error ErrorOf(int err);

// Replaces `file` with `bytes`. A symbolic link is kept and what it names is replaced; the file
// keeps its permissions; an existing file we may not write, or a folder in its place, stays as
// it is. False, with `error`, on any failure.
bool Replace(const QString& file, const QByteArray& bytes, Error* error = nullptr);

// Lines as the file holds them: Windows-1255, each line followed by CR LF. A line's own
// characters, CR included, are kept as they are.
QByteArray LinesBytes(const QStringList& lines);
// Replace with LinesBytes(lines).
bool WriteLines(const QString& file, const QStringList& lines, Error* error = nullptr);

// The lines of a text file: a line ends at CR LF, at a CR alone or at an LF alone; a last line
// without an end counts too. Nothing, with `error`, when the file cannot be read.
std::optional<QStringList> ReadLines(const QString& file, Error* error = nullptr);

// Tests: the next replacement of any file fails with `e` and leaves the disk as it was.
void FailNextWrite(const Error& e = {ErrorNumber::DiskFull, QStringLiteral("Disk full")});
void ClearTestHooks();

}  // namespace TextFile
