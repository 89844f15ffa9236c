// The command line's run switch and the index-based run request between instances.
#include "app/run_request.h"

#include <windows.h>

#include <vector>

#include "robot/file_system.h"
#include "robot/robot.h"

namespace {

constexpr char kRunSwitch[] = "-a ";

std::string LowerCase(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string DropEnclosingQuotes(const std::string& name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') return name.substr(1, name.size() - 2);
  return name;
}

std::string RobotNameOfFile(const std::string& scriptFolder, const std::string& fileName) {
  Robot robot;
  robot.Load(JoinPath(scriptFolder, fileName));
  return robot.m_name;
}

}  // namespace

std::optional<std::string> RunRequestName(const std::string& commandLine) {
  std::string lower = LowerCase(commandLine);
  if (lower.compare(0, sizeof kRunSwitch - 1, kRunSwitch) != 0) return std::nullopt;
  return DropEnclosingQuotes(lower.substr(sizeof kRunSwitch - 1));
}

std::size_t RobotIndexOfName(const std::string& scriptFolder, const std::string& name) {
  std::vector<std::string> files = ListTextFiles(scriptFolder);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (lstrcmpiA(RobotNameOfFile(scriptFolder, files[i]).c_str(), name.c_str()) == 0) return i;
  }
  return files.size();
}

std::optional<std::string> RobotNameAtIndex(const std::string& scriptFolder, std::size_t index) {
  std::vector<std::string> files = ListTextFiles(scriptFolder);
  if (index >= files.size()) return std::nullopt;
  return RobotNameOfFile(scriptFolder, files[index]);
}
