// The Windows input clock: the precise delay and the multimedia one-shot timer of WAITLONG.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

#include "builtins/input_clock.h"

namespace {

// Sleep cannot time pauses below this; shorter ones spin on the performance counter.
constexpr int kSleepThresholdMs = 10;

struct TimerState {
  std::atomic<bool>* m_pending = nullptr;
  UINT m_period = 1;
};

// Runs on the timer thread: only the side that clears the flag ends the timer's period.
void CALLBACK OnLongWaitTimer(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
  auto* state = reinterpret_cast<TimerState*>(user);
  if (state->m_pending->exchange(false)) timeEndPeriod(state->m_period);
}

class Win32Clock : public InputClock {
 public:
  void Delay(int ms) override { PreciseDelay(ms); }

  bool StartLongWait(int ms, std::atomic<bool>& pending) override {
    TIMECAPS caps = {};
    UINT period = timeGetDevCaps(&caps, sizeof caps) == TIMERR_NOERROR ? std::max<UINT>(1, caps.wPeriodMin) : 1;
    m_state.m_pending = &pending;
    m_state.m_period = period;
    timeBeginPeriod(period);
    UINT delay = std::max<UINT>(period, static_cast<UINT>(std::max(ms, 0)));
    m_timer = timeSetEvent(delay, period, OnLongWaitTimer, reinterpret_cast<DWORD_PTR>(&m_state),
                           TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
    if (m_timer != 0) return true;
    if (pending.exchange(false)) timeEndPeriod(period);
    return false;
  }

  void StopLongWait() override {
    timeKillEvent(m_timer);
    timeEndPeriod(m_state.m_period);
    m_timer = 0;
  }

 private:
  TimerState m_state;
  UINT m_timer = 0;
};

}  // namespace

void PreciseDelay(int ms) {
  if (ms < 0) return;
  static LARGE_INTEGER frequency;
  static const bool hasCounter = QueryPerformanceFrequency(&frequency) != 0 && frequency.QuadPart > 0;
  if (ms == 0 || ms >= kSleepThresholdMs || !hasCounter) {
    Sleep(static_cast<DWORD>(ms));
    return;
  }
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  do {
    Sleep(0);
    QueryPerformanceCounter(&now);
  } while ((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart < ms);
}

std::unique_ptr<InputClock> InputClock::CreateDefault() { return std::make_unique<Win32Clock>(); }
