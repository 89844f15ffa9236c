// Base class of the program's dialogs, modal or modeless: one dialog procedure for all of them.
//
// The static procedure stores `this` at WM_INITDIALOG and forwards every message to HandleMessage,
// which unpacks it into a typed On... handler. The object owns its dialog window: the destructor
// detaches the object first, so late messages cannot reach a dead object, then destroys a
// modeless window. No exception leaves the procedure. User-interface thread only.
#pragma once

#include <windows.h>

#include <string>

class Dialog {
public:
  Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog();

  // Modeless: the window exists once this returns true.
  bool Create(HINSTANCE instance, int templateId, HWND parent);
  // Modal: returns the value passed to EndModal, or -1 when the dialog could not be shown.
  INT_PTR DoModal(HINSTANCE instance, int templateId, HWND parent);

  HWND Handle() const { return m_hwnd; }

protected:
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Each returns whether it handled the message; unhandled ones get the dialog manager's default.
  virtual bool OnInitDialog() { return true; }
  virtual bool OnCommand(int id);
  virtual bool OnTimer(UINT_PTR) { return false; }
  virtual bool OnClose() { return false; }

  void EndModal(INT_PTR result);
  // For messages answered with a value: stores it as the dialog's answer and reports them handled.
  INT_PTR Reply(LRESULT result);
  HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
  void SetItemText(int id, const std::string& text);
  std::string ItemText(int id) const;
  bool IsChecked(int id) const;
  // A message box owned by this dialog with the application title as caption.
  int ShowMessage(const std::string& text, UINT flags) const;

private:
  static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Detach();

  HWND m_hwnd = nullptr;
};
