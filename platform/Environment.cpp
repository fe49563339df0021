#include "platform/Environment.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Environment {
namespace {

struct Overrides {
    QString userName, home, documents, programFolder, configFolder, executableName;
};

Overrides& Set()
{
    static Overrides o;
    return o;
}

QString WithSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString WithoutSlash(const QString& folder)
{
    QString f = QDir::cleanPath(folder);
    return f == QLatin1String("/") ? f : (f.endsWith(QLatin1Char('/')) ? f.chopped(1) : f);
}

QString ExecutablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

}  // namespace

QString UserName()
{
    if (!Set().userName.isEmpty())
        return Set().userName;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    for (const char* var : {"USER", "LOGNAME"})
        if (const QString v = qEnvironmentVariable(var); !v.isEmpty())
            return v;
    return QString();
}

QString Home()
{
    if (!Set().home.isEmpty())
        return WithoutSlash(Set().home);
    const QString home = qEnvironmentVariable("HOME");
    return WithoutSlash(home.isEmpty() ? QDir::homePath() : home);
}

QString Documents()
{
    if (!Set().documents.isEmpty())
        return WithoutSlash(Set().documents);
    const QString home = Home();
    const QString fallback = home + QStringLiteral("/Documents");
    // A test's home has no desktop settings of its own: keep everything under it.
    if (!Set().home.isEmpty())
        return fallback;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || WithoutSlash(docs) == home)
        return fallback;
    return WithoutSlash(docs);
}

QString ProgramFolder()
{
    if (!Set().programFolder.isEmpty())
        return WithSlash(Set().programFolder);
    return WithSlash(QFileInfo(ExecutablePath()).absolutePath());
}

QString ExecutableName()
{
    if (!Set().executableName.isEmpty())
        return Set().executableName;
    return QFileInfo(ExecutablePath()).completeBaseName();
}

QString ConfigFolder()
{
    if (!Set().configFolder.isEmpty())
        return WithSlash(Set().configFolder);
    const QString base = Set().home.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                             : Home() + QStringLiteral("/.config");
    return WithSlash(base) + QStringLiteral("Verdal5000/");
}

void SetUserName(const QString& s) { Set().userName = s; }
void SetHome(const QString& s) { Set().home = s; }
void SetDocuments(const QString& s) { Set().documents = s; }
void SetProgramFolder(const QString& s) { Set().programFolder = s; }
void SetConfigFolder(const QString& s) { Set().configFolder = s; }
void SetExecutableName(const QString& s) { Set().executableName = s; }

}  // namespace Environment
