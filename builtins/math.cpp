// Maths, number conversion, bit and random built-ins. Every input, NaN, infinities and huge
// numbers included, gives a defined result.
#include "builtins/math.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/script_engine.h"

namespace builtins {

namespace {

// Negative zero is shown as 0: "-0" is never what a script wants to print.
int SetNumber(Variant& result, double value) {
  result.SetDouble(value == 0 ? 0.0 : value);
  return 0;
}

int Unary(const ArgList& args, Variant& result, double (*function)(double)) {
  return SetNumber(result, function(ArgDouble(args, 0)));
}

int Fold(const ArgList& args, Variant& result, uint32_t (*combine)(uint32_t, uint32_t)) {
  uint32_t value = static_cast<uint32_t>(args[0].AsInt());
  for (size_t i = 1; i < args.Size(); ++i) value = combine(value, static_cast<uint32_t>(args[i].AsInt()));
  result.SetInt(static_cast<int>(value));
  return 0;
}

double RoundToDecimals(double x, int decimals) {
  if (!std::isfinite(x)) return x;
  if (decimals >= 0) {
    double factor = std::pow(10.0, decimals);
    double scaled = x * factor;
    // Past the double's precision there is nothing left to round.
    return std::isfinite(scaled) ? std::round(scaled) / factor : x;
  }
  double factor = std::pow(10.0, -static_cast<double>(decimals));
  return std::isfinite(factor) ? std::round(x / factor) * factor : 0.0;
}

// The generator's next value in [0, 1).
double NextRandom(ScriptEngine& engine) {
  return static_cast<double>(static_cast<uint32_t>(engine.Random()())) * (1.0 / 4294967296.0);
}

int RandomError(ScriptEngine& engine, int code) {
  engine.SetErrorCode(code);
  return 0;
}

}  // namespace

int Abs(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::fabs(x); });
}
int Acos(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::acos(x); });
}
int Asin(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::asin(x); });
}
int Atan(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::atan(x); });
}
int Cos(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::cos(x); });
}
int Exp(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::exp(x); });
}
int Int(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::trunc(x); });
}
int Log(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::log(x); });
}
int Number(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetDouble(ArgDouble(args, 0));
  return 0;
}
int Sin(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::sin(x); });
}
int Sqrt(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::sqrt(x); });
}
int Tan(ScriptEngine&, const ArgList& args, Variant& result) {
  return Unary(args, result, [](double x) { return std::tan(x); });
}

int Mod(ScriptEngine&, const ArgList& args, Variant& result) {
  return SetNumber(result, std::fmod(ArgDouble(args, 0), ArgDouble(args, 1)));
}

int Round(ScriptEngine&, const ArgList& args, Variant& result) {
  return SetNumber(result, RoundToDecimals(ArgDouble(args, 0), ArgInt(args, 1, 0)));
}

int BitAnd(ScriptEngine&, const ArgList& args, Variant& result) {
  return Fold(args, result, [](uint32_t a, uint32_t b) { return a & b; });
}
int BitOr(ScriptEngine&, const ArgList& args, Variant& result) {
  return Fold(args, result, [](uint32_t a, uint32_t b) { return a | b; });
}
int BitXor(ScriptEngine&, const ArgList& args, Variant& result) {
  return Fold(args, result, [](uint32_t a, uint32_t b) { return a ^ b; });
}

int BitNot(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(static_cast<int>(~static_cast<uint32_t>(args[0].AsInt())));
  return 0;
}

// Right shifts keep the sign; left shifts work on the bit pattern so no shift is undefined.
int BitShift(ScriptEngine&, const ArgList& args, Variant& result) {
  int value = args[0].AsInt();
  int64_t count = args[1].AsInt();
  if (count >= 0) {
    result.SetInt(value >> (count % 32));
  } else {
    result.SetInt(static_cast<int>(static_cast<uint32_t>(value) << (-count % 32)));
  }
  return 0;
}

int Dec(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int value = 0;
  if (!HexToInt(args[0].AsString(), value)) engine.SetErrorCode(1);
  result.SetInt(value);
  return 0;
}

int Hex(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int length = args[1].AsInt();
  if (length < 1 || length > 8) {
    result.SetString("");
    engine.SetErrorCode(1);
    return 0;
  }
  auto value = static_cast<uint32_t>(args[0].AsInt());
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
  if (length < 8 && value >> (4 * length) != 0) engine.SetErrorCode(1);
  result.SetString(digits + (8 - length));
  return 0;
}

int Random(ScriptEngine& engine, const ArgList& args, Variant& result) {
  if (args.Size() == 0) return SetNumber(result, NextRandom(engine));
  if (args.Size() == 1) {
    if (!args[0].IsNumber()) return RandomError(engine, 1);
    double max = args[0].AsDouble();
    if (!(max > 0)) return RandomError(engine, 2);
    return SetNumber(result, NextRandom(engine) * max);
  }
  if (args[0].IsArray() || args[1].IsArray()) return RandomError(engine, 1);
  double min = args[0].AsDouble(), max = args[1].AsDouble();
  if (!(min < max)) return RandomError(engine, 2);
  return SetNumber(result, min + NextRandom(engine) * (max - min));
}

}  // namespace builtins
