// Robot hotkeys: which texts give an identifier, what a pressed hotkey does, and the editor's
// conflict checks.
#include <gtest/gtest.h>

#include "robot/robot_hotkeys.h"

namespace {

Robot MakeRobot(const std::string& name, int enable, const std::string& startKey, const std::string& endKey) {
  Robot robot;
  robot.m_name = name;
  robot.m_enable = enable;
  robot.m_startKey = startKey;
  robot.m_endKey = endKey;
  return robot;
}

TEST(HotkeyIdsTest, OnlyAWholeKeyGetsAnIdentifier) {
  struct Case {
    const char* m_text;
    const char* m_keyString;
    bool m_registers;
  };
  const Case cases[] = {
      {"Ctrl + Shift + <F5>", "^+<f5>", true},
      {"Ctrl + A", "^a", true},  // the letter reaches the parser in lower case: no Shift
      {"Alt + 9", "!9", true},
      {"<F12>", "<f12>", true},
      {"", "", false},
      {"None", "none", false},  // must not become a bare N for the whole system
      {"Ctrl + ", "^", false},
      {"Ctrl + <F5", "^<f5", false},
      {"Ctrl + <F5>x", "^<f5>x", false},
      {"Ctrl + <>", "^<>", false},
  };
  HotkeyIds ids;
  for (const Case& c : cases) {
    EXPECT_EQ(HotkeyKeyString(c.m_text), c.m_keyString) << c.m_text;
    EXPECT_EQ(ids.IdOfText(c.m_text) != 0, c.m_registers) << c.m_text;
  }
}

TEST(HotkeyIdsTest, EqualKeyStringsShareOneIdentifierAndOthersDoNot) {
  HotkeyIds ids;
  const int ctrlA = ids.IdOfText("Ctrl + A");
  EXPECT_EQ(ids.IdOfText("Ctrl + a"), ctrlA);
  EXPECT_EQ(ids.IdOfKeyString("^a"), ctrlA);
  EXPECT_NE(ids.IdOfText("Ctrl + B"), ctrlA);
  EXPECT_NE(ids.IdOfKeyString(kRecordKeyString), ids.IdOfKeyString(kStopKeyString));
  EXPECT_EQ(ids.IdOfText("Ctrl + A"), ctrlA);
}

class HotkeyDecisionTest : public ::testing::Test {
 protected:
  HotkeyDecisionTest() {
    m_store.Append(MakeRobot("Off", 0, "Ctrl + <F1>", "Ctrl + <F4>"));
    m_store.Append(MakeRobot("First", 1, "Ctrl + <F1>", "Ctrl + <F2>"));
    m_store.Append(MakeRobot("Second", 1, "Ctrl + <F1>", "Ctrl + <F3>"));
    m_store.Append(MakeRobot("Third", 1, "Ctrl + <F3>", ""));
  }
  HotkeyDecision Press(const std::string& keyString, const HotkeyState& state = HotkeyState()) {
    return DecideHotkey(m_ids.IdOfKeyString(keyString), m_store, m_ids, state);
  }

  RobotStore m_store;
  HotkeyIds m_ids;
};

TEST_F(HotkeyDecisionTest, FirstEnabledRobotInStoreOrderOwnsAKey) {
  struct Case {
    const char* m_keyString;
    HotkeyCommand m_command;
    std::size_t m_robot;
  };
  const Case cases[] = {
      {"^<f1>", HotkeyCommand::kRunRobot, 1},   // the disabled robot before it is skipped
      {"^<f2>", HotkeyCommand::kStopRun, 1},
      {"^<f3>", HotkeyCommand::kStopRun, 2},    // an end key earlier in the store wins over a start key
      {"^<f4>", HotkeyCommand::kIgnore, 0},     // only a disabled robot has it
      {"^<f9>", HotkeyCommand::kIgnore, 0},
      {"^!r", HotkeyCommand::kStartRecording, 0},
      {"^!s", HotkeyCommand::kIgnore, 0},       // no recording to stop
  };
  for (const Case& c : cases) {
    const HotkeyDecision decision = Press(c.m_keyString);
    EXPECT_EQ(decision.m_command, c.m_command) << c.m_keyString;
    if (c.m_command == HotkeyCommand::kRunRobot || c.m_command == HotkeyCommand::kStopRun) {
      EXPECT_EQ(decision.m_robot, c.m_robot) << c.m_keyString;
    }
  }
  EXPECT_EQ(DecideHotkey(0, m_store, m_ids, HotkeyState()).m_command, HotkeyCommand::kIgnore);
}

TEST_F(HotkeyDecisionTest, WhileBusyOnlyTheFirstStopOfARecordingActs) {
  HotkeyState recording;
  recording.m_busy = true;
  recording.m_hasRecordingEditor = true;
  EXPECT_EQ(Press("^!s", recording).m_command, HotkeyCommand::kStopRecording);
  for (const char* keyString : {"^<f1>", "^<f2>", "^!r"}) {
    EXPECT_EQ(Press(keyString, recording).m_command, HotkeyCommand::kIgnore) << keyString;
  }
  HotkeyState stopped = recording;
  stopped.m_stopRequested = true;
  EXPECT_EQ(Press("^!s", stopped).m_command, HotkeyCommand::kIgnore);
  HotkeyState editing;
  editing.m_busy = true;  // an editor opened by Edit: no recording to stop
  EXPECT_EQ(Press("^!s", editing).m_command, HotkeyCommand::kIgnore);
}

TEST(HotkeyConflictTest, StartKeysAreUniqueAndEndKeysMayBeShared) {
  RobotStore store;
  store.Append(MakeRobot("A", 0, "Ctrl + A", "Ctrl + E"));
  store.Append(MakeRobot("B", 1, "Ctrl + B", "Ctrl + E"));
  store.Append(MakeRobot("NoKeys", 1, "", ""));
  struct Case {
    int m_editedIndex;
    const char* m_text;
    bool m_startTaken;
    bool m_endTaken;
  };
  const Case cases[] = {
      {-1, "ctrl + a", true, true},    // compared without case, disabled robots count
      {-1, "Ctrl + E", true, false},   // another robot's end key
      {-1, "Ctrl + Z", false, false},
      {0, "Ctrl + A", false, false},   // the edited robot's own keys are not compared
      {0, "Ctrl + B", true, true},
      {-1, "", false, false},          // robots without hotkeys never conflict
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsStartKeyTaken(store, c.m_editedIndex, c.m_text), c.m_startTaken) << c.m_text;
    EXPECT_EQ(IsEndKeyTaken(store, c.m_editedIndex, c.m_text), c.m_endTaken) << c.m_text;
  }
}

}  // namespace
