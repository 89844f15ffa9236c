// Mouse, pixel and wait built-ins.
#include "builtins/mouse.h"

#include "engine/script_engine.h"

namespace builtins {

int BlockInput(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "BLOCKINPUT"); }
int CheckColor(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CHECKCOLOR"); }
int Delay(ScriptEngine& engine, const ArgList& args, Variant&) {
  int ms = ArgInt(args, 0);
  if (ms <= 0) {
    engine.Host().SleepMs(0);
    return 0;
  }
  return engine.Pause(ms);
}

int MouseClick(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSECLICK"); }
int MouseClickDrag(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSECLICKDRAG"); }
int MouseDoubleClick(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEDOUBLECLICK"); }
int MouseDown(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEDOWN"); }
int MouseGetCursor(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEGETCURSOR"); }
int MouseGetPos(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEGETPOS"); }
int MouseMove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEMOVE"); }
int MouseRelativeMove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSERELATIVEMOVE"); }
int MouseUp(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEUP"); }
int MouseWheel(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOUSEWHEEL"); }
int PixelChecksum(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PIXELCHECKSUM"); }
int PixelGetColor(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PIXELGETCOLOR"); }
int PixelSearch(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PIXELSEARCH"); }
int Wait(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WAIT"); }
int WaitLong(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WAITLONG"); }

}  // namespace builtins
