// Base class of the program's plain (non-dialog) windows: one window procedure for all of them.
//
// The static procedure stores `this` at WM_NCCREATE and forwards every message to HandleMessage,
// which unpacks it into a typed On... handler. The object owns its window: the destructor detaches
// the object first, so late messages reach DefWindowProc instead of a dead object, then destroys
// the window. No exception leaves the procedure. User-interface thread only.
#pragma once

#include <windows.h>

#include <string>

class Window {
public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return m_hwnd; }
  bool Exists() const { return m_hwnd != nullptr; }
  void Destroy();

protected:
  // Registers the class on first use (with this class's procedure) and creates the window.
  bool CreateOfClass(HINSTANCE instance, const char* className, DWORD style, HWND parent);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  virtual void OnCommand(int id);

private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Detach();

  HWND m_hwnd = nullptr;
};
