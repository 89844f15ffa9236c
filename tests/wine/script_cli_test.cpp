// morvanta-script.exe end to end under Wine: exit codes, the globals it prints and the error
// text it writes for plain scripts and robot files.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string TempFolder() {
  char buffer[MAX_PATH];
  GetTempPathA(MAX_PATH, buffer);
  return buffer;
}

std::string WriteScript(const std::string& name, const std::string& text) {
  std::string path = TempFolder() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

HANDLE CreateOutput(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

struct CliResult {
  DWORD m_exitCode = 9999;
  std::string m_out;
  std::string m_err;
};

// Runs morvanta-script.exe with `arguments` and waits for it (one minute at most).
CliResult RunCli(const std::string& arguments) {
  // Fresh files for every run: rewriting one file across runs lost the later runs' error text under Wine.
  static int runs = 0;
  std::string stem = TempFolder() + "cli_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++runs);
  std::string outPath = stem + "_out.txt", errPath = stem + "_err.txt";
  HANDLE out = CreateOutput(outPath), err = CreateOutput(errPath);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = err;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string command = "\"" + WindowsPath(MORVANTA_BIN_DIR "/morvanta-script.exe") + "\" " + arguments;
  PROCESS_INFORMATION process{};
  CliResult result;
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &result.m_exitCode);
    else TerminateProcess(process.hProcess, 9998);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  result.m_out = ReadAll(outPath);
  result.m_err = ReadAll(errPath);
  DeleteFileA(outPath.c_str());
  DeleteFileA(errPath.c_str());
  return result;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

TEST(ScriptCli, PrintsGlobalsOfAPlainScript) {
  std::string script = WriteScript("cli_plain.txt",
                                   "$x = 7\r\n$t = 'say \"hi\"'\r\nDim $a[2][2]\r\n$a[1][0] = 1.5\r\n$CmdCount = $CMDLINE[0]\r\n");
  CliResult result = RunCli("--dump-globals " + Quoted(script) + " one two");
  EXPECT_EQ(result.m_exitCode, 0u) << result.m_err;
  EXPECT_EQ(result.m_out,
            "$CMDLINE = array[3]\n$CMDLINE[0] = 2\n$CMDLINE[1] = \"one\"\n$CMDLINE[2] = \"two\"\n$X = 7\n"
            "$T = \"say \"\"hi\"\"\"\n$A = array[2][2]\n$A[1][0] = 1.5\n$CMDCOUNT = 2\n");
}

TEST(ScriptCli, ReportsErrorsOnStandardErrorWithTheFileName) {
  std::string script = WriteScript("cli_error.txt", "$x = 1\r\n$x = 1 +* 2\r\n$never = 1\r\n");
  CliResult result = RunCli("--dump-globals " + Quoted(script));
  EXPECT_EQ(result.m_exitCode, 1u);
  EXPECT_NE(result.m_err.find("Line 2  (File \""), std::string::npos) << result.m_err;
  EXPECT_NE(result.m_err.find("cli_error.txt\"):\n\n$x = 1 +* 2\n$x = ^ ERROR\n\nError: Error in expression."),
            std::string::npos)
      << result.m_err;
  EXPECT_EQ(result.m_out, "$X = 1\n");
}

TEST(ScriptCli, PreparationErrorsAndUsageErrors) {
  std::string script = WriteScript("cli_unknown.txt", "$x = 1\r\nnosuch()\r\n");
  CliResult unknown = RunCli(Quoted(script));
  EXPECT_EQ(unknown.m_exitCode, 1u);
  EXPECT_NE(unknown.m_err.find("Unknown function name."), std::string::npos) << unknown.m_err;
  EXPECT_EQ(RunCli("").m_exitCode, 2u);
  EXPECT_EQ(RunCli(Quoted(TempFolder() + "no such script.txt")).m_exitCode, 2u);
}

TEST(ScriptCli, RunsTheScriptSectionOfARobotFile) {
  std::string robot = WriteScript("cli_robot.txt",
                                  "[General]\r\nName=cli_robot\r\nStartKey=\r\nEndKey=\r\nDescription=\r\n"
                                  "Enable=0\r\nRepeatOption=0\r\nRepeatTimes=1\r\nSpeedOption=1\r\n[Script]\r\n"
                                  "$x = 1\r\nComment: a note\r\n$y = $x +\r\n[RecWinInfo]\r\n");
  CliResult result = RunCli("--dump-globals " + Quoted(robot));
  EXPECT_EQ(result.m_exitCode, 1u);
  EXPECT_NE(result.m_err.find("Line 3  (File \""), std::string::npos) << result.m_err;
  // The assigned variable exists before its expression fails.
  EXPECT_EQ(result.m_out, "$X = 1\n$Y = \"\"\n");
}

}  // namespace
