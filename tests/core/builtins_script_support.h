// Test support for the built-in tests: expressions and short scripts run by the engine tests'
// ScriptRun, with the value, the error value and the reported message at hand, and a hook to
// install fakes or seed the generator between preparation and the run.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/core/engine_test_support.h"

// What one expression gave: its value, @ERROR after it, and the message it reported (0: none).
struct Outcome {
  Variant m_value;
  int m_error = 0;
  int m_message = 0;

  std::string Text() const { return m_value.AsString(); }
  // A one-dimensional array's elements as texts.
  std::vector<std::string> Elements() const {
    std::vector<std::string> texts;
    Variant array = m_value;
    for (int i = 0; i < array.DimensionSize(1); ++i) texts.push_back(array.Element({i})->AsString());
    return texts;
  }
};

class ScriptHarness {
 public:
  // Called with the engine after each preparation, before the run.
  std::function<void(ScriptEngine&)> m_setUp;

  // Runs the lines as one script; true when no message was reported.
  bool Run(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    if (!m_run.Load(text)) return false;
    if (m_setUp) m_setUp(m_run.Engine());
    m_run.Execute();
    return !m_run.Engine().ErrorReported();
  }

  // Evaluates `expression` as "$r = expression" and reads @ERROR right after it.
  Outcome Eval(const std::string& expression) {
    Outcome outcome;
    if (Run({"$r = " + expression, "$e = @ERROR"})) {
      outcome.m_value = m_run.Global("R");
      outcome.m_error = m_run.Global("E").AsInt();
    } else {
      outcome.m_message = m_run.LastMessage();
    }
    return outcome;
  }

  Variant Global(const std::string& upperName) { return m_run.Global(upperName); }
  // The number of the message the last run reported, 0 when it reported none.
  int ReportedMessage() { return m_run.Engine().ErrorReported() ? m_run.LastMessage() : 0; }

 private:
  ScriptRun m_run;
};

// One expression, the text of its value and the error value it leaves.
struct Case {
  const char* m_expression;
  const char* m_text;
  int m_error;
};

inline void ExpectCases(const std::vector<Case>& cases) {
  ScriptHarness harness;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_expression);
    Outcome outcome = harness.Eval(c.m_expression);
    EXPECT_EQ(outcome.m_message, 0);
    EXPECT_EQ(outcome.Text(), c.m_text);
    EXPECT_EQ(outcome.m_error, c.m_error);
  }
}
