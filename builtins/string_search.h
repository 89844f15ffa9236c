// The substring search shared by STRINGINSTR and STRINGREPLACE. Pure functions; any thread.
#pragma once

#include <cstddef>
#include <string>

namespace builtins {

constexpr size_t kNotFound = std::string::npos;

// The 0-based position of the `occurrence`-th match of `needle` in `text`, or kNotFound.
// Positive occurrences count from the left, trying every start position in turn, so matches may
// overlap; negative ones count from the right, starting where the needle last fits. Occurrence 0
// finds nothing. Without `caseSensitive`, letters compare by the C library's lower case.
size_t FindOccurrence(const std::string& text, const std::string& needle, int occurrence, bool caseSensitive);

// The first match at or after `from`, or kNotFound.
size_t FindFrom(const std::string& text, const std::string& needle, size_t from, bool caseSensitive);

}  // namespace builtins
