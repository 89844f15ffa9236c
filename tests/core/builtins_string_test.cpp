// String built-ins run through the engine: search and replace, cutting, classes, splitting,
// white-space stripping and formatting.
#include <string>
#include <vector>

#include "tests/core/builtins_script_support.h"

namespace {

TEST(StringBuiltins, InStrCountsOverlappingOccurrencesFromEitherEnd) {
  ExpectCases({
      {"StringInStr('aXbxc', 'x')", "2", 0},
      {"StringInStr('aXbxc', 'x', 1)", "4", 0},
      {"StringInStr('aXbxc', 'x', 0, -1)", "4", 0},
      {"StringInStr('aXbxc', 'x', 0, -2)", "2", 0},
      {"StringInStr('aXbxc', 'x', 0, 3)", "0", 0},
      {"StringInStr('aXbxc', 'x', 0, 0)", "0", 1},
      {"StringInStr('aaaa', 'aa', 1, 3)", "3", 0},
      {"StringInStr('aaaa', 'aa', 1, 4)", "0", 0},
      {"StringInStr('aaaa', 'aa', 1, -3)", "1", 0},
      {"StringInStr('ab', 'abc')", "0", 0},
      {"StringInStr('ab', 'b', 0, -2147483648)", "0", 0},
  });
}

TEST(StringBuiltins, ReplaceNeverRescansWhatItInserted) {
  ExpectCases({
      {"StringReplace('aaa', 'a', 'b', 2)", "bba", 0},
      {"StringReplace('aaa', 'a', 'aa')", "aaaaaa", 0},
      {"StringReplace('aaaa', 'aa', 'b')", "bb", 0},
      {"StringReplace('abcABC', 'b', '-')", "a-cA-C", 0},
      {"StringReplace('abcABC', 'b', '-', 0, 1)", "a-cABC", 0},
      {"StringReplace('abc', 'x', '-')", "abc", 0},
      {"StringReplace('abc', '', '-')", "1", 0},
  });
}

TEST(StringBuiltins, CutsTakeNothingForNegativeCountsAndStopAtTheEnds) {
  ExpectCases({
      {"StringLeft('abc', 2)", "ab", 0},
      {"StringLeft('abc', 5)", "abc", 0},
      {"StringLeft('abc', -1)", "", 0},
      {"StringRight('abc', 2)", "bc", 0},
      {"StringRight('abc', -3)", "", 0},
      {"StringMid('abcdef', 2, 3)", "bcd", 0},
      {"StringMid('abcdef', 5, 10)", "ef", 0},
      {"StringMid('abcdef', 0, 2)", "ab", 0},
      {"StringMid('abcdef', -5, 2)", "ab", 0},
      {"StringMid('abcdef', 7, 1)", "", 0},
      {"StringMid('abcdef', 2, -1)", "", 0},
      {"StringTrimLeft('abc', 1)", "bc", 0},
      {"StringTrimLeft('abc', 3)", "", 0},
      {"StringTrimLeft('abc', -2)", "abc", 0},
      {"StringTrimRight('abc', 1)", "ab", 0},
      {"StringTrimRight('abc', 9)", "", 0},
      {"StringTrimRight('abc', -1)", "abc", 0},
      {"StringLen(12.5)", "4", 0},
  });
}

TEST(StringBuiltins, CaseAndLineEndConversions) {
  ExpectCases({
      {"StringUpper('aBc1')", "ABC1", 0},
      {"StringLower('aBc1')", "abc1", 0},
      {"StringStripCR('a' & @CR & 'b' & @CRLF)", "ab\n", 0},
      {"StringAddCR('a' & @LF & 'b' & @CRLF)", "a\r\nb\r\r\n", 0},
  });
}

TEST(StringBuiltins, ClassTestsAcceptTheEmptyTextButNumberTestsDoNot) {
  ExpectCases({
      {"StringIsAlpha('abC')", "1", 0},     {"StringIsAlpha('ab1')", "0", 0},
      {"StringIsAlpha('')", "1", 0},        {"StringIsAlNum('a1')", "1", 0},
      {"StringIsAlNum('a 1')", "0", 0},     {"StringIsDigit('123')", "1", 0},
      {"StringIsDigit('12a')", "0", 0},     {"StringIsXDigit('09afAF')", "1", 0},
      {"StringIsXDigit('g')", "0", 0},      {"StringIsLower('abc')", "1", 0},
      {"StringIsLower('aBc')", "0", 0},     {"StringIsUpper('ABC')", "1", 0},
      {"StringIsUpper('AbC')", "0", 0},     {"StringIsSpace(' ' & @TAB & @CRLF)", "1", 0},
      {"StringIsSpace(' x')", "0", 0},      {"StringIsASCII('abc~')", "1", 0},
      {"StringIsASCII(Chr(200))", "0", 0},  {"StringIsInt('+12')", "1", 0},
      {"StringIsInt('-')", "0", 0},         {"StringIsInt('1.0')", "0", 0},
      {"StringIsInt(' 1')", "0", 0},        {"StringIsInt('')", "0", 0},
      {"StringIsFloat('1.')", "1", 0},      {"StringIsFloat('-.5')", "1", 0},
      {"StringIsFloat('1')", "0", 0},       {"StringIsFloat('.')", "0", 0},
      {"StringIsFloat('+.')", "0", 0},      {"StringIsFloat('1.5e3')", "0", 0},
      {"StringIsFloat('1.2.3')", "0", 0},   {"StringIsFloat('')", "0", 0},
  });
}

TEST(StringBuiltins, CharacterCodesAndValueKinds) {
  ExpectCases({
      {"Asc('A')", "65", 0},
      {"Asc('')", "0", 0},
      {"Asc(Chr(200))", "200", 0},
      {"Chr(65)", "A", 0},
      {"Chr(321)", "A", 0},
      {"Chr(-191)", "A", 0},
      {"Chr('65')", "", 0},
      {"StringLen(Chr(0))", "0", 0},
      {"StringLen(Chr(1e300))", "0", 0},
      {"String(1 / 4)", "0.25", 0},
      {"IsString('1')", "1", 0},
      {"IsString(1)", "0", 0},
      {"IsNumber(3)", "1", 0},
      {"IsNumber('3')", "0", 0},
      {"IsInt(3)", "1", 0},
      {"IsInt(3.5)", "0", 0},
      {"IsInt('3')", "0", 0},
      {"IsFloat(3.5)", "1", 0},
      {"IsFloat(3)", "0", 0},
      {"IsFloat('3.5')", "0", 0},
      {"IsArray(3)", "0", 0},
  });
}

TEST(StringBuiltins, SplitCountsPiecesAndFlagsTextWithoutDelimiters) {
  struct SplitCase {
    const char* m_expression;
    std::vector<std::string> m_elements;
    int m_error;
  };
  const SplitCase cases[] = {
      {"StringSplit('a,b,,c', ',')", {"4", "a", "b", "", "c"}, 0},
      {"StringSplit('a;b,c', ';,')", {"3", "a", "b", "c"}, 0},
      {"StringSplit('a,', ',')", {"2", "a", ""}, 0},
      {"StringSplit('abc', ',')", {"1", "abc"}, 1},
      {"StringSplit('', ',')", {"1", ""}, 1},
      {"StringSplit('ab', '')", {"2", "a", "b"}, 0},
      {"StringSplit('', '')", {"0"}, 0},
  };
  ScriptHarness harness;
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.m_expression);
    Outcome outcome = harness.Eval(c.m_expression);
    EXPECT_EQ(outcome.Elements(), c.m_elements);
    EXPECT_EQ(outcome.m_error, c.m_error);
  }
}

