// One robot: its properties, script statements and recorded windows, with the robot file's
// reader and writer. A Robot is a value (copies are deep); single-threaded use.
#pragma once

#include <string>
#include <vector>

#include "robot/rec_win_entry.h"

// The outcome of reading a robot file. `m_message` is the text to show the user, empty when the
// failure is a silent one (a file that cannot be opened). Tests as a bool: true when all was read.
struct LoadResult {
  bool m_ok = false;
  std::string m_message;

  explicit operator bool() const { return m_ok; }
};

enum SpeedOption : int {
  kOriginalSpeed = 0,  // "Run with original speed"
  kFasterSpeed = 1,    // "Run with a faster speed"
  kThirdSpeed = 2,     // a value stored files may carry; kept as it is
};

class Robot {
 public:
  virtual ~Robot() = default;

  // Fills the robot from the file at `path`, clearing earlier script lines and entries first.
  // The file's base name wins over its Name line. Fails with "Failed to load robot" on a WinRect
  // line without its three commas (the entries read before it stay), silently when unreadable.
  LoadResult Load(const std::string& path);

  // Writes folder + separator + Name + ".txt" through a temporary file in the same folder, so the
  // old file stays whole unless the new one is complete. Line breaks in values become blanks.
  // Returns false (and leaves any old file as it was) when the file cannot be written.
  bool Save(const std::string& folder) const;

  std::string m_name;
  std::string m_startKey;
  std::string m_endKey;
  std::string m_description;
  int m_enable = 0;
  int m_repeatOption = 0;  // 0: run m_repeatTimes times; 1: until the end hotkey
  int m_repeatTimes = 0;
  int m_speedOption = kOriginalSpeed;
  int m_useSimilarWin = 0;
  int m_useRecWin = 0;
  std::vector<std::string> m_scriptLines;
  std::vector<RecWinEntry> m_recWinEntries;
};

// The robot file for a name: folder + separator + name + ".txt".
std::string RobotFilePath(const std::string& scriptFolder, const std::string& name);

// The speed option's stored value and back: 0 is written "1", 1 is written "0", 2 stays "2";
// anything unexpected reads as the original speed.
std::string SpeedOptionToFileValue(int speedOption);
int SpeedOptionFromFileValue(const std::string& value);
