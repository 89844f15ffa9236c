// The store of the script being run.
#include "runner/script_source.h"

#include <utility>

#include "robot/file_system.h"
#include "robot/text_util.h"

namespace {

const char kDefaultIncludeFolder[] = "Include\\";

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

ScriptSource::ScriptSource() : ScriptSource(ReadIncludeFolders()) {}

ScriptSource::ScriptSource(std::vector<std::string> includeFolders)
    : m_includeFolders(std::move(includeFolders)) {}

void ScriptSource::AddLine(const std::string& text, int sourceLine, int fileIndex) {
  if (!m_lines.empty() && (m_lines.back().m_text.empty() || m_lines.back().m_text[0] == ';')) {
    // The replaced line's window annotation must not pass to the line that takes its place.
    m_windowMap.erase(static_cast<int>(m_lines.size()));
    m_lines.back() = StoredLine{text, sourceLine, fileIndex};
    return;
  }
  m_lines.push_back(StoredLine{text, sourceLine, fileIndex});
}

void ScriptSource::BuildLineArray() { m_arrayCount = static_cast<int>(m_lines.size()); }

const ScriptSource::StoredLine* ScriptSource::LineRecord(int number) const {
  if (number < 1 || number > m_arrayCount) return nullptr;
  return &m_lines[static_cast<std::size_t>(number - 1)];
}

const std::string* ScriptSource::Line(int number) const {
  const StoredLine* line = LineRecord(number);
  return line != nullptr ? &line->m_text : nullptr;
}

int ScriptSource::SourceLineOf(int number) const {
  const StoredLine* line = LineRecord(number);
  return line != nullptr ? line->m_sourceLine : 0;
}

int ScriptSource::FileIndexOf(int number) const {
  const StoredLine* line = LineRecord(number);
  return line != nullptr ? line->m_fileIndex : -1;
}

int ScriptSource::AddFile(const std::string& path) {
  const std::string full = FullPath(path);
  for (std::size_t i = 0; i < m_files.size(); ++i) {
    if (EqualsNoCase(m_files[i].m_path, full)) {
      ++m_files[i].m_useCount;
      return static_cast<int>(i);
    }
  }
  if (static_cast<int>(m_files.size()) >= kMaxFiles) return -1;
  m_files.push_back(StoredFile{full, 1});
  return static_cast<int>(m_files.size()) - 1;
}

const std::string* ScriptSource::File(int index) const {
  if (index < 0 || index >= static_cast<int>(m_files.size())) return nullptr;
  return &m_files[static_cast<std::size_t>(index)].m_path;
}

int ScriptSource::UseCountOf(int index) const {
  if (index < 0 || index >= static_cast<int>(m_files.size())) return 0;
  return m_files[static_cast<std::size_t>(index)].m_useCount;
}

void ScriptSource::Clear() {
  m_lines.clear();
  m_arrayCount = 0;
  m_files.clear();
}

std::optional<int> ScriptSource::WindowOf(int number) const {
  const auto found = m_windowMap.find(number);
  if (found == m_windowMap.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> BuildIncludeFolders(const std::optional<std::string>& installDir,
                                             const std::optional<std::string>& includeList) {
  std::vector<std::string> folders;
  folders.push_back(installDir ? WithBackslash(*installDir) + kDefaultIncludeFolder
                               : std::string(kDefaultIncludeFolder));
  if (!includeList || includeList->empty()) return folders;
  std::size_t start = 0;
  while (start <= includeList->size()) {
    std::size_t end = includeList->find(';', start);
    if (end == std::string::npos) end = includeList->size();
    folders.push_back(WithBackslash(includeList->substr(start, end - start)));
    start = end + 1;
  }
  return folders;
}

#ifndef _WIN32
std::vector<std::string> ReadIncludeFolders() { return BuildIncludeFolders(std::nullopt, std::nullopt); }
#endif
