// The logic of core/ and the project-file codec build without any window: none of their files,
// nor any project header they include on the way, names a window (frm*) or a Qt header beyond
// QtCore.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString Root = QStringLiteral(VD_SOURCE_DIR);

QStringList IncludesOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"),
                                            QRegularExpression::MultilineOption);
    QStringList out;
    for (auto m = include.globalMatch(QString::fromUtf8(f.readAll())); m.hasNext();) {
        const auto match = m.next();
        out << match.captured(1) + match.captured(2);
    }
    return out;
}

// What `file` (relative to the project) pulls in that a logic library must not have.
void Check(const QString& file, QSet<QString>& seen, QStringList& faults)
{
    if (seen.contains(file)) return;
    seen.insert(file);
    const QString qtCore = QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtCore/");
    for (const QString& inc : IncludesOf(Root + QLatin1Char('/') + file)) {
        const QString name = inc.mid(1);
        if (inc.startsWith(u'"')) {
            if (QFileInfo(name).fileName().startsWith(QLatin1String("frm"))) faults << file + " -> " + name;
            else if (QFileInfo::exists(Root + QLatin1Char('/') + name)) Check(name, seen, faults);
        } else if (name.startsWith(u'Q') && !QFileInfo::exists(qtCore + name)) {
            faults << file + " -> <" + name + ">";
        }
    }
}

}  // namespace

TEST(Layering, CoreAndTheProjectFileCodecIncludeNoWindowHeader)
{
    ASSERT_TRUE(QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::HeadersPath) + "/QtCore/QString"));
    QSet<QString> seen;
    QStringList faults;
    int files = 0;
    for (const QString folder : {"core", "projectfile"})
        for (const QString& f : QDir(Root + QLatin1Char('/') + folder).entryList({"*.h", "*.cpp"}, QDir::Files)) {
            Check(folder + QLatin1Char('/') + f, seen, faults);
            ++files;
        }
    EXPECT_GT(files, 20);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}
