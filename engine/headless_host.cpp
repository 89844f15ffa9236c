// HeadlessHost: clock, sleeping and test controls without any window system.
#include "engine/headless_host.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

HeadlessHost::HeadlessHost(Clock clock, bool errorsToStderr) : m_clock(clock), m_errorsToStderr(errorsToStderr) {}

bool HeadlessHost::PumpMessages(std::vector<int>& hotkeyIds) {
  ++m_pumps;
  while (!m_timed.empty() && m_timed.begin()->first <= TickMs()) {
    auto action = std::move(m_timed.begin()->second);
    m_timed.erase(m_timed.begin());
    action();
  }
  for (int id : m_pendingHotkeys) {
    if (m_registered.count(id)) hotkeyIds.push_back(id);
  }
  m_pendingHotkeys.clear();
  if (!m_quitPending || m_quitTaken) return false;
  m_quitTaken = true;
  return true;
}

uint32_t HeadlessHost::TickMs() {
  if (m_clock == Clock::kFake) return m_fakeNow;
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void HeadlessHost::SleepMs(int ms) {
  if (ms < 0) ms = 0;
  if (m_clock == Clock::kFake) {
    m_fakeNow += static_cast<uint32_t>(ms);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void HeadlessHost::ShowError(const std::string& caption, const std::string& text) {
  m_errors.push_back(text);
  if (m_errorsToStderr) std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
}

bool HeadlessHost::RegisterHotkey(int id, int modifiers, int virtualKey) {
  if (!m_registerResult) return false;
  m_registered[id] = modifiers | virtualKey << 16;
  return true;
}

void HeadlessHost::UnregisterHotkey(int id) { m_registered.erase(id); }

std::string HeadlessHost::FullPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.lexically_normal().string();
}

uint32_t HeadlessHost::TimeSeed() {
  using namespace std::chrono;
  auto now = system_clock::now().time_since_epoch();
  auto seconds = duration_cast<std::chrono::seconds>(now).count();
  auto millis = duration_cast<milliseconds>(now).count() % 1000;
  return static_cast<uint32_t>(seconds * millis);
}

#ifndef _WIN32
std::unique_ptr<EngineHost> CreatePlatformHost(bool errorsToStandardError) {
  return std::make_unique<HeadlessHost>(HeadlessHost::Clock::kReal, errorsToStandardError);
}
#endif
