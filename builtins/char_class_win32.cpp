// Character classes of the system's ANSI code page.
#include <windows.h>

#include "builtins/char_class.h"

namespace builtins {

bool IsAlphaChar(unsigned char c) { return IsCharAlphaA(static_cast<CHAR>(c)) != FALSE; }
bool IsAlphaNumericChar(unsigned char c) { return IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE; }
bool IsLowerChar(unsigned char c) { return IsCharLowerA(static_cast<CHAR>(c)) != FALSE; }
bool IsUpperChar(unsigned char c) { return IsCharUpperA(static_cast<CHAR>(c)) != FALSE; }

// The buffer forms take a length, so a text holding a zero byte is converted whole.
void ToUpperText(std::string& text) {
  if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
}

void ToLowerText(std::string& text) {
  if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
}

}  // namespace builtins
