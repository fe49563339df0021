#include "startup/StartDialogLogic.h"

#include <exception>

#include <QDir>
#include <QFileInfo>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "core/SettingsFile.h"
#include "platform/Environment.h"
#include "projectfile/ProjectFileName.h"
#include "platform/Ui.h"

namespace StartDialogLogic {
namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The project folder as read from the settings file: absolute (a relative one is taken from the
// program folder, the current folder while it is read) and ending in "/"; "" for no folder.
QString ProjectFolderFrom(const QString& value, const QString& programFolder)
{
    const QString v = value.trimmed();
    if (v.isEmpty()) return QString();
    return WithSlash(QDir::cleanPath(QDir(programFolder).absoluteFilePath(v)));
}

}  // namespace

QString DefaultFolderFor(const QString& documents)
{
    return WithSlash(documents) + QStringLiteral("Verdal5000 SiteData/");
}

void SetUpFolders()
{
    const QString program = Environment::ProgramFolder();
    // Each failing step falls back to the program folder and the set-up goes on: a step is
    // never repeated, so a folder that cannot be made cannot hold the program up.
    auto fallBack = [&] {
        usrDataPath = program;
        QDir::setCurrent(program);
    };

    DefaultDataPath = DefaultFolderFor(Environment::Documents());
    usrDataPath = DefaultDataPath;
    if (!QDir().mkpath(DefaultDataPath)) fallBack();
    QDir::setCurrent(program);
    try {
        ReadIniSettings();
        usrDataPath = ProjectFolderFrom(usrDataPath, program);
    } catch (const std::exception&) {
        fallBack();
    }
    if (usrDataPath.isEmpty() || !QFileInfo(usrDataPath).isDir() || !QDir::setCurrent(usrDataPath)) fallBack();
}

QString DefaultProjectName(int n)
{
    return QStringLiteral("Verdal126_") + Str(n) + ProjectFile::Extension;
}

std::optional<QString> FirstFreeDefaultName(const QString& folder)
{
    for (int n = 1; n <= MaxDefaultNumber; ++n) {
        const QString name = DefaultProjectName(n);
        if (!MainMdl::FileExists(folder + name)) return name;
    }
    return std::nullopt;
}

bool IsValidNewName(const QString& name)
{
    return name.size() >= 8 && ProjectFile::IsProjectFileName(name);
}

ChosenFile SplitChosenPath(const QString& path)
{
    const QFileInfo info(path);
    return {WithSlash(info.absolutePath()), info.fileName()};
}

QString ClockCaption(const QDateTime& t)
{
    return t.toString(QStringLiteral("dd/MM/yy  HH:mm "));
}

bool IsSmallScreen(int screenHeightPixels)
{
    return screenHeightPixels * 15 < 11520;
}

using languages::ByLanguage;

Message InvalidNameMessage(int16_t lang)
{
    return ByLanguage(lang, Message{QStringLiteral("שם קובץ לא חוקי"), Ui::vbOKOnly | Ui::vbHebrew, QStringLiteral("שגיאה בשם הקובץ")},
                      Message{QStringLiteral("Invalid file name"), Ui::vbOKOnly, QStringLiteral("File name error")});
}

Message ReplaceQuestion(int16_t lang, const QString& name)
{
    return ByLanguage(lang,
                      Message{QStringLiteral("שם הקובץ ") + name + QStringLiteral(" קיים") + QLatin1Char('\r') +
                                  QStringLiteral("האם ברצונך למחוק את הקובץ הקיים ?"),
                              Ui::vbYesNoCancel | Ui::vbHebrew, QStringLiteral("שם קובץ כפול")},
                      Message{QStringLiteral("File name ") + name + QStringLiteral(" exist") + QLatin1Char('\r') +
                                  QStringLiteral("Do you want to delete ?"),
                              Ui::vbYesNoCancel, QStringLiteral("Exis file name")});
}

Message DeleteFailedMessage(int16_t lang, const QString& name, const QString& reason)
{
    return ByLanguage(lang,
                      Message{QStringLiteral("לא ניתן למחוק את הקובץ ") + name + QLatin1Char('\r') + reason,
                              Ui::vbOKOnly | Ui::vbExclamation | Ui::vbHebrew, QStringLiteral("שם קובץ כפול")},
                      Message{QStringLiteral("The file ") + name + QStringLiteral(" cannot be deleted") + QLatin1Char('\r') + reason,
                              Ui::vbOKOnly | Ui::vbExclamation, QStringLiteral("Exis file name")});
}

Message ExitQuestion(int16_t lang)
{
    return ByLanguage(lang, Message{QStringLiteral("האם אתה בטוח ?"), Ui::vbYesNo | Ui::vbHebrew, QStringLiteral("יציאה מהתוכנה")},
                      Message{QStringLiteral("Are you sure ?"), Ui::vbYesNo, QStringLiteral("Exit")});
}

}  // namespace StartDialogLogic
