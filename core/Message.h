#pragma once
// A message box as a window shows it, and the choice of a text by the interface language.
#include <cstdint>

#include <QString>

struct Message {
    QString prompt;
    int style = 0;
    QString title;
};

// Shows the box through the platform layer; returns the answer.
int ShowMessage(const Message& m);

namespace languages {
// Hebrew for language 1, English for any other value.
QString ByLanguage(int16_t lang, const QString& hebrew, const QString& english);
// The same for the current UILanguage.
QString ByLanguage(const QString& hebrew, const QString& english);
// Keeps a run of text (a number, a path, a port name, a command) left to right inside a Hebrew
// text: the run is isolated from the Hebrew around it.
QString LeftToRight(const QString& run);
// A whole message box by language: Hebrew for language 1, English for any other value.
Message ByLanguage(int16_t lang, const Message& hebrew, const Message& english);
}  // namespace languages
