// Key built-ins: SEND, KEYSEND, KEYDOWN, KEYUP, and the hotkey-string parser.
#include "builtins/keyboard.h"

namespace builtins {

int KeyDown(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "KEYDOWN"); }
int KeySend(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "KEYSEND"); }
int KeyUp(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "KEYUP"); }
int Send(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SEND"); }

bool ParseHotkey(const std::string&, ParsedHotkey&) { return false; }

}  // namespace builtins
