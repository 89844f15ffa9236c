// The robots' global hotkeys as data: hotkey texts to identifiers, the decision what a pressed
// hotkey does, and the conflict checks the editor runs before it saves. The Win32 registration
// sits in the application; this part is pure. HotkeyIds is owned by the main window and lives
// as long as it; single-threaded use.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "robot/robot_store.h"

// A hotkey text ("Ctrl + Shift + <F5>") as the lower-case key string handed to the hotkey parser.
std::string HotkeyKeyString(const std::string& hotkeyText);

// Whether a key string is modifiers followed by exactly one key: one character, or one "<name>".
// The parser ignores what follows a key, so "none" would otherwise register a bare N key.
bool IsWholeKeyString(const std::string& keyString);

// Stable identifiers for key strings: equal key strings give equal identifiers, and an empty or
// incomplete key string gives 0. Identifiers stay in the range applications may register.
class HotkeyIds {
 public:
  int IdOfKeyString(const std::string& keyString);
  int IdOfText(const std::string& hotkeyText) { return IdOfKeyString(HotkeyKeyString(hotkeyText)); }

 private:
  std::map<std::string, int> m_ids;
};

constexpr char kRecordKeyString[] = "^!r";  // Ctrl+Alt+R: record a new robot from anywhere
constexpr char kStopKeyString[] = "^!s";    // Ctrl+Alt+S: stop that recording

enum class HotkeyCommand {
  kIgnore,
  kStopRecording,   // stop the hidden recording of the editor that Ctrl+Alt+R opened
  kStartRecording,  // open the editor and record at once
  kRunRobot,        // run robot m_robot (the caller refuses while a run is in progress)
  kStopRun,         // stop whatever robot runs
};

struct HotkeyDecision {
  HotkeyCommand m_command = HotkeyCommand::kIgnore;
  std::size_t m_robot = 0;
};

struct HotkeyState {
  bool m_busy = false;                // an editor opened from the main window is open
  bool m_stopRequested = false;       // Ctrl+Alt+S already acted during this recording
  bool m_hasRecordingEditor = false;  // Ctrl+Alt+R opened an editor
};

// What the hotkey `id` does: while busy only the first Ctrl+Alt+S of a recording acts; otherwise
// the reserved keys, then the first enabled robot in store order whose start key (tested first)
// or end key has this identifier.
HotkeyDecision DecideHotkey(int id, const RobotStore& store, HotkeyIds& ids, const HotkeyState& state);

// The editor's conflict checks: the robot at `editedIndex` (-1 for a new one) is not compared.
// A start key may match no other robot's start or end key; an end key no other robot's start
// key (robots may share end keys). An empty text never conflicts. Compared without case.
bool IsStartKeyTaken(const RobotStore& store, int editedIndex, const std::string& hotkeyText);
bool IsEndKeyTaken(const RobotStore& store, int editedIndex, const std::string& hotkeyText);

extern const char kStartKeyTakenMessage[];
extern const char kEndKeyTakenMessage[];
