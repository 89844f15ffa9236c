// The runner's own logic, driven through a scripted fake engine: repeat modes, stopping, quit,
// errors ending the run, the working directory, refusal of nested runs, and finding robot files.
#include <filesystem>
#include <functional>

#include "robot/file_system.h"
#include "runner/robot_runner.h"
#include "robot_test_support.h"

namespace {

// Each Execute runs m_onPass (pass number from 1) and reports its result.
class FakeEngine : public RunEngine {
 public:
  bool Prepare(const std::string& path) override {
    m_preparedPath = path;
    m_stop = false;
    return m_prepareOk;
  }
  bool Execute() override {
    ++m_passes;
    if (m_passes > kRunaway) return false;  // a runner that ignores its stops fails instead of hanging
    return m_onPass ? m_onPass(m_passes) : true;
  }
  void ClearScriptArguments() override { ++m_argumentClears; }
  void SetRecWinSwitches(bool useRecWin, bool useSimilarWin) override {
    m_useRecWin = useRecWin;
    m_useSimilarWin = useSimilarWin;
  }
  void RequestStop() override { m_stop = true; }
  bool StopRequested() const override { return m_stop; }
  bool QuitReceived() const override { return m_quit; }
  void ShowMessage(const std::string& text) override { m_messages.push_back(text); }

  static constexpr int kRunaway = 1000;
  std::function<bool(int)> m_onPass;
  bool m_prepareOk = true;
  bool m_stop = false;
  bool m_quit = false;
  bool m_useRecWin = false;
  bool m_useSimilarWin = false;
  int m_passes = 0;
  int m_argumentClears = 0;
  std::string m_preparedPath;
  std::vector<std::string> m_messages;
};

class RobotRunnerTest : public TempFolderTest {
 public:
  std::string SaveRobot(int repeatOption, int repeatTimes, const std::string& name = "robot") {
    Robot robot;
    robot.m_name = name;
    robot.m_repeatOption = repeatOption;
    robot.m_repeatTimes = repeatTimes;
    robot.m_useRecWin = 1;
    robot.m_scriptLines = {"Comment: first", "WAIT(1)"};
    EXPECT_TRUE(robot.Save(Folder()));
    return RobotFilePath(Folder(), name);
  }

  const std::vector<std::string> m_noIncludeFolders;
  ScriptSource m_source{m_noIncludeFolders};
  FakeEngine m_engine;
  RobotRunner m_runner{m_source, m_engine, Folder()};
};

TEST_F(RobotRunnerTest, RepeatCountsAndEndingsDecideThePasses) {
  struct Case {
    const char* m_label;
    int m_repeatOption, m_repeatTimes;
    std::function<bool(RobotRunnerTest&, int)> m_onPass;
    int m_passes;
  };
  const Case cases[] = {
      {"three times", 0, 3, nullptr, 3},
      {"zero times", 0, 0, nullptr, 0},
      {"negative times", 0, -2, nullptr, 0},
      {"end hotkey in the second of three", 0, 3, [](RobotRunnerTest& t, int pass) {
         if (pass == 2) t.m_runner.Stop();
         return true;
       }, 2},
      {"error in the first of three", 0, 3, [](RobotRunnerTest&, int) { return false; }, 1},
      {"quit in the first of three", 0, 3, [](RobotRunnerTest& t, int) { return t.m_engine.m_quit = true; }, 1},
      {"until the end hotkey", 1, 0, [](RobotRunnerTest& t, int pass) {
         if (pass == 5) t.m_runner.Stop();
         return true;
       }, 5},
      {"until an error", 1, 0, [](RobotRunnerTest&, int pass) { return pass < 4; }, 4},
      {"until quit", 1, 0, [](RobotRunnerTest& t, int pass) { return !(t.m_engine.m_quit = pass == 2); }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_label);
    m_engine.m_passes = 0;
    m_engine.m_quit = false;
    m_engine.m_onPass = c.m_onPass ? [this, &c](int pass) { return c.m_onPass(*this, pass); } : std::function<bool(int)>();
    EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot(c.m_repeatOption, c.m_repeatTimes)));
    EXPECT_EQ(m_engine.m_passes, c.m_passes);
    EXPECT_FALSE(m_runner.IsRunning());
    EXPECT_EQ(m_source.LineCount(), 0);  // the store is emptied after every run
  }
}

TEST_F(RobotRunnerTest, StopBeforeARunDoesNotCarryOver) {
  m_runner.Stop();
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot(0, 2)));
  EXPECT_EQ(m_engine.m_passes, 2);
}

