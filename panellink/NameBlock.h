#pragma once
// Device names and the panel's name code. The panel holds a name as 16 characters in its own
// 7-bit code: the characters in reverse order (runs of digits keep their reading order),
// right-aligned, Hebrew letters at codes 96..122. C7 sends one name per device in use, B7 reads
// them back.
#include <optional>

#include <QByteArray>
#include <QString>

constexpr int NameRecordBytes = 18;   // address, blank, 16 characters

// Program text to panel code, always 16 characters for a non-empty text ("" gives ""). Kept:
// blank ! # & ' ( ) * + , - . / digits A-Z; a-z become A-Z; Hebrew letters (Windows-1255
// 224..250) become 96..122; anything else becomes a blank.
QString OpsNames(const QString& s);
// Panel code to program text, the same length as its input; 96..122 are read as Hebrew letters.
QString rtrvHebName(const QString& s);
// The same for panel bytes as they come in a record.
QString rtrvHebName(const QByteArray& panelBytes);

// One name record: the address, a blank and the name in the panel code (16 characters).
QByteArray EncodeNameRecord(int address, const QString& name);
struct NameRecord {
    int address;
    QString name;  // program text, 16 characters
};
// A received record back into program text; nothing for a record of the wrong length.
std::optional<NameRecord> DecodeNameRecord(const QByteArray& data);

// C7 frames for the addresses in use, in address order, in FrameArray(1..n), n in element 0:
// the user name when one is set, else the factory name, always in the panel code.
bool fillNameData2Snd();
// B7 records into DeviceName of addresses 1..MaxNumOfDevices (others are skipped); every name
// is converted from the panel code. Nothing changes when any record has the wrong length.
bool fillNameArray_rcv();
