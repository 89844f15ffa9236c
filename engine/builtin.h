// The built-in function contract: what a handler receives, how it answers, and how it reaches
// the operating system.
//
// A handler is `int Handler(ScriptEngine& engine, const ArgList& args, Variant& result)`.
// - `args` holds the evaluated arguments; reading past the end yields the number 0. The table
//   (builtins/table.cpp) has already checked the count against the entry's minimum and maximum.
// - Before the call the result is the integer 1 and the error code (@ERROR) is 0. Set the result
//   with result.SetInt/SetDouble/SetString (or build an array with CreateArray/Element), and the
//   script's error value with engine.SetErrorCode(n).
// - Return 0 to let the script go on. Return 1 only after reporting an engine message with
//   engine.ReportError(number, kNoColumn) or engine.ReportErrorWithText(number, text); the run
//   then ends. Never throw: the call sits on the engine's boundary.
// - Read arguments through the helpers below so conversions stay uniform.
//
// Waiting: a built-in that waits calls engine.Pause(ms) or engine.Wait(request) (see
// engine/script_engine.h); both pump messages, run Adlib and hotkey functions, and return early
// when the run is stopped. Options are read with engine.Options().
//
// Operating-system services: a family that touches the OS declares a small interface of its own
// in builtins/<family>_services.h, for example
//     struct MouseScreen { virtual ~MouseScreen() = default;
//                          virtual void MoveTo(int x, int y) = 0; ...
//                          static std::unique_ptr<MouseScreen> CreateDefault(); };
// and its handlers reach it with `engine.Services().Get<MouseScreen>()`. CreateDefault is defined
// in builtins/<family>_win32.cpp for the Windows builds and, inside `#ifndef _WIN32`, in a
// portable builtins/<family>_headless.cpp for native runs. Tests inject a fake with
// `engine.Services().Set<MouseScreen>(std::make_unique<FakeMouse>())` before running a script.
// The engine owns the services; they live as long as the engine and run on its thread.
#pragma once

#include <string>
#include <vector>

#include "engine/variant.h"

class ScriptEngine;

// The evaluated arguments of one call.
class ArgList {
 public:
  ArgList() = default;
  explicit ArgList(std::vector<Variant> values) : m_values(std::move(values)) {}
  const Variant& operator[](size_t i) const { return i < m_values.size() ? m_values[i] : Zero(); }
  size_t Size() const { return m_values.size(); }
  bool Has(size_t i) const { return i < m_values.size(); }
  std::vector<Variant>& Values() { return m_values; }

 private:
  static const Variant& Zero();
  std::vector<Variant> m_values;
};

using BuiltinHandler = int (*)(ScriptEngine& engine, const ArgList& args, Variant& result);

struct BuiltinEntry {
  const char* m_name;  // upper case
  BuiltinHandler m_handler;
  int m_minArgs;
  int m_maxArgs;  // 255: any practical number
};

// Shared argument readers: the argument's int/number/text form, or the fallback when the
// argument was not given.
int ArgInt(const ArgList& args, size_t i, int fallback = 0);
double ArgDouble(const ArgList& args, size_t i, double fallback = 0);
std::string ArgText(const ArgList& args, size_t i, const std::string& fallback = std::string());

// The answer of a family that is not built yet: reports that the function is not available
// (ending the run) rather than pretending to succeed.
int ReportNotAvailable(ScriptEngine& engine, const char* name);
