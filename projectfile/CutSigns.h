#pragma once
// What shows that a project file is incomplete, as a file cut short by a full disk, a copy that
// did not finish or a crash is. The writer always ends the file with [----------] and its
// NumOfGroups, ends every line with a line end, writes NAME, FNAM and TYPE in every device section
// and GRPo and GrpName in every group section, and counts in NumOfDevices and NumOfGroups the
// sections it writes: a file without one of these lost it, or what came after. Finding them
// changes nothing that is read.
#include <array>
#include <bitset>

#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include "core/DataModel.h"

namespace ProjectFile {

// The lines the writer writes in every record's section, in its order. NAME and FNAM are looked
// for only in the section of a device the reader takes in: without TYPE, or with a TYPE of no
// device in use, there is nothing they could belong to.
enum class RecordLine { Name, Fnam, Type, Grpo, GrpName };
struct RecordLineKey {
    RecordLine line;
    bool group;  // a line of a group's section, else of a device's
    const char* key;
};
inline constexpr std::array<RecordLineKey, 5> RecordLines{{{RecordLine::Name, false, "NAME"},
                                                           {RecordLine::Fnam, false, "FNAM"},
                                                           {RecordLine::Type, false, "TYPE"},
                                                           {RecordLine::Grpo, true, "GRPo"},
                                                           {RecordLine::GrpName, true, "GrpName"}}};

struct CutSigns {
    bool noClosingSection = false;  // no [----------] section
    bool lastLineCut = false;       // the last line has no line end
    // By RecordLine: the addresses or groups whose section holds no such line, ascending.
    std::array<QList<int>, RecordLines.size()> without;
    // The counts the file declares (NumOfDevices of [Hardware], NumOfGroups of [----------]);
    // -1 when the key is absent or holds no count the writer could have written.
    int devicesDeclared = -1;
    int groupsDeclared = -1;
    // The device and group sections the file holds.
    int devicesHeld = 0;
    int groupsHeld = 0;

    bool moreDevicesDeclared() const { return devicesDeclared > devicesHeld; }
    bool moreGroupsDeclared() const { return groupsDeclared > groupsHeld; }
    const QList<int>& Without(RecordLine l) const { return without[size_t(l)]; }
    bool any() const
    {
        for (const QList<int>& places : without)
            if (!places.isEmpty()) return true;
        return noClosingSection || lastLineCut || moreDevicesDeclared() || moreGroupsDeclared();
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
    // The reader read the section of address n (1..MaxNumOfDevices) or group n, as the line's
    // kind says, and found no such line in it. RecordLines is in the order of RecordLine.
    void Lacks(RecordLine line, int n) { lacking_[size_t(line)][size_t(n)] = true; }
    // With the count keys' values as the reader found them ("" when absent).
    CutSigns Signs(const QString& devicesDeclared, const QString& groupsDeclared) const;

private:
    using Places = std::bitset<MaxAddress + 1>;  // addresses or groups
    Places devices_, groups_;
    std::array<Places, RecordLines.size()> lacking_;
    bool closing_ = false;
    bool lastLineCut_ = false;
};

}  // namespace ProjectFile
