// Control built-ins.
#include "builtins/control.h"

namespace builtins {

int ControlClick(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLCLICK"); }
int ControlCommand(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLCOMMAND"); }
int ControlDisable(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLDISABLE"); }
int ControlEnable(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLENABLE"); }
int ControlFocus(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLFOCUS"); }
int ControlGetFocus(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLGETFOCUS"); }
int ControlGetPos(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLGETPOS"); }
int ControlGetText(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLGETTEXT"); }
int ControlHide(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLHIDE"); }
int ControlMove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLMOVE"); }
int ControlSetText(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLSETTEXT"); }
int ControlShow(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CONTROLSHOW"); }
int StatusBarGetText(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STATUSBARGETTEXT"); }

}  // namespace builtins
