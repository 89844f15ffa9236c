// Whole scripts through Prepare and Execute on the headless host, bounded in statements and time.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (fuzz::NamesHarmfulBuiltin(text)) return 0;
  fuzz::RunBoundedScript(fuzz::SplitLines(text));
  return 0;
}
