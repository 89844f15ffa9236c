// Pauses: WAIT blocks, WAITLONG waits on a timer while the engine pumps, DELAY pumps.
#include "builtins/input_clock.h"
#include "builtins/mouse.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

namespace {

// At the faster speed a robot leaves out its short waits.
bool SkippedAtFasterSpeed(ScriptEngine& engine, int ms) {
  return engine.Source().SpeedOption() != 0 && ms <= 200;
}

}  // namespace

namespace builtins {

int Wait(ScriptEngine& engine, const ArgList& args, Variant&) {
  int ms = ArgInt(args, 0);
  if (!SkippedAtFasterSpeed(engine, ms)) engine.Services().Get<InputClock>().Delay(ms);
  return 0;
}

// The engine's loop runs no statement while the pending flag is set; the timer or the end of
// the run clears it, and whichever does so first releases the timer.
int WaitLong(ScriptEngine& engine, const ArgList& args, Variant&) {
  int ms = ArgInt(args, 0);
  InputClock& clock = engine.Services().Get<InputClock>();
  std::atomic<bool>& pending = engine.LongWaitPending();
  pending = true;
  if (clock.StartLongWait(ms, pending)) {
    engine.SetLongWaitStopper([&clock] { clock.StopLongWait(); });
    return 0;
  }
  // Without a timer it is a WAIT that still keeps the interface alive.
  if (SkippedAtFasterSpeed(engine, ms)) return 0;
  return engine.Pause(ms);
}

int Delay(ScriptEngine& engine, const ArgList& args, Variant&) {
  int ms = ArgInt(args, 0);
  if (ms <= 0) {
    engine.Host().SleepMs(0);
    return 0;
  }
  return engine.Pause(ms);
}

}  // namespace builtins
