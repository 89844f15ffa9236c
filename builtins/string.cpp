// String and type-test built-ins.
#include "builtins/string.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "builtins/char_class.h"
#include "builtins/string_search.h"
#include "engine/script_engine.h"

namespace builtins {

namespace {

// A character count argument; a negative count takes nothing.
size_t CountArg(const ArgList& args, size_t i) {
  int n = ArgInt(args, i);
  return n < 0 ? 0 : static_cast<size_t>(n);
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

int SetText(Variant& result, std::string text) {
  result.SetString(std::move(text));
  return 0;
}

// Element 0 holds the number of pieces, the pieces follow. An array too large to make leaves
// the error value set.
void SetCountedArray(ScriptEngine& engine, Variant& result, const std::vector<std::string>& pieces) {
  if (!result.CreateArray({static_cast<int>(pieces.size()) + 1})) {
    engine.SetErrorCode(1);
    return;
  }
  result.Element({0})->SetInt(static_cast<int>(pieces.size()));
  for (size_t i = 0; i < pieces.size(); ++i) result.Element({static_cast<int>(i) + 1})->SetString(pieces[i]);
}

int AllCharsPass(const ArgList& args, Variant& result, bool (*test)(unsigned char)) {
  for (char c : ArgText(args, 0)) {
    if (!test(static_cast<unsigned char>(c))) {
      result.SetInt(0);
      return 0;
    }
  }
  result.SetInt(1);
  return 0;
}

bool IsDigitChar(unsigned char c) { return std::isdigit(c) != 0; }
bool IsHexDigitChar(unsigned char c) { return std::isxdigit(c) != 0; }
bool IsSpaceChar(unsigned char c) { return std::isspace(c) != 0; }
bool IsAsciiChar(unsigned char c) { return c < 0x80; }

// Skips an optional sign and then digits; returns how many digits were skipped.
size_t SkipSignAndDigits(const std::string& text, size_t& i) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t start = i;
  while (i < text.size() && IsDigitChar(static_cast<unsigned char>(text[i]))) ++i;
  return i - start;
}

bool IsIntegerText(const std::string& text) {
  size_t i = 0;
  return SkipSignAndDigits(text, i) > 0 && i == text.size();
}

bool IsFloatText(const std::string& text) {
  size_t i = 0;
  size_t digits = SkipSignAndDigits(text, i);
  if (i == text.size() || text[i] != '.') return false;
  ++i;
  while (i < text.size() && IsDigitChar(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  return digits > 0 && i == text.size();
}

bool IsWholeNumber(const Variant& value) {
  double number = value.AsDouble();
  return value.IsNumber() && std::isfinite(number) && std::trunc(number) == number;
}

std::string StripWhiteSpace(const std::string& text, int flags) {
  std::string out;
  if (flags & 8) {
    for (char c : text) {
      if (!IsSpace(c)) out += c;
    }
    return out;
  }
  size_t begin = 0, end = text.size();
  if (flags & 1) {
    while (begin < end && IsSpace(text[begin])) ++begin;
  }
  if (flags & 2) {
    while (end > begin && IsSpace(text[end - 1])) --end;
  }
  for (size_t i = begin; i < end; ++i) {
    if ((flags & 4) && IsSpace(text[i]) && i > begin && IsSpace(text[i - 1])) continue;
    out += text[i];
  }
  return out;
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& delimiters) {
  bool isDelimiter[256] = {};
  for (char c : delimiters) isDelimiter[static_cast<unsigned char>(c)] = true;
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (isDelimiter[static_cast<unsigned char>(c)]) pieces.emplace_back();
    else pieces.back() += c;
  }
  return pieces;
}

}  // namespace

int Asc(ScriptEngine&, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  result.SetInt(text.empty() ? 0 : static_cast<unsigned char>(text[0]));
  return 0;
}

// The low byte of the number; byte 0 ends a text, so it gives the empty text.
int Chr(ScriptEngine&, const ArgList& args, Variant& result) {
  char byte = args[0].IsNumber() ? static_cast<char>(args[0].AsInt() & 0xFF) : '\0';
  return SetText(result, byte == '\0' ? std::string() : std::string(1, byte));
}

int IsArray(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(args[0].IsArray() ? 1 : 0);
  return 0;
}

// A number with a fractional part, or one that is not finite.
int IsFloat(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(args[0].IsNumber() && !IsWholeNumber(args[0]) ? 1 : 0);
  return 0;
}

int IsInt(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(IsWholeNumber(args[0]) ? 1 : 0);
  return 0;
}

int IsNumber(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(args[0].IsNumber() ? 1 : 0);
  return 0;
}

int IsString(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(args[0].IsText() ? 1 : 0);
  return 0;
}

int String(ScriptEngine&, const ArgList& args, Variant& result) { return SetText(result, ArgText(args, 0)); }

int StringAddCr(ScriptEngine&, const ArgList& args, Variant& result) {
  std::string out;
  for (char c : args[0].AsString()) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return SetText(result, std::move(out));
}

int StringInStr(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int occurrence = ArgInt(args, 3, 1);
  if (occurrence == 0) {
    result.SetInt(0);
    engine.SetErrorCode(1);
    return 0;
  }
  size_t at = FindOccurrence(ArgText(args, 0), ArgText(args, 1), occurrence, ArgInt(args, 2) != 0);
  result.SetInt(at == kNotFound ? 0 : static_cast<int>(at) + 1);
  return 0;
}

int StringIsAlnum(ScriptEngine&, const ArgList& args, Variant& result) {
  return AllCharsPass(args, result, IsAlphaNumericChar);
}
int StringIsAlpha(ScriptEngine&, const ArgList& args, Variant& result) { return AllCharsPass(args, result, IsAlphaChar); }
int StringIsAscii(ScriptEngine&, const ArgList& args, Variant& result) { return AllCharsPass(args, result, IsAsciiChar); }
int StringIsDigit(ScriptEngine&, const ArgList& args, Variant& result) { return AllCharsPass(args, result, IsDigitChar); }
int StringIsLower(ScriptEngine&, const ArgList& args, Variant& result) { return AllCharsPass(args, result, IsLowerChar); }
int StringIsSpace(ScriptEngine&, const ArgList& args, Variant& result) { return AllCharsPass(args, result, IsSpaceChar); }
int StringIsUpper(ScriptEngine&, const ArgList& args, Variant& result) { return AllCharsPass(args, result, IsUpperChar); }
int StringIsXDigit(ScriptEngine&, const ArgList& args, Variant& result) {
  return AllCharsPass(args, result, IsHexDigitChar);
}

int StringIsFloat(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(IsFloatText(ArgText(args, 0)) ? 1 : 0);
  return 0;
}

int StringIsInt(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(IsIntegerText(ArgText(args, 0)) ? 1 : 0);
  return 0;
}

int StringLeft(ScriptEngine&, const ArgList& args, Variant& result) {
  return SetText(result, ArgText(args, 0).substr(0, CountArg(args, 1)));
}

int StringLen(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetInt(static_cast<int>(args[0].AsString().size()));
  return 0;
}

int StringLower(ScriptEngine&, const ArgList& args, Variant& result) {
  std::string text = ArgText(args, 0);
  ToLowerText(text);
  return SetText(result, std::move(text));
}

// A start below 1 starts at the first character.
int StringMid(ScriptEngine&, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  int start = ArgInt(args, 1);
  size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  return SetText(result, from >= text.size() ? std::string() : text.substr(from, CountArg(args, 2)));
}

// Scanning resumes after each replaced occurrence, so a replacement is never searched again.
int StringReplace(ScriptEngine&, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  const std::string& needle = args[1].AsString();
  if (needle.empty()) return 0;
  const std::string& replacement = args[2].AsString();
  int count = ArgInt(args, 3);
  bool caseSensitive = ArgInt(args, 4) != 0;
  std::string out;
  size_t from = 0;
  for (int done = 0; count <= 0 || done < count; ++done) {
    size_t at = FindFrom(text, needle, from, caseSensitive);
    if (at == kNotFound) break;
    out.append(text, from, at - from);
    out += replacement;
    from = at + needle.size();
  }
  out.append(text, from, std::string::npos);
  return SetText(result, std::move(out));
}

int StringRight(ScriptEngine&, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  size_t n = std::min(CountArg(args, 1), text.size());
  return SetText(result, text.substr(text.size() - n));
}

int StringSplit(ScriptEngine& engine, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  const std::string& delimiters = args[1].AsString();
  if (delimiters.empty()) {
    std::vector<std::string> characters;
    for (char c : text) characters.emplace_back(1, c);
    SetCountedArray(engine, result, characters);
    return 0;
  }
  std::vector<std::string> pieces = SplitAt(text, delimiters);
  if (pieces.size() == 1) engine.SetErrorCode(1);
  SetCountedArray(engine, result, pieces);
  return 0;
}

int StringStripCr(ScriptEngine&, const ArgList& args, Variant& result) {
  std::string out;
  for (char c : args[0].AsString()) {
    if (c != '\r') out += c;
  }
  return SetText(result, std::move(out));
}

int StringStripWs(ScriptEngine& engine, const ArgList& args, Variant& result) {
  if (args[0].IsArray()) {
    engine.SetErrorCode(1);
    return 0;
  }
  return SetText(result, StripWhiteSpace(args[0].AsString(), ArgInt(args, 1)));
}

int StringTrimLeft(ScriptEngine&, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  size_t n = CountArg(args, 1);
  return SetText(result, n >= text.size() ? std::string() : text.substr(n));
}

int StringTrimRight(ScriptEngine&, const ArgList& args, Variant& result) {
  const std::string& text = args[0].AsString();
  size_t n = CountArg(args, 1);
  return SetText(result, n >= text.size() ? std::string() : text.substr(0, text.size() - n));
}

int StringUpper(ScriptEngine&, const ArgList& args, Variant& result) {
  std::string text = ArgText(args, 0);
  ToUpperText(text);
  return SetText(result, std::move(text));
}

}  // namespace builtins
