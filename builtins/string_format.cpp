// STRINGFORMAT: printf-style formatting of script values that can never read a value that was
// not passed or write past a buffer, whatever the format says.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "builtins/string.h"

namespace builtins {

namespace {

// Widths and precisions are capped so that one conversion stays a bounded amount of text.
constexpr int kMaxField = 65535;
constexpr size_t kMaxStringValue = 65535;

struct Conversion {
  std::string m_flags;
  int m_width = -1;
  int m_precision = -1;
  char m_type = 0;
  size_t m_end = 0;  // index just past the conversion character
};

// Reads a run of digits, saturating at kMaxField; -1 when there is none.
int ReadField(const std::string& format, size_t& i) {
  if (i >= format.size() || !std::isdigit(static_cast<unsigned char>(format[i]))) return -1;
  int value = 0;
  for (; i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])); ++i) {
    value = std::min(kMaxField, value * 10 + (format[i] - '0'));
  }
  return value;
}

// Only flags, a width and a precision may stand between "%" and the conversion character;
// anything else ("*", "n", length modifiers) means this "%" starts no conversion.
bool ParseConversion(const std::string& format, size_t percent, Conversion& conversion) {
  size_t i = percent + 1;
  while (i < format.size() && format[i] != '\0' && std::strchr("-+ #0", format[i])) conversion.m_flags += format[i++];
  conversion.m_width = ReadField(format, i);
  if (i < format.size() && format[i] == '.') {
    ++i;
    conversion.m_precision = std::max(0, ReadField(format, i));
  }
  if (i >= format.size() || format[i] == '\0' || !std::strchr("diouxXeEfgGs", format[i])) return false;
  conversion.m_type = format[i];
  conversion.m_end = i + 1;
  return true;
}

// Strings are padded here rather than by the C library, whose "0" and "#" flags are undefined
// for them.
std::string FormatString(const Conversion& conversion, std::string text) {
  if (text.size() > kMaxStringValue) text.resize(kMaxStringValue);
  if (conversion.m_precision >= 0 && text.size() > static_cast<size_t>(conversion.m_precision)) {
    text.resize(static_cast<size_t>(conversion.m_precision));
  }
  size_t width = conversion.m_width < 0 ? 0 : static_cast<size_t>(conversion.m_width);
  if (text.size() >= width) return text;
  std::string padding(width - text.size(), ' ');
  return conversion.m_flags.find('-') != std::string::npos ? text + padding : padding + text;
}

// The C library's format for one conversion, without the flags it leaves undefined for it.
std::string CFormat(const Conversion& conversion) {
  bool alternateDefined = std::strchr("oxXeEfgG", conversion.m_type) != nullptr;
  std::string spec = "%";
  for (char flag : conversion.m_flags) {
    if (flag != '#' || alternateDefined) spec += flag;
  }
  if (conversion.m_width >= 0) spec += std::to_string(conversion.m_width);
  if (conversion.m_precision >= 0) spec += "." + std::to_string(conversion.m_precision);
  return spec + conversion.m_type;
}

template <class T>
std::string FormatNumber(const std::string& spec, T value) {
  int length = std::snprintf(nullptr, 0, spec.c_str(), value);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
  return std::string(buffer.data(), static_cast<size_t>(length));
}

std::string FormatValue(const Conversion& conversion, const Variant& value) {
  char type = conversion.m_type;
  if (type == 's') return FormatString(conversion, value.AsString());
  std::string spec = CFormat(conversion);
  if (type == 'd' || type == 'i') return FormatNumber(spec, value.AsInt());
  if (std::strchr("ouxX", type)) return FormatNumber(spec, static_cast<unsigned>(value.AsInt()));
  return FormatNumber(spec, value.AsDouble());
}

// A backslash before n, r, t or % is an escape; before anything else both characters stay.
size_t CopyEscape(const std::string& format, size_t i, std::string& out) {
  if (i + 1 >= format.size()) {
    out += '\\';
    return i + 1;
  }
  switch (format[i + 1]) {
    case 'n': out += '\n'; break;
    case 'r': out += '\r'; break;
    case 't': out += '\t'; break;
    case '%': out += '%'; break;
    default: out.append(format, i, 2);
  }
  return i + 2;
}

// At a "%": "%%", a conversion of the next value, or a plain "%" when no conversion follows.
// Returns where scanning resumes, or kStop when a conversion finds no value left.
constexpr size_t kStop = std::string::npos;

size_t CopyPercent(const std::string& format, size_t i, const ArgList& args, size_t& nextValue, std::string& out) {
  Conversion conversion;
  if (i + 1 < format.size() && format[i + 1] == '%') {
    out += '%';
    return i + 2;
  }
  if (!ParseConversion(format, i, conversion)) {
    out += '%';
    return i + 1;
  }
  if (!args.Has(nextValue)) return kStop;
  out += FormatValue(conversion, args[nextValue++]);
  return conversion.m_end;
}

std::string FormatText(const std::string& format, const ArgList& args) {
  std::string out;
  size_t nextValue = 1;
  for (size_t i = 0; i < format.size();) {
    if (format[i] == '\\') {
      i = CopyEscape(format, i, out);
    } else if (format[i] == '%') {
      i = CopyPercent(format, i, args, nextValue, out);
      if (i == kStop) break;
    } else {
      out += format[i++];
    }
  }
  return out;
}

}  // namespace

int StringFormat(ScriptEngine&, const ArgList& args, Variant& result) {
  result.SetString(FormatText(args[0].AsString(), args));
  return 0;
}

}  // namespace builtins
