// File, directory, INI and registry built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int DirCopy(ScriptEngine& engine, const ArgList& args, Variant& result);
int DirCreate(ScriptEngine& engine, const ArgList& args, Variant& result);
int DirMove(ScriptEngine& engine, const ArgList& args, Variant& result);
int DirRemove(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileChangeDir(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileClose(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileCopy(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileCreateShortcut(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileDelete(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileExists(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileFindFirstFile(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileFindNextFile(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetAttrib(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetLongName(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetShortcut(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetShortName(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetSize(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetTime(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileGetVersion(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileInstall(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileMove(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileOpen(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileOpenDialog(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileRead(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileReadLine(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileRecycle(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileRecycleEmpty(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileSaveDialog(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileSelectFolder(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileSetAttrib(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileSetTime(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileWrite(ScriptEngine& engine, const ArgList& args, Variant& result);
int FileWriteLine(ScriptEngine& engine, const ArgList& args, Variant& result);
int IniDelete(ScriptEngine& engine, const ArgList& args, Variant& result);
int IniRead(ScriptEngine& engine, const ArgList& args, Variant& result);
int IniWrite(ScriptEngine& engine, const ArgList& args, Variant& result);
int RegDelete(ScriptEngine& engine, const ArgList& args, Variant& result);
int RegEnumKey(ScriptEngine& engine, const ArgList& args, Variant& result);
int RegEnumVal(ScriptEngine& engine, const ArgList& args, Variant& result);
int RegRead(ScriptEngine& engine, const ArgList& args, Variant& result);
int RegWrite(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
