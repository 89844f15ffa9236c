// ScriptEngine: construction, preparation, error reporting and the engine's own services.
#include "engine/script_engine.h"

#include <cctype>
#include <cstdio>

#include "engine/messages.h"
#include "runner/script_source.h"

const Variant& ArgList::Zero() {
  static const Variant kZero;
  return kZero;
}

int ArgInt(const ArgList& args, size_t i, int fallback) { return args.Has(i) ? args[i].AsInt() : fallback; }

double ArgDouble(const ArgList& args, size_t i, double fallback) {
  return args.Has(i) ? args[i].AsDouble() : fallback;
}

std::string ArgText(const ArgList& args, size_t i, const std::string& fallback) {
  return args.Has(i) ? args[i].AsString() : fallback;
}

int ReportNotAvailable(ScriptEngine& engine, const char* name) {
  return engine.ReportFreeText(std::string("\"") + name + "\" is not available in this version.",
                               ScriptEngine::kNoColumn);
}

ScriptEngine::ScriptEngine(ScriptSource& source, EngineHost& host)
    : m_source(source), m_host(host), m_hotkeys(kMaxHotkeys) {}

ScriptEngine::~ScriptEngine() {
  for (size_t id = 0; id < m_hotkeys.size(); ++id) {
    if (m_hotkeys[id].m_used) m_host.UnregisterHotkey(static_cast<int>(id));
  }
}

int ScriptEngine::Prepare(const std::string& scriptPath) {
  m_errorReported = false;
  m_functions.clear();
  m_tags.clear();
  m_tagsRegistered = false;
  InvalidateCaches();
  if (ScanFunctions() != 0 || CheckUndeclaredFunctions() != 0) return 1;
  m_scriptFullPath = m_host.FullPath(scriptPath);
  size_t slash = m_scriptFullPath.find_last_of("\\/");
  m_scriptName = slash == std::string::npos ? m_scriptFullPath : m_scriptFullPath.substr(slash + 1);
  m_scriptDir = slash == std::string::npos ? std::string() : m_scriptFullPath.substr(0, slash);
  m_random.seed(m_host.TimeSeed());
  m_stop = false;
  return 0;
}

namespace {

std::string LineHeader(int sourceLine, const std::string* file) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Line %d", sourceLine);
  std::string header = buffer;
  if (file) header += "  (File \"" + *file + "\")";
  return header + ":\n\n";
}

}  // namespace

int ScriptEngine::ReportFreeText(const std::string& text, int column) {
  m_state = ExecutionState::kEnded;
  m_errorReported = true;
  const std::string& line = LineText(m_currentLine);
  std::string box = LineHeader(m_source.SourceLineOf(m_currentLine),
                               m_source.File(m_source.FileIndexOf(m_currentLine)));
  box += line + "\n";
  if (column >= 0) box += line.substr(0, static_cast<size_t>(column)) + "^ ERROR\n";
  box += "\nError: " + text;
  m_host.ShowError(MessageText(1), box);
  return 1;
}

int ScriptEngine::ReportError(int message, int column) { return ReportFreeText(MessageText(message), column); }

int ScriptEngine::ReportErrorWithText(int message, const std::string& extra) {
  m_state = ExecutionState::kEnded;
  m_errorReported = true;
  std::string box = LineHeader(m_source.SourceLineOf(m_currentLine),
                               m_source.File(m_source.FileIndexOf(m_currentLine)));
  box += LineText(m_currentLine) + "\n\nError: " + MessageText(message) + "\n\n" + extra;
  m_host.ShowError(MessageText(1), box);
  return 1;
}

bool ScriptEngine::IsUserFunction(const std::string& upperName) const {
  return m_functions.count(upperName) != 0;
}

int ScriptEngine::CallByName(const std::string& name, Variant& result) {
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto it = m_functions.find(upper);
  if (it == m_functions.end()) {
    SetErrorCode(1);
    return 0;
  }
  m_returnValue.SetInt(1);
  int status = RunFunctionBody(it->second.m_funcLine + 1, true, false);
  result = m_returnValue;
  return status;
}

int ScriptEngine::EnableAdlib(const std::string& name, int periodMs) {
  m_adlib.m_enabled = false;
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (!IsUserFunction(upper)) return ReportError(33, kNoColumn);
  m_adlib.m_function = upper;
  m_adlib.m_lastStart = m_host.TickMs();
  m_adlib.m_period = periodMs > 0 ? static_cast<uint32_t>(periodMs) : 250;
  m_adlib.m_enabled = true;
  return 0;
}

int ScriptEngine::SetHotkey(int keyCode, const std::string* function, Variant& result) {
  for (size_t id = 0; id < m_hotkeys.size(); ++id) {
    HotkeySlot& slot = m_hotkeys[id];
    if (!slot.m_used || slot.m_keyCode != keyCode) continue;
    if (function) {
      slot.m_function = *function;
    } else {
      m_host.UnregisterHotkey(static_cast<int>(id));
      slot = HotkeySlot();
    }
    result.SetInt(1);
    return 0;
  }
  result.SetInt(0);
  if (!function) return 0;
  for (size_t id = 0; id < m_hotkeys.size(); ++id) {
    HotkeySlot& slot = m_hotkeys[id];
    if (slot.m_used) continue;
    if (m_host.RegisterHotkey(static_cast<int>(id), keyCode & 0xFFFF, keyCode >> 16)) {
      slot = {true, keyCode, *function};
      result.SetInt(1);
    }
    return 0;
  }
  return 0;
}
