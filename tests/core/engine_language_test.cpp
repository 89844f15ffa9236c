// The script language end to end: expression values, statements and blocks, variables and
// arrays, user functions, and the messages (number, line, column) of broken scripts.
#include <gtest/gtest.h>

#include "tests/core/engine_test_support.h"

namespace {

struct ValueCase {
  const char* m_expression;
  const char* m_text;
  bool m_isText;
};

class ExpressionValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ExpressionValue, Evaluates) {
  ScriptRun run;
  ASSERT_TRUE(run.Run(std::string("$r = ") + GetParam().m_expression)) << run.LastError();
  Variant r = run.Global("R");
  EXPECT_EQ(r.AsString(), GetParam().m_text);
  EXPECT_EQ(r.IsText(), GetParam().m_isText);
}

INSTANTIATE_TEST_SUITE_P(Table, ExpressionValue, ::testing::Values(
    ValueCase{"1 + 2 * 3", "7", false}, ValueCase{"(1 + 2) * 3", "9", false},
    ValueCase{"2 ^ 3 ^ 2", "64", false}, ValueCase{"-2 ^ 2", "4", false},
    ValueCase{"10 - 2 - 3", "5", false}, ValueCase{"\"a\" & 1 + 2", "a3", true},
    ValueCase{"1 & 2 = 12", "1", false}, ValueCase{"NOT 1 = 0", "1", false},
    ValueCase{"NOT 0.5", "1", false}, ValueCase{"NOT 1 + 1", "1", false},
    ValueCase{"1 OR 0 AND 0", "0", false}, ValueCase{"0 AND 1 OR 1", "1", false},
    ValueCase{"1 / 3", "0.333333333333333", false}, ValueCase{"0.1 + 0.2", "0.3", false},
    ValueCase{"100000 * 1", "100000", false}, ValueCase{"2 ^ -1", "0.5", false},
    ValueCase{"0 ^ 0", "1", false}, ValueCase{"0 ^ -2", "1", false},
    ValueCase{"\"abc\" = \"ABC\"", "1", false}, ValueCase{"\"abc\" == \"ABC\"", "0", false},
    ValueCase{"\"abc\" = 0", "1", false}, ValueCase{"\"10\" = 10.0", "1", false},
    ValueCase{"\"10\" == 10", "1", false}, ValueCase{"\"0x1F\" + 0", "31", false},
    ValueCase{"\"0x\" + 0", "0", false}, ValueCase{"\"0x123456789\" + 0", "0", false},
    ValueCase{"\"1e3\" + 0", "1000", false}, ValueCase{"0xFFFFFFFF", "-1", false},
    ValueCase{"1e5-3", "100000", false}, ValueCase{".5", "0.5", false},
    ValueCase{"'It''s'", "It's", true}, ValueCase{"\"say 'hi'\"", "say 'hi'", true},
    ValueCase{"\"b\" < \"A\"", "0", false}, ValueCase{"3 >= 3 AND 2 <= 1", "0", false},
    ValueCase{"1 <> 2", "1", false}, ValueCase{"\"x\" & 1 / 4", "x0.25", true}));

// Each case: a script, and the message it reports with its source line and column (-1: none).
struct ErrorCase {
  const char* m_script;
  int m_message;
  int m_line;
  int m_column;
};

class ScriptError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ScriptError, ReportsMessageLineAndColumn) {
  const ErrorCase& c = GetParam();
  ScriptRun run;
  EXPECT_FALSE(run.Run(c.m_script));
  EXPECT_EQ(run.LastMessage(), c.m_message) << run.LastError();
  std::string error = run.LastError();
  EXPECT_EQ(error.rfind("Line " + std::to_string(c.m_line) + ":\n\n", 0), 0u) << error;
  std::string lineText = *run.Source().Line(c.m_line);
  bool marked = error.find("\n" + lineText.substr(0, c.m_column < 0 ? 0 : c.m_column) + "^ ERROR\n") !=
                std::string::npos;
  EXPECT_EQ(marked, c.m_column >= 0) << error;
}

INSTANTIATE_TEST_SUITE_P(Lexer, ScriptError, ::testing::Values(
    ErrorCase{"$a = 0x123456789", 6, 1, 16}, ErrorCase{"$a = 1e", 6, 1, 7},
    ErrorCase{"$a = 1 # 2", 6, 1, 7}, ErrorCase{"$a = \"open", 55, 1, 5},
    ErrorCase{"$a = $ + 1", 56, 1, 5}, ErrorCase{"$a = 1\n$b = @", 56, 2, 5}));

