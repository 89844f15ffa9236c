// The robot file: exact bytes written, positional reading with its quirks, safe saving, the store.
#include <sys/stat.h>

#include <algorithm>

#include "robot/file_system.h"
#include "robot/robot.h"
#include "robot/robot_store.h"
#include "robot_test_support.h"

namespace {

Robot FullRobot() {
  Robot robot;
  robot.m_name = "Hello World";
  robot.m_startKey = "Ctrl + Shift + F5";
  robot.m_endKey = "Alt + Pause";
  robot.m_description = "Types a greeting";
  robot.m_enable = 7;  // any non-zero value is written as 1
  robot.m_repeatOption = 0;
  robot.m_repeatTimes = -3;
  robot.m_speedOption = kFasterSpeed;
  robot.m_useSimilarWin = 1;
  robot.m_useRecWin = 1;
  robot.m_scriptLines = {"KEYSEND \"Hi\"", "", "WAIT 500 -> At Win [1]", "Comment: done"};
  RecWinEntry first{1, nullptr, "Untitled - Notepad", "C:\\Windows\\notepad.exe", {10, 20, 630, -5}};
  RecWinEntry second{2, nullptr, "", "", {0, 0, 0, 0}};
  robot.m_recWinEntries = {first, second};
  return robot;
}

const std::string kFullRobotText = CrLf({
    "[General]", "Name=Hello World", "StartKey=Ctrl + Shift + F5", "EndKey=Alt + Pause",
    "Description=Types a greeting", "Enable=1", "RepeatOption=0", "RepeatTimes=-3",
    "OriginalSpeed=0", "UseSimilarWin=1", "UseRecWin=1", "[Script]", "KEYSEND \"Hi\"", "",
    "WAIT 500 -> At Win [1]", "Comment: done", "[RecWinInfo]", "WinIndex=1",
    "WinTitle=Untitled - Notepad", "WinPath=C:\\Windows\\notepad.exe", "WinRect=10,20,630,-5",
    "WinIndex=2", "WinTitle=", "WinPath=", "WinRect=0,0,0,0"});

void ExpectSameRobot(const Robot& a, const Robot& b) {
  EXPECT_EQ(a.m_name, b.m_name);
  EXPECT_EQ(a.m_startKey, b.m_startKey);
  EXPECT_EQ(a.m_endKey, b.m_endKey);
  EXPECT_EQ(a.m_description, b.m_description);
  EXPECT_EQ(a.m_enable, b.m_enable);
  EXPECT_EQ(a.m_repeatOption, b.m_repeatOption);
  EXPECT_EQ(a.m_repeatTimes, b.m_repeatTimes);
  EXPECT_EQ(a.m_speedOption, b.m_speedOption);
  EXPECT_EQ(a.m_useSimilarWin, b.m_useSimilarWin);
  EXPECT_EQ(a.m_useRecWin, b.m_useRecWin);
  EXPECT_EQ(a.m_scriptLines, b.m_scriptLines);
  ASSERT_EQ(a.m_recWinEntries.size(), b.m_recWinEntries.size());
  for (std::size_t i = 0; i < a.m_recWinEntries.size(); ++i) {
    const RecWinEntry& x = a.m_recWinEntries[i];
    const RecWinEntry& y = b.m_recWinEntries[i];
    EXPECT_EQ(x.m_winIndex, y.m_winIndex);
    EXPECT_EQ(x.m_winTitle, y.m_winTitle);
    EXPECT_EQ(x.m_winPath, y.m_winPath);
    EXPECT_EQ(x.m_winRect.m_left, y.m_winRect.m_left);
    EXPECT_EQ(x.m_winRect.m_top, y.m_winRect.m_top);
    EXPECT_EQ(x.m_winRect.m_right, y.m_winRect.m_right);
    EXPECT_EQ(x.m_winRect.m_bottom, y.m_winRect.m_bottom);
  }
}

using RobotFileTest = TempFolderTest;

TEST_F(RobotFileTest, SaveWritesExactBytesAndLoadReadsThemBack) {
  const Robot robot = FullRobot();
  ASSERT_TRUE(robot.Save(Folder()));
  EXPECT_EQ(ReadFile("Hello World.txt"), kFullRobotText);
  EXPECT_FALSE(std::filesystem::exists(PathOf("Hello World.txt.tmp")));

  Robot loaded;
  ASSERT_TRUE(loaded.Load(PathOf("Hello World.txt")));
  Robot expected = robot;
  expected.m_enable = 1;
  ExpectSameRobot(loaded, expected);
}

TEST_F(RobotFileTest, NoRecWinSectionWithoutEntriesAndSpeedValuesMapBothWays) {
  struct Case {
    const char* m_stored;
    int m_speed;
    const char* m_written;
  };
  const Case cases[] = {{"1", kOriginalSpeed, "1"}, {"0", kFasterSpeed, "0"}, {"2", kThirdSpeed, "2"},
                        {"7", kOriginalSpeed, "1"}, {"", kOriginalSpeed, "1"}, {"00", kOriginalSpeed, "1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_stored);
    WriteFile("r.txt", CrLf({"[General]", "Name=r", "StartKey=", "EndKey=", "Description=", "Enable=0",
                             "RepeatOption=1", "RepeatTimes=1"}) +
                           "OriginalSpeed=" + c.m_stored + "\r\n" + CrLf({"[Script]", "WAIT 1"}));
    Robot robot;
    ASSERT_TRUE(robot.Load(PathOf("r.txt")));
    EXPECT_EQ(robot.m_speedOption, c.m_speed);
    ASSERT_TRUE(robot.Save(Folder()));
    EXPECT_EQ(ReadFile("r.txt"), CrLf({"[General]", "Name=r", "StartKey=", "EndKey=", "Description=",
                                       "Enable=0", "RepeatOption=1", "RepeatTimes=1"}) +
                                     "OriginalSpeed=" + c.m_written + "\r\n" +
                                     CrLf({"UseSimilarWin=0", "UseRecWin=0", "[Script]", "WAIT 1"}));
  }
}

// Files as other versions, other tools or damage leave them; each loads without a crash.
TEST_F(RobotFileTest, PartialAndOddFilesLoadPositionally) {
  struct Case {
    const char* m_label;
    std::string m_text;
    bool m_ok;
    std::string m_name, m_startKey, m_description;
    int m_useSimilarWin, m_useRecWin;
    std::vector<std::string> m_script;
    std::size_t m_entries;
  };
  const std::string general = CrLf({"[General]", "Name=Other", "StartKey=F2", "EndKey=F3",
                                    "Description=d", "Enable=1", "RepeatOption=0", "RepeatTimes=2",
                                    "OriginalSpeed=1"});
  const Case cases[] = {
      {"name line loses to the file name", general + CrLf({"UseSimilarWin=1", "UseRecWin=0", "[Script]", "A"}),
       true, "odd", "F2", "d", 1, 0, {"A"}, 0},
      {"no RecWin switch lines", general + CrLf({"[Script]", "A", "", "B"}), true, "odd", "F2", "d", 0, 0,
       {"A", "", "B"}, 0},
      {"lower-case section names", general + CrLf({"[script]", "A", "[recwininfo]", "WinIndex=1", "WinTitle=t",
                                                   "WinPath=p", "WinRect=1,2,3,4"}),
       true, "odd", "F2", "d", 0, 0, {"A"}, 1},
      {"keys are not checked", CrLf({"[General]", "Name=x", "XXXXXXXXXShift + F9", "EndKey=", "D"}), true,
       "odd", "Shift + F9", "", 0, 0, {}, 0},
      {"lines shorter than their keys", CrLf({"[General]", "N", "Sta", "", "Desc"}), true, "odd", "", "", 0, 0,
       {}, 0},
      {"empty file", "", true, "odd", "", "", 0, 0, {}, 0},
      {"LF line ends", "[General]\nName=odd\nStartKey=F2\nEndKey=\nDescription=lf\nEnable=1\n"
                       "RepeatOption=0\nRepeatTimes=1\nOriginalSpeed=1\n[Script]\nA\n",
       true, "odd", "F2", "lf", 0, 0, {"A"}, 0},
      {"WinRect with two commas", general + CrLf({"[Script]", "A", "[RecWinInfo]", "WinIndex=1", "WinTitle=t",
                                                  "WinPath=p", "WinRect=1,2,3", "WinIndex=2", "WinTitle=u",
                                                  "WinPath=q", "WinRect=5,6,7,8"}),
       false, "odd", "F2", "d", 0, 0, {"A"}, 0},
      {"second WinRect malformed keeps the first entry",
       general + CrLf({"[Script]", "[RecWinInfo]", "WinIndex=1", "WinTitle=t", "WinPath=p", "WinRect= 1, 2,3,4px",
                       "WinIndex=2", "WinTitle=u", "WinPath=q", "WinRect="}),
       false, "odd", "F2", "d", 0, 0, {}, 1},
      {"incomplete last group is dropped",
       general + CrLf({"[Script]", "[RecWinInfo]", "WinIndex=1", "WinTitle=t"}), true, "odd", "F2", "d", 0, 0,
       {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_label);
    WriteFile("odd.txt", c.m_text);
    Robot robot;
    robot.m_scriptLines = {"left over"};
    const LoadResult result = robot.Load(PathOf("odd.txt"));
    EXPECT_EQ(static_cast<bool>(result), c.m_ok);
    EXPECT_EQ(result.m_message, c.m_ok ? "" : "Failed to load robot");
    EXPECT_EQ(robot.m_name, c.m_name);
    EXPECT_EQ(robot.m_startKey, c.m_startKey);
    EXPECT_EQ(robot.m_description, c.m_description);
    EXPECT_EQ(robot.m_useSimilarWin, c.m_useSimilarWin);
    EXPECT_EQ(robot.m_useRecWin, c.m_useRecWin);
    EXPECT_EQ(robot.m_scriptLines, c.m_script);
    EXPECT_EQ(robot.m_recWinEntries.size(), c.m_entries);
  }
}

TEST_F(RobotFileTest, WinRectNumbersAllowBlanksAndIgnoreTrailingText) {
  WriteFile("w.txt", CrLf({"[General]", "Name=w", "", "", "", "", "", "", "", "[Script]", "[RecWinInfo]",
                           "WinIndex= 3x", "WinTitle=T", "WinPath=P", "WinRect= -1, 2px,3 ,99999999999"}));
  Robot robot;
  ASSERT_TRUE(robot.Load(PathOf("w.txt")));
  ASSERT_EQ(robot.m_recWinEntries.size(), 1u);
  const RecWinEntry& entry = robot.m_recWinEntries[0];
  EXPECT_EQ(entry.m_winIndex, 3);
  EXPECT_EQ(entry.m_winRect.m_left, -1);
  EXPECT_EQ(entry.m_winRect.m_top, 2);
  EXPECT_EQ(entry.m_winRect.m_right, 3);
  EXPECT_EQ(entry.m_winRect.m_bottom, 2147483647);
}

TEST_F(RobotFileTest, UnreadableFileGivesAnEmptyRobotSilently) {
  Robot robot = FullRobot();
  const LoadResult result = robot.Load(PathOf("missing.txt"));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.m_message, "");
  ExpectSameRobot(robot, Robot());
}

TEST_F(RobotFileTest, LineBreaksInValuesAreFlattenedSoTheFileReadsBack) {
  Robot robot = FullRobot();
  robot.m_name = "Two\r\nLines";
  robot.m_description = "first\nsecond\rthird";
  robot.m_startKey = "F1\n";
  robot.m_recWinEntries[0].m_winTitle = "a\nb";
  robot.m_scriptLines = {"WAIT 1\nWAIT 2"};
  ASSERT_TRUE(robot.Save(Folder()));
  Robot loaded;
  ASSERT_TRUE(loaded.Load(PathOf("Two  Lines.txt")));
  EXPECT_EQ(loaded.m_name, "Two  Lines");
  EXPECT_EQ(loaded.m_description, "first second third");
  EXPECT_EQ(loaded.m_startKey, "F1 ");
  EXPECT_EQ(loaded.m_endKey, "Alt + Pause");
  EXPECT_EQ(loaded.m_recWinEntries[0].m_winTitle, "a b");
  EXPECT_EQ(loaded.m_scriptLines, std::vector<std::string>{"WAIT 1 WAIT 2"});
}

TEST_F(RobotFileTest, FailedSaveReportsAndKeepsTheOldFile) {
  Robot robot = FullRobot();
  robot.m_name = "kept";
  WriteFile("kept.txt", "old contents\r\n");
  ASSERT_EQ(chmod(PathOf("kept.txt").c_str(), 0444), 0);
  EXPECT_FALSE(robot.Save(Folder()));
  EXPECT_EQ(ReadFile("kept.txt"), "old contents\r\n");
  EXPECT_FALSE(std::filesystem::exists(PathOf("kept.txt.tmp")));

  EXPECT_FALSE(robot.Save(PathOf("no such folder")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("no such folder")));
}

TEST_F(RobotFileTest, AwkwardNamesSaveAndLoadUnderTheirOwnName) {
  const std::string names[] = {"v1.2.final", std::string(200, 'n'), "Case", "CASE", ".hidden", "a b  c"};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Robot robot;
    robot.m_name = name;
    robot.m_scriptLines = {"WAIT 1"};
    ASSERT_TRUE(robot.Save(Folder()));
    Robot loaded;
    ASSERT_TRUE(loaded.Load(RobotFilePath(Folder(), name)));
    EXPECT_EQ(loaded.m_name, name);
  }
  Robot tooLong;
  tooLong.m_name = std::string(300, 'x');  // longer than any file name may be
  EXPECT_FALSE(tooLong.Save(Folder()));
}

TEST(RobotPathTest, BaseNameIsBetweenLastSeparatorAndLastDot) {
  struct Case {
    const char* m_path;
    const char* m_base;
  };
  const Case cases[] = {{"C:\\x\\script\\My Robot.txt", "My Robot"}, {"/tmp/a.b.txt", "a.b"},
                        {"noext", "noext"}, {"dir.d\\file", "file"}, {"", ""}, {"C:\\x\\", ""}};
  for (const Case& c : cases) EXPECT_EQ(BaseNameOfPath(c.m_path), c.m_base) << c.m_path;
}

using RobotStoreTest = TempFolderTest;

TEST_F(RobotStoreTest, LoadAllTakesTextFilesOnlyAndKeepsPartialOnes) {
  Robot a;
  a.m_name = "alpha";
  ASSERT_TRUE(a.Save(Folder()));
  WriteFile("broken.TXT", CrLf({"[General]", "", "", "", "", "", "", "", "", "[Script]", "[RecWinInfo]",
                                "WinIndex=1", "WinTitle=", "WinPath=", "WinRect=1"}));
  WriteFile("notes.md", "not a robot");
  std::filesystem::create_directory(PathOf("folder.txt"));

  RobotStore store;
  store.Append(FullRobot());
  const std::vector<std::string> messages = store.LoadAll(Folder());
  EXPECT_EQ(messages, std::vector<std::string>{"Failed to load robot"});
  ASSERT_EQ(store.Count(), 2u);
  std::vector<std::string> names = {store.At(0).m_name, store.At(1).m_name};
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "broken"}));
}

TEST(RobotStoreOperationsTest, ReplaceRemoveAndAtKeepOrderAndIgnoreBadIndexes) {
  RobotStore store;
  for (const char* name : {"a", "b", "c"}) {
    Robot robot;
    robot.m_name = name;
    store.Append(robot);
  }
  Robot replacement;
  replacement.m_name = "B";
  store.Replace(1, replacement);
  store.Replace(9, replacement);
  store.RemoveAt(0);
  store.RemoveAt(9);
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.At(0).m_name, "B");
  EXPECT_EQ(store.At(1).m_name, "c");
  EXPECT_EQ(store.At(2).m_name, "");
}

}  // namespace
