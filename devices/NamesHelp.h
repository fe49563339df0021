#pragma once
// The names-import help panel of the devices window: its text and its button, in Hebrew in
// both interface languages, as the names import itself speaks.
#include <QString>

namespace NamesHelp {

// Four lines joined by CR LF: the file is named after the project, saved as CSV, the address
// in column A, the name in column B.
inline QString Text()
{
    return QStringLiteral(u"שם הקובץ חייב להיות זהה לשם הפרוייקט") + QStringLiteral("\r\n")
           + QStringLiteral(u"קובץ האקסל צריך להשמר כקובץ") + QStringLiteral(" CSV\r\n")
           + QStringLiteral(u"כתובת ההתקן חייבת להרשם בעמודה") + QStringLiteral(" A\r\n")
           + QStringLiteral(u"השמות חייבים להרשם בעמודה") + QStringLiteral(" B");
}

// The button that opens the project folder, where the names file is looked for.
inline QString FolderButton() { return QStringLiteral(u"מיקום שמירת קובץ השמות"); }

}  // namespace NamesHelp
