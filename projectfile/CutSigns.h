#pragma once
// What shows that a project file is incomplete, as a file cut short by a full disk, a copy that
// did not finish or a crash is. The writer always ends the file with [----------] and its
// NumOfGroups, ends every line with a line end, writes TYPE last in a device section and GrpName
// last in a group section, and counts in NumOfDevices and NumOfGroups the sections it writes: a
// file without one of these lost what came after. Finding them changes nothing that is read.
#include <bitset>

#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include "core/DataModel.h"

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

// The address ("01-NNN") or the group ("01-Gr-GG") a section's name stands for, as the reader
// finds it: in any letter case, blanks and NULs aside; 0 and 0 for any other name.
struct RecordSection {
    int address = 0;
    int group = 0;
};
RecordSection RecordSectionOf(QStringView name);

// The signs gathered by the reader as it reads, so they are judged by exactly what it read: the
// sections the file's parser found, and the keys the reader found in each record's section.
class CutFinder {
public:
    // `sectionNames`: every section the parser found (NULs in a name and letter case aside, as
    // the reader takes them); `file`: the file's bytes, for its last line.
    CutFinder(const QStringList& sectionNames, QByteArrayView file);
    // The reader read address a's section (1..MaxNumOfDevices) and found its TYPE or not.
    void Device(int a, bool typed) { untyped_[size_t(a)] = !typed; }
    // The reader read group g's section and found its GrpName or not.
    void Group(int g, bool named) { unnamed_[size_t(g)] = !named; }
    // With the count keys' values as the reader found them ("" when absent).
    CutSigns Signs(const QString& devicesDeclared, const QString& groupsDeclared) const;

private:
    std::bitset<MaxAddress + 1> devices_, untyped_;
    std::bitset<MaxGroups + 1> groups_, unnamed_;
    bool closing_ = false;
    bool lastLineCut_ = false;
};

}  // namespace ProjectFile
