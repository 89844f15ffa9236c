// Process, run, drive, clipboard, environment and system built-ins.
#include "builtins/process.h"

namespace builtins {

int CdTray(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CDTRAY"); }
int ClipGet(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CLIPGET"); }
int ClipPut(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "CLIPPUT"); }
int DriveGetDrive(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEGETDRIVE"); }
int DriveGetFileSystem(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEGETFILESYSTEM"); }
int DriveGetLabel(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEGETLABEL"); }
int DriveGetSerial(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEGETSERIAL"); }
int DriveGetType(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEGETTYPE"); }
int DriveMapAdd(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEMAPADD"); }
int DriveMapDel(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEMAPDEL"); }
int DriveMapGet(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVEMAPGET"); }
int DriveSetLabel(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVESETLABEL"); }
int DriveSpaceFree(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVESPACEFREE"); }
int DriveSpaceTotal(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVESPACETOTAL"); }
int DriveStatus(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DRIVESTATUS"); }
int EnvGet(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ENVGET"); }
int EnvSet(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ENVSET"); }
int EnvUpdate(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ENVUPDATE"); }
int IsAdmin(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "ISADMIN"); }
int ProcessClose(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROCESSCLOSE"); }
int ProcessExists(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROCESSEXISTS"); }
int ProcessSetPriority(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROCESSSETPRIORITY"); }
int ProcessWait(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROCESSWAIT"); }
int ProcessWaitClose(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "PROCESSWAITCLOSE"); }
int Run(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "RUN"); }
int RunAsSet(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "RUNASSET"); }
int RunWait(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "RUNWAIT"); }
int Shutdown(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SHUTDOWN"); }
int SoundPlay(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SOUNDPLAY"); }
int SoundSetWaveVolume(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "SOUNDSETWAVEVOLUME"); }
int UrlDownloadToFile(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "URLDOWNLOADTOFILE"); }

}  // namespace builtins
