// Character classes of the C library's "C" locale, for native runs.
#ifndef _WIN32
#include <cctype>

#include "builtins/char_class.h"

namespace builtins {

bool IsAlphaChar(unsigned char c) { return std::isalpha(c) != 0; }
bool IsAlphaNumericChar(unsigned char c) { return std::isalnum(c) != 0; }
bool IsLowerChar(unsigned char c) { return std::islower(c) != 0; }
bool IsUpperChar(unsigned char c) { return std::isupper(c) != 0; }

void ToUpperText(std::string& text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void ToLowerText(std::string& text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace builtins
#endif