INSTANTIATE_TEST_SUITE_P(Expressions, ScriptError, ::testing::Values(
    ErrorCase{"$x = 1 +* 2", 10, 1, 5}, ErrorCase{"$x = +5", 10, 1, 5},
    ErrorCase{"$x = 1 2", 10, 1, 5}, ErrorCase{"$x = (1 + 2", 7, 1, 5},
    ErrorCase{"$x = 1 + 2)", 9, 1, 5}, ErrorCase{"$x = 0 AND (2", 10, 1, 5}, ErrorCase{"$x = 1 AND (2", 7, 1, 5},
    ErrorCase{"$x = ", 10, 1, 5}));

INSTANTIATE_TEST_SUITE_P(Calls, ScriptError, ::testing::Values(
    ErrorCase{"ABS()", 12, 1, 0}, ErrorCase{"ABS(1, 2)", 12, 1, 0}, ErrorCase{"BITAND(1)", 12, 1, 0},
    ErrorCase{"$x = ABS 1", 11, 1, 5}, ErrorCase{"ABS(1", 11, 1, 5}, ErrorCase{"SETERROR(1) 5", 14, 1, 12},
    ErrorCase{"$x = f()\nFunc f($a)\nEndFunc", 12, 1, 5},
    ErrorCase{"f(1, 2)\nFunc f($a)\nEndFunc", 12, 1, 5},
    ErrorCase{"f(1)\nFunc f(ByRef $a)\nEndFunc", 44, 1, 2},
    ErrorCase{"f($nope)\nFunc f(ByRef $a)\nEndFunc", 21, 1, 2},
    ErrorCase{"nosuch()", 33, 1, 0}, ErrorCase{"Func f()\nEndFunc\nFunc F()\nEndFunc", 32, 3, -1},
    ErrorCase{"Func ABS()\nEndFunc", 4, 1, -1}, ErrorCase{"Func f(1)\nEndFunc", 4, 1, -1},
    ErrorCase{"Func f()\nFunc g()\nEndFunc", 31, 2, -1}, ErrorCase{"OPT(\"NoSuchOption\", 1)", 38, 1, -1}));

INSTANTIATE_TEST_SUITE_P(Statements, ScriptError, ::testing::Values(
    ErrorCase{"If 1 ] Then", 59, 1, 5}, ErrorCase{"If 1 Then\nElse\nElse\nEndIf", 18, 3, -1},
    ErrorCase{"If 1 Then\nElse 1\nEndIf", 14, 2, 5}, ErrorCase{"If 1 Then $a = 1 Else $a = 2", 14, 1, 17},
    ErrorCase{"Then", 29, 1, -1}, ErrorCase{"= 1", 6, 1, 0},
    ErrorCase{"For 1 = 1 To 2\nNext", 57, 1, 4}, ErrorCase{"For $i 1 To 2\nNext", 57, 1, 7},
    ErrorCase{"For $i = 1 , 2\nNext", 57, 1, 11}, ErrorCase{"Select\nEndSelect", 58, 1, -1},
    ErrorCase{"ExitLoop", 49, 1, -1}, ErrorCase{"ContinueLoop", 49, 1, -1},
    ErrorCase{"While 1\nf()\nWend\nFunc f()\nExitLoop\nEndFunc", 49, 5, -1},
    ErrorCase{"$a = 1\nEndIf 1", 14, 2, 6}));

// Closers without their opener and openers without their closer.
INSTANTIATE_TEST_SUITE_P(Unmatched, ScriptError, ::testing::Values(
    ErrorCase{"Else", 16, 1, -1}, ErrorCase{"ElseIf 1 Then", 16, 1, -1}, ErrorCase{"Wend", 20, 1, -1},
    ErrorCase{"Until 1", 46, 1, -1}, ErrorCase{"Next", 48, 1, -1}, ErrorCase{"Case 1", 51, 1, -1},
    ErrorCase{"EndSelect", 52, 1, -1}, ErrorCase{"Do\nWend\nUntil 1", 20, 2, -1},
    ErrorCase{"While 1\nNext\nWend", 48, 2, -1}, ErrorCase{"If 0 Then\n$a = 1", 15, 1, -1},
    ErrorCase{"While 0\n$a = 1", 19, 1, -1}, ErrorCase{"Do\n$a = 1", 45, 1, -1},
    ErrorCase{"For $i = 1 To 0\n$a = 1", 50, 1, -1}));

