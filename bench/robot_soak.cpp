// robot_soak ROBOT_FILE RUNS: runs one robot RUNS times through the robot runner and the script
// engine, as the program does when a robot is started again and again, and prints the process's
// memory after the first run, at every tenth of the way and after the last. Exit code 1 when a run
// was refused or reported an error. The headless host's fake clock makes the robot's waits free.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/headless_host.h"
#include "engine/large_stack.h"
#include "engine/script_engine.h"
#include "process_memory.h"
#include "runner/robot_runner.h"
#include "runner/script_engine_run.h"

namespace {

void PrintMemory(int run) {
  const ProcessMemory memory = SampleProcessMemory();
  std::printf("after run %6d: current %8llu kB  peak %8llu kB\n", run,
              static_cast<unsigned long long>(memory.m_currentKb), static_cast<unsigned long long>(memory.m_peakKb));
  std::fflush(stdout);
}

int Soak(const std::string& robotFile, int runs) {
  ScriptSource source(std::vector<std::string>{});
  HeadlessHost host(HeadlessHost::Clock::kFake, true);
  ScriptEngine engine(source, host);
  int messages = 0;
  ScriptEngineRun run(engine, [&messages](const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    ++messages;
  });
  RobotRunner runner(source, run, ".");
  const int step = runs >= 10 ? runs / 10 : 1;
  for (int i = 1; i <= runs; ++i) {
    if (!runner.RunRobotFile(robotFile) || engine.ErrorReported() || messages != 0) {
      std::fprintf(stderr, "robot_soak: run %d failed\n", i);
      return 1;
    }
    if (i == 1 || i % step == 0) PrintMemory(i);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc == 3 ? std::atoi(argv[2]) : 0;
  if (runs < 1) {
    std::fprintf(stderr, "usage: robot_soak ROBOT_FILE RUNS\n");
    return 2;
  }
  int status = 1;
  RunOnLargeStack([&] { status = Soak(argv[1], runs); });
  return status;
}
