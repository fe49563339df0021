#include "projectfile/OpenReport.h"

#include <QStringList>

#include "platform/Ui.h"

namespace ProjectFile {

namespace {
const QString NL = QStringLiteral("\r\n");
}

Message ReplacedValuesMessage(int16_t lang, const Replaced& r)
{
    return PlacesMessage(lang, PlacesSource::ProjectFile, r);
}

Message NotProjectFileMessage(int16_t lang, const QString& file)
{
    if (lang == 1)
        return {QStringLiteral("הקובץ") + NL + file + NL + QStringLiteral("אינו קובץ פרויקט.") + NL +
                    QStringLiteral("הקובץ לא שונה; הפרויקט ריק ואין לו שם קובץ."),
                Ui::vbOKOnly | Ui::vbCritical | Ui::vbHebrew, QStringLiteral("שגיאה")};
    return {QStringLiteral("The file") + NL + file + NL + QStringLiteral("is not a project file.") + NL +
                QStringLiteral("The file was left unchanged; the project is empty and has no file name."),
            Ui::vbOKOnly | Ui::vbCritical, QStringLiteral("Error")};
}

}  // namespace ProjectFile
