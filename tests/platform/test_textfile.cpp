// The program's text files: Windows-1255 with CR LF, written whole through a temporary file, and
// read back line by line the way the printout reads them.
#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/TextFile.h"

namespace {

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(TextFileTest, LinesAreWindows1255EachEndedByCrLf)
{
    EXPECT_EQ(TextFile::LinesBytes({QStringLiteral("א\tB"), QString(), QStringLiteral("\rT")}),
              QByteArray("\xE0\tB\r\n\r\n\rT\r\n"));
    EXPECT_EQ(TextFile::LinesBytes({QStringLiteral("€ \u4E00")}), QByteArray("\x80 ?\r\n"));
    EXPECT_EQ(TextFile::LinesBytes({}), QByteArray());
}

TEST(TextFileTest, ALineEndsAtCrLfAtALoneCrOrAtALoneLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("one\r\n\rtwo\tx\r\nthree\nfour\rlast \xE0");
    f.close();
    EXPECT_EQ(TextFile::ReadLines(path), QStringList({"one", "", "two\tx", "three", "four", QStringLiteral("last א")}));

    TextFile::Error e;
    EXPECT_FALSE(TextFile::ReadLines(dir.filePath("none.txt"), &e));
    EXPECT_EQ(e.number, TextFile::ErrorNumber::PathNotFound);
}

TEST(TextFileTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.txt");
    ASSERT_TRUE(TextFile::WriteLines(path, {"old"}));
    QDir(dir.path()).mkdir("folder");
    const struct {
        QString path;
        int number;
    } cases[] = {
        {dir.filePath("missing/r.txt"), TextFile::ErrorNumber::PathNotFound},
        {dir.filePath("folder"), TextFile::ErrorNumber::PathFileAccess},
    };
    for (const auto& c : cases) {
        TextFile::Error e;
        EXPECT_FALSE(TextFile::WriteLines(c.path, {"new"}, &e)) << c.path.toStdString();
        EXPECT_EQ(e.number, c.number) << c.path.toStdString();
    }

    TextFile::FailNextWrite();
    TextFile::Error e;
    EXPECT_FALSE(TextFile::WriteLines(path, {"new"}, &e));
    EXPECT_EQ(e.number, TextFile::ErrorNumber::DiskFull);
    EXPECT_EQ(Read(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"r.txt"})) << "no temporary file stays";

    EXPECT_TRUE(TextFile::WriteLines(path, {"new"}));
    EXPECT_EQ(Read(path), QByteArray("new\r\n"));
}

// A file-size limit stops the write halfway through the temporary file, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int);
};

TEST(TextFileTest, AWriteThatFailsMidwayKeepsTheOldFileAndReportsTheFullDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.txt");
    ASSERT_TRUE(TextFile::WriteLines(path, {"old"}));
    const QStringList lines(2000, QStringLiteral("a line longer than the limit lets through"));

    TextFile::Error e;
    bool written = true;
    {
        const FileSizeLimit limit(4096);
        written = TextFile::WriteLines(path, lines, &e);
    }
    EXPECT_FALSE(written) << "a write the system cut short is a failure";
    EXPECT_EQ(e.number, TextFile::ErrorNumber::DiskFull);
    EXPECT_EQ(Read(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"r.txt"})) << "no temporary file stays";

    EXPECT_TRUE(TextFile::WriteLines(path, lines)) << "without the limit the same lines are written";
    EXPECT_EQ(Read(path), TextFile::LinesBytes(lines));
}

}  // namespace