INSTANTIATE_TEST_SUITE_P(Variables, ScriptError, ::testing::Values(
    ErrorCase{"$x = $nope", 21, 1, 5}, ErrorCase{"Dim $a[3]\n$a[3] = 1", 22, 2, 0},
    ErrorCase{"Dim $a[3]\n$a[-1] = 1", 23, 2, 3}, ErrorCase{"Dim $a[3]\n$a[1][1] = 1", 22, 2, 0},
    ErrorCase{"Dim $a[0]", 23, 1, 7}, ErrorCase{"Dim $a[2][2][2][2][2][2][2][2][2]", 25, 1, -1},
    ErrorCase{"Dim $a[4097][4096]", 30, 1, -1}, ErrorCase{"$x[0] = 1", 40, 1, 0},
    ErrorCase{"$x = 1\n$x[0] = 1", 28, 2, 2}, ErrorCase{"$x = 1\n$y = $x[0]", 24, 2, 7},
    ErrorCase{"$x == 1", 28, 1, 3}, ErrorCase{"Dim 1", 27, 1, 0}, ErrorCase{"Dim $a $b", 23, 1, 7},
    ErrorCase{"OPT(\"MustDeclareVars\", 1)\n$y = 1", 21, 2, 0},
    ErrorCase{"Dim $a[2]\n$a[1 = 3", 23, 2, 8}));

// Each case: a script and the expected globals, written as NAME=text pairs.
struct FlowCase {
  const char* m_name;
  const char* m_script;
  std::vector<std::pair<const char*, const char*>> m_globals;
};

class ScriptFlow : public ::testing::TestWithParam<FlowCase> {};

TEST_P(ScriptFlow, EndsWithGlobals) {
  ScriptRun run;
  ASSERT_TRUE(run.Run(GetParam().m_script)) << run.LastError();
  for (const auto& expected : GetParam().m_globals) {
    EXPECT_EQ(run.Text(expected.first), expected.second) << "$" << expected.first;
  }
}

