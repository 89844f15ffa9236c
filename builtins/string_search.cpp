// Substring search with overlapping and right-to-left occurrences.
#include "builtins/string_search.h"

#include <cctype>

namespace builtins {

namespace {

bool MatchesAt(const std::string& text, const std::string& needle, size_t at, bool caseSensitive) {
  for (size_t i = 0; i < needle.size(); ++i) {
    unsigned char a = static_cast<unsigned char>(text[at + i]);
    unsigned char b = static_cast<unsigned char>(needle[i]);
    if (a == b) continue;
    if (caseSensitive || std::tolower(a) != std::tolower(b)) return false;
  }
  return true;
}

}  // namespace

size_t FindFrom(const std::string& text, const std::string& needle, size_t from, bool caseSensitive) {
  if (needle.size() > text.size()) return kNotFound;
  for (size_t at = from; at <= text.size() - needle.size(); ++at) {
    if (MatchesAt(text, needle, at, caseSensitive)) return at;
  }
  return kNotFound;
}

size_t FindOccurrence(const std::string& text, const std::string& needle, int occurrence, bool caseSensitive) {
  if (occurrence == 0 || needle.size() > text.size()) return kNotFound;
  const size_t last = text.size() - needle.size();
  // Counted in 64 bits: the most negative occurrence has no positive int counterpart.
  long long wanted = occurrence > 0 ? occurrence : -static_cast<long long>(occurrence);
  for (size_t step = 0; step <= last; ++step) {
    size_t at = occurrence > 0 ? step : last - step;
    if (MatchesAt(text, needle, at, caseSensitive) && --wanted == 0) return at;
  }
  return kNotFound;
}

}  // namespace builtins
