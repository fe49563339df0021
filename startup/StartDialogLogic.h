#pragma once
// What the start dialog decides without a window: the folders, the default name of a new
// project, the name rules, the clock caption and the texts of its message boxes.
#include <cstdint>
#include <optional>

#include <QDateTime>
#include <QString>

#include "core/Message.h"

namespace StartDialogLogic {

// The default site-data folder under a documents folder, ending in "/".
QString DefaultFolderFor(const QString& documents);

// Fixes the folders, as each time the start dialog comes up: DefaultDataPath (created with its
// parents when missing), then usrDataPath from the settings file, else the default folder. A
// folder that cannot be made or entered gives the program folder, once, and the set-up goes on.
// Afterwards usrDataPath names an existing folder, ends in "/" and is the current folder.
void SetUpFolders();

// "Verdal126_" & n & ".HV6".
QString DefaultProjectName(int n);
constexpr int MaxDefaultNumber = 98;
// The first default name, n = 1..98, with no file of that name in the folder (which ends in
// "/"); nothing when all 98 are taken.
std::optional<QString> FirstFreeDefaultName(const QString& folder);

// A new project's name: a project file name (ProjectFile::IsProjectFileName) of at least 8
// characters. An opened project's name needs only to be a project file name.
bool IsValidNewName(const QString& name);

// A path chosen in the file dialog split into its folder (ending in "/") and its file name.
struct ChosenFile {
    QString folder;
    QString name;
};
ChosenFile SplitChosenPath(const QString& path);

// The clock label: "dd/mm/yy  hh:nn " (two blanks in the middle, one at the end).
QString ClockCaption(const QDateTime& t);

// The small layout is for screens less than 11520 twips (768 pixels) high.
bool IsSmallScreen(int screenHeightPixels);

// The file dialogs (their filter is ProjectFile::FileFilter).
inline const QString NewDialogTitle = QStringLiteral("Verdal - New Projects File");
inline const QString OpenDialogTitle = QStringLiteral("Verdal - Open Projects File");

// A message box of the start dialog in the language of lang (1 Hebrew, else English).
Message InvalidNameMessage(int16_t lang);
Message ReplaceQuestion(int16_t lang, const QString& name);
Message DeleteFailedMessage(int16_t lang, const QString& name, const QString& reason);
Message ExitQuestion(int16_t lang);

}  // namespace StartDialogLogic