const FlowCase kFlowCases[] = {
    {"ElseNotCalledAfterTakenIf", "$t = \"\"\nIf 1 Then\n$t = \"if\"\nElseIf x() Then\n$t = \"x\"\nEndIf\n"
     "Func x()\n$called = 1\nEndFunc", {{"T", "if"}}},
    {"FirstTrueElseIf", "$n = 0\nIf 0 Then\n$t = 1\nElseIf c(1) Then\n$t = 2\nElseIf c(1) Then\n$t = 3\nElse\n"
     "$t = 4\nEndIf\nFunc c($v)\n$n = $n + 1\nReturn $v\nEndFunc", {{"T", "2"}, {"N", "1"}}},
    {"ElseRuns", "If 0 Then\n$t = 1\nElse\n$t = 2\nEndIf", {{"T", "2"}}},
    {"NestedBlockIfs", "$t = 0\nIf 0 Then\nIf 1 Then\n$t = 1\nElse\n$t = 2\nEndIf\nElse\n$t = 3\nEndIf",
     {{"T", "3"}}},
    {"OneLineIfNests", "If 1 Then If 1 Then $a = 1", {{"A", "1"}}},
    {"ForCounts", "$n = 0\nFor $i = 1 To 3\n$n = $n + 1\nNext", {{"N", "3"}, {"I", "4"}}},
    {"ForDownNeedsStep", "$n = 0\nFor $i = 3 To 1\n$n = $n + 1\nNext\nFor $j = 3 To 1 Step -1\n$n = $n + 10\nNext",
     {{"N", "30"}, {"J", "0"}}},
    {"StepZeroUntilExitLoop", "$n = 0\nFor $i = 1 To 1 Step 0\n$n = $n + 1\nIf $n = 5 Then ExitLoop\nNext",
     {{"N", "5"}}},
    {"ExitLoopTwo", "For $i = 1 To 3\nFor $j = 1 To 3\nExitLoop 2\nNext\n$never = 1\nNext\n$after = $i & $j",
     {{"AFTER", "11"}}},
    {"ExitLoopZeroLeavesAll", "While 1\nDo\nExitLoop 0\nUntil 0\nWend\n$done = 1", {{"DONE", "1"}}},
    {"ContinueLoopTestsUntil", "$n = 0\nDo\n$n = $n + 1\nContinueLoop\n$never = 1\nUntil $n = 3", {{"N", "3"}}},
    {"WhileLoop", "$n = 0\nWhile $n < 4\n$n = $n + 1\nWend", {{"N", "4"}}},
    {"SelectFirstTrueCase", "$t = \"\"\nSelect\nCase 0\n$t = $t & \"a\"\nCase 1\n$t = $t & \"b\"\nCase 1\n"
     "$t = $t & \"c\"\nEndSelect\n$t = $t & \"d\"", {{"T", "bd"}}},
    {"SelectCaseElse", "Select\nCase 0\n$t = 1\nCase Else\n$t = 2\nEndSelect", {{"T", "2"}}},
    {"TagAndGoto", "$n = 0\nTAG $top\n$n = $n + 1\nIf $n < 3 Then GOTO $top\nIf $n < 3 Then\nGOTO $top\n"
     "EndIf\nGOTO $missing\n$end = 1", {{"N", "3"}, {"END", "1"}}},
    {"RecursionAndReturn", "$f = fact(10)\nFunc fact($n)\nIf $n <= 1 Then Return 1\nReturn $n * fact($n - 1)\n"
     "EndFunc", {{"F", "3628800"}}},
    {"ByRefVariableAndElement", "$v = 1\nDim $a[2]\nbump($v)\nbump($a[1])\n$e = $a[1]\n"
     "Func bump(ByRef $x)\n$x = $x + 41\nEndFunc", {{"V", "42"}, {"E", "41"}}},
    {"ByRefElementSurvivesReDim", "Dim $a[2]\n$a[1] = 5\ngrow($a[1])\n$n = UBOUND($a)\n"
     "Func grow(ByRef $x)\nReDim $a[10]\n$x = 7\nGlobal $seen = $x\nEndFunc", {{"N", "10"}, {"SEEN", "7"}}},
    {"LocalHidesGlobal", "$x = 1\nf()\nFunc f()\nLocal $x = 2\nGlobal $inner = $x\nEndFunc",
     {{"X", "1"}, {"INNER", "2"}}},
    {"DimInFunctionFindsGlobal", "$x = 1\nf()\nFunc f()\nDim $x = 5\nEndFunc", {{"X", "5"}}},
    {"CaseInsensitiveNames", "$Abc = 1\n$aBC = $ABC + 1", {{"ABC", "2"}}},
    {"NewVariableIsEmptyText", "$x = $x & 1", {{"X", "1"}}},
    {"ReDimKeepsCommonElements", "Dim $a[2][3]\n$a[1][2] = 9\nReDim $a[3][3]\n$k = $a[1][2]\n"
     "ReDim $a[6]\n$e = $a[1] & \"|\"", {{"K", "9"}, {"E", "0|"}}},
    {"ArrayCopyIsDeep", "Dim $a[2]\n$a[0] = 1\n$b = $a\n$b[0] = 2\n$r = $a[0] & $b[0]", {{"R", "12"}}},
    {"EvalIsDeclaredUbound", "$x = 5\n$e = EVAL(\"x\")\n$d = ISDECLARED(\"x\") & ISDECLARED(\"nope\")\n"
     "Dim $a[5][2]\n$u = UBOUND($a) & UBOUND($a, 2) & UBOUND($a, 3)",
     {{"E", "5"}, {"D", "10"}, {"U", "520"}}},
    {"CallRunsWithoutArguments", "$r = CALL(\"f\") & CALL(\"g\")\n$missing = CALL(\"nope\")\nFunc f()\n"
     "Global $ran = 1\nEndFunc\nFunc g()\nReturn 7\nEndFunc", {{"R", "17"}, {"RAN", "1"}, {"MISSING", "1"}}},
    {"ShortCircuitSkipsCalls", "$n = 0\n$a = 0 AND f()\n$b = 1 OR f()\n$c = 1 AND f()\n"
     "Func f()\n$n = $n + 1\nReturn 1\nEndFunc", {{"N", "1"}, {"A", "0"}, {"B", "1"}, {"C", "1"}}},
    {"OptionsReturnPrevious", "$a = OPT(\"WinTitleMatchMode\", 7)\n$b = OPT(\"wintitlematchmode\", 3)\n"
     "$c = OPT(\"WinTitleMatchMode\", 1)\n$d = OPT(\"TrayIconHide\", 0)", {{"A", "1"}, {"B", "1"}, {"C", "3"}, {"D", "1"}}},
    {"ExitEndsRun", "$a = 1\nf()\n$a = 2\nFunc f()\nExit\nEndFunc", {{"A", "1"}}},
    {"LongLine", "$s = \"" "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
     "\"\n$n = 1", {{"N", "1"}}},
};

INSTANTIATE_TEST_SUITE_P(Table, ScriptFlow, ::testing::ValuesIn(kFlowCases),
                         [](const auto& info) { return std::string(info.param.m_name); });

