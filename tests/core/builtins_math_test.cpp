// Conversion, bit, maths and random built-ins run through the engine, including the inputs
// (NaN, infinities, huge numbers) that must stay defined under the sanitizers.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/core/builtins_script_support.h"

namespace {

TEST(MathBuiltins, HexAndDecKeepThirtyTwoBitsAndFlagWhatDoesNotFit) {
  ExpectCases({
      {"Hex(255, 2)", "FF", 0},
      {"Hex(255, 1)", "F", 1},
      {"Hex(-1, 8)", "FFFFFFFF", 0},
      {"Hex(-1, 4)", "FFFF", 1},
      {"Hex('0x1f', 4)", "001F", 0},
      {"Hex(1, 9)", "", 1},
      {"Hex(1, 0)", "", 1},
      {"Hex(1e300, 8)", "00000000", 0},
      {"Hex(-1e300, -1e300)", "", 1},
      {"Dec('ff')", "255", 0},
      {"Dec('fg')", "0", 1},
      {"Dec('FFFFFFFF')", "-1", 0},
      {"Dec('123456789')", "0", 1},
      {"Dec('')", "0", 0},
  });
}

TEST(MathBuiltins, BitOperationsWorkOnThirtyTwoBitPatterns) {
  ExpectCases({
      {"BitShift(-8, 1)", "-4", 0},
      {"BitShift(1, -3)", "8", 0},
      {"BitShift(1, 33)", "0", 0},
      {"BitShift(1, -33)", "2", 0},
      {"BitShift(5, 32)", "5", 0},
      {"BitShift(-1, 31)", "-1", 0},
      {"BitShift(1, -31)", "-2147483648", 0},
      {"BitShift(-1, -1)", "-2", 0},
      {"BitShift(5, -2147483648)", "5", 0},
      {"BitShift(1e300, -1e300)", "0", 0},
      {"BitAnd(12, 10)", "8", 0},
      {"BitOr(12, 10, 1)", "15", 0},
      {"BitXor(12, 10, 3)", "5", 0},
      {"BitAnd(-1, 4294967295)", "-1", 0},
      {"BitNot(0)", "-1", 0},
      {"BitNot(-1e300)", "-1", 0},
  });
}

TEST(MathBuiltins, RoundingTruncationAndRemainders) {
  ExpectCases({
      {"Round(-2.5)", "-3", 0},
      {"Round(2.5)", "3", 0},
      {"Round(765.4, -2)", "800", 0},
      {"Round(-765.4, -2)", "-800", 0},
      {"Round(1.2345, 2)", "1.23", 0},
      {"Round(-0.4)", "0", 0},
      {"Round(1.5, 400)", "1.5", 0},
      {"Round(1.5, -400)", "0", 0},
      {"Round(5, 2147483647)", "5", 0},
      {"Round(5, -2147483648)", "0", 0},
      {"Int(-2.7)", "-2", 0},
      {"Int(2.7)", "2", 0},
      {"Int(-0.5)", "0", 0},
      {"Int(1e300)", "1e+300", 0},
      {"Mod(7, 3)", "1", 0},
      {"Mod(-7, 3)", "-1", 0},
      {"Mod(7, -3)", "1", 0},
      {"Mod(5.5, 2)", "1.5", 0},
      {"Number('12abc')", "12", 0},
      {"Number('0x10')", "16", 0},
  });
}

TEST(MathBuiltins, FunctionsOfTheCLibrary) {
  ExpectCases({
      {"Abs(-2)", "2", 0},
      {"Sqrt(16)", "4", 0},
      {"Exp(0)", "1", 0},
      {"Log(Exp(2))", "2", 0},
      {"Sin(0)", "0", 0},
      {"Cos(0)", "1", 0},
      {"Tan(0)", "0", 0},
      {"ASin(1) * 2", "3.14159265358979", 0},
      {"ACos(-1)", "3.14159265358979", 0},
      {"ATan(1) * 4", "3.14159265358979", 0},
  });
}

// The first outputs of MT19937 seeded with 5489, the generator's reference seed.
constexpr uint32_t kFirst = 3499211612u;
constexpr uint32_t kSecond = 581869302u;

double Unit(uint32_t value) { return value / 4294967296.0; }

TEST(MathBuiltins, RandomScalesTheGeneratorsNextValue) {
  ScriptHarness harness;
  harness.m_setUp = [](ScriptEngine& engine) { engine.Random().seed(5489); };
  harness.Run({"$a = Random()", "$b = Random(10)"});
  EXPECT_DOUBLE_EQ(harness.Global("A").AsDouble(), Unit(kFirst));
  EXPECT_DOUBLE_EQ(harness.Global("B").AsDouble(), Unit(kSecond) * 10);
  harness.Run({"$a = Random(5, 7)"});
  EXPECT_DOUBLE_EQ(harness.Global("A").AsDouble(), 5 + Unit(kFirst) * 2);
}

TEST(MathBuiltins, RandomErrorsLeaveTheResultAndTheGeneratorAlone) {
  ScriptHarness harness;
  harness.m_setUp = [](ScriptEngine& engine) { engine.Random().seed(5489); };
  const struct {
    const char* m_call;
    int m_error;
  } cases[] = {
      {"Random('5')", 1}, {"Random(0)", 2}, {"Random(-1)", 2}, {"Random(5, 5)", 2},
      {"Random(7, 5)", 2}, {"Random($a, 5)", 1}, {"Random(1, $a)", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.m_call);
    harness.Run({"Dim $a[2]", std::string("$r = ") + c.m_call, "$e = @ERROR", "$next = Random()"});
    EXPECT_EQ(harness.Global("R").AsString(), "1");
    EXPECT_EQ(harness.Global("E").AsInt(), c.m_error);
    EXPECT_DOUBLE_EQ(harness.Global("NEXT").AsDouble(), Unit(kFirst));
  }
}

}  // namespace
