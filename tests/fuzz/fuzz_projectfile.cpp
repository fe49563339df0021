// The project-file reader on whole files: any file opens; what it leaves passes every upload
// encoder with counts that are the project's own; the file is not changed by reading; and the
// project written from it reads back as the same project.
#include <cstdlib>

#include <QFile>

#include "FuzzSetup.h"
#include "core/Conv.h"
#include "core/CSetting.h"
#include "core/FieldRanges.h"
#include "core/ProjectWhole.h"
#include "panellink/UploadCheck.h"
#include "projectfile/ProjectFile.h"

namespace {

const QString& Folder() { return fuzz::ScratchFolder(); }

void RequireAProjectThePanelTakes()
{
    fuzz::Require(!FirstUnencodableRecord().has_value());
    fuzz::Require(ValInt(NumOfDevices) == AddressesInUse());
    // Whole: records agree with each other, and the counts are recounts.
    fuzz::Require(!ProjectWhole::CheckProject().any());
    fuzz::Require(MaxNumOfDevices == 50 || MaxNumOfDevices == 126);
    for (int a = 1; a <= MaxAddress; ++a) {
        const DeviceRecord& r = DeviceDataArray[a];
        if (r.Exist != "1") continue;
        fuzz::Require(a <= MaxNumOfDevices && FieldRanges::IsKnownKind(KindOf(r)));
        const long long n = ValInt(r.NumOfGroups);
        for (int k = 1; k <= 4; ++k) fuzz::Require(FieldRanges::IsGroupNumber(ValInt(r.Grp[k])) == (k <= n));
    }
}

struct Project {
    std::array<DeviceRecord, MaxAddress + 1> devices;
    std::array<OutGrpRecord, MaxGroups + 1> groups;
    ProjectLines::SysCfg sys;
    RemoteUnitsRecord units;
    int16_t model;
    bool operator==(const Project&) const = default;
};
Project Current() { return {DeviceDataArray, OutGrpArray, ProjectLines::CurrentSysCfg(), RemoteUnits, MaxNumOfDevices}; }

// Writes the project in memory and reads it back.
void SaveAndRead()
{
    CSetting s;
    fuzz::Require(ProjectFile::Write(s, {QStringLiteral("01/01/2026 00:00:00"), QStringLiteral("fuzz")}, nullptr));
    fuzz::Require(ProjectFile::Read().ok);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(nullptr, 0);
    usrDataPath = Folder();
    ProjectName = QStringLiteral("Fuzz");
    ProjectFileName = ProjectName + ProjectFile::Extension;
    const QString path = usrDataPath + ProjectFileName;
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    {
        QFile f(path);
        fuzz::Require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
    }

    const ProjectFile::Contents c = ProjectFile::Read();
    fuzz::Require(c.ok);
    RequireAProjectThePanelTakes();
    {
        QFile f(path);
        fuzz::Require(f.open(QIODevice::ReadOnly) && f.readAll() == bytes);
    }
    if (c.notProjectFile) {
        fuzz::Require(AddressesInUse() == 0 && !c.replaced.any());
        return 0;
    }

    // What the program writes of it reads back whole: the second round changes nothing.
    SaveAndRead();
    RequireAProjectThePanelTakes();
    const Project once = Current();
    SaveAndRead();
    fuzz::Require(Current() == once);
    return 0;
}
