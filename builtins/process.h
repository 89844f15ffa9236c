// Process, run, drive, clipboard, environment and system built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int CdTray(ScriptEngine& engine, const ArgList& args, Variant& result);
int ClipGet(ScriptEngine& engine, const ArgList& args, Variant& result);
int ClipPut(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveGetDrive(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveGetFileSystem(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveGetLabel(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveGetSerial(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveGetType(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveMapAdd(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveMapDel(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveMapGet(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveSetLabel(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveSpaceFree(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveSpaceTotal(ScriptEngine& engine, const ArgList& args, Variant& result);
int DriveStatus(ScriptEngine& engine, const ArgList& args, Variant& result);
int EnvGet(ScriptEngine& engine, const ArgList& args, Variant& result);
int EnvSet(ScriptEngine& engine, const ArgList& args, Variant& result);
int EnvUpdate(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsAdmin(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProcessClose(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProcessExists(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProcessSetPriority(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProcessWait(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProcessWaitClose(ScriptEngine& engine, const ArgList& args, Variant& result);
int Run(ScriptEngine& engine, const ArgList& args, Variant& result);
int RunAsSet(ScriptEngine& engine, const ArgList& args, Variant& result);
int RunWait(ScriptEngine& engine, const ArgList& args, Variant& result);
int Shutdown(ScriptEngine& engine, const ArgList& args, Variant& result);
int SoundPlay(ScriptEngine& engine, const ArgList& args, Variant& result);
int SoundSetWaveVolume(ScriptEngine& engine, const ArgList& args, Variant& result);
int UrlDownloadToFile(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
