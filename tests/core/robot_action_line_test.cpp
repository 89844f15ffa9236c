// The action vocabulary: action text to statement and back for every row, with both annotations,
// the forms that do not come back as typed, and text cut short anywhere.
#include <gtest/gtest.h>

#include "robot/action_line.h"

namespace {

struct Row {
  const char* m_action;
  const char* m_statement;
  const char* m_shownAgain;  // nullptr: the action text comes back as it stands
};

const Row kRows[] = {
    {"Mouse Left Click", "MouseClick(\"left\", 1)", nullptr},
    {"Mouse Left Click, 3 times", "MouseClick(\"left\", 3)", nullptr},
    {"Mouse Left Click, 1 times", "MouseClick(\"left\", 1)", "Mouse Left Click"},
    {"Mouse Right Click", "MouseClick(\"right\", 1)", nullptr},
    {"Mouse Right Click, 2 times", "MouseClick(\"right\", 2)", nullptr},
    {"Mouse Double Click", "MouseDoubleClick(\"left\", 1)", nullptr},
    {"Mouse Double Click, 4 times", "MouseDoubleClick(\"left\", 4)", nullptr},
    {"Mouse Scroll Up", "MouseWheel(\"up\")", nullptr},
    {"Mouse Scroll Down", "MouseWheel(\"down\")", nullptr},
    {"Mouse Scroll UP", "MouseWheel(\"up\")", "Mouse Scroll Up"},
    {"Mouse Left Down", "MouseDown(\"left\")", nullptr},
    {"Mouse Left Up", "MouseUp(\"left\")", nullptr},
    {"Mouse Right Down", "MouseDown(\"right\")", nullptr},
    {"Mouse Right Up", "MouseUp(\"right\")", nullptr},
    {"Mouse move to 100, 200", "MouseMove(100, 200)", nullptr},
    {"Relative mouse move -5, 12", "MouseRelativeMove(-5, 12)", nullptr},
    {"Key Press A", "KeySend(\"\",\"\",\"\",\"A\", 1)", nullptr},
    {"Key Press <F5>, 2 times", "KeySend(\"\",\"\",\"\",\"<F5>\", 2)", nullptr},
    {"Key Up <Shift>", "KeyUp(\"\",\"\",\"\",\"<Shift>\", 1)", nullptr},
    {"Key Up <L Win>, 2 times", "KeyUp(\"\",\"\",\"\",\"<L Win>\", 2)", nullptr},
    {"Key Down <Ctrl>", "KeyDown(\"\",\"\",\"\",\"<Ctrl>\", 1)", nullptr},
    {"Key Down B, 5 times", "KeyDown(\"\",\"\",\"\",\"B\", 5)", nullptr},
    {"Key Press ,", "KeySend(\"\",\"\",\"\",\",\",1)", nullptr},
    {"Key Press ,, 3 times", "KeySend(\"\",\"\",\"\",\",\", 3)", nullptr},
    {"Key Up ,", "KeyUp(\"\",\"\",\"\",\",\",1)", nullptr},
    {"Key Down ,, 2 times", "KeyDown(\"\",\"\",\"\",\",\", 2)", nullptr},
    {"Wait 250 milliseconds", "WAIT(250)", nullptr},
    {"Wait 250", "WAIT(250)", "Wait 250 milliseconds"},
    {"Wait 2 seconds", "WAIT(2000)", "Wait 2000 milliseconds"},
    {"Wait 60 seconds", "WAIT(60000)", "Wait 60000 milliseconds"},
    {"Wait 61 seconds", "WAITLONG(61000)", "Wait 61000 milliseconds"},
    {"Wait 1 minutes", "WAIT(60000)", "Wait 60000 milliseconds"},
    {"Input text Hello, world!", "Send(\"Hello, world!\")", nullptr},
    {"Input text say \"hi\"{ENTER}", "Send(\"say hi{ENTER}\")", "Input text say hi{ENTER}"},
    {"If color at (100, 200) Unqual to #00FF7f, Then", "If CheckColor(100,200,0,255,127,1) Then",
     "If color at (100, 200) Unqual to #00FF7F, Then"},
    {"If color at (5, 6) Equal to #123456, Then", "If CheckColor(5,6,18,52,86,0) Then", nullptr},
    {"If color at (5, 6) Approximately equal to #A0B0C0, Then", "If CheckColor(5,6,160,176,192,2) Then", nullptr},
    {"If color at mouse point Equal to #FFFFFF, Then", "If CheckColor(-1,-1,255,255,255,0) Then", nullptr},
    {"If color at mouse point Unqual to #000000, Then", "If CheckColor(-1,-1,0,0,0,1) Then", nullptr},
    {"Else", "Else", nullptr},
    {"EndIf", "EndIf", nullptr},
    {"TAG start", "TAG $start", nullptr},
    {"Switch to TAG start", "GOTO $start", nullptr},
    {"Start loop3, loop 10 times", "For $count3 = 1 To 10", nullptr},
    {"End loop block", "Next", nullptr},
    {"Comment: open the file", "Comment: open the file", nullptr},
};

TEST(ActionLineTest, EveryRowTranslatesBothWaysWithAndWithoutAnnotations) {
  const struct {
    const char* m_action;
    const char* m_statement;
  } annotations[] = {
      {"", ""},
      {" At Win [3]", "-> At Win [3]"},
      {"=> [remove on faster speed]", "=> [remove on faster speed]"},
      {" At Win [12] extra=> [remove on faster speed]", "-> At Win [12] extra=> [remove on faster speed]"},
  };
  for (const Row& row : kRows) {
    for (const auto& annotation : annotations) {
      const std::string action = std::string(row.m_action) + annotation.m_action;
      const std::string statement = std::string(row.m_statement) + annotation.m_statement;
      const std::string shown = std::string(row.m_shownAgain ? row.m_shownAgain : row.m_action) + annotation.m_action;
      EXPECT_EQ(ActionTextToScript(action), statement) << action;
      EXPECT_EQ(ScriptToActionText(statement), shown) << statement;
      EXPECT_EQ(ActionTextToScript(shown), statement) << shown;
    }
  }
}

TEST(ActionLineTest, WaitsAreClampedToAPositive32BitCount) {
  const struct {
    const char* m_action;
    const char* m_statement;
  } cases[] = {
      {"Wait 60001", "WAITLONG(60001)"},
      {"Wait 35791 minutes", "WAITLONG(2147460000)"},
      {"Wait 35792 minutes", "WAITLONG(2147483647)"},
      {"Wait 99999999999999999999 minutes", "WAITLONG(2147483647)"},
      {"Wait 3000000 seconds", "WAITLONG(2147483647)"},
      {"Wait -5 seconds", "WAIT(0)"},
      {"Wait  7x seconds", "WAIT(7000)"},
      {"Wait seconds", "WAIT(0)"},
      {"Wait", "WAIT(0)"},
  };
  for (const auto& c : cases) EXPECT_EQ(ActionTextToScript(c.m_action), c.m_statement) << c.m_action;
}

TEST(ActionLineTest, TextOutsideTheVocabularyKeepsOnlyItsAnnotations) {
  const struct {
    const char* m_input;
    const char* m_output;
  } toScript[] = {
      {"", ""},
      {"Click the mouse", ""},
      {"mouse left click", ""},
      {"Jump At Win [2]", "-> At Win [2]"},
      {"Jump=> [remove on faster speed]", "=> [remove on faster speed]"},
      {"Mouse Left Up At Win [2", "MouseUp(\"left\")"},  // no "]": the text is no annotation
  };
  for (const auto& c : toScript) EXPECT_EQ(ActionTextToScript(c.m_input), c.m_output) << c.m_input;
  const struct {
    const char* m_input;
    const char* m_output;
  } toAction[] = {
      {"mouseclick(\"left\", 1)", ""},
      {"x = 1", ""},
      {"MOUSEMOVE(1, 2)", ""},
      {"Beep()-> At Win [0]", " At Win [0]"},
      {"MouseClick(\"middle\", 1)", "Mouse Middle Click"},
  };
  for (const auto& c : toAction) EXPECT_EQ(ScriptToActionText(c.m_input), c.m_output) << c.m_input;
  EXPECT_EQ(ActionTextToScript("Mouse Middle Click"), "");
}

// Text cut short or mangled anywhere inside a matched row: some result, never a read past the end
// (the sanitizers watch every case).
TEST(ActionLineTest, MalformedTextInsideARowGivesADefinedResult) {
  const struct {
    const char* m_input;
    const char* m_output;
  } toScript[] = {
      {"Key Press ", "KeySend(\"\",\"\",\"\",\"\", 1)"},
      {"Key Press", ""},
      {"Key Down ,,", "KeyDown(\"\",\"\",\"\",\",\",)"},
      {"Key Up A,", "KeyUp(\"\",\"\",\"\",\"A\", )"},
      {"Start loop", "For $count = 1 To "},
      {"Start loop7", "For $count7 = 1 To "},
      {"Mouse move to", "MouseMove(, )"},
      {"Mouse move to 5", "MouseMove(5, )"},
      {"Mouse Left Click, times", "MouseClick(\"left\", )"},
      {"Mouse Left Clicktimes", "MouseClick(\"left\", )"},
      {"If color at (1, 2) Equal to #FF, Then", "If CheckColor(1,2,255,0,0,0) Then"},
      {"If color at (1, 2) Equal to #GZ12zz, Then", "If CheckColor(1,2,0,18,0,0) Then"},
      {"If color at (1, 2", "If CheckColor(1,2,0,0,0,2) Then"},
      {"If color at (", "If CheckColor(,,0,0,0,2) Then"},
      {"If color at ", "If CheckColor(-1,-1,0,0,0,2) Then"},
      {"TAG", "TAG $"},
      {"Switch to TAG", "GOTO $"},
      {"Input text", "Send(\"\")"},
  };
  for (const auto& c : toScript) EXPECT_EQ(ActionTextToScript(c.m_input), c.m_output) << c.m_input;
  const char* toAction[] = {"MouseClick(",   "MouseClick(\"",   "MouseDoubleClick(", "MouseWheel(",
                            "MouseDown(",    "MouseMove(",      "MouseRelativeMove(", "KeySend(",
                            "KeySend(\"\"",  "KeyUp(\"\",",     "KeyDown(\"\",\"\",\"\",\"", "WAIT(",
                            "WAITLONG(",     "Send(",           "Send(\"",           "TAG $",
                            "GOTO $",        "For $count",      "For $count1 =",     "If CheckColor(",
                            "If CheckColor(1,2,3", "If CheckColor(1,2,300,-4,x,9) Then"};
  for (const char* statement : toAction) {
    SCOPED_TRACE(statement);
    ScriptToActionText(statement);
    ScriptToActionText(std::string(statement) + "-> At Win [1]=> [remove on faster speed]");
  }
  // Every row and annotation cut after every character: whatever comes out, nothing reads past the
  // text's end (the sanitizers watch) and nothing throws.
  for (const Row& row : kRows) {
    for (const std::string& full : {std::string(row.m_action) + " At Win [1]=> [remove on faster speed]",
                                   std::string(row.m_statement) + "-> At Win [1]=> [remove on faster speed]"}) {
      for (std::size_t length = 0; length <= full.size(); ++length) {
        EXPECT_NO_THROW(ActionTextToScript(full.substr(0, length))) << full.substr(0, length);
        EXPECT_NO_THROW(ScriptToActionText(full.substr(0, length))) << full.substr(0, length);
      }
    }
  }
  EXPECT_EQ(ScriptToActionText("If CheckColor(1,2,300,-4,x,9) Then"),
            "If color at (1, 2) Approximately equal to #FF0000, Then");
}

}  // namespace
