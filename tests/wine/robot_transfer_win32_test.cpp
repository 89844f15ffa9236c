// Export and import on Windows file functions: the round trip, "*.robo" listing that must not
// pick up longer extensions, and a read-only robot in the way counted as existing, untouched.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "robot/file_system.h"
#include "robot/robot_transfer.h"

namespace {

const std::string kRobot = "[General]\r\nName=A\r\n[Script]\r\nKEYSEND \"x\"\r\n";

class RobotTransferWin32 : public testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_root = std::string(temp) + "morvanta_transfer_" + std::to_string(GetCurrentProcessId());
    for (const char* folder : {"", "\\script", "\\out"}) CreateDirectoryA((m_root + folder).c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"\\script\\A.txt", "\\script\\B.txt", "\\out\\A.robo", "\\out\\B.robo",
                             "\\out\\C.robox", "\\script\\C.txt"}) {
      SetFileAttributesA((m_root + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((m_root + name).c_str());
    }
    for (const char* folder : {"\\script", "\\out", ""}) RemoveDirectoryA((m_root + folder).c_str());
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(m_root + name, std::ios::binary) << text;
  }
  std::string Read(const std::string& name) {
    std::ifstream file(m_root + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  std::string m_root;
};

TEST_F(RobotTransferWin32, RoundTripListsOnlyRealExtensionsAndLeavesReadOnlyRobots) {
  Write("\\script\\A.txt", kRobot);
  Write("\\script\\B.txt", kRobot);
  Write("\\out\\C.robox", kRobot);
  int questions = 0;
  const auto answerNo = [&](const std::string&) {
    ++questions;
    return OverwriteAnswer::kNo;
  };
  EXPECT_EQ(ExportRobots(m_root + "\\script", m_root + "\\out\\", answerNo).m_copied.size(), 2u);
  EXPECT_EQ(Read("\\out\\A.robo"), kRobot);

  Write("\\script\\B.txt", "mine");
  SetFileAttributesA((m_root + "\\script\\B.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  DeleteFileA((m_root + "\\script\\A.txt").c_str());
  const TransferResult imported = ImportRobots(m_root + "\\out", m_root + "\\script\\", answerNo);
  EXPECT_EQ(imported.m_copied, std::vector<std::string>{"A"});
  EXPECT_EQ(questions, 1);  // B exists (read-only), C.robox is no export
  EXPECT_EQ(Read("\\script\\A.txt"), kRobot);
  EXPECT_EQ(Read("\\script\\B.txt"), "mine");
  EXPECT_FALSE(PathExists(m_root + "\\script\\C.txt"));
}

}  // namespace