TEST(StringBuiltins, StripWhiteSpaceAppliesItsFlagsInOrder) {
  ExpectCases({
      {"StringStripWS('  a   b  ', 7)", "a b", 0},
      {"StringStripWS('  a   b  ', 1)", "a   b  ", 0},
      {"StringStripWS('  a   b  ', 2)", "  a   b", 0},
      {"StringStripWS('  a   b  ', 4)", " a b ", 0},
      {"StringStripWS('  a   b  ', 8)", "ab", 0},
      {"StringStripWS('  a   b  ', 15)", "ab", 0},
      {"StringStripWS('  a   b  ', 0)", "  a   b  ", 0},
      {"StringStripWS('a' & @TAB & ' b', 4)", "a\tb", 0},
  });
  ScriptHarness harness;
  harness.Run({"Dim $a[2]", "$r = StringStripWS($a, 3)", "$e = @ERROR"});
  EXPECT_EQ(harness.Global("R").AsString(), "1");
  EXPECT_EQ(harness.Global("E").AsInt(), 1);
}

TEST(StringBuiltins, FormatConvertsEscapesAndStopsWhenValuesRunOut) {
  ExpectCases({
      {"StringFormat('%05.1f|%s', 3.14159, 'x')", "003.1|x", 0},
      {"StringFormat('a\\tb')", "a\tb", 0},
      {"StringFormat('\\n\\r\\%|\\q|end\\')", "\n\r%|\\q|end\\", 0},
      {"StringFormat('%d %d', 7)", "7 ", 0},
      {"StringFormat('a%sb')", "a", 0},
      {"StringFormat('%%|%d|100%', 5)", "%|5|100%", 0},
      {"StringFormat('%5s|%-5s|%.2s|%05s', 'ab', 'cd', 'xyz', 'e')", "   ab|cd   |xy|    e", 0},
      {"StringFormat('%x %X %o %u', 255, 255, 8, -1)", "ff FF 10 4294967295", 0},
      {"StringFormat('%+d|% d|%#x|%#d', 5, 5, 255, 5)", "+5| 5|0xff|5", 0},
      {"StringFormat('%i|%e|%g', '12abc', 12345.678, 0.0001)", "12|1.234568e+04|0.0001", 0},
      {"StringFormat('%d', 1e300)", "0", 0},
  });
}

// Whatever stands between "%" and its letter, nothing is read that was not passed and no
// conversion grows without bound.
TEST(StringBuiltins, FormatCopiesUnsafeSpecificationsAndBoundsEveryConversion) {
  ExpectCases({
      {"StringFormat('%n|%*d|%ld|%hd|%q|%p|%c', 1, 2)", "%n|%*d|%ld|%hd|%q|%p|%c", 0},
      {"StringFormat('%5', 1)", "%5", 0},
      {"StringFormat('%', 1)", "%", 0},
      {"StringLen(StringFormat('%99999999999d', 1))", "65535", 0},
      {"StringLen(StringFormat('%.99999999f', 1))", "65537", 0},
  });
  ScriptHarness harness;
  harness.Run({"$s = 'x'", "For $i = 1 To 17", "$s = $s & $s", "Next", "$r = StringLen(StringFormat('%s', $s))"});
  EXPECT_EQ(harness.ReportedMessage(), 0);
  EXPECT_EQ(harness.Global("R").AsString(), "65535");
}

}  // namespace
