#pragma once
// The messages of the panel operations, each in English and Hebrew with its buttons and title.
#include <cstdint>

#include <QString>

struct LinkMessage {
    const char16_t* english;
    const char16_t* hebrew;
    int buttons = 0;                        // a Ui button set (vbOKOnly, vbYesNo, ...)
    const char16_t* englishTitle = nullptr; // nullptr: the default title
    const char16_t* hebrewTitle = nullptr;
    bool englishRight = false;              // the English box is right-aligned as well
};

// Shows the message in the interface language with `suffix` added to its text; another
// language shows nothing. The answer, or 0 when nothing was shown.
int Say(const LinkMessage& message, const QString& suffix = QString());

class SComm;
// Why the port did not open and what to do, in the interface language (Hebrew for 1, right to
// left; English otherwise: a port that fails is always reported), with `note` on a line of its
// own after it.
QString PortFaultText(const SComm& port, int16_t lang);
int SayPortFault(const SComm& port, const QString& note = QString());

namespace LinkMessages {
extern const LinkMessage CableMissing;
extern const LinkMessage ConnectionMode;
extern const LinkMessage EmptyDeviceList;
extern const LinkMessage ContactCompany;
extern const LinkMessage DeleteAbove50;
extern const LinkMessage AnalogDetectors;
extern const LinkMessage Mismatch;
extern const LinkMessage RemoteManual;
extern const LinkMessage Completed;
extern const LinkMessage SaveReminder;
extern const LinkMessage ReplaceProject;
extern const LinkMessage ClockVersion;
extern const LinkMessage ClockUpdated;
// A record that cannot be encoded: the address or group number follows the text.
extern const LinkMessage InvalidAtAddress;
extern const LinkMessage InvalidInGroup;
extern const LinkMessage InvalidInSystem;

// The last line of a failed download's message, in the interface language.
QString ProjectNotChanged();
}  // namespace LinkMessages
