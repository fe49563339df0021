#pragma once
// What shows that a project file is incomplete, as a file cut short by a full disk, a copy that
// did not finish or a crash is. The writer always ends the file with [----------] and its
// NumOfGroups, ends every line with a line end, writes TYPE last in a device section and GrpName
// last in a group section, and counts in NumOfDevices and NumOfGroups the sections it writes: a
// file without one of these lost what came after. Finding them changes nothing that is read.
#include <QByteArrayView>
#include <QList>

namespace ProjectFile {

struct CutSigns {
    bool noClosingSection = false;  // no [----------] section
    bool lastLineCut = false;       // the last line has no line end
    QList<int> devicesWithoutType;  // addresses whose section holds no TYPE, ascending
    QList<int> groupsWithoutName;   // groups whose section holds no GrpName, ascending
    // The counts the file declares (NumOfDevices of [Hardware], NumOfGroups of [----------]);
    // -1 when the key is absent or holds no count the writer could have written.
    int devicesDeclared = -1;
    int groupsDeclared = -1;
    // The device and group sections the file holds.
    int devicesHeld = 0;
    int groupsHeld = 0;

    bool moreDevicesDeclared() const { return devicesDeclared > devicesHeld; }
    bool moreGroupsDeclared() const { return groupsDeclared > groupsHeld; }
    bool any() const
    {
        return noClosingSection || lastLineCut || !devicesWithoutType.isEmpty() || !groupsWithoutName.isEmpty() ||
               moreDevicesDeclared() || moreGroupsDeclared();
    }
};

// The signs in the bytes of a project file (Windows-1255 or UTF-8), read by the rules the reader
// reads it by (platform/Profile.h). One pass over the bytes. A file of blanks only is no file to
// judge: call it only for a file that holds a project.
CutSigns FindCutSigns(QByteArrayView file);

}  // namespace ProjectFile
