// morvanta-script: runs one script file or robot file once from the command line.
//   morvanta-script [--dump-globals] SCRIPT [ARG...]
// Exit code 0 when the run ended without a reported error, 1 when an error was reported,
// 2 for a usage error or an unreadable file.
#include <cstdio>
#include <fstream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <string>
#include <vector>

#include "engine/global_dump.h"
#include "engine/host.h"
#include "engine/large_stack.h"
#include "engine/script_engine.h"
#include "robot/robot.h"
#include "runner/script_source.h"

namespace {

struct Options {
  bool m_dumpGlobals = false;
  std::string m_script;
  std::vector<std::string> m_arguments;
};

bool ParseArguments(int argc, char** argv, Options& options) {
  int i = 1;
  if (i < argc && std::string(argv[i]) == "--dump-globals") {
    options.m_dumpGlobals = true;
    ++i;
  }
  if (i >= argc) return false;
  options.m_script = argv[i++];
  for (; i < argc; ++i) options.m_arguments.emplace_back(argv[i]);
  return true;
}

bool LoadRobot(const std::string& path, int fileIndex, ScriptSource& source) {
  Robot robot;
  LoadResult robotLoaded = robot.Load(path);
  if (!robotLoaded.m_message.empty()) std::fprintf(stderr, "%s\n", robotLoaded.m_message.c_str());
  source.SetSpeedOption(robot.m_speedOption);
  LoadResult scriptLoaded = source.LoadRobotScript(path, fileIndex);
  if (!scriptLoaded.m_message.empty()) std::fprintf(stderr, "%s\n", scriptLoaded.m_message.c_str());
  return scriptLoaded.m_ok || !scriptLoaded.m_message.empty();
}

// The arguments as the global array $CMDLINE: the count, then each argument.
void SetScriptArguments(ScriptEngine& engine, const std::vector<std::string>& arguments) {
  Variant array;
  array.CreateArray({static_cast<int>(arguments.size()) + 1});
  array.Element({0})->SetInt(static_cast<int>(arguments.size()));
  for (size_t i = 0; i < arguments.size(); ++i) array.Element({static_cast<int>(i) + 1})->SetString(arguments[i]);
  engine.Variables().Assign("CMDLINE", array, VariableTable::Mode::kGlobal);
}

// Reads the file into the store: a robot file (first line "[General]") as the runner reads it,
// any other file line by line.
bool LoadScript(const std::string& path, ScriptSource& source) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::string first;
  std::getline(file, first);
  if (!first.empty() && first.back() == '\r') first.pop_back();
  int fileIndex = source.AddFile(path);
  if (first == "[General]") return LoadRobot(path, fileIndex, source);
  file.clear();
  file.seekg(0);
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    source.AddLine(line, number, fileIndex);
  }
  return true;
}

int Run(const Options& options) {
  ScriptSource source(std::vector<std::string>{"Include\\"});
  if (!LoadScript(options.m_script, source)) {
    std::fprintf(stderr, "morvanta-script: cannot read %s\n", options.m_script.c_str());
    return 2;
  }
  source.BuildLineArray();
  std::unique_ptr<EngineHost> host = CreatePlatformHost(true);
  ScriptEngine engine(source, *host);
  if (!options.m_arguments.empty()) SetScriptArguments(engine, options.m_arguments);
  if (engine.Prepare(options.m_script) == 0) engine.Execute(1, true);
  if (options.m_dumpGlobals) std::fputs(DumpGlobals(engine.Variables()).c_str(), stdout);
  return engine.ErrorReported() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on every other system: no CR added before each line feed.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::fprintf(stderr, "usage: morvanta-script [--dump-globals] SCRIPT [ARG...]\n");
    return 2;
  }
  int status = 2;
  RunOnLargeStack([&] { status = Run(options); });
  return status;
}
