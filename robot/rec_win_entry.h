// One window recorded with a robot, and the reader of the "[RecWinInfo]" section that both the
// robot loader and the runner use. Plain values; single-threaded use.
#pragma once

#include <string>
#include <vector>

// A window handle as the portable core carries it; only the Win32 code looks inside.
using WindowHandle = void*;

struct WinRect {
  int m_left = 0;
  int m_top = 0;
  int m_right = 0;
  int m_bottom = 0;
};

struct RecWinEntry {
  int m_winIndex = 0;            // instance number among the recorded windows of one program
  WindowHandle m_window = nullptr;  // found during a run; never stored
  std::string m_winTitle;
  std::string m_winPath;
  WinRect m_winRect;
};

// Reads "[RecWinInfo]" lines in groups of four (WinIndex, WinTitle, WinPath, WinRect), by
// position: the keys are stripped by length, not checked. Each complete group appends an entry.
class RecWinInfoReader {
 public:
  explicit RecWinInfoReader(std::vector<RecWinEntry>& entries) : m_entries(entries) {}

  // Takes the next line; false when a WinRect line lacks one of its three commas.
  bool Feed(const std::string& line);

 private:
  std::vector<RecWinEntry>& m_entries;
  RecWinEntry m_pending;
  int m_counter = 0;
};

// "left,top,right,bottom" into `rect`; false when a comma is missing.
bool ParseWinRect(const std::string& text, WinRect& rect);
