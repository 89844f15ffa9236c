// Built-ins of the engine itself.
#include "builtins/engine_builtins.h"

#include <cctype>

#include "builtins/keyboard.h"
#include "engine/script_engine.h"

namespace builtins {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

int Call(ScriptEngine& engine, const ArgList& args, Variant& result) {
  return engine.CallByName(ArgText(args, 0), result);
}

int Eval(ScriptEngine& engine, const ArgList& args, Variant& result) {
  std::string name = Upper(ArgText(args, 0));
  VariantPtr variable = engine.Variables().IsDeclared(name) != 0 ? engine.Variables().Find(name) : nullptr;
  if (!variable) {
    result.SetString("");
    engine.SetErrorCode(1);
    return 0;
  }
  result = *variable;
  return 0;
}

int IsDeclared(ScriptEngine& engine, const ArgList& args, Variant& result) {
  result.SetInt(engine.Variables().IsDeclared(Upper(ArgText(args, 0))));
  return 0;
}

int UBound(ScriptEngine& engine, const ArgList& args, Variant& result) {
  const Variant& array = args[0];
  if (!array.IsArray()) {
    engine.SetErrorCode(1);
    return 0;
  }
  int dimension = ArgInt(args, 1, 1);
  if (dimension < 1 || dimension > array.DimensionSize(0)) {
    result.SetInt(0);
    engine.SetErrorCode(1);
    return 0;
  }
  result.SetInt(array.DimensionSize(dimension));
  return 0;
}

int SetError(ScriptEngine& engine, const ArgList& args, Variant&) {
  engine.SetErrorCode(ArgInt(args, 0));
  return 0;
}

int TarvelSetOption(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int previous = 0;
  if (!engine.SetOption(ArgText(args, 0), ArgInt(args, 1), previous)) {
    return engine.ReportError(38, ScriptEngine::kNoColumn);
  }
  result.SetInt(previous);
  return 0;
}

int AdlibEnable(ScriptEngine& engine, const ArgList& args, Variant&) {
  return engine.EnableAdlib(ArgText(args, 0), ArgInt(args, 1, 0));
}

int AdlibDisable(ScriptEngine& engine, const ArgList&, Variant&) {
  engine.DisableAdlib();
  return 0;
}

int HotkeySet(ScriptEngine& engine, const ArgList& args, Variant& result) {
  std::string function;
  if (args.Has(1)) {
    function = Upper(ArgText(args, 1));
    if (!engine.IsUserFunction(function)) return engine.ReportError(33, ScriptEngine::kNoColumn);
  }
  ParsedHotkey hotkey;
  if (!ParseHotkey(ArgText(args, 0), hotkey)) {
    result.SetInt(0);
    return 0;
  }
  int modifiers = (hotkey.m_alt ? 1 : 0) | (hotkey.m_ctrl ? 2 : 0) | (hotkey.m_shift ? 4 : 0) | (hotkey.m_win ? 8 : 0);
  int keyCode = modifiers | (hotkey.m_virtualKey & 0xFF) << 16;
  return engine.SetHotkey(keyCode, args.Has(1) ? &function : nullptr, result);
}

// The flag is kept for compatibility; nothing reads it.
int Break(ScriptEngine&, const ArgList&, Variant&) { return 0; }

// The engine has no window: setting its title changes nothing and its title is empty.
int TarvelWinGetTitle(ScriptEngine&, const ArgList&, Variant& result) {
  result.SetString("");
  return 0;
}

int TarvelWinSetTitle(ScriptEngine&, const ArgList&, Variant&) { return 0; }

}  // namespace builtins
