// morvanta-driver: the test driver's calls from the command line, for scripts and manual use.
// Prints its result on standard output; exit status 0 on success, 1 on failure, 2 on bad usage.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"

namespace {

using Arguments = std::vector<std::string>;

unsigned long long Number(const std::string& text) { return std::strtoull(text.c_str(), nullptr, 0); }

HWND WindowArg(const std::string& text) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(Number(text))); }

driver::Milliseconds TimeoutArg(const Arguments& args, size_t index) {
  return index < args.size() ? driver::Milliseconds(Number(args[index])) : driver::kDefaultTimeout;
}

int PrintWindow(HWND window) {
  if (window == nullptr) return 1;
  std::printf("0x%llx\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
  return 0;
}

int PrintText(const std::string& text) {
  std::printf("%s\n", text.c_str());
  return 0;
}

int Start(const Arguments& args) {
  std::string arguments;
  for (size_t i = 1; i < args.size(); ++i) arguments += (i > 1 ? " " : "") + args[i];
  driver::Process process = driver::Process::Start(driver::WindowsPath(args[0]), arguments);
  if (!process.Valid()) return 1;
  std::printf("%lu\n", process.Id());
  process.Release();
  return 0;
}

int WaitWindow(const Arguments& args) {
  driver::WindowQuery query{args[0], args.size() > 1 ? args[1] : "", 0, false};
  return PrintWindow(driver::WaitForWindow(query, TimeoutArg(args, 2)));
}

int WaitText(const Arguments& args) {
  return PrintWindow(
      driver::WaitForWindowShowing(static_cast<DWORD>(Number(args[0])), args[1], TimeoutArg(args, 2)));
}

int Child(const Arguments& args) { return PrintWindow(driver::FindChildByClass(WindowArg(args[0]), args[1])); }

int Text(const Arguments& args) { return PrintText(driver::WindowText(WindowArg(args[0]))); }

int ControlText(const Arguments& args) {
  return PrintText(driver::ControlText(WindowArg(args[0]), static_cast<int>(Number(args[1]))));
}

int Send(const Arguments& args) {
  auto result = driver::Send(WindowArg(args[0]), static_cast<UINT>(Number(args[1])),
                             static_cast<WPARAM>(Number(args[2])), static_cast<LPARAM>(Number(args[3])));
  if (!result) return 1;
  std::printf("%lld\n", static_cast<long long>(*result));
  return 0;
}

int Post(const Arguments& args) {
  return driver::Post(WindowArg(args[0]), static_cast<UINT>(Number(args[1])), static_cast<WPARAM>(Number(args[2])),
                      static_cast<LPARAM>(Number(args[3])))
             ? 0
             : 1;
}

int Press(const Arguments& args) {
  return driver::PressButton(WindowArg(args[0]), static_cast<int>(Number(args[1]))) ? 0 : 1;
}

int Key(const Arguments& args) { return driver::PressKey(static_cast<WORD>(Number(args[0]))) ? 0 : 1; }

int Click(const Arguments& args) {
  return driver::ClickAt(static_cast<int>(Number(args[0])), static_cast<int>(Number(args[1]))) ? 0 : 1;
}

int Cursor(const Arguments&) {
  POINT point = driver::CursorPosition();
  std::printf("%ld %ld\n", point.x, point.y);
  return 0;
}

int Pixel(const Arguments& args) {
  std::printf("%06x\n", driver::PixelAt(static_cast<int>(Number(args[0])), static_cast<int>(Number(args[1]))));
  return 0;
}

int WaitExit(const Arguments& args) {
  driver::Process process = driver::Process::Open(static_cast<DWORD>(Number(args[0])));
  auto code = process.WaitForExit(TimeoutArg(args, 1));
  process.Release();  // opened, not started here: never end it
  if (!code) return 1;
  std::printf("%lu\n", *code);
  return 0;
}

struct Command {
  const char* m_name;
  size_t m_minArgs;
  int (*m_run)(const Arguments&);
  const char* m_usage;
};

const Command kCommands[] = {
    {"start", 1, Start, "start PROGRAM [ARGUMENTS...]   prints the process id"},
    {"wait-window", 1, WaitWindow, "wait-window TITLE [CLASS] [TIMEOUT-MS]   prints the window"},
    {"wait-text", 2, WaitText, "wait-text PID TEXT [TIMEOUT-MS]   a window of PID showing TEXT"},
    {"child", 2, Child, "child HWND CLASS   prints the first child window of that class"},
    {"text", 1, Text, "text HWND"},
    {"control-text", 2, ControlText, "control-text HWND ID"},
    {"send", 4, Send, "send HWND MESSAGE WPARAM LPARAM   prints the result"},
    {"post", 4, Post, "post HWND MESSAGE WPARAM LPARAM"},
    {"press", 2, Press, "press HWND BUTTON-ID"},
    {"key", 1, Key, "key VIRTUAL-KEY"},
    {"click", 2, Click, "click X Y"},
    {"cursor", 0, Cursor, "cursor   prints X Y"},
    {"pixel", 2, Pixel, "pixel X Y   prints RRGGBB"},
    {"wait-exit", 1, WaitExit, "wait-exit PID [TIMEOUT-MS]   prints the exit code"},
};

int Usage() {
  std::fprintf(stderr, "usage: morvanta-driver COMMAND [ARGUMENTS]; numbers may be hex (0x...)\n");
  for (const Command& command : kCommands) std::fprintf(stderr, "  %s\n", command.m_usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  Arguments args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.m_name != std::string(argv[1])) continue;
    return args.size() < command.m_minArgs ? Usage() : command.m_run(args);
  }
  return Usage();
}
