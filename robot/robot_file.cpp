// The robot file: its positional reader and its writer.
#include <sstream>

#include "robot/file_system.h"
#include "robot/line_reader.h"
#include "robot/robot.h"
#include "robot/text_util.h"

namespace {

constexpr std::size_t kNameKeyLength = sizeof("Name=") - 1;
constexpr std::size_t kStartKeyKeyLength = sizeof("StartKey=") - 1;
constexpr std::size_t kEndKeyKeyLength = sizeof("EndKey=") - 1;
constexpr std::size_t kDescriptionKeyLength = sizeof("Description=") - 1;
constexpr std::size_t kEnableKeyLength = sizeof("Enable=") - 1;
constexpr std::size_t kRepeatOptionKeyLength = sizeof("RepeatOption=") - 1;
constexpr std::size_t kRepeatTimesKeyLength = sizeof("RepeatTimes=") - 1;
constexpr std::size_t kOriginalSpeedKeyLength = sizeof("OriginalSpeed=") - 1;
constexpr std::size_t kUseSimilarWinKeyLength = sizeof("UseSimilarWin=") - 1;
constexpr std::size_t kUseRecWinKeyLength = sizeof("UseRecWin=") - 1;

const char kScriptSection[] = "[Script]";
const char kRecWinSection[] = "[RecWinInfo]";
const char kFailedToLoadRobot[] = "Failed to load robot";

std::string ReadValue(LineReader& reader, std::size_t keyLength) {
  std::string line;
  reader.Next(line);
  return StripKey(line, keyLength);
}

void ReadGeneralSection(LineReader& reader, Robot& robot, const std::string& path) {
  std::string line;
  reader.Next(line);  // "[General]"
  robot.m_name = ReadValue(reader, kNameKeyLength);
  const std::string baseName = BaseNameOfPath(path);
  if (robot.m_name != baseName) robot.m_name = baseName;
  robot.m_startKey = ReadValue(reader, kStartKeyKeyLength);
  robot.m_endKey = ReadValue(reader, kEndKeyKeyLength);
  robot.m_description = ReadValue(reader, kDescriptionKeyLength);
  robot.m_enable = ParseDecimal(ReadValue(reader, kEnableKeyLength));
  robot.m_repeatOption = ParseDecimal(ReadValue(reader, kRepeatOptionKeyLength));
  robot.m_repeatTimes = ParseDecimal(ReadValue(reader, kRepeatTimesKeyLength));
  robot.m_speedOption = SpeedOptionFromFileValue(ReadValue(reader, kOriginalSpeedKeyLength));
}

// The two RecWin switch lines are optional: older files go straight to "[Script]".
void ReadRecWinSwitches(LineReader& reader, Robot& robot) {
  std::string line;
  reader.Next(line);
  if (!EqualsNoCase(line, kScriptSection)) {
    robot.m_useSimilarWin = ParseDecimal(StripKey(line, kUseSimilarWinKeyLength));
    reader.Next(line);
  }
  if (!EqualsNoCase(line, kScriptSection)) {
    robot.m_useRecWin = ParseDecimal(StripKey(line, kUseRecWinKeyLength));
    reader.Next(line);
  }
  // The current line now stands for "[Script]", whatever it holds.
}

LoadResult ReadScriptAndWindows(LineReader& reader, Robot& robot) {
  std::string line;
  while (reader.Next(line)) {
    if (EqualsNoCase(line, kRecWinSection)) break;
    robot.m_scriptLines.push_back(line);
  }
  RecWinInfoReader windows(robot.m_recWinEntries);
  while (reader.Next(line)) {
    if (!windows.Feed(line)) return LoadResult{false, kFailedToLoadRobot};
  }
  return LoadResult{true, ""};
}

std::string FileText(const Robot& robot) {
  std::ostringstream out;
  auto put = [&out](const std::string& line) { out << FlattenLineBreaks(line) << "\r\n"; };
  put("[General]");
  put("Name=" + robot.m_name);
  put("StartKey=" + robot.m_startKey);
  put("EndKey=" + robot.m_endKey);
  put("Description=" + robot.m_description);
  put(robot.m_enable != 0 ? "Enable=1" : "Enable=0");
  put("RepeatOption=" + std::to_string(robot.m_repeatOption));
  put("RepeatTimes=" + std::to_string(robot.m_repeatTimes));
  put("OriginalSpeed=" + SpeedOptionToFileValue(robot.m_speedOption));
  put(robot.m_useSimilarWin != 0 ? "UseSimilarWin=1" : "UseSimilarWin=0");
  put(robot.m_useRecWin != 0 ? "UseRecWin=1" : "UseRecWin=0");
  put(kScriptSection);
  for (const std::string& line : robot.m_scriptLines) put(line);
  if (!robot.m_recWinEntries.empty()) put(kRecWinSection);
  for (const RecWinEntry& entry : robot.m_recWinEntries) {
    put("WinIndex=" + std::to_string(entry.m_winIndex));
    put("WinTitle=" + entry.m_winTitle);
    put("WinPath=" + entry.m_winPath);
    const WinRect& r = entry.m_winRect;
    put("WinRect=" + std::to_string(r.m_left) + "," + std::to_string(r.m_top) + "," +
        std::to_string(r.m_right) + "," + std::to_string(r.m_bottom));
  }
  return out.str();
}

}  // namespace

LoadResult Robot::Load(const std::string& path) {
  *this = Robot();
  LineReader reader(path);
  if (!reader.IsOpen()) return LoadResult{false, ""};
  ReadGeneralSection(reader, *this, path);
  ReadRecWinSwitches(reader, *this);
  return ReadScriptAndWindows(reader, *this);
}

bool Robot::Save(const std::string& folder) const {
  return WriteFileAtomically(RobotFilePath(folder, FlattenLineBreaks(m_name)), FileText(*this));
}

std::string RobotFilePath(const std::string& scriptFolder, const std::string& name) {
  return JoinPath(scriptFolder, name + ".txt");
}

std::string SpeedOptionToFileValue(int speedOption) {
  switch (speedOption) {
    case kFasterSpeed: return "0";
    case kThirdSpeed: return "2";
    default: return "1";
  }
}

int SpeedOptionFromFileValue(const std::string& value) {
  if (value == "2") return kThirdSpeed;
  if (value == "0") return kFasterSpeed;
  return kOriginalSpeed;
}
