// HeadlessHost: an EngineHost without windows, for native runs and tests. It can run on a fake
// clock that only sleeping advances, and lets tests queue hotkeys, a quit request and timed
// actions. Errors are kept and, when asked, written to standard error. Single-threaded.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/host.h"

class HeadlessHost : public EngineHost {
 public:
  enum class Clock { kReal, kFake };
  explicit HeadlessHost(Clock clock = Clock::kFake, bool errorsToStderr = false);

  bool PumpMessages(std::vector<int>& hotkeyIds) override;
  uint32_t TickMs() override;
  void SleepMs(int ms) override;
  void ShowError(const std::string& caption, const std::string& text) override;
  bool RegisterHotkey(int id, int modifiers, int virtualKey) override;
  void UnregisterHotkey(int id) override;
  std::string FullPath(const std::string& path) override;
  uint32_t TimeSeed() override;

  // Test controls.
  void PressHotkey(int id) { m_pendingHotkeys.push_back(id); }
  void PostQuit() { m_quitPending = true; }
  // Runs `action` at the first pump at or after `atMs` on this host's clock.
  void At(uint32_t atMs, std::function<void()> action) { m_timed.emplace(atMs, std::move(action)); }
  void SetRegisterResult(bool ok) { m_registerResult = ok; }

  const std::vector<std::string>& Errors() const { return m_errors; }
  const std::map<int, int>& RegisteredHotkeys() const { return m_registered; }
  bool QuitPending() const { return m_quitPending; }
  int PumpCount() const { return m_pumps; }

 private:
  Clock m_clock;
  bool m_errorsToStderr;
  uint32_t m_fakeNow = 0;
  int m_pumps = 0;
  bool m_quitPending = false;
  bool m_quitTaken = false;
  bool m_registerResult = true;
  std::vector<int> m_pendingHotkeys;
  std::multimap<uint32_t, std::function<void()>> m_timed;
  std::vector<std::string> m_errors;
  std::map<int, int> m_registered;  // id -> modifiers | key << 16
};
