// The Windows side of the robot files: saving never loses a robot, the script folder listing, and
// the include folders read from the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "robot/file_system.h"
#include "robot/robot.h"
#include "runner/script_source.h"

namespace {

class RobotWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    m_folder = std::string(temp) + "morvanta_robot_win32_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  }
  void TearDown() override {
    for (const char* name : {"kept.txt", "kept.txt.tmp", "a.txt", "B.TXT", "c.txtx", "d.md"}) {
      const std::string path = m_folder + "\\" + std::string(name);
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
    RemoveDirectoryA((m_folder + "\\e.txt").c_str());
    RemoveDirectoryA(m_folder.c_str());
  }

  std::string Read(const std::string& name) const {
    std::ifstream file(m_folder + "\\" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(m_folder + "\\" + name, std::ios::binary) << text;
  }

  std::string m_folder;
};

TEST_F(RobotWin32Test, SaveReplacesWholeFilesAndRefusesReadOnlyOnes) {
  Robot robot;
  robot.m_name = "kept";
  robot.m_scriptLines = {"WAIT(1)"};
  ASSERT_TRUE(robot.Save(m_folder));
  robot.m_scriptLines.push_back("WAIT(2)");
  ASSERT_TRUE(robot.Save(m_folder));
  const std::string saved = Read("kept.txt");
  EXPECT_NE(saved.find("[Script]\r\nWAIT(1)\r\nWAIT(2)\r\n"), std::string::npos);

  const std::string path = m_folder + "\\kept.txt";
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  robot.m_scriptLines = {"lost"};
  EXPECT_FALSE(robot.Save(m_folder));
  EXPECT_EQ(Read("kept.txt"), saved);
  EXPECT_EQ(GetFileAttributesA((path + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_FALSE(robot.Save(m_folder + "\\missing"));
  Robot tooLong;
  tooLong.m_name = std::string(300, 'x');
  EXPECT_FALSE(tooLong.Save(m_folder));
}

TEST_F(RobotWin32Test, ListingTakesPlainTextFilesOnly) {
  for (const char* name : {"a.txt", "B.TXT", "c.txtx", "d.md"}) Write(name, "x");
  ASSERT_TRUE(CreateDirectoryA((m_folder + "\\e.txt").c_str(), nullptr));
  std::vector<std::string> names = ListTextFiles(m_folder);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"B.TXT", "a.txt"}));
  EXPECT_TRUE(ListTextFiles(m_folder + "\\missing").empty());
}

TEST_F(RobotWin32Test, PathsAreFullAndTheWorkingDirectoryComesBack) {
  const std::string before = WorkingDirectory();
  ASSERT_TRUE(SetWorkingDirectory(m_folder));
  EXPECT_EQ(FullPath("r.txt"), m_folder + "\\r.txt");
  ASSERT_TRUE(SetWorkingDirectory(before));
  EXPECT_EQ(WorkingDirectory(), before);
}

TEST(IncludeFoldersWin32Test, RegistryGivesTheInstallFolderAndTheListedOnes) {
  const char* key = "Software\\Glimmerock\\Tarvel3";
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
  EXPECT_EQ(ReadIncludeFolders(), std::vector<std::string>{"Include\\"});

  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  const std::string installDir = "C:\\Lang";
  const std::string includeList = "D:\\a;;E:\\c\\";
  RegSetValueExA(handle, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(installDir.c_str()),
                 static_cast<DWORD>(installDir.size() + 1));
  RegSetValueExA(handle, "Include", 0, REG_SZ, reinterpret_cast<const BYTE*>(includeList.c_str()),
                 static_cast<DWORD>(includeList.size() + 1));
  RegCloseKey(handle);
  EXPECT_EQ(ReadIncludeFolders(), (std::vector<std::string>{"C:\\Lang\\Include\\", "D:\\a\\", "", "E:\\c\\"}));
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
}

}  // namespace
