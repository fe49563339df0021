#pragma once
// The project file (".HV6"): the whole project as sections and keys, written from and read into
// the shared data model. The window around it (frm4Main) shows the messages.
#include <array>

#include <QString>

#include "core/DataModel.h"
#include "core/ProgramInfo.h"
#include "projectfile/CutSigns.h"
#include "projectfile/ProjectFileName.h"
#include "projectfile/OpenReport.h"
#include "projectfile/ProjectLines.h"

class CSetting;

namespace ProjectFile {

// Fixed texts of the [General] section.
inline const QString SoftwareVersion = ProgramInfo::Version;

// What [General] records about the writing itself.
struct Header {
    QString updated;   // date and time of the save
    QString softName;  // the program's name
};
// Now, and this program.
Header CurrentHeader();

// Before a device is stored: an alarm or pre-alarm value below 64 becomes 64, except for the
// analogue detectors (smoke, heat, smoke/heat), whose values are chosen in the editor.
void ApplyAlarmFloor(DeviceRecord& r);

// Writes the project in the shared data to usrDataPath & ProjectName & ".HV6". The new file
// replaces the old one only when it is complete: on failure the old file is as it was, the result
// is false and `error` holds the reason. Raises the alarm floor in the shared device table, and
// first makes the shared project whole (core/ProjectWhole); `mended` names what that changed.
bool Write(CSetting& setting, const Header& header, QString* error, Replaced* mended = nullptr);

// What the file holds besides the shared data.
struct Contents {
    // Addr, Cont, Tel:, Inst, Misc of [Project Details], for the window's detail boxes.
    std::array<QString, 5> details;
    QString FileSiteName = QStringLiteral("NoName");
    QString FileUpdated = QStringLiteral("0");
    QString FileSoftName = QStringLiteral("NoName");
    double FileSoftwareVersion = 0;
    // False when the file exists but could not be read; `error` says why.
    bool ok = true;
    QString error;
    // The file holds bytes but none of a project's sections (another program's file, a text in
    // another encoding, random bytes): nothing was taken from it.
    bool notProjectFile = false;
    // The values out of range that the read replaced by their defaults.
    Replaced replaced;
    // What shows that the file is incomplete; none for a whole file, a missing or an empty one.
    // The read takes what the file holds all the same.
    CutSigns cut;
    // The names and details taken in that held characters without a Windows-1255 code.
    LostLetters lost;
};

// Reads usrDataPath & ProjectName & ".HV6" into the shared data: the model, the system block,
// the remote units, the devices of addresses 1 to 126 (every address the file does not hold is
// an empty one), the 32 groups, NumOfDevices and NumOfActiveGroups (the counts of addresses and
// groups in use, whatever the file's keys say). A key the file lacks leaves its reset value; a
// value the panel would not take (see ProjectLines) takes its reset value and is listed in
// `replaced`; a device of a kind the program does not know leaves its address empty. A missing
// or empty file gives an empty project. A file cut short is read as far as it goes, and `cut`
// says what shows it. Shows nothing.
Contents Read();

// Read as the main window's load does it, telling the user: after a read of an incomplete file
// or one that replaced values, one box says what shows that the file is incomplete and names the
// values replaced; a file that is no project file is said to be one, and the project is left
// empty without a file name (ProjectFileName and ProjectName empty, ProjectFileOK and
// ProjectLoaded false), so no later save can overwrite that file.
Contents Open();

// Section names.
inline const QString ClosingSection = QStringLiteral("----------");  // the file's last section
QString DeviceSection(int address);
QString GroupSection(int group);

}  // namespace ProjectFile
