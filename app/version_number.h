// Dotted version numbers such as "1.2.0.10": reading them and comparing them part by part.
#pragma once

#include <optional>
#include <string>
#include <vector>

using VersionParts = std::vector<unsigned long>;

// The parts of a version text; nullopt unless it is decimal numbers (at most nine digits each)
// joined by single dots, with nothing around them.
std::optional<VersionParts> ParseVersion(const std::string& text);

// Below, equal to or above zero as `a` is older than, the same as or newer than `b`. Parts compare
// as numbers (1.10 is newer than 1.9); a missing part counts as 0 (1.2 equals 1.2.0.0).
int CompareVersions(const VersionParts& a, const VersionParts& b);
