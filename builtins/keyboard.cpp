// Key built-ins: SEND, CONTROLSEND, KEYSEND, KEYDOWN, KEYUP, and the hotkey-string parser.
#include "builtins/keyboard.h"

#include <cstdlib>
#include <memory>

#include "engine/script_engine.h"
#include "robot/key_names.h"

namespace {

// The engine's one SendKeys, kept in its service registry.
struct KeySender {
  std::unique_ptr<SendKeys> m_keys;
  static std::unique_ptr<KeySender> CreateDefault() { return std::make_unique<KeySender>(); }
};

WindowRef FindTarget(ScriptEngine& engine, const ArgList& args) {
  return engine.Services().Get<KeyboardPort>().FindTarget(ArgText(args, 0), ArgText(args, 1), ArgText(args, 2),
                                                          engine.Options().m_winTitleMatchMode);
}

// KEYSEND, KEYDOWN and KEYUP: the key is a key name of the robot vocabulary, sent system-wide
// once the window (or control) is found; no modifiers, CapsLock handling or attaching.
template <class Action>
int KeyAction(ScriptEngine& engine, const ArgList& args, Variant& result, Action action) {
  if (FindTarget(engine, args) == 0) {
    result.SetInt(0);
    return 0;
  }
  action(builtins::EngineSendKeys(engine), KeyNameToCode(ArgText(args, 3)));
  return 0;
}

}  // namespace

namespace builtins {

SendKeys& EngineSendKeys(ScriptEngine& engine) {
  KeySender& sender = engine.Services().Get<KeySender>();
  if (!sender.m_keys) {
    sender.m_keys = std::make_unique<SendKeys>(engine.Services().Get<KeyboardPort>(), engine.Services().Get<InputClock>());
    SendKeys* keys = sender.m_keys.get();
    engine.SetRunEndHandler("keyboard", [keys] { keys->ReleaseAll(); });
  }
  const EngineOptions& options = engine.Options();
  SendKeys::Settings settings;
  settings.m_keyDelay = options.m_sendKeyDelay;
  settings.m_keyDownDelay = options.m_sendKeyDownDelay;
  settings.m_storeCapsLock = options.m_sendCapslockMode != 0;
  settings.m_attachMode = options.m_sendAttachMode != 0;
  sender.m_keys->Configure(settings);
  return *sender.m_keys;
}

int Send(ScriptEngine& engine, const ArgList& args, Variant&) {
  SendKeys& keys = EngineSendKeys(engine);
  if (ArgInt(args, 1) != 0) {
    keys.SendRaw(ArgText(args, 0), 0);
  } else {
    keys.Send(ArgText(args, 0), 0);
  }
  return 0;
}

int ControlSend(ScriptEngine& engine, const ArgList& args, Variant& result) {
  WindowRef target = FindTarget(engine, args);
  if (target == 0) {
    result.SetInt(0);
    return 0;
  }
  SendKeys& keys = EngineSendKeys(engine);
  if (ArgInt(args, 4) != 0) {
    keys.SendRaw(ArgText(args, 3), target);
  } else {
    keys.Send(ArgText(args, 3), target);
  }
  return 0;
}

int KeySend(ScriptEngine& engine, const ArgList& args, Variant& result) {
  std::string countText = ArgText(args, 4);
  long count = countText.empty() ? 1 : std::strtol(countText.c_str(), nullptr, 10);
  return KeyAction(engine, args, result, [count](SendKeys& keys, int virtualKey) {
    for (long i = 0; i < count; ++i) keys.PressKey(virtualKey, false);
  });
}

int KeyDown(ScriptEngine& engine, const ArgList& args, Variant& result) {
  return KeyAction(engine, args, result, [](SendKeys& keys, int virtualKey) { keys.KeyDown(virtualKey, false); });
}

int KeyUp(ScriptEngine& engine, const ArgList& args, Variant& result) {
  return KeyAction(engine, args, result, [](SendKeys& keys, int virtualKey) { keys.KeyUp(virtualKey, false); });
}

bool ParseHotkey(const std::string& text, ParsedHotkey& hotkey) {
  static const std::unique_ptr<KeyboardPort> layout = KeyboardPort::CreateDefault();
  return SendKeys::ParseHotkey(text, *layout, hotkey);
}

}  // namespace builtins
