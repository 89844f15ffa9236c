// The main window's ordered list of robots, parallel to the rows of its robot list (row i shows
// robot i). Owned by the main window; holds copies, so callers never keep pointers into it.
// Single-threaded use.
#pragma once

#include <string>
#include <vector>

#include "robot/robot.h"

class RobotStore {
 public:
  // Empties the store and loads every "*.txt" file of the script folder, in the order the file
  // system lists them. Files that fail to load completely are kept with what was read; the
  // messages of such failures are returned for the caller to show.
  std::vector<std::string> LoadAll(const std::string& scriptFolder);

  void Append(const Robot& robot);
  // Replace and RemoveAt ignore an index outside the store.
  void Replace(std::size_t index, const Robot& robot);
  void RemoveAt(std::size_t index);
  // A copy of robot `index`; an empty robot for an index outside the store.
  Robot At(std::size_t index) const;

  std::size_t Count() const { return m_robots.size(); }

 private:
  std::vector<Robot> m_robots;
};

// Removes a robot's file from the script folder; a file that cannot be removed is not an error.
void DeleteRobotFile(const std::string& scriptFolder, const std::string& name);
