// Character classes and case mapping for the string built-ins: the system's ANSI code page on
// Windows, the C library's "C" locale elsewhere. Plain functions with no state; any thread.
#pragma once

#include <string>

namespace builtins {

bool IsAlphaChar(unsigned char c);
bool IsAlphaNumericChar(unsigned char c);
bool IsLowerChar(unsigned char c);
bool IsUpperChar(unsigned char c);
void ToUpperText(std::string& text);
void ToLowerText(std::string& text);

}  // namespace builtins
