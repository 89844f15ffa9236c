// Robots run end to end through the real engine on its headless host: error line numbers count
// the comment and removed lines, the faster speed drops marked lines, passes repeat and stop.
#include "engine/headless_host.h"
#include "engine/script_engine.h"
#include "runner/robot_runner.h"
#include "runner/script_engine_run.h"
#include "robot_test_support.h"

namespace {

// The program's engine adapter, counting passes; it can press the end hotkey after a given pass,
// and a runner that ignores its stops fails (an error after 100 passes) instead of hanging.
class CountingRun : public ScriptEngineRun {
 public:
  using ScriptEngineRun::ScriptEngineRun;
  bool Execute() override {
    const bool ok = ScriptEngineRun::Execute();
    if (++m_passes == m_stopAfter) m_runner->Stop();
    return ok && m_passes < kRunaway;
  }
  static constexpr int kRunaway = 100;
  RobotRunner* m_runner = nullptr;
  int m_stopAfter = 0;
  int m_passes = 0;
};

class EngineRunTest : public TempFolderTest {
 protected:
  EngineRunTest() { m_run.m_runner = &m_runner; }

  std::string SaveRobot(std::vector<std::string> lines, int speed = kOriginalSpeed, int repeatOption = 0,
                        int repeatTimes = 1) {
    Robot robot;
    robot.m_name = "robot";
    robot.m_speedOption = speed;
    robot.m_repeatOption = repeatOption;
    robot.m_repeatTimes = repeatTimes;
    robot.m_scriptLines = std::move(lines);
    EXPECT_TRUE(robot.Save(Folder()));
    return RobotFilePath(Folder(), "robot");
  }

  // The global's value after the run, as text; "" when it does not exist.
  std::string Global(const std::string& name) {
    const VariantPtr value = m_engine.Variables().Find(name, VariableTable::Mode::kGlobal);
    return value ? value->AsString() : std::string();
  }

  // The header line of the only reported error, e.g. "Line 6:".
  std::string ErrorHeader() {
    EXPECT_EQ(m_host.Errors().size(), 1u);
    if (m_host.Errors().empty()) return std::string();
    const std::string& text = m_host.Errors().front();
    return text.substr(0, text.find('\n'));
  }

  const std::vector<std::string> m_noIncludeFolders;
  ScriptSource m_source{m_noIncludeFolders};
  HeadlessHost m_host;
  ScriptEngine m_engine{m_source, m_host};
  std::vector<std::string> m_messages;
  CountingRun m_run{m_engine, [this](const std::string& text) { m_messages.push_back(text); }};
  RobotRunner m_runner{m_source, m_run, Folder()};
};

TEST_F(EngineRunTest, ErrorLinesCountCommentsAndDroppedLines) {
  const std::vector<std::string> commentsFirst = {"Comment: a", "comment: b", "COMMENT: c", "Comment:", "Comment: e",
                                                  "$x = 1 +"};
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot(commentsFirst)));
  EXPECT_EQ(ErrorHeader(), "Line 6:");
}

TEST_F(EngineRunTest, FasterSpeedLeavesOutMarkedLinesOriginalSpeedRunsThem) {
  const std::vector<std::string> lines = {"$ran = 1", "$ran = 2=> [remove on faster speed]", "", "$bad = 1 +"};
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot(lines, kFasterSpeed)));
  EXPECT_EQ(Global("RAN"), "1");
  EXPECT_EQ(ErrorHeader(), "Line 4:");

  m_host = HeadlessHost();
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot(lines, kOriginalSpeed)));
  EXPECT_EQ(Global("RAN"), "2");
  EXPECT_EQ(ErrorHeader(), "Line 4:");
}

TEST_F(EngineRunTest, PassesRepeatAndAnErrorEndsTheWholeRun) {
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot({"$passes = $passes + 1"}, kOriginalSpeed, 0, 3)));
  EXPECT_EQ(Global("PASSES"), "3");
  EXPECT_TRUE(m_host.Errors().empty());

  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot({"$failures = $failures + 1", "$x = 1 +"}, kOriginalSpeed, 0, 3)));
  EXPECT_EQ(Global("FAILURES"), "1");
  EXPECT_EQ(m_host.Errors().size(), 1u);
}

TEST_F(EngineRunTest, EndHotkeyAndQuitEndTheRepeatUntilStopped) {
  m_host.At(0, [this] { m_runner.Stop(); });
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot({"$stopped = $stopped + 1"}, kOriginalSpeed, 1, 0)));
  EXPECT_EQ(Global("STOPPED"), "");  // stopped before its first statement, and no further pass
  EXPECT_EQ(m_run.m_passes, 1);

  m_host.PostQuit();
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot({"$quit = $quit + 1"}, kOriginalSpeed, 1, 0)));
  EXPECT_TRUE(m_engine.QuitReceived());
  EXPECT_TRUE(m_host.QuitPending());  // the program still ends once the run is over
  EXPECT_EQ(Global("QUIT"), "");
  EXPECT_EQ(m_run.m_passes, 2);
}

TEST_F(EngineRunTest, EndHotkeyBetweenPassesStartsNoFurtherPass) {
  m_run.m_stopAfter = 2;
  for (int repeatOption : {0, 1}) {
    m_run.m_passes = 0;
    m_engine.Variables().Assign("PASSES", Variant(), VariableTable::Mode::kGlobal);
    EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot({"$passes = $passes + 1"}, kOriginalSpeed, repeatOption, 5)));
    EXPECT_EQ(Global("PASSES"), "2") << repeatOption;
    EXPECT_EQ(m_run.m_passes, 2) << repeatOption;  // not even an empty third pass
  }
}

TEST_F(EngineRunTest, RecWinRobotsRunTheirAnnotatedLines) {
  Robot robot;
  robot.m_name = "robot";
  robot.m_repeatTimes = 1;
  robot.m_useRecWin = 1;
  robot.m_scriptLines = {"$a = 1-> At Win [0]", "$b = 2-> At Win [7]"};
  robot.m_recWinEntries = {RecWinEntry{1, nullptr, "Untitled", "C:\\notepad.exe", {0, 0, 100, 100}}};
  ASSERT_TRUE(robot.Save(Folder()));
  EXPECT_TRUE(m_runner.RunRobotByName("ROBOT"));
  EXPECT_EQ(Global("A"), "1");
  EXPECT_EQ(Global("B"), "2");
  EXPECT_TRUE(m_host.Errors().empty());
}

}  // namespace
