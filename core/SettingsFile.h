#pragma once
// The program's settings file, "<executable name>.Pzw": it remembers the project folder
// (usrDataPath) between runs; its other keys are written for information only.
#include <QDateTime>
#include <QString>

namespace SettingsFile {
// Where the file lives: the program folder when the program may write there, else the user's
// configuration folder (an installed program), which is created when missing. Ends in "/".
QString Folder();
// The "Updated" value: date and time as the program shows them.
QString StampText(const QDateTime& t);
}  // namespace SettingsFile

namespace Usefull {
// Rewrites the settings file with exactly its seven keys, the project folder usrDataPath and the
// project ProjectFileName among them. The old file stays as it was until the new one is
// complete. When the file cannot be written, a message says so and the result is false; the
// program goes on either way.
bool SaveIniFile(const QDateTime& now = QDateTime::currentDateTime());
}  // namespace Usefull

// The start dialog's read of the settings file: sets IniFileName, and usrDataPath to the file's
// "usrDataPath" (DefaultDataPath when the file, the section or the key is missing). A file that
// exists but cannot be read raises CSettingError for the caller to handle.
void ReadIniSettings();
