// Small text helpers shared by the robot file readers and the action vocabulary: 8-bit ANSI text,
// compared without regard to case in the ASCII range only, as the file formats require. Pure
// functions; thread-safe.
#pragma once

#include <string>

// The text after the first keyLength characters; the empty text when the line is shorter.
// Keys are stripped by length, never checked: stored files may carry any text in their place.
std::string StripKey(const std::string& line, std::size_t keyLength);

// Decimal conversion as robot files need it: leading blanks, an optional sign, digits; trailing
// text is ignored, an unparsable text gives 0 and a value out of range is clamped to int.
int ParseDecimal(const std::string& text);

bool EqualsNoCase(const std::string& a, const std::string& b);
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
bool EndsWith(const std::string& text, const std::string& suffix);

// The text without the characters of `blanks` at either end.
std::string Trimmed(const std::string& text, const char* blanks);

// Replaces every CR and LF by a blank, so that a value can never break a line-based file apart.
std::string FlattenLineBreaks(std::string text);
