// The memory this process holds now and the most it has held, for soak reports. Any thread.
#pragma once

#include <cstdint>

struct ProcessMemory {
  uint64_t m_currentKb = 0;  // resident set (working set on Windows)
  uint64_t m_peakKb = 0;     // its high-water mark
};

// Zeros when the system does not tell.
ProcessMemory SampleProcessMemory();
