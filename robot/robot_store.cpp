// The main window's ordered list of robots.
#include "robot/robot_store.h"

#include "robot/file_system.h"

std::vector<std::string> RobotStore::LoadAll(const std::string& scriptFolder) {
  m_robots.clear();
  std::vector<std::string> messages;
  for (const std::string& fileName : ListTextFiles(scriptFolder)) {
    Robot robot;
    const LoadResult result = robot.Load(JoinPath(scriptFolder, fileName));
    if (!result.m_message.empty()) messages.push_back(result.m_message);
    m_robots.push_back(robot);
  }
  return messages;
}

void RobotStore::Append(const Robot& robot) { m_robots.push_back(robot); }

void RobotStore::Replace(std::size_t index, const Robot& robot) {
  if (index < m_robots.size()) m_robots[index] = robot;
}

void RobotStore::RemoveAt(std::size_t index) {
  if (index < m_robots.size()) m_robots.erase(m_robots.begin() + static_cast<std::ptrdiff_t>(index));
}

Robot RobotStore::At(std::size_t index) const {
  return index < m_robots.size() ? m_robots[index] : Robot();
}

void DeleteRobotFile(const std::string& scriptFolder, const std::string& name) {
  RemoveFile(RobotFilePath(scriptFolder, name));
}
