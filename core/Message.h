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
// A whole message box by language: Hebrew for language 1, English for any other value.
Message ByLanguage(int16_t lang, const Message& hebrew, const Message& english);
}  // namespace languages
