// ReadProcessMemory from /proc/self/status.
#include "process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

ProcessMemory ReadProcessMemory() {
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
