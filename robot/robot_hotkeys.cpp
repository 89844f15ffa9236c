// Hotkey identifiers, hotkey dispatch decisions and hotkey conflict checks.
#include "robot/robot_hotkeys.h"

#include <algorithm>
#include <cctype>

#include "robot/key_names.h"
#include "robot/text_util.h"

const char kStartKeyTakenMessage[] =
    "Start hotkey you specified for this robot has been taken by another robot.\n\nYou may try to use "
    "different hotkeys like:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9'";
const char kEndKeyTakenMessage[] =
    "End hotkey you specified for this robot has been taken by another robot.\n\nYou may try to use "
    "different hotkeys like:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9'";

namespace {

constexpr char kModifierChars[] = "+^!#";
constexpr int kFirstId = 1;
constexpr int kLastId = 0xBFFF;  // identifiers above belong to shared libraries

bool IsRobotKey(int id, HotkeyIds& ids, const std::string& text) { return id != 0 && ids.IdOfText(text) == id; }

bool MatchesOtherRobot(const RobotStore& store, int editedIndex, const std::string& text, bool withEndKeys) {
  if (text.empty()) return false;
  for (std::size_t i = 0; i < store.Count(); ++i) {
    if (static_cast<int>(i) == editedIndex) continue;
    const Robot robot = store.At(i);
    if (EqualsNoCase(text, robot.m_startKey) || (withEndKeys && EqualsNoCase(text, robot.m_endKey))) return true;
  }
  return false;
}

HotkeyDecision DecideWhileBusy(int id, HotkeyIds& ids, const HotkeyState& state) {
  HotkeyDecision decision;
  if (id != 0 && id == ids.IdOfKeyString(kStopKeyString) && !state.m_stopRequested && state.m_hasRecordingEditor) {
    decision.m_command = HotkeyCommand::kStopRecording;
  }
  return decision;
}

}  // namespace

std::string HotkeyKeyString(const std::string& hotkeyText) {
  std::string keyString = HotkeyTextToKeyString(hotkeyText);
  std::transform(keyString.begin(), keyString.end(), keyString.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return keyString;
}

bool IsWholeKeyString(const std::string& keyString) {
  const std::size_t keyStart = keyString.find_first_not_of(kModifierChars);
  if (keyStart == std::string::npos) return false;
  const std::string key = keyString.substr(keyStart);
  if (key.size() == 1) return key != "<";
  return key.front() == '<' && key.find('>') == key.size() - 1 && key.size() > 2;
}

int HotkeyIds::IdOfKeyString(const std::string& keyString) {
  if (!IsWholeKeyString(keyString)) return 0;
  const auto found = m_ids.find(keyString);
  if (found != m_ids.end()) return found->second;
  const int id = kFirstId + static_cast<int>(m_ids.size());
  if (id > kLastId) return 0;
  m_ids.emplace(keyString, id);
  return id;
}

HotkeyDecision DecideHotkey(int id, const RobotStore& store, HotkeyIds& ids, const HotkeyState& state) {
  if (state.m_busy) return DecideWhileBusy(id, ids, state);
  HotkeyDecision decision;
  if (id == 0 || id == ids.IdOfKeyString(kStopKeyString)) return decision;
  if (id == ids.IdOfKeyString(kRecordKeyString)) {
    decision.m_command = HotkeyCommand::kStartRecording;
    return decision;
  }
  for (std::size_t i = 0; i < store.Count(); ++i) {
    const Robot robot = store.At(i);
    if (robot.m_enable == 0) continue;
    decision.m_robot = i;
    if (IsRobotKey(id, ids, robot.m_startKey)) decision.m_command = HotkeyCommand::kRunRobot;
    else if (IsRobotKey(id, ids, robot.m_endKey)) decision.m_command = HotkeyCommand::kStopRun;
    if (decision.m_command != HotkeyCommand::kIgnore) return decision;
  }
  return HotkeyDecision();
}

bool IsStartKeyTaken(const RobotStore& store, int editedIndex, const std::string& hotkeyText) {
  return MatchesOtherRobot(store, editedIndex, hotkeyText, true);
}

bool IsEndKeyTaken(const RobotStore& store, int editedIndex, const std::string& hotkeyText) {
  return MatchesOtherRobot(store, editedIndex, hotkeyText, false);
}
