// The example robots shipped to newcomers: each is a robot file exactly as the program writes it,
// and every script line is an action of the vocabulary, so the editor shows and keeps all of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "robot/action_line.h"
#include "robot/robot.h"
#include "robot_test_support.h"

namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

using RobotExamplesTest = TempFolderTest;

TEST_F(RobotExamplesTest, EveryExampleIsACanonicalRobotInTheVocabulary) {
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(MORVANTA_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".txt") continue;
    ++examples;
    SCOPED_TRACE(entry.path().filename().string());
    Robot robot;
    ASSERT_TRUE(robot.Load(entry.path().string()));
    EXPECT_FALSE(robot.m_scriptLines.empty());
    ASSERT_TRUE(robot.Save(Folder()));
    EXPECT_EQ(FileBytes(entry.path()), ReadFile(entry.path().filename().string()));
    for (const std::string& line : robot.m_scriptLines) {
      const std::string action = ScriptToActionText(line);
      EXPECT_NE(action, "") << line;
      EXPECT_EQ(ActionTextToScript(action), line);
    }
  }
  EXPECT_GE(examples, 3);
}

}  // namespace
