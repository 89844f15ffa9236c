// The keystroke sender's tables.
#include "builtins/send_key_table.h"

#include <cstdint>
#include <iterator>

#include "robot/text_util.h"

namespace sendkeys {
namespace {

constexpr BraceName kBraceNames[] = {
    {"BACKSPACE", Special::kNone, 0x08}, {"BS", Special::kNone, 0x08},
    {"DEL", Special::kNone, 0x2E}, {"DELETE", Special::kNone, 0x2E},
    {"INS", Special::kNone, 0x2D}, {"INSERT", Special::kNone, 0x2D},
    {"ESC", Special::kNone, 0x1B}, {"ESCAPE", Special::kNone, 0x1B},
    {"ENTER", Special::kNone, 0x0D}, {"TAB", Special::kNone, 0x09}, {"SPACE", Special::kNone, 0x20},
    {"UP", Special::kNone, 0x26}, {"DOWN", Special::kNone, 0x28},
    {"LEFT", Special::kNone, 0x25}, {"RIGHT", Special::kNone, 0x27},
    {"HOME", Special::kNone, 0x24}, {"END", Special::kNone, 0x23},
    {"PGUP", Special::kNone, 0x21}, {"PGDN", Special::kNone, 0x22},
    {"F1", Special::kNone, 0x70}, {"F2", Special::kNone, 0x71}, {"F3", Special::kNone, 0x72},
    {"F4", Special::kNone, 0x73}, {"F5", Special::kNone, 0x74}, {"F6", Special::kNone, 0x75},
    {"F7", Special::kNone, 0x76}, {"F8", Special::kNone, 0x77}, {"F9", Special::kNone, 0x78},
    {"F10", Special::kNone, 0x79}, {"F11", Special::kNone, 0x7A}, {"F12", Special::kNone, 0x7B},
    {"PRINTSCREEN", Special::kNone, 0x2C},
    {"LWIN", Special::kNone, 0x5B}, {"RWIN", Special::kNone, 0x5C},
    {"APPSKEY", Special::kNone, 0x5D}, {"SLEEP", Special::kNone, 0x5F},
    {"SCROLLLOCK", Special::kNone, 0x91}, {"NUMLOCK", Special::kNone, 0x90},
    {"CAPSLOCK", Special::kNone, 0x14}, {"PAUSE", Special::kNone, 0x13},
    {"CTRLBREAK", Special::kNone, 0x03},
    {"NUMPAD0", Special::kNone, 0x60}, {"NUMPAD1", Special::kNone, 0x61}, {"NUMPAD2", Special::kNone, 0x62},
    {"NUMPAD3", Special::kNone, 0x63}, {"NUMPAD4", Special::kNone, 0x64}, {"NUMPAD5", Special::kNone, 0x65},
    {"NUMPAD6", Special::kNone, 0x66}, {"NUMPAD7", Special::kNone, 0x67}, {"NUMPAD8", Special::kNone, 0x68},
    {"NUMPAD9", Special::kNone, 0x69},
    {"NUMPADMULT", Special::kNone, 0x6A}, {"NUMPADADD", Special::kNone, 0x6B},
    {"NUMPADSUB", Special::kNone, 0x6D}, {"NUMPADDOT", Special::kNone, 0x6E},
    {"NUMPADDIV", Special::kNone, 0x6F},
    {"LCTRL", Special::kNone, 0xA2}, {"RCTRL", Special::kNone, 0xA3},
    {"LALT", Special::kNone, 0xA4}, {"RALT", Special::kNone, 0xA5},
    {"LSHIFT", Special::kNone, 0xA0}, {"RSHIFT", Special::kNone, 0xA1},
    {"BROWSER_BACK", Special::kNone, 0xA6}, {"BROWSER_FORWARD", Special::kNone, 0xA7},
    {"BROWSER_REFRESH", Special::kNone, 0xA8}, {"BROWSER_STOP", Special::kNone, 0xA9},
    {"BROWSER_SEARCH", Special::kNone, 0xAA}, {"BROWSER_FAVORTIES", Special::kNone, 0xAB},
    {"BROWSER_HOME", Special::kNone, 0xAC},
    {"VOLUME_MUTE", Special::kNone, 0xAD}, {"VOLUME_DOWN", Special::kNone, 0xAE},
    {"VOLUME_UP", Special::kNone, 0xAF},
    {"MEDIA_NEXT", Special::kNone, 0xB0}, {"MEDIA_PREV", Special::kNone, 0xB1},
    {"MEDIA_STOP", Special::kNone, 0xB2}, {"MEDIA_PLAY_PAUSE", Special::kNone, 0xB3},
    {"LAUNCH_MAIL", Special::kNone, 0xB4}, {"LAUNCH_MEDIA", Special::kNone, 0xB5},
    {"LAUNCH_APP1", Special::kNone, 0xB6}, {"LAUNCH_APP2", Special::kNone, 0xB7},
    {"CTRLDOWN", Special::kCtrlDown, 0}, {"CTRLUP", Special::kCtrlUp, 0},
    {"ALTDOWN", Special::kAltDown, 0}, {"ALTUP", Special::kAltUp, 0},
    {"SHIFTDOWN", Special::kShiftDown, 0}, {"SHIFTUP", Special::kShiftUp, 0},
    {"LWINDOWN", Special::kLWinDown, 0}, {"LWINUP", Special::kLWinUp, 0},
    {"RWINDOWN", Special::kRWinDown, 0}, {"RWINUP", Special::kRWinUp, 0},
    {"ASC", Special::kAsc, 0}, {"NUMPADENTER", Special::kNumpadEnter, 0}, {"ALT", Special::kAlt, 0},
};
static_assert(std::size(kBraceNames) == 93, "the brace names of key strings");

// Accent table for 0x80 to 0xFF: 0x20-0x7F composes (dead key index << 4 | base letter index),
// other non-zero values are keypad codes, 0 is not typed.
constexpr char kBaseLetters[16] = {' ', 'a', 'A', 'e', 'E', 'i', 'I', 'o', 'O', 'u', 'U', 'y', 'Y', 'n', 'N', ' '};

struct AccentEntry {
  unsigned char m_char;
  uint8_t m_action;
};

constexpr uint8_t Compose(int deadKey, int base) { return static_cast<uint8_t>(deadKey << 4 | base); }
constexpr int kAcute = 2, kCircumflex = 3, kTilde = 4, kDiaeresis = 5, kGrave = 6;
constexpr int kLowerA = 1, kUpperA = 2, kUpperE = 4, kUpperI = 6, kLowerO = 7, kUpperO = 8, kUpperU = 10,
              kLowerY = 11, kUpperY = 12;

constexpr AccentEntry kAccents[] = {
    {0x83, 159}, {0xA1, 173}, {0xA2, 155}, {0xA3, 156}, {0xA5, 157}, {0xA6, 179}, {0xA7, 21},
    {0xAA, 166}, {0xAB, 174}, {0xAC, 170}, {0xB0, 248}, {0xB1, 241}, {0xB2, 253}, {0xB5, 230},
    {0xB6, 20}, {0xB7, 250}, {0xBA, 167}, {0xBB, 175}, {0xBC, 172}, {0xBD, 171}, {0xBF, 168},
    {0xC0, Compose(kGrave, kUpperA)}, {0xC1, Compose(kAcute, kUpperA)},
    {0xC2, Compose(kCircumflex, kUpperA)}, {0xC3, Compose(kTilde, kUpperA)}, {0xC4, 142},
    {0xC5, 143}, {0xC6, 146}, {0xC7, 128}, {0xC8, Compose(kGrave, kUpperE)}, {0xC9, 144},
    {0xCA, Compose(kCircumflex, kUpperE)}, {0xCB, Compose(kDiaeresis, kUpperE)},
    {0xCC, Compose(kGrave, kUpperI)}, {0xCD, Compose(kAcute, kUpperI)},
    {0xCE, Compose(kCircumflex, kUpperI)}, {0xCF, Compose(kDiaeresis, kUpperI)}, {0xD1, 165},
    {0xD2, Compose(kGrave, kUpperO)}, {0xD3, Compose(kAcute, kUpperO)},
    {0xD4, Compose(kCircumflex, kUpperO)}, {0xD5, Compose(kTilde, kUpperO)}, {0xD6, 153},
    {0xD9, Compose(kGrave, kUpperU)}, {0xDA, Compose(kAcute, kUpperU)},
    {0xDB, Compose(kCircumflex, kUpperU)}, {0xDC, 154}, {0xDD, Compose(kAcute, kUpperY)},
    {0xDF, 225}, {0xE0, 133}, {0xE1, 160}, {0xE2, 131}, {0xE3, Compose(kTilde, kLowerA)},
    {0xE4, 132}, {0xE5, 134}, {0xE6, 145}, {0xE7, 135}, {0xE8, 138}, {0xE9, 130}, {0xEA, 136},
    {0xEB, 137}, {0xEC, 141}, {0xED, 161}, {0xEE, 140}, {0xEF, 139}, {0xF1, 164}, {0xF2, 149},
    {0xF3, 162}, {0xF4, 147}, {0xF5, Compose(kTilde, kLowerO)}, {0xF6, 148}, {0xF7, 246},
    {0xF9, 151}, {0xFA, 163}, {0xFB, 150}, {0xFC, 129}, {0xFD, Compose(kAcute, kLowerY)},
    {0xFF, 152},
};

}  // namespace

const BraceName* FindBraceName(const std::string& name) {
  for (const BraceName& entry : kBraceNames) {
    if (EqualsNoCase(name, entry.m_name)) return &entry;
  }
  return nullptr;
}

bool IsExtendedKey(int virtualKey) {
  return (virtualKey >= 0x21 && virtualKey <= 0x28) || virtualKey == 0x2D || virtualKey == 0x2E ||
         (virtualKey >= 0x5B && virtualKey <= 0x5D) || virtualKey == 0x5F || virtualKey == 0x6F ||
         virtualKey == 0xA3 || (virtualKey >= 0xA5 && virtualKey <= 0xB7);
}

AccentAction AccentFor(unsigned char ch) {
  AccentAction action;
  for (const AccentEntry& entry : kAccents) {
    if (entry.m_char != ch) continue;
    if (entry.m_action >= 0x20 && entry.m_action <= 0x7F) {
      action.m_kind = AccentAction::Kind::kCompose;
      action.m_deadKey = entry.m_action >> 4;
      action.m_base = kBaseLetters[entry.m_action & 0x0F];
    } else {
      action.m_kind = AccentAction::Kind::kAsc;
      action.m_code = entry.m_action;
    }
    break;
  }
  return action;
}

}  // namespace sendkeys
