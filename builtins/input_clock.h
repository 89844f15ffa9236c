// InputClock: the pauses of the input built-ins (the precise millisecond delay) and the one-shot
// timer behind WAITLONG. Owned by the engine's service registry, created on first use; it lives
// as long as the engine. Engine thread only, except that the timer fires on a system thread and
// then touches nothing but the pending flag it was given.
#pragma once

#include <atomic>
#include <memory>

class InputClock {
 public:
  virtual ~InputClock() = default;

  // Below 0 returns at once, 0 yields the time slice; short pauses are measured with the
  // high-resolution counter because Sleep cannot time them.
  virtual void Delay(int ms) = 0;

  // Starts a one-shot timer of `ms` that clears `pending` when it fires. `pending` must be set
  // before the call and must outlive the timer. False (with `pending` cleared) when no timer
  // could be started. Whoever clears `pending` first, the timer or StopLongWait's caller, is
  // the one side that releases the timer.
  virtual bool StartLongWait(int ms, std::atomic<bool>& pending) = 0;
  // Stops the timer; called only by the side that cleared the pending flag.
  virtual void StopLongWait() = 0;

  static std::unique_ptr<InputClock> CreateDefault();
};

// The subsystem's pause, as InputClock::Delay on Windows (Windows builds only).
void PreciseDelay(int ms);
