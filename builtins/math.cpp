// Maths and number built-ins.
#include "builtins/math.h"

namespace builtins {

int Abs(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ABS"); }
int Acos(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ACOS"); }
int Asin(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ASIN"); }
int Atan(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ATAN"); }
int BitAnd(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "BITAND"); }
int BitNot(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "BITNOT"); }
int BitOr(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "BITOR"); }
int BitShift(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "BITSHIFT"); }
int BitXor(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "BITXOR"); }
int Cos(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "COS"); }
int Dec(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DEC"); }
int Exp(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "EXP"); }
int Hex(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "HEX"); }
int Int(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "INT"); }
int Log(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "LOG"); }
int Mod(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "MOD"); }
int Number(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "NUMBER"); }
int Random(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "RANDOM"); }
int Round(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ROUND"); }
int Sin(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SIN"); }
int Sqrt(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SQRT"); }
int Tan(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "TAN"); }

}  // namespace builtins
