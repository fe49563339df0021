#pragma once
// The device-names import: "<project>.csv" in the project folder, one line per device, the
// address before the line's first comma and the name after it. Its messages are in Hebrew
// whatever the interface language.
#include <array>

#include <QByteArray>
#include <QString>

#include "core/DataModel.h"
#include "core/Message.h"

namespace NamesImport {

// The name boxes of the rows view, element a for address a.
using NameBoxes = std::array<QString, MaxAddress + 1>;

struct Outcome {
    int pairsRead = 0;
    int pairsNamed = 0;
    int status = 0;        // 0, + 2 for a mismatch, + 4 for invalid names
    QString invalidList;   // addresses of invalid names, "7,12"
};

// The file's text: UTF-8 (with or without a byte-order mark) when the bytes are valid UTF-8 and
// hold a non-ASCII byte, else Windows-1255.
QString DecodeFile(const QByteArray& bytes);

// Writes the names of the file's lines into the boxes of occupied addresses (Exist "1" in
// DeviceDataArrayEdit). A line with no comma, or whose address is not a whole number within
// 1..MaxNumOfDevices, changes nothing and counts as a mismatch; every name is written as
// Usefull::KeptName keeps it (checked whole, cleaned and upper-cased, then cut to 16 characters),
// as a row keeps a typed one.
// NameCheckQuiet is as it was afterwards.
Outcome Import(const QString& text, NameBoxes& boxes);

QString FileName();  // usrDataPath & ProjectName & ".csv"
// The file to read: FileName() when it exists, else a file of the project folder whose name
// differs from it only in case (the original's file system ignored case, and a spreadsheet may
// save "SITE.CSV"); empty when there is none.
QString FindFile();
Message MissingFile();
// The file exists but cannot be read (no permission, a read error): the import writes nothing.
Message Unreadable();
Message Confirmation();
Message Result(const Outcome& o);

}  // namespace NamesImport