TEST(ScriptErrorBox, ShowsHeaderLineMarkerAndText) {
  ScriptRun run;
  EXPECT_FALSE(run.Run("$a = 1\n\n$x = 1 +* 2"));
  EXPECT_EQ(run.LastError(), "Line 3:\n\n$x = 1 +* 2\n$x = ^ ERROR\n\nError: Error in expression.");
  run.Source().AddFile("/tmp/some script.txt");
  run.Execute();
  EXPECT_EQ(run.LastError().rfind("Line 3  (File \"/tmp/some script.txt\"):\n\n", 0), 0u) << run.LastError();
}

TEST(ScriptErrorBox, ErrorInFunctionEndsEveryLevelAtOnce) {
  ScriptRun run;
  EXPECT_FALSE(run.Run("$a = f() & g()\n$after = 1\nFunc f()\n$x = $nope\nEndFunc\nFunc g()\n$g = 1\nEndFunc"));
  EXPECT_EQ(run.LastMessage(), 21);
  EXPECT_EQ(run.Engine().Variables().Find("G"), nullptr);
  EXPECT_EQ(run.Engine().Variables().Find("AFTER"), nullptr);
}

TEST(ScriptErrorBox, UnavailableBuiltinIsReportedNotIgnored) {
  ScriptRun run;
  EXPECT_FALSE(run.Run("STATUSBARGETTEXT(\"x\")\n$after = 1"));
  EXPECT_NE(run.LastError().find("\"STATUSBARGETTEXT\" is not available"), std::string::npos);
}

TEST(ScriptRuns, StateLeftByAnErrorDoesNotLeakIntoTheNextPass) {
  ScriptRun run;
  // The first pass exits from inside a loop and an If; the second must start clean.
  ASSERT_TRUE(run.Load("$n = $n + 1\nIf $n = 1 Then\nWhile 1\nExit\nWend\nEndIf\n$done = $n"));
  run.Execute();
  run.Execute();
  EXPECT_EQ(run.Text("DONE"), "2");
  EXPECT_FALSE(run.Engine().ErrorReported());
}

TEST(ScriptRuns, GlobalsAndOptionsSurviveIntoTheNextRun) {
  ScriptRun run;
  ASSERT_TRUE(run.Run("$kept = 1\nOPT(\"MustDeclareVars\", 1)"));
  EXPECT_FALSE(run.Run("$kept = $kept + 1\n$new = 1"));
  EXPECT_EQ(run.LastMessage(), 21);
  EXPECT_EQ(run.Text("KEPT"), "2");
}

TEST(ScriptRuns, PreparingTwiceKeepsFunctionsUnique) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("Func f()\nEndFunc"));
  EXPECT_TRUE(run.Load("Func f()\nEndFunc"));
}

TEST(ScriptRuns, ExpandEnvStringsReadsTheEnvironmentAtEachExecution) {
  ScriptRun run;
  setenv("MORVANTA_TEST_VALUE", "one", 1);
  ASSERT_TRUE(run.Load("OPT(\"ExpandEnvStrings\", 1)\n$v = \"%MORVANTA_TEST_VALUE%;x 100%%\""));
  run.Execute();
  EXPECT_EQ(run.Text("V"), "one;x 100%");
  setenv("MORVANTA_TEST_VALUE", "two", 1);
  run.Execute();
  EXPECT_EQ(run.Text("V"), "two;x 100%");
}

TEST(ScriptRuns, DeepRecursionStopsAtTheNestingLimit) {
  ScriptRun run;
  EXPECT_FALSE(run.Run("$max = 0\nf(1)\nFunc f($d)\n$max = $d\nf($d + 1)\nEndFunc"));
  EXPECT_EQ(run.LastMessage(), 53);
  EXPECT_EQ(run.Text("MAX"), "384");
}

TEST(ScriptRuns, DeeplyNestedCallsEndWithAMessage) {
  std::string expression = "1";
  for (int i = 0; i < 5000; ++i) expression = "ABS(" + expression + ")";
  ScriptRun run;
  EXPECT_FALSE(run.Run("$x = " + expression));
  EXPECT_EQ(run.LastMessage(), 53);
  std::string parens = "1";
  for (int i = 0; i < 100000; ++i) parens = "(" + parens + ")";
  EXPECT_TRUE(run.Run("$x = " + parens + " + 1")) << run.LastError();
  EXPECT_EQ(run.Text("X"), "2");
}

}  // namespace
