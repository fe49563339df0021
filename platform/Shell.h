#pragma once
// Opens a folder in the desktop's file manager (the original's folder buttons).
#include <QString>
#include <QStringList>

namespace Shell {

// Opens the folder; false when the desktop could not open it. The path is one argument,
// never passed through a command line.
bool OpenFolder(const QString& path);

// Tests: record the calls instead of opening anything; OpenFolder then returns true.
void SetTestMode(bool on);
QStringList RecordedCalls();
void ClearRecordedCalls();

}  // namespace Shell
