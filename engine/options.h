// EngineOptions: the script options set by TARVELSETOPTION/OPT. They belong to the engine and keep
// their values from one run to the next. Flags hold 0 or 1.
#pragma once

#include <string>

struct EngineOptions {
  int m_caretCoordMode = 1;
  int m_colorMode = 0;
  int m_expandEnvStrings = 0;
  int m_mouseClickDelay = 10;
  int m_mouseClickDownDelay = 10;
  int m_mouseClickDragDelay = 250;
  int m_mouseCoordMode = 1;
  int m_mustDeclareVars = 0;
  int m_pixelCoordMode = 1;
  int m_runErrorsFatal = 1;
  int m_sendAttachMode = 0;
  int m_sendCapslockMode = 1;
  int m_sendKeyDelay = 5;
  int m_sendKeyDownDelay = 1;
  int m_trayIconDebug = 0;
  int m_winDetectHiddenText = 0;
  int m_winSearchChildren = 0;
  int m_winTextMatchMode = 1;
  int m_winTitleMatchMode = 1;
  int m_winWaitDelay = 250;
};

// Sets option `name` (any letter case) to `value`. Returns false for a name not in the table;
// otherwise `previous` receives the option's previous value (1 for the accepted no-op names).
bool SetEngineOption(EngineOptions& options, const std::string& name, int value, int& previous);
