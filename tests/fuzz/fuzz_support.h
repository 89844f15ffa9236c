// Shared by the fuzz targets: running a script on the headless host within a bounded budget, and
// handing raw input to readers that want a file. Each fuzz process is single-threaded apart from
// the large-stack thread a run blocks on.
#pragma once

#include <unistd.h>

#include <cctype>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/headless_host.h"
#include "engine/large_stack.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

namespace fuzz {

// An endless loop or a long wait is not a finding: a run ends after this many statements or this
// much time on the host's fake clock, whichever comes first, through the engine's own stop flag.
constexpr int kLineBudget = 20000;
constexpr uint32_t kClockBudgetMs = 60000;

// Built-ins that could change this machine once they are implemented natively: inputs naming any
// of them are skipped, so that fuzzing never deletes files, starts programs or shuts down.
inline bool NamesHarmfulBuiltin(const std::string& text) {
  static const char* const kHarmful[] = {"RUN", "SHUTDOWN", "FILEDELETE", "FILERECYCLE", "FILEMOVE", "FILECOPY",
                                         "FILEWRITE", "FILEOPEN", "FILESET", "FILECREATE", "FILEINSTALL",
                                         "FILECHANGEDIR", "DIRREMOVE", "DIRMOVE", "DIRCOPY", "DIRCREATE",
                                         "REGDELETE", "REGWRITE", "INIWRITE", "INIDELETE", "PROCESSCLOSE",
                                         "PROCESSSETPRIORITY", "DRIVEMAP", "DRIVESETLABEL", "CDTRAY",
                                         "URLDOWNLOAD", "ENVSET", "CLIPPUT", "BLOCKINPUT", "SOUND"};
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* name : kHarmful) {
    if (upper.find(name) != std::string::npos) return true;
  }
  return false;
}

// Splits on line feeds, dropping a carriage return before each, as the script readers do.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// Runs each job on one long-lived thread with the engine's large stack. The product runs the engine
// there too, so deep scripts are no finding; and starting a thread per input would cost more than
// most inputs take. The thread lives until the process ends.
class LargeStackWorker {
 public:
  static void Run(const std::function<void()>& job) {
    static LargeStackWorker* worker = new LargeStackWorker;  // never destroyed: the thread outlives main
    worker->Hand(job);
  }

 private:
  LargeStackWorker() {
    std::thread([this] { RunOnLargeStack([this] { Serve(); }); }).detach();
  }
  void Hand(const std::function<void()>& job) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_job = &job;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_job == nullptr; });
  }
  void Serve() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (true) {
      m_changed.wait(lock, [this] { return m_job != nullptr; });
      (*m_job)();
      m_job = nullptr;
      m_changed.notify_all();
    }
  }

  std::mutex m_mutex;
  std::condition_variable m_changed;
  const std::function<void()>* m_job = nullptr;
};

// Prepares and executes `lines` as one script, as the runner would, within the budget above.
inline void RunBoundedScript(const std::vector<std::string>& lines) {
  ScriptSource source(std::vector<std::string>{});
  const int file = source.AddFile("fuzz.txt");
  for (size_t i = 0; i < lines.size(); ++i) source.AddLine(lines[i], static_cast<int>(i) + 1, file);
  source.BuildLineArray();
  HeadlessHost host;
  ScriptEngine engine(source, host);
  int linesLeft = kLineBudget;
  engine.SetLineGate([&](int) {
    if (--linesLeft >= 0) return true;
    engine.Stop();
    return false;
  });
  host.At(kClockBudgetMs, [&] { engine.Stop(); });
  LargeStackWorker::Run([&] {
    if (engine.Prepare("fuzz.txt") == 0) engine.Execute(1, true);
  });
}

// A file holding `bytes`, removed when this goes out of scope; one per process id, so parallel
// fuzzing jobs do not share it.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& bytes)
      : m_path("/tmp/morvanta_fuzz_" + std::to_string(getpid()) + ".txt") {
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
  }
  ~ScratchFile() { std::remove(m_path.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

}  // namespace fuzz
