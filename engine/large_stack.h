// Runs a function on a thread of its own with a large stack, and waits for it: deep scripts nest
// the engine's C++ frames (384 function levels, deep expressions), more than a default stack holds
// under sanitizers. The caller blocks until `body` returns; `body` must not throw.
#pragma once

#include <cstddef>
#include <functional>

constexpr size_t kEngineStackBytes = 512u * 1024u * 1024u;

void RunOnLargeStack(const std::function<void()>& body, size_t stackBytes = kEngineStackBytes);
