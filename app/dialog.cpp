// The shared dialog procedure and the dialogs' default handlers.
#include "app/dialog.h"

#include "app/resource_text.h"

Dialog::~Dialog() {
  if (m_hwnd == nullptr) return;
  HWND hwnd = m_hwnd;
  Detach();
  DestroyWindow(hwnd);
}

void Dialog::Detach() {
  SetWindowLongPtrA(m_hwnd, DWLP_USER, 0);
  m_hwnd = nullptr;
}

bool Dialog::Create(HINSTANCE instance, int templateId, HWND parent) {
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, StaticProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::DoModal(HINSTANCE instance, int templateId, HWND parent) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), parent, StaticProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(lParam);
    self->m_hwnd = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  try {
    INT_PTR result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Detach();
    return result;
  } catch (...) {
    return FALSE;
  }
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
  case WM_INITDIALOG: return OnInitDialog();
  case WM_COMMAND: return OnCommand(LOWORD(wParam));
  case WM_TIMER: return OnTimer(wParam);
  case WM_CLOSE: return OnClose();
  default: return FALSE;
  }
}

bool Dialog::OnCommand(int id) {
  if (id != IDOK && id != IDCANCEL) return false;
  EndModal(id);
  return true;
}

void Dialog::EndModal(INT_PTR result) { EndDialog(m_hwnd, result); }

INT_PTR Dialog::Reply(LRESULT result) {
  SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

void Dialog::SetItemText(int id, const std::string& text) { SetDlgItemTextA(m_hwnd, id, text.c_str()); }

std::string Dialog::ItemText(int id) const {
  HWND item = Item(id);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(item, &text[0], static_cast<int>(text.size()))));
  return text;
}

bool Dialog::IsChecked(int id) const { return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED; }

int Dialog::ShowMessage(const std::string& text, UINT flags) const { return ShowAppMessage(m_hwnd, text, flags); }
