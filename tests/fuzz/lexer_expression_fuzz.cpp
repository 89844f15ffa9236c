// One arbitrary line through the lexer (with and without environment expansion), then through
// the expression evaluator as an assignment's right-hand side and as a condition, and as a
// statement of its own.
#include <algorithm>

#include "engine/lexer.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  // The script store never hands the engine a line break inside a line.
  std::replace(line.begin(), line.end(), '\n', ' ');
  std::replace(line.begin(), line.end(), '\r', ' ');
  for (bool expand : {false, true}) {
    TokenList tokens;
    Tokenize(line, expand, tokens);
  }
  if (fuzz::NamesHarmfulBuiltin(line)) return 0;
  fuzz::RunBoundedScript({"$fuzzResult = " + line, "If " + line + " Then", "EndIf", line});
  return 0;
}
