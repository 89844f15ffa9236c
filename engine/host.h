// EngineHost: the engine's narrow window on the platform (message pump, clock, sleeping, the
// error box, script hotkey registration). The engine does not own the host; the host must
// outlive it. Engine thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EngineHost {
 public:
  virtual ~EngineHost() = default;

  // Takes and dispatches every pending message. Appends the id of each script hotkey pressed to
  // `hotkeyIds`. Returns true when a quit request was taken; the host leaves it pending for the
  // application's own message loop.
  virtual bool PumpMessages(std::vector<int>& hotkeyIds) = 0;
  // Milliseconds from an arbitrary start; wraps like a 32-bit tick count.
  virtual uint32_t TickMs() = 0;
  virtual void SleepMs(int ms) = 0;
  // Shows a reported script error (the headless host writes it out).
  virtual void ShowError(const std::string& caption, const std::string& text) = 0;
  // Modifier bits: Alt 1, Ctrl 2, Shift 4, Win 8.
  virtual bool RegisterHotkey(int id, int modifiers, int virtualKey) = 0;
  virtual void UnregisterHotkey(int id) = 0;
  // The full path of `path`, as the system resolves it.
  virtual std::string FullPath(const std::string& path) = 0;
  // Seconds times milliseconds of the current time, to seed the random generator.
  virtual uint32_t TimeSeed() = 0;
};

// The platform's host: the Win32 host (real message pump) on Windows, the headless host with the
// real clock elsewhere. Reported errors go to standard error when asked (console programs), else
// to an error box where there is one.
std::unique_ptr<EngineHost> CreatePlatformHost(bool errorsToStandardError);
