// Timing and memory built-ins: the performance-counter timer and the memory figures.
#include <cstdint>

#include "builtins/counters_services.h"
#include "builtins/feedback.h"
#include "engine/script_engine.h"

namespace builtins {

namespace {

constexpr int kMessageNoCounter = 13;
constexpr int kMemoryFigureCount = 7;

int ReportNoCounter(ScriptEngine& engine) {
  return engine.ReportError(kMessageNoCounter, ScriptEngine::kNoColumn);
}

}  // namespace

int TimerInit(ScriptEngine& engine, const ArgList&, Variant& result) {
  int64_t now = 0;
  if (!engine.Services().Get<SystemCounters>().PerformanceCounter(now)) return ReportNoCounter(engine);
  result.SetDouble(static_cast<double>(now));
  return 0;
}

int TimerDiff(ScriptEngine& engine, const ArgList& args, Variant& result) {
  SystemCounters& counters = engine.Services().Get<SystemCounters>();
  int64_t now = 0;
  int64_t frequency = 0;
  if (!counters.PerformanceFrequency(frequency) || frequency <= 0 || !counters.PerformanceCounter(now)) {
    return ReportNoCounter(engine);
  }
  result.SetDouble((static_cast<double>(now) - args[0].AsDouble()) / static_cast<double>(frequency) * 1000.0);
  return 0;
}

int MemGetStats(ScriptEngine& engine, const ArgList&, Variant& result) {
  MemoryFigures figures;
  if (!engine.Services().Get<SystemCounters>().Memory(figures)) {
    engine.SetErrorCode(1);
    return 0;
  }
  const uint64_t bytes[] = {figures.m_totalPhysical, figures.m_availablePhysical, figures.m_totalPageFile,
                            figures.m_availablePageFile, figures.m_totalVirtual, figures.m_availableVirtual};
  static_assert(1 + sizeof(bytes) / sizeof(bytes[0]) == kMemoryFigureCount, "load plus six byte figures");
  result.CreateArray({kMemoryFigureCount});
  result.Element({0})->SetInt(figures.m_loadPercent);
  for (int i = 1; i < kMemoryFigureCount; ++i) {
    result.Element({i})->SetDouble(static_cast<double>(bytes[i - 1]) / 1024.0);
  }
  return 0;
}

}  // namespace builtins
