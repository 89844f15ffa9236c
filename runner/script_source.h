// The store of the script being run: its statements by number, where each came from, the files
// they came from, the include folders, and the running robot's speed option and recorded windows.
// The program keeps one for the whole process (filled by a run, emptied after it); tests make
// their own. Pointers it returns stay valid until the next AddLine or Clear. Single-threaded use.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "robot/rec_win_entry.h"
#include "robot/robot.h"

class ScriptSource {
 public:
  static constexpr int kMaxFiles = 64;

  // Include folders from this machine's settings (the registry on Windows), else "Include\".
  ScriptSource();
  explicit ScriptSource(std::vector<std::string> includeFolders);

  // Appends a statement; a last stored line that is empty or begins with ";" is replaced
  // instead, so such lines never reach the engine unless they end the script.
  void AddLine(const std::string& text, int sourceLine, int fileIndex);
  // Makes the lines added so far reachable by number; call after loading, before running.
  void BuildLineArray();
  // The text of line `number` (1 is the first), or nullptr outside 1..LineCount().
  const std::string* Line(int number) const;
  // The source line number and file index stored with line `number`; 0 and -1 outside the range.
  int SourceLineOf(int number) const;
  int FileIndexOf(int number) const;
  int LineCount() const { return m_arrayCount; }

  // The index of `path` (made absolute) among the files, adding it if no stored path equals it
  // without regard to case; -1 when kMaxFiles files are stored already.
  int AddFile(const std::string& path);
  // The path at `index`, or nullptr when that index holds no file.
  const std::string* File(int index) const;
  int UseCountOf(int index) const;

  // Discards the lines, the line array and the file list. The speed option, the window map and
  // the recorded windows are replaced by the next load; the include folders stay.
  void Clear();

  // Reads a robot file's script section into the store (see robot_script_loader.cpp).
  LoadResult LoadRobotScript(const std::string& path, int fileIndex);

  int SpeedOption() const { return m_speedOption; }
  void SetSpeedOption(int speedOption) { m_speedOption = speedOption; }

  // The recorded-window entry position of line `number`, when the line carries an annotation.
  std::optional<int> WindowOf(int number) const;
  void MapWindow(int number, int entryPosition) { m_windowMap[number] = entryPosition; }
  std::vector<RecWinEntry>& RecWinEntries() { return m_recWinEntries; }
  const std::vector<RecWinEntry>& RecWinEntries() const { return m_recWinEntries; }

  const std::vector<std::string>& IncludeFolders() const { return m_includeFolders; }

 private:
  struct StoredLine {
    std::string m_text;
    int m_sourceLine = 0;
    int m_fileIndex = 0;
  };
  struct StoredFile {
    std::string m_path;
    int m_useCount = 0;
  };

  const StoredLine* LineRecord(int number) const;

  std::vector<StoredLine> m_lines;
  int m_arrayCount = 0;
  std::vector<StoredFile> m_files;
  std::vector<std::string> m_includeFolders;
  int m_speedOption = kOriginalSpeed;
  std::map<int, int> m_windowMap;
  std::vector<RecWinEntry> m_recWinEntries;
};

// The include folders from the two stored settings: the installation folder (its "Include\"
// subfolder comes first; "Include\" alone when absent) and a ";"-separated list of further folders.
std::vector<std::string> BuildIncludeFolders(const std::optional<std::string>& installDir,
                                             const std::optional<std::string>& includeList);

// This machine's include folders: from the registry on Windows, "Include\" elsewhere.
std::vector<std::string> ReadIncludeFolders();
