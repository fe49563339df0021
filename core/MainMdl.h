#pragma once
// File tests, file deletion and the event-yielding wait.
#include <QString>

namespace MainMdl {
// True when a file (not a folder) of that name exists; a relative name is taken from the
// current folder.
bool FileExists(const QString& path);
// Deletes the file. A missing file, a folder or a file that cannot be deleted throws
// std::runtime_error with the file system's reason, so a caller never takes a failed delete
// for a done one.
void DeleteFile(const QString& path);
// Waits the given seconds on the current clock while window events go on running. A wait of 0
// or less only lets pending events run once.
void Delay(double seconds);
}  // namespace MainMdl
