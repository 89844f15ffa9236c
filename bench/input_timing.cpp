// Timing fidelity of the input built-ins under the real clock: WAIT of 1, 5, 20 and 200 ms, and
// SEND of 100 characters at the default delays into a window of its own, against the ideal.
// Prints a table of the median and 95th-percentile error in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "builtins/input_clock.h"
#include "engine/headless_host.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

namespace {

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The real clock, adding up the pauses it was asked for: the ideal length of a send.
class CountingClock : public InputClock {
 public:
  explicit CountingClock(std::unique_ptr<InputClock> real) : m_real(std::move(real)) {}
  void Delay(int ms) override {
    m_requested += std::max(ms, 0);
    m_real->Delay(ms);
  }
  bool StartLongWait(int ms, std::atomic<bool>& pending) override { return m_real->StartLongWait(ms, pending); }
  void StopLongWait() override { m_real->StopLongWait(); }
  long m_requested = 0;

 private:
  std::unique_ptr<InputClock> m_real;
};

struct Bench {
  HeadlessHost m_host{HeadlessHost::Clock::kReal, true};
  ScriptSource m_source{std::vector<std::string>{}};
  ScriptEngine m_engine{m_source, m_host};
  CountingClock* m_clock;

  Bench() {
    auto clock = std::make_unique<CountingClock>(InputClock::CreateDefault());
    m_clock = clock.get();
    m_engine.Services().Set<InputClock>(std::move(clock));
  }
  // The run's length in milliseconds.
  double Run(const std::string& line) {
    m_source.Clear();
    m_source.AddLine(line, 1, -1);
    m_source.BuildLineArray();
    m_engine.Prepare("bench.txt");
    double start = NowMs();
    m_engine.Execute(1, true);
    return NowMs() - start;
  }
};

void PrintRow(const char* what, double ideal, std::vector<double> errors) {
  std::sort(errors.begin(), errors.end());
  double median = errors[errors.size() / 2];
  double p95 = errors[std::min(errors.size() - 1, errors.size() * 95 / 100)];
  std::printf("| %-22s | %9.1f | %9.3f | %9.3f |\n", what, ideal, median, p95);
}

void PumpAll() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int main() {
  Bench bench;
  std::printf("| %-22s | %9s | %9s | %9s |\n", "measured", "ideal ms", "median", "p95");
  std::printf("|------------------------|-----------|-----------|-----------|\n");
  for (int ms : {1, 5, 20, 200}) {
    std::vector<double> errors;
    for (int i = 0; i < (ms == 200 ? 20 : 100); ++i) errors.push_back(bench.Run("WAIT(" + std::to_string(ms) + ")") - ms);
    PrintRow(("WAIT(" + std::to_string(ms) + ")").c_str(), ms, errors);
  }

  // Typing goes to an edit control of this program, never to someone else's window.
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "EDIT", "", WS_POPUP | WS_VISIBLE | ES_MULTILINE, 0, 0, 600, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(window);
  SetFocus(window);
  std::string text;
  for (int i = 0; i < 100; ++i) text += static_cast<char>('a' + i % 26);
  std::vector<double> errors;
  double ideal = 0;
  for (int i = 0; i < 10; ++i) {
    bench.m_clock->m_requested = 0;
    double took = bench.Run("SEND('" + text + "')");
    ideal = static_cast<double>(bench.m_clock->m_requested);
    errors.push_back((took - ideal) / ideal * 100.0);
    PumpAll();
    SetWindowTextA(window, "");
  }
  std::sort(errors.begin(), errors.end());
  std::printf("| %-22s | %9.1f | %8.2f%% | %8.2f%% |\n", "SEND 100 characters", ideal, errors[errors.size() / 2],
              errors[std::min(errors.size() - 1, errors.size() * 95 / 100)]);
  DestroyWindow(window);
  return 0;
}
