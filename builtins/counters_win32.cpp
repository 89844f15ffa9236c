// The system's counters: the performance counter and the memory status (the 64-bit figures, so
// machines with more than 4 GB report true values).
#include <windows.h>

#include "builtins/counters_services.h"

namespace {

class Win32Counters : public SystemCounters {
 public:
  bool PerformanceCounter(int64_t& value) override {
    LARGE_INTEGER counter;
    if (!QueryPerformanceCounter(&counter)) return false;
    value = counter.QuadPart;
    return true;
  }
  bool PerformanceFrequency(int64_t& ticksPerSecond) override {
    LARGE_INTEGER frequency;
    if (!QueryPerformanceFrequency(&frequency)) return false;
    ticksPerSecond = frequency.QuadPart;
    return true;
  }
  bool Memory(MemoryFigures& figures) override {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status)) return false;
    figures.m_loadPercent = static_cast<int>(status.dwMemoryLoad);
    figures.m_totalPhysical = status.ullTotalPhys;
    figures.m_availablePhysical = status.ullAvailPhys;
    figures.m_totalPageFile = status.ullTotalPageFile;
    figures.m_availablePageFile = status.ullAvailPageFile;
    figures.m_totalVirtual = status.ullTotalVirtual;
    figures.m_availableVirtual = status.ullAvailVirtual;
    return true;
  }
};

}  // namespace

std::unique_ptr<SystemCounters> SystemCounters::CreateDefault() { return std::make_unique<Win32Counters>(); }
