#pragma once
// The devices window's bulk operations on the working table: range fill and the two detector
// edits. Occupied means Exist "1" in DeviceDataArrayEdit, which is what each row's hidden
// occupied box shows.
#include <cstdint>
#include <optional>

#include <QString>

#include "core/Message.h"

namespace DeviceTools {

// The three types of the range fill, in the order of its option buttons.
enum FillType : int { FillSmoke = 0, FillRedCallPoint = 1, FillInput = 2 };

enum class FillResult { Invalid, NotEmpty, Filled };

struct FillOutcome {
    FillResult result = FillResult::Invalid;
    int first = 0;
    int last = 0;
};

// Fills every address of the range typed into the two boxes with a new device of the type (its
// factory name and colour are the row refresh's, as for any device).
// A range must hold at least two whole addresses within 1..MaxNumOfDevices (anything else,
// fractions included, is refused silently); a range holding any device writes nothing.
FillOutcome RangeFill(const QString& firstText, const QString& lastText, int type);

// The refusal of a range that holds a device (OK and Cancel; the answer is not used); nothing
// for a language other than 1 or 2.
std::optional<Message> RangeNotEmpty(int16_t lang);

// Warnings of the bulk edits, Yes/No; nothing for a language other than 1 or 2.
std::optional<Message> SensitivityWarning(int16_t lang);
std::optional<Message> VerificationWarning(int16_t lang);
std::optional<Message> DeleteNamesWarning(int16_t lang);

// The captions of the three sensitivity buttons (Low, Medium, High); nothing for a language
// other than 1 or 2 (the designed captions stay).
std::optional<QString> SensitivityCaption(int16_t lang, int index);

// Every analogue smoke detector (kind 5, whether or not the address is marked in use): its
// alarm value becomes LowSens (0), MediumSens (1) or HighSens (2).
void SetSmokeSensitivity(int index);
// Every analogue smoke detector: verification on (0) or off (1).
void SetSmokeVerification(int index);

}  // namespace DeviceTools
