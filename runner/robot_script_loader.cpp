// Reads a robot file's script section into the script store: comment lines are left out but
// counted, so that error line numbers match the editor's step numbers; lines marked for removal
// are dropped at a faster speed; window annotations are split off into the window map.
#include "robot/action_line.h"
#include "robot/line_reader.h"
#include "robot/text_util.h"
#include "runner/script_source.h"

namespace {

const char kScriptSection[] = "[Script]";
const char kRecWinSection[] = "[RecWinInfo]";
const char kCommentPrefix[] = "Comment:";
const char kFailedToLoadWindows[] = "Failed to load record Window info";
constexpr int kSkippedGeneralLines = 8;

// Finds "[Script]" after the general lines; false when the file ends first.
bool SkipToScript(LineReader& reader) {
  std::string line;
  for (int i = 0; i < kSkippedGeneralLines; ++i) reader.Next(line);
  while (reader.Next(line)) {
    if (line == kScriptSection) return true;
  }
  return false;
}

struct Statement {
  std::string m_text;
  std::optional<int> m_entryPosition;
};

// Splits off the last "-> At Win [n]" that has a "]" after it; n is the entry position.
Statement SplitWindowAnnotation(const std::string& line) {
  const std::size_t at = FindWindowAnnotation(line, kStatementWindowMarker);
  if (at == std::string::npos) return Statement{line, std::nullopt};
  const std::size_t digits = at + sizeof(kStatementWindowMarker) - 1;
  return Statement{line.substr(0, at), ParseDecimal(line.substr(digits, line.find(']', digits) - digits))};
}

}  // namespace

LoadResult ScriptSource::LoadRobotScript(const std::string& path, int fileIndex) {
  m_windowMap.clear();
  m_recWinEntries.clear();
  LineReader reader(path);
  if (!reader.IsOpen() || !SkipToScript(reader)) return LoadResult{false, ""};
  std::string line;
  int sourceLine = 0;
  while (reader.Next(line) && line != kRecWinSection) {
    ++sourceLine;
    if (StartsWithNoCase(line, kCommentPrefix)) continue;
    if (EndsWith(line, kRemoveOnFasterSpeed)) {
      if (m_speedOption != kOriginalSpeed) continue;
      line.resize(line.size() - (sizeof(kRemoveOnFasterSpeed) - 1));
    }
    const Statement statement = SplitWindowAnnotation(line);
    AddLine(statement.m_text, sourceLine, fileIndex);
    if (statement.m_entryPosition) MapWindow(static_cast<int>(m_lines.size()), *statement.m_entryPosition);
  }
  RecWinInfoReader windows(m_recWinEntries);
  while (reader.Next(line)) {
    if (!windows.Feed(line)) return LoadResult{false, kFailedToLoadWindows};
  }
  return LoadResult{true, ""};
}
