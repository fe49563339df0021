#pragma once
// Device names as the panel can show them, and the Hebrew names of the device kinds.
#include <QString>

namespace Usefull {

// True when every character of s, with "a" to "z" upper-cased, is one the panel shows (judged by
// its Windows-1255 code); the other characters are dropped. A one-character name is refused, the
// empty name accepted. The cleaned name goes to CleanName. Unless NameCheckQuiet is set, a refusal
// is explained in a Hebrew message box.
bool ChkAliasName(const QString& s);

// What a name box keeps of a name: ChkAliasName's cleaned name cut to the 16 characters of a
// device name, or "" when a single character and blanks are all that is left of it, since the
// panel takes no one-character name. *valid, when asked, is ChkAliasName's verdict, false too for
// such a name, which is then refused as a one-character name is (its message unless
// NameCheckQuiet is set).
QString KeptName(const QString& s, bool* valid = nullptr);

// The Hebrew name of a device kind (in both interface languages); "" for a number that is no kind.
QString DeviceTypeName(double kind);

}  // namespace Usefull
