// The keystroke sender's tables: the brace names of key strings, the extended keys and the
// accent table for characters the layout cannot type. Pure lookups over constant data.
#pragma once

#include <string>

namespace sendkeys {

// What a brace name does besides pressing an ordinary virtual key.
enum class Special {
  kNone,
  kCtrlDown, kCtrlUp, kAltDown, kAltUp, kShiftDown, kShiftUp, kLWinDown, kLWinUp, kRWinDown, kRWinUp,
  kAsc,
  kNumpadEnter,
  kAlt,
};

struct BraceName {
  const char* m_name;
  Special m_special;
  int m_virtualKey;  // for kNone
};

// The entry for `name` (any letter case), or nullptr.
const BraceName* FindBraceName(const std::string& name);

// Whether key events of this virtual key carry the extended-key mark.
bool IsExtendedKey(int virtualKey);

// What to do with a character from 0x80 to 0xFF the layout cannot type.
struct AccentAction {
  enum class Kind { kNothing, kCompose, kAsc } m_kind = Kind::kNothing;
  int m_deadKey = 0;  // kCompose: index into the dead-key characters (1 to 7)
  char m_base = 0;    // kCompose: the base letter
  int m_code = 0;     // kAsc: the code typed on the numeric keypad
};
AccentAction AccentFor(unsigned char ch);

// The dead-key characters, index 0 to 7; a blank marks one that is not available.
constexpr char kDeadKeys[8] = {' ', ' ', '\xB4', '^', '~', '\xA8', '`', ' '};

}  // namespace sendkeys
