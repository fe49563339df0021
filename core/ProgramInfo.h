#pragma once
// What the program says about itself, and the one administrator password that the login window
// and the main window's code box both accept.
#include <QString>

namespace ProgramInfo {

// The program's version: the login window, the settings file and the project file carry it.
inline const QString Version = QStringLiteral("1.32");
// The main window's version label.
inline const QString VersionCaption = Version + QStringLiteral(" -=(QX-2o25-16)=-");

// Compared exactly, as typed (case and blanks count).
inline const QString AdminPassword = QStringLiteral("58316");
inline bool IsAdminPassword(const QString& text) { return text == AdminPassword; }

}  // namespace ProgramInfo
