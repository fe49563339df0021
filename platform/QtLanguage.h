#pragma once
// Qt's own dialogs (the file dialogs, the print dialog, their buttons and standard texts) in the
// interface language: for Hebrew, Qt's Hebrew translation (Debian's qt6-translations-l10n) and
// right-to-left layout; otherwise Qt's English texts, left to right. Windows that set their own
// direction keep it; every other new window takes the application's.
namespace QtLanguage {

void Apply(bool hebrew);

// Whether Qt's Hebrew translation is installed now.
bool HebrewInstalled();

}  // namespace QtLanguage
