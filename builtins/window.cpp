// Window matching and window built-ins.
#include "builtins/window.h"

namespace builtins {

int WinActivate(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINACTIVATE"); }
int WinActive(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINACTIVE"); }
int WinClose(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINCLOSE"); }
int WinExists(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINEXISTS"); }
int WinGetCaretPos(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETCARETPOS"); }
int WinGetClassList(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETCLASSLIST"); }
int WinGetClientSize(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETCLIENTSIZE"); }
int WinGetHandle(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETHANDLE"); }
int WinGetPos(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETPOS"); }
int WinGetState(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETSTATE"); }
int WinGetText(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETTEXT"); }
int WinGetTitle(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINGETTITLE"); }
int WinKill(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINKILL"); }
int WinMenuSelectItem(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINMENUSELECTITEM"); }
int WinMinimizeAll(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINMINIMIZEALL"); }
int WinMinimizeAllUndo(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINMINIMIZEALLUNDO"); }
int WinMove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINMOVE"); }
int WinSetOnTop(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINSETONTOP"); }
int WinSetState(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINSETSTATE"); }
int WinSetTitle(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINSETTITLE"); }
int WinWait(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINWAIT"); }
int WinWaitActive(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINWAITACTIVE"); }
int WinWaitClose(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINWAITCLOSE"); }
int WinWaitNotActive(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "WINWAITNOTACTIVE"); }

}  // namespace builtins
