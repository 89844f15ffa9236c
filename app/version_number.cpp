// Dotted version numbers.
#include "app/version_number.h"

#include <algorithm>

namespace {
// Nine digits always fit an unsigned long, so no part can overflow.
constexpr std::size_t kMaxPartDigits = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<unsigned long> ParsePart(const std::string& text) {
  if (text.empty() || text.size() > kMaxPartDigits || !std::all_of(text.begin(), text.end(), IsDigit))
    return std::nullopt;
  return std::stoul(text);
}
}  // namespace

std::optional<VersionParts> ParseVersion(const std::string& text) {
  VersionParts parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t dot = text.find('.', start);
    std::optional<unsigned long> part = ParsePart(text.substr(start, dot - start));
    if (!part) return std::nullopt;
    parts.push_back(*part);
    if (dot == std::string::npos) return parts;
    start = dot + 1;
  }
}

int CompareVersions(const VersionParts& a, const VersionParts& b) {
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    unsigned long partA = i < a.size() ? a[i] : 0;
    unsigned long partB = i < b.size() ? b[i] : 0;
    if (partA != partB) return partA < partB ? -1 : 1;
  }
  return 0;
}
