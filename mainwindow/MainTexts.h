#pragma once
// The main window's texts: the captions of both languages and its message boxes.
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/Message.h"

namespace MainTexts {

// One caption: the control's name and its text in English (2) and Hebrew (1).
struct Caption {
    QString control;
    QString english;
    QString hebrew;
};
// Every caption SetMainCaptions sets, in its order; Label2 takes the model's address count after
// its text (CaptionOf does that).
const std::vector<Caption>& CaptionTable();
// The caption of one control in a language; nothing for a language other than 1 or 2 or a
// control not in the table.
std::optional<QString> CaptionOf(const QString& control, int16_t lang, int maxNumOfDevices);

// Project file.
std::optional<Message> MissingFileName(int16_t lang);
std::optional<Message> SavedInFile(int16_t lang, const QString& fileName);
Message SaveFailed(int16_t lang, const QString& file, const QString& reason);

// Report buttons without a project file name.
std::optional<Message> NoProjectFile(int16_t lang);

// Save-as.
std::optional<Message> ReplaceQuestion(int16_t lang);
std::optional<Message> InvalidFileName(int16_t lang);
inline const QString SaveAsTitle = QStringLiteral("Verdal - Save Projects File");

// Closing (Hebrew for 1, English otherwise: the window never closes without asking).
Message ExitQuestion(int16_t lang);

// A failure while the window loads: its description, OK only, the application's title.
Message LoadError(const QString& description);

}  // namespace MainTexts
