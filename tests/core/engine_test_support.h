// Test support for the engine tests: a script run on the headless host with a fake clock, on a
// large stack, with the script's globals and reported messages at hand.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/headless_host.h"
#include "engine/large_stack.h"
#include "engine/messages.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

class ScriptRun {
 public:
  ScriptRun() : m_source(std::vector<std::string>{}), m_engine(m_source, m_host) {}

  // Loads `text` (lines separated by "\n") and prepares it; true when it is ready to run.
  bool Load(const std::string& text) {
    m_source.Clear();
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) m_source.AddLine(line, number, 0);
    m_source.BuildLineArray();
    int status = 1;
    RunOnLargeStack([&] { status = m_engine.Prepare("test.script"); });
    return status == 0;
  }
  // Executes the prepared script once as the runner would.
  void Execute() {
    RunOnLargeStack([&] { m_engine.Execute(1, true); });
  }
  // Loads, prepares and executes; true when no message was reported.
  bool Run(const std::string& text) {
    if (Load(text)) Execute();
    return !m_engine.ErrorReported();
  }

  // The global variable's value; fails the test when it does not exist.
  Variant Global(const std::string& upperName) {
    VariantPtr value = m_engine.Variables().Find(upperName, VariableTable::Mode::kGlobal);
    EXPECT_TRUE(value) << "no global $" << upperName;
    return value ? *value : Variant();
  }
  std::string Text(const std::string& upperName) { return Global(upperName).AsString(); }

  // The last reported message box text, or "".
  std::string LastError() const { return m_host.Errors().empty() ? "" : m_host.Errors().back(); }
  // The number of the last reported message, or 0.
  int LastMessage() const {
    std::string error = LastError();
    size_t at = error.rfind("\nError: ");
    if (at == std::string::npos) return 0;
    std::string text = error.substr(at + 8);
    for (int n = 1; n <= kMessageCount; ++n) {
      if (text == MessageText(n)) return n;
    }
    return -1;
  }

  HeadlessHost& Host() { return m_host; }
  ScriptEngine& Engine() { return m_engine; }
  ScriptSource& Source() { return m_source; }

 private:
  HeadlessHost m_host;
  ScriptSource m_source;
  ScriptEngine m_engine;
};
