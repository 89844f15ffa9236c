// SystemCounters: the counters the timing and memory built-ins read (the high-resolution
// performance counter and the memory figures). Owned by the engine's ServiceRegistry; lives as
// long as the engine. Engine thread only.
#pragma once

#include <cstdint>
#include <memory>

struct MemoryFigures {
  int m_loadPercent = 0;
  uint64_t m_totalPhysical = 0;
  uint64_t m_availablePhysical = 0;
  uint64_t m_totalPageFile = 0;
  uint64_t m_availablePageFile = 0;
  uint64_t m_totalVirtual = 0;
  uint64_t m_availableVirtual = 0;  // all in bytes
};

class SystemCounters {
 public:
  virtual ~SystemCounters() = default;
  // The counter's current value and its ticks per second; false when there is no counter.
  virtual bool PerformanceCounter(int64_t& value) = 0;
  virtual bool PerformanceFrequency(int64_t& ticksPerSecond) = 0;
  virtual bool Memory(MemoryFigures& figures) = 0;

  static std::unique_ptr<SystemCounters> CreateDefault();
};
