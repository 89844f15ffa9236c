// DumpGlobals: value forms and row-major element lines.
#include "engine/global_dump.h"

namespace {

std::string Shape(const Variant& array) {
  std::string text = "array";
  for (int size : array.Dimensions()) text += "[" + std::to_string(size) + "]";
  return text;
}

std::string ValueText(const Variant& value) {
  if (value.IsArray()) return Shape(value);
  if (value.IsNumber()) return value.AsString();
  std::string quoted = "\"";
  for (char c : value.AsString()) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Subscripts(int64_t index, const std::vector<int>& sizes) {
  std::string text;
  for (size_t d = sizes.size(); d-- > 0;) {
    text = "[" + std::to_string(index % sizes[d]) + "]" + text;
    index /= sizes[d];
  }
  return text;
}

}  // namespace

std::string DumpGlobals(const VariableTable& variables) {
  std::string out;
  for (const auto& entry : variables.Globals()) {
    const Variant& value = *entry.m_value;
    out += "$" + entry.m_name + " = " + ValueText(value) + "\n";
    if (!value.IsArray()) continue;
    for (int64_t i = 0; i < value.ElementCount(); ++i) {
      if (const Variant* element = value.ExistingElement(i)) {
        out += "$" + entry.m_name + Subscripts(i, value.Dimensions()) + " = " + ValueText(*element) + "\n";
      }
    }
  }
  return out;
}
