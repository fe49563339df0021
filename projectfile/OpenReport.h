#pragma once
// What opening a project file found besides the project, and the messages that tell the user.
#include <cstdint>

#include <QString>

#include "core/Message.h"
#include "core/PlacesMessage.h"
#include "projectfile/CutSigns.h"

namespace ProjectFile {

// The places where the file held a value out of range, which the read replaced by its default,
// or records that did not agree with each other, which the read made whole.
using Replaced = PlacesList;

// The places whose text, in a file saved as UTF-8, held characters that Windows-1255 has no code
// for: the read took each as "?", as the next save writes it.
struct LostLetters {
    QList<int> addresses;  // a device's name or factory name, ascending
    QList<int> groups;     // a group's name, ascending
    bool details = false;  // the project details
    bool any() const { return details || !addresses.isEmpty() || !groups.isEmpty(); }
};

// One box after the load, in the interface language: what shows that the file is incomplete,
// then the letters lost, then the places replaced.
Message OpenWarning(int16_t lang, const CutSigns& cut, const LostLetters& lost, const Replaced& r);
// The file holds bytes but no project; it was left as it is.
Message NotProjectFileMessage(int16_t lang, const QString& file);

}  // namespace ProjectFile
