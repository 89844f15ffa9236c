// SampleProcessMemory from the process's working-set counters.
#include "process_memory.h"

#include <windows.h>
#include <psapi.h>

ProcessMemory SampleProcessMemory() {
  ProcessMemory memory;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
    memory.m_currentKb = counters.WorkingSetSize / 1024;
    memory.m_peakKb = counters.PeakWorkingSetSize / 1024;
  }
  return memory;
}
