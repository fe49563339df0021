#pragma once
// Why a serial port did not open and what the user can do, in English or in Hebrew. The serial
// control records the fault (SComm::LastFault); the window shows this text in the interface
// language.
#include <QString>

#include "platform/SComm.h"

// What the device file allows its group.
struct DeviceAccess {
    QString group;               // the group that owns the device ("dialout" when it cannot be told)
    bool known = false;          // the file could be examined
    bool groupReadWrite = true;  // its group may read and write it (0660); false for 0600 and the like
    QString mode;                // its permission bits in octal, "0600"
};
DeviceAccess DeviceAccessOf(const QString& path);

// The message for a port that did not open. For a permission fault the advice depends on the
// device: join the group that may read and write it, or, when the group may not (a 0600 device),
// have the device's access changed. `group` names the owning group when the caller knows it.
QString OpenFaultText(bool hebrew, OpenFault fault, int portNumber, const QString& path,
                      const QString& detail = QString(), const QString& group = QString());
