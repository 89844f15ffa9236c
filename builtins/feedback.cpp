// Feedback and timing built-ins: message box, tooltip, tray tip, splash and progress windows, timers, memory statistics.
#include "builtins/feedback.h"

namespace builtins {

int MemGetStats(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MEMGETSTATS"); }
int MsgBox(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MSGBOX"); }
int ProgressOff(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROGRESSOFF"); }
int ProgressOn(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROGRESSON"); }
int ProgressSet(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROGRESSSET"); }
int SplashImageOn(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SPLASHIMAGEON"); }
int SplashOff(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SPLASHOFF"); }
int SplashTextOn(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SPLASHTEXTON"); }
int TimerDiff(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "TIMERDIFF"); }
int TimerInit(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "TIMERINIT"); }
int ToolTip(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "TOOLTIP"); }
int TrayTip(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "TRAYTIP"); }

}  // namespace builtins