TEST_F(RobotRunnerTest, TheRunSeesTheLoadedScriptAndSwitches) {
  m_engine.m_onPass = [this](int) {
    EXPECT_TRUE(m_runner.IsRunning());
    EXPECT_EQ(m_source.LineCount(), 1);
    EXPECT_EQ(*m_source.Line(1), "WAIT(1)");
    EXPECT_EQ(m_source.SourceLineOf(1), 2);
    EXPECT_FALSE(m_runner.RunRobotFile(SaveRobot(0, 1, "nested")));  // runs never nest
    return true;
  };
  const std::string path = SaveRobot(0, 1);
  EXPECT_TRUE(m_runner.RunRobotFile(path));
  EXPECT_EQ(m_engine.m_passes, 1);
  EXPECT_EQ(m_engine.m_preparedPath, path);
  EXPECT_TRUE(m_engine.m_useRecWin);
  EXPECT_FALSE(m_engine.m_useSimilarWin);
}

TEST_F(RobotRunnerTest, RefusedScriptRunsNothingAndEmptiesTheStore) {
  m_engine.m_prepareOk = false;
  EXPECT_FALSE(m_runner.RunRobotFile(SaveRobot(0, 3)));
  EXPECT_EQ(m_engine.m_passes, 0);
  EXPECT_EQ(m_source.LineCount(), 0);
  EXPECT_FALSE(m_runner.IsRunning());
}

TEST_F(RobotRunnerTest, WorkingDirectoryIsRestoredAfterTheRun) {
  const std::string before = WorkingDirectory();
  m_engine.m_onPass = [this](int) { return SetWorkingDirectory(Folder()); };
  EXPECT_TRUE(m_runner.RunRobotFile(SaveRobot(0, 1)));
  EXPECT_EQ(WorkingDirectory(), before);
}

TEST_F(RobotRunnerTest, DamagedWindowListIsReportedAndTheLinesStillRun) {
  WriteFile("damaged.txt", CrLf({"[General]", "Name=damaged", "", "", "", "Enable=1", "RepeatOption=0",
                                 "RepeatTimes=1", "OriginalSpeed=1", "[Script]", "WAIT(1)", "[RecWinInfo]",
                                 "WinIndex=1", "WinTitle=t", "WinPath=p", "WinRect=1"}));
  m_engine.m_onPass = [this](int) { return m_source.LineCount() == 1; };
  EXPECT_TRUE(m_runner.RunRobotFile(PathOf("damaged.txt")));
  EXPECT_EQ(m_engine.m_passes, 1);
  EXPECT_EQ(m_engine.m_messages,
            (std::vector<std::string>{"Failed to load robot", "Failed to load record Window info"}));
}

TEST_F(RobotRunnerTest, MissingRobotFileRunsNoPass) {
  EXPECT_TRUE(m_runner.RunRobotFile(PathOf("nobody.txt")));  // the engine accepts the empty script
  EXPECT_EQ(m_engine.m_passes, 0);
  EXPECT_TRUE(m_engine.m_messages.empty());
}

TEST_F(RobotRunnerTest, ScriptFilesRunOnceWithTheirFileNamedAndNoRobotSettings) {
  m_source.SetSpeedOption(kFasterSpeed);  // the last robot's speed stays
  WriteFile("script.txt", CrLf({"", "", "", "", "", "", "", "", "[Script]", "Comment: x", "A", "B=> [remove on faster speed]"}));
  m_engine.m_onPass = [this](int) {
    EXPECT_EQ(m_source.LineCount(), 1);
    EXPECT_EQ(m_source.SourceLineOf(1), 2);
    EXPECT_EQ(*m_source.File(m_source.FileIndexOf(1)), PathOf("script.txt"));
    return true;
  };
  EXPECT_TRUE(m_runner.RunScriptFile(PathOf("script.txt")));
  EXPECT_EQ(m_engine.m_passes, 1);
  EXPECT_EQ(m_engine.m_argumentClears, 1);
  EXPECT_EQ(m_engine.m_preparedPath, PathOf("script.txt"));
  EXPECT_EQ(m_source.File(0), nullptr);  // the file list is emptied after the run

  m_engine.m_prepareOk = false;
  EXPECT_FALSE(m_runner.RunScriptFile(PathOf("script.txt")));
  EXPECT_EQ(m_engine.m_passes, 1);
}

TEST_F(RobotRunnerTest, RobotsAreFoundByNameWithoutRegardToCase) {
  SaveRobot(0, 1, "Daily Report");
  SaveRobot(0, 1, "daily");
  EXPECT_EQ(FindRobotFile(Folder(), "daily report"), PathOf("Daily Report.txt"));
  EXPECT_EQ(FindRobotFile(Folder(), "daily"), PathOf("daily.txt"));
  EXPECT_EQ(FindRobotFile(Folder(), "weekly"), PathOf("weekly.txt"));
  EXPECT_FALSE(m_runner.RunRobotByName(""));
  EXPECT_EQ(m_engine.m_passes, 0);
  EXPECT_TRUE(m_runner.RunRobotByName("DAILY REPORT"));
  EXPECT_EQ(m_engine.m_preparedPath, PathOf("Daily Report.txt"));
  EXPECT_EQ(m_engine.m_passes, 1);
}

}  // namespace
