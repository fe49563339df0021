#pragma once
// Windows-1255 (Hebrew) at the file boundary. Every file the program reads or writes goes through
// here; panel frames never do (they are bytes).
#include <QByteArray>
#include <QString>

namespace TextCodec {
// Bytes to text. Bytes the code page leaves undefined map to private characters that
// ToCp1255 maps back to the same byte, so a round trip keeps every byte.
QString FromCp1255(const QByteArray& bytes);
// Text to bytes; a character with no Windows-1255 code becomes "?".
QByteArray ToCp1255(const QString& text);
// The Windows-1255 byte of one character, or -1 when it has none (used by name rules).
int CodeOf(QChar c);
}  // namespace TextCodec
