#pragma once
// The name rule of project files: their extension, the file dialogs' filter, and what a chosen
// name must look like to be taken as a project file.
#include <QString>

namespace ProjectFile {

// In capitals, and compared with case: "site.hv6" is no project file name.
inline const QString Extension = QStringLiteral(".HV6");
inline const QString FileFilter = QStringLiteral("Verdal File (*") + Extension + QLatin1Char(')');

// More than the extension alone, ending in the extension.
bool IsProjectFileName(const QString& name);
// The name without its extension (the project's name); "" for a name no longer than it.
QString NameWithoutExtension(const QString& fileName);

}  // namespace ProjectFile
