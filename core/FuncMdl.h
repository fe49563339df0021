#pragma once
// Binary-digit text and hexadecimal text, the forms in which record fields are packed into the
// bit fields of panel bytes. Callers pad the results themselves.
#include <QString>

namespace FuncMdl {
// "00001010" -> "A". The empty text and all zeros give "0"; a character other than "0" or "1"
// gives the empty text.
QString BinToHex(const QString& s);
// "5" -> "101", "ff" -> "11111111", without leading zeros; "0" for zero (and for the empty text).
// A character that is no hexadecimal digit gives the empty text.
QString HexToBin(const QString& s);
}  // namespace FuncMdl
