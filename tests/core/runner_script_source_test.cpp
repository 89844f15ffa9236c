// The script line store: line replacement, numbering, the file list, include folders, and reading
// a robot file's script section as the runner does.
#include "robot/text_util.h"
#include "runner/script_source.h"
#include "robot_test_support.h"

namespace {

const std::vector<std::string> kNoIncludeFolders;

std::vector<std::string> Lines(const ScriptSource& source) {
  std::vector<std::string> lines;
  for (int i = 1; i <= source.LineCount(); ++i) lines.push_back(*source.Line(i));
  return lines;
}

TEST(ScriptSourceTest, EmptyAndCommentLinesGiveWayToTheNextLine) {
  struct Case {
    std::vector<std::string> m_added;
    std::vector<std::string> m_stored;
  };
  const Case cases[] = {
      {{"a", "", "b"}, {"a", "b"}},
      {{"a", "; note", "", "b"}, {"a", "b"}},
      {{"", "a"}, {"a"}},
      {{"a", ""}, {"a", ""}},
      {{"a", ";end"}, {"a", ";end"}},
      {{" ;x", "a"}, {" ;x", "a"}},  // only a ";" in the first column marks a comment
  };
  for (const Case& c : cases) {
    ScriptSource source(kNoIncludeFolders);
    for (std::size_t i = 0; i < c.m_added.size(); ++i) source.AddLine(c.m_added[i], static_cast<int>(i) + 1, 0);
    source.BuildLineArray();
    EXPECT_EQ(Lines(source), c.m_stored);
  }
}

TEST(ScriptSourceTest, LinesAreNumberedFromOneWithTheirOrigin) {
  ScriptSource source(kNoIncludeFolders);
  source.AddLine("first", 3, 0);
  source.AddLine("", 4, 0);
  source.AddLine("second", 9, 2);
  EXPECT_EQ(source.Line(1), nullptr);  // not reachable before the array is built
  source.BuildLineArray();
  ASSERT_EQ(source.LineCount(), 2);
  EXPECT_EQ(*source.Line(2), "second");
  EXPECT_EQ(source.SourceLineOf(2), 9);
  EXPECT_EQ(source.FileIndexOf(2), 2);
  for (int outside : {0, -1, 3}) {
    EXPECT_EQ(source.Line(outside), nullptr);
    EXPECT_EQ(source.SourceLineOf(outside), 0);
    EXPECT_EQ(source.FileIndexOf(outside), -1);
  }
  source.Clear();
  EXPECT_EQ(source.LineCount(), 0);
  EXPECT_EQ(source.Line(1), nullptr);
}

TEST(ScriptSourceTest, FilesAreCountedWithoutRegardToCaseUpToSixtyFour) {
  ScriptSource source(kNoIncludeFolders);
  EXPECT_EQ(source.AddFile("/scripts/Robot.txt"), 0);
  EXPECT_EQ(source.AddFile("/SCRIPTS/robot.TXT"), 0);
  EXPECT_EQ(source.UseCountOf(0), 2);
  EXPECT_EQ(*source.File(0), "/scripts/Robot.txt");
  for (int i = 1; i < ScriptSource::kMaxFiles; ++i) {
    EXPECT_EQ(source.AddFile("/f" + std::to_string(i)), i);
  }
  EXPECT_EQ(source.AddFile("/one too many"), -1);
  EXPECT_EQ(source.AddFile("/F1"), 1);  // a known path still counts when the list is full
  EXPECT_EQ(source.File(ScriptSource::kMaxFiles), nullptr);
  source.Clear();
  EXPECT_EQ(source.File(0), nullptr);
}

TEST(ScriptSourceTest, RelativeFilesAreStoredWithTheirFullPath) {
  ScriptSource source(kNoIncludeFolders);
  ASSERT_EQ(source.AddFile("relative.txt"), 0);
  EXPECT_EQ(source.File(0)->front(), '/');
  EXPECT_TRUE(EndsWith(*source.File(0), "/relative.txt"));
}

TEST(IncludeFoldersTest, InstallFolderComesFirstThenTheListedOnes) {
  struct Case {
    std::optional<std::string> m_installDir, m_includeList;
    std::vector<std::string> m_folders;
  };
  const Case cases[] = {
      {std::nullopt, std::nullopt, {"Include\\"}},
      {"C:\\Lang", std::nullopt, {"C:\\Lang\\Include\\"}},
      {"C:\\Lang\\", "", {"C:\\Lang\\Include\\"}},
      {std::nullopt, "D:\\a;D:\\b\\", {"Include\\", "D:\\a\\", "D:\\b\\"}},
      {std::nullopt, "D:\\a;;E:\\c;", {"Include\\", "D:\\a\\", "", "E:\\c\\", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildIncludeFolders(c.m_installDir, c.m_includeList), c.m_folders);
  EXPECT_EQ(ScriptSource().IncludeFolders(), std::vector<std::string>{"Include\\"});
}

class LoadRobotScriptTest : public TempFolderTest {
 protected:
  std::string RobotFile(std::initializer_list<const char*> script, const char* scriptHeader = "[Script]") {
    std::string text = CrLf({"[General]", "Name=r", "StartKey=", "EndKey=", "Description=", "Enable=1",
                             "RepeatOption=0", "RepeatTimes=1", "OriginalSpeed=1", "UseSimilarWin=0",
                             "UseRecWin=1"}) +
                       scriptHeader + "\r\n" + CrLf(script);
    WriteFile("r.txt", text);
    return PathOf("r.txt");
  }
  ScriptSource m_source{kNoIncludeFolders};
};

TEST_F(LoadRobotScriptTest, CommentsAreLeftOutButCounted) {
  const std::string path = RobotFile({"Comment: one", "comment:two", "COMMENT:", "A", "", "B", "; c", "C"});
  ASSERT_TRUE(m_source.LoadRobotScript(path, 0));
  m_source.BuildLineArray();
  EXPECT_EQ(Lines(m_source), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(m_source.SourceLineOf(1), 4);
  EXPECT_EQ(m_source.SourceLineOf(2), 6);
  EXPECT_EQ(m_source.SourceLineOf(3), 8);
}

TEST_F(LoadRobotScriptTest, FasterSpeedDropsMarkedLinesOriginalSpeedCutsTheMark) {
  const std::string path = RobotFile({"A", "WAIT 100=> [remove on faster speed]", "B"});
  for (int speed : {kOriginalSpeed, kFasterSpeed, kThirdSpeed}) {
    m_source.Clear();
    m_source.SetSpeedOption(speed);
    ASSERT_TRUE(m_source.LoadRobotScript(path, 0));
    m_source.BuildLineArray();
    if (speed == kOriginalSpeed) {
      EXPECT_EQ(Lines(m_source), (std::vector<std::string>{"A", "WAIT 100", "B"}));
    } else {
      EXPECT_EQ(Lines(m_source), (std::vector<std::string>{"A", "B"}));
    }
    EXPECT_EQ(m_source.SourceLineOf(m_source.LineCount()), 3);
  }
}

TEST_F(LoadRobotScriptTest, WindowAnnotationsMapLinesToEntries) {
  const std::string path = RobotFile({"A -> At Win [2]", "B", "C -> At Win [0]x -> At Win [1]", "",
                                      "D -> At Win [5", "; gone -> At Win [3]", "E", "[RecWinInfo]",
                                      "WinIndex=1", "WinTitle=t", "WinPath=p", "WinRect=1,2,3,4"});
  ASSERT_TRUE(m_source.LoadRobotScript(path, 0));
  m_source.BuildLineArray();
  EXPECT_EQ(Lines(m_source), (std::vector<std::string>{"A ", "B", "C -> At Win [0]x ", "D -> At Win [5", "E"}));
  EXPECT_EQ(m_source.WindowOf(1), 2);
  EXPECT_EQ(m_source.WindowOf(2), std::nullopt);
  EXPECT_EQ(m_source.WindowOf(3), 1);
  EXPECT_EQ(m_source.WindowOf(4), std::nullopt);
  EXPECT_EQ(m_source.WindowOf(5), std::nullopt);  // the replaced comment's annotation is not inherited
  ASSERT_EQ(m_source.RecWinEntries().size(), 1u);
  EXPECT_EQ(m_source.RecWinEntries()[0].m_winRect.m_bottom, 4);
}

TEST_F(LoadRobotScriptTest, UnreadableOrMalformedFilesFail) {
  EXPECT_FALSE(m_source.LoadRobotScript(PathOf("missing.txt"), 0));
  EXPECT_FALSE(m_source.LoadRobotScript(RobotFile({"A"}, "[script]"), 0));  // the search is exact
  EXPECT_EQ(m_source.LineCount(), 0);

  const LoadResult result = m_source.LoadRobotScript(
      RobotFile({"A", "[RecWinInfo]", "WinIndex=1", "WinTitle=t", "WinPath=p", "WinRect=1,2,3,4", "WinIndex=2",
                 "WinTitle=u", "WinPath=q", "WinRect=1;2;3;4"}),
      0);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.m_message, "Failed to load record Window info");
  m_source.BuildLineArray();
  EXPECT_EQ(Lines(m_source), std::vector<std::string>{"A"});  // the lines read still run
  EXPECT_EQ(m_source.RecWinEntries().size(), 1u);
}

TEST_F(LoadRobotScriptTest, ScriptHeaderIsFoundAfterEightLinesOnly) {
  WriteFile("short.txt", CrLf({"[General]", "[Script]", "x", "x", "x", "x", "x", "x", "[Script]", "A"}));
  ASSERT_TRUE(m_source.LoadRobotScript(PathOf("short.txt"), 4));
  m_source.BuildLineArray();
  EXPECT_EQ(Lines(m_source), std::vector<std::string>{"A"});
  EXPECT_EQ(m_source.FileIndexOf(1), 4);
}

}  // namespace
