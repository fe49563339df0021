#pragma once
// The main card settings window's texts: the captions of both languages, the captions fixed in
// its design, and the closing question.
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/Message.h"

namespace CardSettingsTexts {

// The control name under which the table holds the window's own title.
inline const QString WindowTitle = QStringLiteral("frm5CardSettings");

// One caption: a control (option 0 or 1 of a pair, or -1 for the control's own caption) in
// Hebrew (1) and English (2).
struct Caption {
    QString control;
    int option;
    QString hebrew;
    QString english;
};
// Every caption the language sets, in the order it sets them.
const std::vector<Caption>& CaptionTable();
// One caption in a language; nothing for a language other than 1 or 2 or a control not in the
// table.
std::optional<QString> CaptionOf(const QString& control, int option, int16_t lang);

// A caption fixed in the design: the same in both languages (the hidden sections keep their
// Hebrew design texts).
struct FixedCaption {
    QString control;
    int option;
    QString text;
};
const std::vector<FixedCaption>& DesignCaptions();

// The hover hint of the reversed fault relay.
inline const QString ReverseRelayHint = QStringLiteral(
    "בבחירת פונקציה זו, ממסר התקלה ישנה את מצבו ברגע שכרטיס הבקרה יחוברת למתח רשת וסוללות");

// "Save data ?" with Yes, No and Cancel, Yes the default; Hebrew for 1, English otherwise.
Message SaveQuestion(int16_t lang);

}  // namespace CardSettingsTexts
