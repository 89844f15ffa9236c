// Export and import of robot files: the file walk, the overwrite questions and the robot check.
#include "robot/robot_transfer.h"

#include <fstream>

#include "robot/file_system.h"

namespace {

constexpr char kRobotExtension[] = ".txt";
constexpr char kExportExtension[] = ".robo";
constexpr char kFirstRobotLine[] = "[General]";

// Folders may come with a trailing separator (a drive root, or typed by the user).
std::string WithoutTrailingSeparators(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

std::string NameWithoutExtension(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

// A robot file opens with its "[General]" section; anything else would become a robot that
// loads empty and is saved over with nothing in it.
bool HoldsRobot(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string line;
  if (!std::getline(file, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line == kFirstRobotLine;
}

struct CopyJob {
  std::string m_sourceFolder;
  std::string m_targetFolder;
  std::string m_sourceExtension;
  std::string m_targetExtension;
  std::string (*m_question)(const std::string&);
  bool m_checkRobot;
};

TransferResult CopyAll(const CopyJob& job, const OverwriteQuestion& ask) {
  TransferResult result;
  const std::string from = WithoutTrailingSeparators(job.m_sourceFolder);
  const std::string to = WithoutTrailingSeparators(job.m_targetFolder);
  for (const std::string& fileName : ListFilesWithExtension(from, job.m_sourceExtension)) {
    const std::string source = JoinPath(from, fileName);
    const std::string name = NameWithoutExtension(fileName);
    if (job.m_checkRobot && !HoldsRobot(source)) {
      result.m_notRobots.push_back(fileName);
      continue;
    }
    const std::string target = JoinPath(to, name + job.m_targetExtension);
    if (PathExists(target)) {
      const OverwriteAnswer answer = ask(job.m_question(name));
      if (answer == OverwriteAnswer::kCancel) {
        result.m_cancelled = true;
        break;
      }
      if (answer == OverwriteAnswer::kNo) continue;
    }
    (CopyFileReplacing(source, target) ? result.m_copied : result.m_failed).push_back(name);
  }
  return result;
}

void AppendList(std::string& message, const char* heading, const std::vector<std::string>& names) {
  if (names.empty()) return;
  if (!message.empty()) message += "\n";
  message += heading;
  for (const std::string& name : names) message += "\n    " + name;
  message += "\n";
}

}  // namespace

TransferResult ExportRobots(const std::string& scriptFolder, const std::string& destinationFolder,
                            const OverwriteQuestion& ask) {
  return CopyAll({scriptFolder, destinationFolder, kRobotExtension, kExportExtension, ExportOverwriteQuestion,
                  false},
                 ask);
}

TransferResult ImportRobots(const std::string& sourceFolder, const std::string& scriptFolder,
                            const OverwriteQuestion& ask) {
  return CopyAll({sourceFolder, scriptFolder, kExportExtension, kRobotExtension, ImportOverwriteQuestion, true},
                 ask);
}

bool ImportNeedsReload(const TransferResult& result) { return !result.m_cancelled && !result.m_copied.empty(); }

std::string ExportOverwriteQuestion(const std::string& name) {
  return "Morvanta robot \"" + name +
         "\" already exists in output folder. Do you wish to overwrite existing robot in output folder?";
}

std::string ImportOverwriteQuestion(const std::string& name) {
  return "Morvanta robot \"" + name + "\" already exists. Do you wish to overwrite existing robot?";
}

std::string TransferProblemsMessage(const TransferResult& result) {
  std::string message;
  AppendList(message, "These robots could not be copied:", result.m_failed);
  AppendList(message, "These files do not hold a robot and were not imported:", result.m_notRobots);
  return message;
}
