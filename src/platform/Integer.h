#pragma once
// The integer a box holds, read the way the dialog framework's data exchange reads one: blanks
// around it allowed, an optional sign, decimal digits, within a signed 32-bit int.

#include <string>

namespace platform {

// False when the text holds no such integer (empty, blanks only, a letter, too large).
bool ParseInteger(const std::wstring& text, int& value);

}  // namespace platform
