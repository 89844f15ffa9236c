// Synthetic keyboard and mouse input, and reading the cursor and the screen.
#include "driver.h"

namespace driver {

namespace {

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

bool PressKey(WORD virtualKey) {
  INPUT inputs[] = {KeyInput(virtualKey, false), KeyInput(virtualKey, true)};
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool PressChord(const std::vector<WORD>& virtualKeys) {
  if (!ParkPointer()) return false;
  std::vector<INPUT> inputs;
  for (WORD key : virtualKeys) inputs.push_back(KeyInput(key, false));
  for (auto key = virtualKeys.rbegin(); key != virtualKeys.rend(); ++key) inputs.push_back(KeyInput(*key, true));
  const UINT count = static_cast<UINT>(inputs.size());
  return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

bool ClickAt(int x, int y) {
  if (!SetCursorPos(x, y)) return false;
  INPUT inputs[] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool ParkPointer() {
  return SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1) != FALSE;
}

POINT CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return point;
}

unsigned PixelAt(int x, int y) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

}  // namespace driver
