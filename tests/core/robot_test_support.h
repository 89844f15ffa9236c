// Test support for the robot and runner tests: a fresh folder per test, removed afterwards, and
// whole-file reads and writes in binary mode so that line ends are seen as they are on disk.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempFolderTest : public ::testing::Test {
 protected:
  // The folder is named in the constructor, so fixtures may hand it to members they construct.
  TempFolderTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("morvanta_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    m_folder = std::filesystem::temp_directory_path() / name;
  }
  void SetUp() override {
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_folder, ignored);
  }

  std::string Folder() const { return m_folder.string(); }
  std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

  void WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
  }
  std::string ReadFile(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path m_folder;
};

// Joins lines with CR LF, each line ended, as robot files are written.
inline std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}
