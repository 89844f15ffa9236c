// The shared window procedure and the plain window's default handlers.
#include "app/window.h"

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (m_hwnd == nullptr) return;
  HWND hwnd = m_hwnd;
  Detach();
  DestroyWindow(hwnd);
}

void Window::Detach() {
  SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
  m_hwnd = nullptr;
}

bool Window::CreateOfClass(HINSTANCE instance, const char* className, DWORD style, HWND parent) {
  WNDCLASSEXA wc{};
  if (!GetClassInfoExA(instance, className, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = StaticProc;
    wc.hInstance = instance;
    wc.lpszClassName = className;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    if (RegisterClassExA(&wc) == 0) return false;
  }
  return CreateWindowExA(0, className, "", style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, parent, nullptr,
                         instance, this) != nullptr;
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->m_hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Detach();
    return result;
  } catch (...) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
  default: return DefaultHandling(message, wParam, lParam);
  }
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

void Window::OnCommand(int) {}
