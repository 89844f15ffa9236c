// SampleProcessMemory from /proc/self/status; the Windows build has its own in process_memory_win32.cpp.
#include "process_memory.h"

#ifndef _WIN32
#include <fstream>
#include <sstream>
#include <string>

ProcessMemory SampleProcessMemory() {
  ProcessMemory memory;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    std::istringstream fields(line);
    std::string key;
    uint64_t kb = 0;
    fields >> key >> kb;
    if (key == "VmRSS:") memory.m_currentKb = kb;
    if (key == "VmHWM:") memory.m_peakKb = kb;
  }
  return memory;
}
#endif
