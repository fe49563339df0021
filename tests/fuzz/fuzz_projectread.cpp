// The project-file reader alone, on whole files, as fast as a read goes: whatever a file holds,
// the project read from it is whole (core/ProjectWhole: records agree, counts are recounts) and
// the upload check accepts it. The round trip through a save is fuzz_projectfile's.
#include <QFile>

#include "FuzzSetup.h"
#include "core/ProjectWhole.h"
#include "panellink/UploadCheck.h"
#include "projectfile/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(nullptr, 0);
    usrDataPath = fuzz::ScratchFolder();
    ProjectName = QStringLiteral("Read");
    ProjectFileName = ProjectName + ProjectFile::Extension;
    {
        QFile f(usrDataPath + ProjectFileName);
        fuzz::Require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                      f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    const ProjectFile::Contents c = ProjectFile::Read();
    fuzz::Require(c.ok);
    fuzz::Require(!ProjectWhole::CheckProject().any());
    fuzz::Require(!FirstUnencodableRecord().has_value());
    if (c.notProjectFile) fuzz::Require(AddressesInUse() == 0 && !c.replaced.any());
    return 0;
}
