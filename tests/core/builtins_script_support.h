// Test support for the built-in tests: runs script lines through the real engine on a headless
// host, and reads back a global, the error value and the number of a reported message.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/headless_host.h"
#include "engine/messages.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

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
  // Called with each new engine before it runs: tests install fakes or seed the generator here.
  std::function<void(ScriptEngine&)> m_setUp;

  // Runs the lines as one script and keeps the engine for reading globals.
  void Run(const std::vector<std::string>& lines) {
    m_engine.reset();
    m_host = std::make_unique<HeadlessHost>();
    m_source = std::make_unique<ScriptSource>(std::vector<std::string>{});
    for (size_t i = 0; i < lines.size(); ++i) m_source->AddLine(lines[i], static_cast<int>(i) + 1, -1);
    m_source->BuildLineArray();
    m_engine = std::make_unique<ScriptEngine>(*m_source, *m_host);
    if (m_engine->Prepare("test.txt") != 0) return;
    if (m_setUp) m_setUp(*m_engine);
    m_engine->Execute(1, true);
  }

  // Evaluates `expression` as "$r = expression" and reads @ERROR right after it.
  Outcome Eval(const std::string& expression) {
    Run({"$r = " + expression, "$e = @ERROR"});
    Outcome outcome;
    outcome.m_message = ReportedMessage();
    if (outcome.m_message == 0) {
      outcome.m_value = Global("R");
      outcome.m_error = Global("E").AsInt();
    }
    return outcome;
  }

  Variant Global(const std::string& upperName) const {
    VariantPtr found = m_engine->Variables().Find(upperName);
    return found ? *found : Variant();
  }

  // The number of the last reported message, 0 when none was reported.
  int ReportedMessage() const {
    if (m_host->Errors().empty()) return 0;
    const std::string& box = m_host->Errors().back();
    for (int number = 2; number <= kMessageCount; ++number) {
      std::string text = std::string("Error: ") + MessageText(number);
      if (box.size() >= text.size() && box.compare(box.size() - text.size(), text.size(), text) == 0) return number;
    }
    return -1;
  }

 private:
  std::unique_ptr<HeadlessHost> m_host;
  std::unique_ptr<ScriptSource> m_source;
  std::unique_ptr<ScriptEngine> m_engine;
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
