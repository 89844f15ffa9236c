// The test driver: starts the program in a sandbox, finds its windows, reads their text, sends
// messages and synthetic input, reads the screen and waits for exit. Every wait polls with a
// deadline. Used by the end-to-end tests and by morvanta-driver.exe; single-threaded use.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace driver {

using Milliseconds = std::chrono::milliseconds;
constexpr Milliseconds kDefaultTimeout{20000};

// Polls `condition` until it holds or the timeout passes; reports whether it held.
template <class Condition>
bool WaitUntil(Condition condition, Milliseconds timeout = kDefaultTimeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(20);
  }
}

// A Windows path for a path given in Unix form (as the build passes them), through drive Z:.
std::string WindowsPath(const std::string& path);

// A whole file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Writes `contents` as the whole file; false when it cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& contents);
bool FileExists(const std::string& path);

// A temporary copy of the bin folder's programs with an empty "script" folder beside them;
// removed, with everything in it, when the object dies.
class Sandbox {
public:
  Sandbox(const std::string& binFolder, const std::vector<std::string>& programs);
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  bool Ready() const { return m_ready; }
  const std::string& Folder() const { return m_folder; }
  std::string ScriptFolder() const { return m_folder + "\\script"; }
  std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }
  // Writes a file into the script folder; false when it cannot be written.
  bool WriteScriptFile(const std::string& name, const std::string& contents) const;
  std::string ReadScriptFile(const std::string& name) const;

private:
  std::string m_folder;
  bool m_ready = false;
};

// A started or opened process. The destructor ends it if it still runs, so a failed test never
// leaves a program behind.
class Process {
public:
  // Starts `program` with the command line `"program" arguments`, in the program's folder.
  static Process Start(const std::string& program, const std::string& arguments);
  static Process Open(DWORD processId);
  Process(Process&& other) noexcept;
  Process& operator=(Process&&) = delete;
  ~Process();

  bool Valid() const { return m_handle != nullptr; }
  DWORD Id() const { return m_id; }
  bool IsRunning() const;
  // The exit code once the process has ended, nullopt if it still runs at the deadline.
  std::optional<DWORD> WaitForExit(Milliseconds timeout = kDefaultTimeout) const;
  // Lets the process run on after this object dies.
  void Release();

private:
  Process(HANDLE handle, DWORD id) : m_handle(handle), m_id(id) {}
  HANDLE m_handle = nullptr;
  DWORD m_id = 0;
};

// What a top-level window must match: empty texts and a zero process id match anything.
struct WindowQuery {
  std::string m_title;
  std::string m_className;
  DWORD m_processId = 0;
  bool m_visibleOnly = false;
};

HWND FindTopWindow(const WindowQuery& query);
HWND WaitForWindow(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout);
// A top-level window of the process with a child control showing exactly `text` (a message box).
HWND FindWindowShowing(DWORD processId, const std::string& text);
HWND WaitForWindowShowing(DWORD processId, const std::string& text, Milliseconds timeout = kDefaultTimeout);
HWND FindChildByClass(HWND parent, const std::string& className);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int controlId);
bool IsShown(HWND window);
bool WaitForShown(HWND window, bool shown, Milliseconds timeout = kDefaultTimeout);

// Memory in another process, for messages that carry pointers (list views, the folder browser)
// to reach it. Freed when the object dies.
class RemoteMemory {
public:
  static constexpr SIZE_T kSize = 4096;
  explicit RemoteMemory(DWORD processId);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Valid() const { return m_memory != nullptr; }
  // The address in the other process of the byte at `offset`.
  LPARAM At(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(m_memory + offset); }
  bool Write(const void* data, SIZE_T size, SIZE_T offset = 0);
  bool Read(void* data, SIZE_T size, SIZE_T offset = 0) const;

private:
  HANDLE m_process = nullptr;
  char* m_memory = nullptr;
};

// A report-style list view of another process: its rows, their texts and check boxes.
class ListView {
public:
  ListView(HWND list, DWORD processId) : m_list(list), m_memory(processId) {}

  int RowCount() const;
  std::string Text(int row, int column);
  // The first row whose `column` shows `text`; -1 when none does.
  int RowOf(const std::string& text, int column = 1);
  bool IsTicked(int row) const;
  bool SetState(int row, UINT state, UINT mask);
  // The screen point at the middle of the row's check box; nullopt when the row has none.
  std::optional<POINT> CheckBoxPoint(int row);

private:
  HWND m_list;
  RemoteMemory m_memory;
};

// Sends with a time-out, so a hung target cannot hang the test; nullopt when it did not answer.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            Milliseconds timeout = kDefaultTimeout);
bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Presses a dialog's button the way a click does: posts its command.
bool PressButton(HWND dialog, int buttonId);


// Synthetic input through SendInput: a key pressed and released, a left click at a screen point.
bool PressKey(WORD virtualKey);
// Presses the keys in order and releases them in reverse order: a chord such as Ctrl+Shift+F7.
// The pointer is parked first (below), so that a window appearing meanwhile cannot lift the
// chord's modifiers.
bool PressChord(const std::vector<WORD>& virtualKeys);
// Presses the chord again each second until `condition` holds or the timeout passes. Only for
// keys that may harmlessly be pressed twice, such as the start key of a robot whose run ignores
// further presses of it.
template <class Condition>
bool PressChordUntil(const std::vector<WORD>& virtualKeys, Condition condition,
                     Milliseconds timeout = kDefaultTimeout) {
  return WaitUntil([&] { return PressChord(virtualKeys) && WaitUntil(condition, Milliseconds(1000)); }, timeout);
}
// Moves the pointer to the screen's bottom-right corner, where no window of the program appears.
// Wine's X11 driver takes the key state from the X server whenever the pointer enters one of its
// windows (a window appearing under it is enough); the X server knows nothing of keys sent with
// SendInput, so a modifier held by a chord would be released before the chord's last key.
bool ParkPointer();
bool ClickAt(int x, int y);
POINT CursorPosition();
// The screen's colour at a point, as 0xRRGGBB.
unsigned PixelAt(int x, int y);

}  // namespace driver
