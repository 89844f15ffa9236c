// File, directory, INI and registry built-ins.
#include "builtins/file.h"

namespace builtins {

int DirCopy(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DIRCOPY"); }
int DirCreate(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DIRCREATE"); }
int DirMove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DIRMOVE"); }
int DirRemove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "DIRREMOVE"); }
int FileChangeDir(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILECHANGEDIR"); }
int FileClose(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILECLOSE"); }
int FileCopy(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILECOPY"); }
int FileCreateShortcut(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILECREATESHORTCUT"); }
int FileDelete(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEDELETE"); }
int FileExists(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEEXISTS"); }
int FileFindFirstFile(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEFINDFIRSTFILE"); }
int FileFindNextFile(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEFINDNEXTFILE"); }
int FileGetAttrib(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETATTRIB"); }
int FileGetLongName(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETLONGNAME"); }
int FileGetShortcut(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETSHORTCUT"); }
int FileGetShortName(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETSHORTNAME"); }
int FileGetSize(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETSIZE"); }
int FileGetTime(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETTIME"); }
int FileGetVersion(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEGETVERSION"); }
int FileInstall(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEINSTALL"); }
int FileMove(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEMOVE"); }
int FileOpen(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEOPEN"); }
int FileOpenDialog(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEOPENDIALOG"); }
int FileRead(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEREAD"); }
int FileReadLine(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEREADLINE"); }
int FileRecycle(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILERECYCLE"); }
int FileRecycleEmpty(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILERECYCLEEMPTY"); }
int FileSaveDialog(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILESAVEDIALOG"); }
int FileSelectFolder(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILESELECTFOLDER"); }
int FileSetAttrib(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILESETATTRIB"); }
int FileSetTime(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILESETTIME"); }
int FileWrite(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEWRITE"); }
int FileWriteLine(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "FILEWRITELINE"); }
int IniDelete(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "INIDELETE"); }
int IniRead(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "INIREAD"); }
int IniWrite(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "INIWRITE"); }
int RegDelete(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "REGDELETE"); }
int RegEnumKey(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "REGENUMKEY"); }
int RegEnumVal(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "REGENUMVAL"); }
int RegRead(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "REGREAD"); }
int RegWrite(ScriptEngine& engine, const ArgList&, Variant&) { return ReportNotAvailable(engine, "REGWRITE"); }

}  // namespace builtins
