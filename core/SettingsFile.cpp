#include "core/SettingsFile.h"

#include <QDir>
#include <QTemporaryFile>

#include "core/CSetting.h"
#include "core/DataModel.h"
#include "core/ProgramInfo.h"
#include "platform/Environment.h"
#include "platform/Ui.h"

namespace {

const QString FileType = QStringLiteral(".Pzw");
const QString FileLanguage = QStringLiteral("0");  // a file-language value that nothing sets
const QString AdminValue = QStringLiteral("19");
const QString ComData = QStringLiteral("9600,N,8,1");

bool CanWriteIn(const QString& folder)
{
    if (!QDir(folder).exists()) return false;
    QTemporaryFile probe(folder + QStringLiteral(".probe-XXXXXX"));
    return probe.open();
}

void Prepare(CSetting& setting, const QString& folder)
{
    setting.Init(Environment::ExecutableName(), FileType, folder, 1);
    setting.SetSaveMode(1);
}

void ShowSaveFailure(const QString& file, const CSettingError& e)
{
    if (UILanguage == 1)
        Ui::MsgBox(QStringLiteral("לא ניתן לשמור את קובץ ההגדרות") + u'\n' + file + u'\n' + e.description,
                   Ui::vbOKOnly | Ui::vbExclamation | Ui::vbHebrew, QStringLiteral("שגיאה"));
    else
        Ui::MsgBox(QStringLiteral("The settings file could not be saved") + u'\n' + file + u'\n' + e.description,
                   Ui::vbOKOnly | Ui::vbExclamation, QStringLiteral("Error"));
}

}  // namespace

namespace SettingsFile {

QString Folder()
{
    const QString program = Environment::ProgramFolder();
    if (CanWriteIn(program)) return program;
    const QString config = Environment::ConfigFolder();
    QDir().mkpath(config);
    return config;
}

QString StampText(const QDateTime& t)
{
    return t.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

}  // namespace SettingsFile

namespace Usefull {

bool SaveIniFile(const QDateTime& now)
{
    CSetting setting;
    Prepare(setting, SettingsFile::Folder());
    try {
        // A fresh file: it holds only the keys written now, and replaces the old one in one step.
        setting.BeginBatch(true);
        setting.SaveSettingStr(QStringLiteral("General"), QStringLiteral("Updated"), SettingsFile::StampText(now), IniFileName);
        setting.SaveSettingStr(QStringLiteral("General"), QStringLiteral("SoftwareVersion     "), ProgramInfo::Version, IniFileName);
        setting.SaveSettingStr(QStringLiteral("General"), QStringLiteral("Language"), FileLanguage, IniFileName);
        setting.SaveSettingStr(QStringLiteral("General"), QStringLiteral("Admin "), AdminValue, IniFileName);
        setting.SaveSettingStr(QStringLiteral("General"), QStringLiteral("usrDataPath"), usrDataPath, IniFileName);
        setting.SaveSettingStr(QStringLiteral("General"), QStringLiteral("LastFile"), ProjectFileName, IniFileName);
        setting.SaveSettingStr(QStringLiteral("Communication"), QStringLiteral("SetOfComData"), ComData, IniFileName);
        setting.CommitBatch();
    } catch (const CSettingError& e) {
        ShowSaveFailure(setting.FileName(), e);
        return false;
    }
    return true;
}

}  // namespace Usefull

void ReadIniSettings()
{
    const QString folder = SettingsFile::Folder();
    CSetting setting;
    Prepare(setting, folder);
    IniFileName = Environment::ExecutableName() + FileType;
    usrDataPath = setting.GetSettingStr(QStringLiteral("General"), QStringLiteral("usrDataPath"), DefaultDataPath,
                                        folder + IniFileName);
}
