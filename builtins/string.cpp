// String and type-test built-ins.
#include "builtins/string.h"

namespace builtins {

int Asc(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ASC"); }
int Chr(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CHR"); }
int IsArray(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ISARRAY"); }
int IsFloat(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ISFLOAT"); }
int IsInt(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ISINT"); }
int IsNumber(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ISNUMBER"); }
int IsString(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ISSTRING"); }
int String(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRING"); }
int StringAddCr(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGADDCR"); }
int StringFormat(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGFORMAT"); }
int StringInStr(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGINSTR"); }
int StringIsAlnum(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISALNUM"); }
int StringIsAlpha(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISALPHA"); }
int StringIsAscii(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISASCII"); }
int StringIsDigit(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISDIGIT"); }
int StringIsFloat(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISFLOAT"); }
int StringIsInt(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISINT"); }
int StringIsLower(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISLOWER"); }
int StringIsSpace(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISSPACE"); }
int StringIsUpper(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISUPPER"); }
int StringIsXDigit(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGISXDIGIT"); }
int StringLeft(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGLEFT"); }
int StringLen(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGLEN"); }
int StringLower(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGLOWER"); }
int StringMid(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGMID"); }
int StringReplace(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGREPLACE"); }
int StringRight(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGRIGHT"); }
int StringSplit(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGSPLIT"); }
int StringStripCr(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGSTRIPCR"); }
int StringStripWs(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGSTRIPWS"); }
int StringTrimLeft(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGTRIMLEFT"); }
int StringTrimRight(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGTRIMRIGHT"); }
int StringUpper(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "STRINGUPPER"); }

}  // namespace builtins
