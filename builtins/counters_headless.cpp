// The counters of native runs: the steady clock in nanoseconds stands in for the performance
// counter, and the kernel's memory figures for the memory status (the page file is physical
// memory plus swap; the virtual figures repeat it, as there is no fixed address-space limit).
#ifndef _WIN32

#include <sys/sysinfo.h>

#include <chrono>

#include "builtins/counters_services.h"

namespace {

class HeadlessCounters : public SystemCounters {
 public:
  bool PerformanceCounter(int64_t& value) override {
    value = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch()).count();
    return true;
  }
  bool PerformanceFrequency(int64_t& ticksPerSecond) override {
    ticksPerSecond = 1000000000;
    return true;
  }
  bool Memory(MemoryFigures& figures) override {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return false;
    uint64_t unit = info.mem_unit;
    figures.m_totalPhysical = info.totalram * unit;
    figures.m_availablePhysical = info.freeram * unit;
    figures.m_totalPageFile = (info.totalram + info.totalswap) * unit;
    figures.m_availablePageFile = (info.freeram + info.freeswap) * unit;
    figures.m_totalVirtual = figures.m_totalPageFile;
    figures.m_availableVirtual = figures.m_availablePageFile;
    uint64_t used = figures.m_totalPhysical - figures.m_availablePhysical;
    figures.m_loadPercent = figures.m_totalPhysical ? static_cast<int>(used * 100 / figures.m_totalPhysical) : 0;
    return true;
  }
};

}  // namespace

std::unique_ptr<SystemCounters> SystemCounters::CreateDefault() { return std::make_unique<HeadlessCounters>(); }

#endif
