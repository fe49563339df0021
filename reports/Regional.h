#pragma once
// The system's regional settings as the reports use them: today's date and the time of day in
// the short formats, and the decimal separator of numbers. Tests set fixed values.
#include <optional>

#include <QString>

struct Regional {
    QString date;
    QString time;
    QString decimalPoint = QStringLiteral(".");

    // The system's settings now (or the values a test set).
    static Regional Now();
    // Tests: Now gives these values; nothing restores the system's.
    static void SetForTests(std::optional<Regional> fixed);

    // A number in general decimal form: an integer without a fraction, otherwise with its
    // fraction after the decimal separator (82.5 -> "82.5", or "82,5" with a comma).
    QString Number(double value) const;
};
