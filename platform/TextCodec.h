#pragma once
// Windows-1255 (Hebrew) at the file boundary. Every file the program reads or writes goes through
// here; panel frames never do (they are bytes).
#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

namespace TextCodec {
// Bytes to text. Bytes the code page leaves undefined map to private characters that
// ToCp1255 maps back to the same byte, so a round trip keeps every byte.
QString FromCp1255(const QByteArray& bytes);
// Text to bytes; a character with no Windows-1255 code becomes "?", and its place (the same in
// the text and in the bytes) goes to `lost` when given.
QByteArray ToCp1255(const QString& text, QList<qsizetype>* lost = nullptr);
// The text of a file saved as UTF-8 (as a Linux editor leaves it), with or without a byte-order
// mark, which is dropped; nothing when the bytes are no UTF-8, or plain ASCII, which reads the
// same either way. A Windows-1255 Hebrew text is never valid UTF-8 in practice: its letters
// (0xE0..0xFA) would have to be followed by two bytes of 0x80..0xBF each.
std::optional<QString> Utf8Text(const QByteArray& bytes);
// A text file's bytes as text: UTF-8 where Utf8Text finds it, else Windows-1255.
QString FromFileBytes(const QByteArray& bytes);
// The Windows-1255 byte of one character, or -1 when it has none (used by name rules).
int CodeOf(QChar c);
}  // namespace TextCodec
