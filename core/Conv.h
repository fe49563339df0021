#pragma once
// The number rules of the project data: a lenient parse and decimal text without padding.
#include <QString>

// Skips blanks, tabs and line feeds anywhere, takes a sign, digits, one decimal point and an
// exponent ("E"/"D"), or a "&H"/"&O" prefixed number, and stops at the first character that
// cannot continue the number. "" and text without a number give 0; a number too large for a
// double ("1e400", "&H" and hundreds of digits) gives infinity with its sign.
double Val(const QString& s);
// The blanks Val skips: space, tab, carriage return, line feed. Every reading of a number field
// trims exactly these, so a field that one reading accepts reads the same in the other.
bool IsValBlank(QChar c);
// Val rounded to a whole number (half to even, as the original's integer conversion does); a
// value beyond the range of long long gives the nearer end of that range.
long long ValInt(const QString& s);
// The value of one hex digit (either case); -1 for any other character.
int HexDigitValue(QChar c);
// Decimal text without sign padding: 5 -> "5", -3 -> "-3".
QString Str(long long n);
// Right("000" & n, width): n with leading zeros, cut to its last `width` characters.
QString ZeroPad(long long n, int width);
