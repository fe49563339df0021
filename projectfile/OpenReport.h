#pragma once
// What opening a project file found besides the project, and the messages that tell the user.
#include <cstdint>

#include <QList>
#include <QString>

#include "core/Message.h"

namespace ProjectFile {

// The places where the file held a value out of range, which the read replaced by its default.
struct Replaced {
    QList<int> addresses;  // device sections, ascending
    bool system = false;   // the system line or a remote unit
    QList<int> groups;     // group sections, ascending

    bool any() const { return system || !addresses.isEmpty() || !groups.isEmpty(); }
};

// "1, 3-5, 9": ascending numbers, runs of three or more as a range.
QString NumberList(const QList<int>& numbers);

// One box after the load naming what was replaced, in the interface language.
Message ReplacedValuesMessage(int16_t lang, const Replaced& r);
// The file holds bytes but no project; it was left as it is.
Message NotProjectFileMessage(int16_t lang, const QString& file);

}  // namespace ProjectFile
