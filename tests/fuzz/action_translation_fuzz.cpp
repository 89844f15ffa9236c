// Arbitrary text through both action translations, and each result back through the other one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "robot/action_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ScriptToActionText(ActionTextToScript(text));
  ActionTextToScript(ScriptToActionText(text));
  return 0;
}
