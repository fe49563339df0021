#pragma once
// The devices window's texts: its captions in both languages and its message boxes.
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/Message.h"

namespace DevicesTexts {

// One caption set on opening: the control's object name, its text and tooltip in English (2) and
// Hebrew (1). Controls of the window that another share of it builds are named here too; the
// window captions whichever of them exist.
struct Caption {
    QString control;
    QString english;
    QString hebrew;
    QString englishTip;
    QString hebrewTip;
};
const std::vector<Caption>& CaptionTable();

// "Tessel126 - Devices settings"; nothing for a language other than 1 or 2.
std::optional<QString> WindowTitle(int16_t lang, int maxNumOfDevices);

// The captured/available counter; nothing for a language other than 1 or 2.
std::optional<QString> CapturedCaption(int16_t lang, int captured, int available);

// The factory-name label of a record whose kind is none of the device kinds.
QString UnknownTypeLabel(int16_t lang);

// "Save data ?" with Yes, No and Cancel.
Message SaveQuestion(int16_t lang);
// The confirmation of a deletion of the addresses first..last.
Message DeleteQuestion(int16_t lang, int first, int last);
// Whether the deleted addresses lose their names too.
Message DeleteNamesQuestion(int16_t lang);

}  // namespace DevicesTexts
