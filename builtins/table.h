// Lookup in the table of built-in functions (names upper case).
#pragma once

#include <string>

#include "engine/builtin.h"

constexpr int kBuiltinCount = 215;

// The entry at a table index (0 .. kBuiltinCount - 1).
const BuiltinEntry& BuiltinAt(int index);
// The table index of an upper-case name, or -1.
int FindBuiltin(const std::string& upperName);
