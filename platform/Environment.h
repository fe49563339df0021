#pragma once
// Where the program and the user live. Tests point the home folder somewhere temporary.
#include <QString>

namespace Environment {
QString UserName();
// The user's home folder.
QString Home();
// The desktop's documents folder (XDG "Documents" under the home folder when there is none).
QString Documents();
// The folder of the executable, ending in "/".
QString ProgramFolder();
// The executable's name without folder or extension.
QString ExecutableName();
// The user's configuration folder for the program, ending in "/".
QString ConfigFolder();

// Tests: override the values above (an empty text restores the real value).
void SetUserName(const QString& s);
void SetHome(const QString& s);
void SetDocuments(const QString& s);
void SetProgramFolder(const QString& s);
void SetConfigFolder(const QString& s);
void SetExecutableName(const QString& s);
}  // namespace Environment
