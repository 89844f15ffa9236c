// MousePort: what the mouse built-ins need of the operating system (absolute moves in the
// 0-65535 space, buttons, the wheel, the cursor, the foreground window, input blocking). Owned by
// the engine's service registry, created on first use; tests put a recording fake in its place.
// Engine thread only.
#pragma once

#include <memory>

enum class MouseButton { kLeft, kRight, kMiddle };

class MousePort {
 public:
  virtual ~MousePort() = default;

  virtual void MoveAbsolute(int normalX, int normalY) = 0;
  virtual void Button(MouseButton button, bool down) = 0;
  virtual void Wheel(int delta) = 0;
  virtual bool CursorPos(int& x, int& y) = 0;
  // The desktop's size in pixels.
  virtual void ScreenSize(int& width, int& height) = 0;
  // The top-left corner of the foreground window's rectangle; false when there is none.
  virtual bool ForegroundOrigin(int& left, int& top) = 0;
  // The system cursor shown over the window under the cursor: 1 to 15 in the MOUSEGETCURSOR
  // order, 0 for any other.
  virtual int CursorShape() = 0;
  // False when the system offers no input blocking.
  virtual bool BlockInput(bool block) = 0;

  static std::unique_ptr<MousePort> CreateDefault();
};
