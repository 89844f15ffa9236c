// The option table: names, the member each sets, and how a new value is taken.
#include "engine/options.h"

#include <cctype>

namespace {

enum class Rule { kFlag, kAtLeastZero, kAtLeastMinusOne, kTextMatch, kTitleMatch, kIgnored };

struct OptionEntry {
  const char* m_name;
  int EngineOptions::*m_member;
  Rule m_rule;
};

constexpr OptionEntry kOptions[] = {
    {"CaretCoordMode", &EngineOptions::m_caretCoordMode, Rule::kFlag},
    {"ColorMode", &EngineOptions::m_colorMode, Rule::kFlag},
    {"ExpandEnvStrings", &EngineOptions::m_expandEnvStrings, Rule::kFlag},
    {"MouseClickDelay", &EngineOptions::m_mouseClickDelay, Rule::kAtLeastZero},
    {"MouseClickDownDelay", &EngineOptions::m_mouseClickDownDelay, Rule::kAtLeastZero},
    {"MouseClickDragDelay", &EngineOptions::m_mouseClickDragDelay, Rule::kAtLeastZero},
    {"MouseCoordMode", &EngineOptions::m_mouseCoordMode, Rule::kFlag},
    {"MustDeclareVars", &EngineOptions::m_mustDeclareVars, Rule::kFlag},
    {"PixelCoordMode", &EngineOptions::m_pixelCoordMode, Rule::kFlag},
    {"RunErrorsFatal", &EngineOptions::m_runErrorsFatal, Rule::kFlag},
    {"SendAttachMode", &EngineOptions::m_sendAttachMode, Rule::kFlag},
    {"SendCapslockMode", &EngineOptions::m_sendCapslockMode, Rule::kFlag},
    {"SendKeyDelay", &EngineOptions::m_sendKeyDelay, Rule::kAtLeastMinusOne},
    {"SendKeyDownDelay", &EngineOptions::m_sendKeyDownDelay, Rule::kAtLeastMinusOne},
    {"TrayIconDebug", &EngineOptions::m_trayIconDebug, Rule::kFlag},
    {"TrayIconHide", nullptr, Rule::kIgnored},
    {"WinDetectHiddenText", &EngineOptions::m_winDetectHiddenText, Rule::kFlag},
    {"WinSearchChildren", &EngineOptions::m_winSearchChildren, Rule::kFlag},
    {"WinTextMatchMode", &EngineOptions::m_winTextMatchMode, Rule::kTextMatch},
    {"WinTitleMatchMode", &EngineOptions::m_winTitleMatchMode, Rule::kTitleMatch},
    {"WinWaitDelay", &EngineOptions::m_winWaitDelay, Rule::kAtLeastZero},
    {"GUICoordMode", nullptr, Rule::kIgnored},
    {"GUINotifyMode", nullptr, Rule::kIgnored},
    {"GUIResizeMode", nullptr, Rule::kIgnored},
    {"GuiTaskbarEntry", nullptr, Rule::kIgnored},
};

bool SameNoCase(const char* a, const std::string& b) {
  size_t i = 0;
  for (; a[i] && i < b.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return !a[i] && i == b.size();
}

void Apply(int& slot, Rule rule, int value) {
  switch (rule) {
    case Rule::kFlag: slot = value != 0; break;
    case Rule::kAtLeastZero: if (value >= 0) slot = value; break;
    case Rule::kAtLeastMinusOne: if (value >= -1) slot = value; break;
    case Rule::kTextMatch: slot = value >= 1 && value <= 2 ? value : 1; break;
    case Rule::kTitleMatch: slot = value >= 1 && value <= 4 ? value : 1; break;
    case Rule::kIgnored: break;
  }
}

}  // namespace

bool SetEngineOption(EngineOptions& options, const std::string& name, int value, int& previous) {
  for (const auto& entry : kOptions) {
    if (!SameNoCase(entry.m_name, name)) continue;
    if (!entry.m_member) {
      previous = 1;
      return true;
    }
    int& slot = options.*entry.m_member;
    previous = slot;
    Apply(slot, entry.m_rule, value);
    return true;
  }
  return false;
}
