#include "platform/TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "platform/TextCodec.h"

namespace TextFile {
namespace {

std::mutex g_hookMutex;
std::optional<Error> g_failNext;

void Fail(Error* out, const Error& e)
{
    if (out) *out = e;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

std::optional<Error> TakeFailure()
{
    std::lock_guard lock(g_hookMutex);
    std::optional<Error> e = g_failNext;
    g_failNext.reset();
    return e;
}

}  // namespace

Error ErrorOf(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return {ErrorNumber::PathNotFound, QStringLiteral("Path not found")};
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return {ErrorNumber::PermissionDenied, QStringLiteral("Permission denied")};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {ErrorNumber::DiskFull, QStringLiteral("Disk full")};
    default:
        return {ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error")};
    }
}

bool Replace(const QString& file, const QByteArray& bytes, Error* error)
{
    QString target = file;
    const QFileInfo link(file);
    if (link.isSymLink()) target = link.symLinkTarget();  // keep the link, replace what it names
    const QByteArray path = QFile::encodeName(target);

    // The file keeps its permissions and, where allowed, its owner; a protected file stays unwritten.
    struct stat old {};
    const bool existed = ::stat(path.constData(), &old) == 0;
    if (existed) {
        if (S_ISDIR(old.st_mode)) {
            Fail(error, ErrorOf(EISDIR));
            return false;
        }
        if (::access(path.constData(), W_OK) != 0) {
            Fail(error, ErrorOf(errno));
            return false;
        }
    }
    mode_t mode = existed ? (old.st_mode & 07777) : 0;
    if (!existed) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    const QFileInfo info(target);
    QByteArray temp = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        Fail(error, ErrorOf(errno));
        return false;
    }
    auto abandon = [&](const Error& e) {
        ::close(fd);
        ::unlink(temp.constData());
        Fail(error, e);
        return false;
    };
    if (const std::optional<Error> e = TakeFailure()) return abandon(*e);
    if (!WriteAll(fd, bytes)) return abandon(ErrorOf(errno));
    ::fchmod(fd, mode);
    // Where we may not give the file back to its owner, it becomes ours, as any rewrite by us would.
    if (existed && ::fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
    if (::fsync(fd) != 0) return abandon(ErrorOf(errno));
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        Fail(error, ErrorOf(err));
        return false;
    }
    if (::rename(temp.constData(), path.constData()) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        Fail(error, ErrorOf(err));
        return false;
    }
    return true;
}

QByteArray LinesBytes(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) out += TextCodec::ToCp1255(line) + "\r\n";
    return out;
}

bool WriteLines(const QString& file, const QStringList& lines, Error* error)
{
    return Replace(file, LinesBytes(lines), error);
}

std::optional<QStringList> ReadLines(const QString& file, Error* error)
{
    const QFileInfo info(file);
    if (info.isDir()) {
        Fail(error, ErrorOf(EISDIR));
        return std::nullopt;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        Fail(error, ErrorOf(info.exists() ? EACCES : ENOENT));
        return std::nullopt;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        Fail(error, ErrorOf(EIO));
        return std::nullopt;
    }
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines << TextCodec::FromCp1255(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines << TextCodec::FromCp1255(bytes.mid(start));
    return lines;
}

void FailNextWrite(const Error& e)
{
    std::lock_guard lock(g_hookMutex);
    g_failNext = e;
}

void ClearTestHooks()
{
    std::lock_guard lock(g_hookMutex);
    g_failNext.reset();
}

}  // namespace TextFile
