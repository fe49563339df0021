#include "projectfile/ProjectFileName.h"

namespace ProjectFile {

bool IsProjectFileName(const QString& name)
{
    return name.size() > Extension.size() && name.endsWith(Extension, Qt::CaseSensitive);
}

QString NameWithoutExtension(const QString& fileName)
{
    return fileName.left(qMax(0, fileName.size() - Extension.size()));
}

}  // namespace ProjectFile
