// CTrayIcon: the notification-area icon, its tooltip and its popup menu, acting on the main window.
//
// Owned by the application object for the process's life; it borrows the main window (the owner
// window), which must outlive every message the icon's window receives. User-interface thread only.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <string>

#include "app/window.h"

class CMainDlg;

// The icon's callback message: the first application message plus 1.
constexpr UINT WM_TRAY_NOTIFY = WM_APP + 1;

class CTrayIcon : public Window {
public:
  CTrayIcon();
  ~CTrayIcon() override;

  void SetInstance(HINSTANCE instance) { m_instance = instance; }
  void SetMenuResource(int menuId) { m_menuId = menuId; }
  void SetTooltip(const std::string& text) { m_tooltip = text; }
  void SetOwner(CMainDlg* owner) { m_owner = owner; }

  // Loads an icon resource into the table under `key`, replacing an earlier one.
  bool LoadIcon(int iconId, int key);
  // The invisible message window, a child of `parent`.
  bool Create(HWND parent);
  bool AddIcon(int key);
  void RemoveIcon();

protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(int id) override;

  virtual void OnLeftButtonDown();
  virtual void OnRightButtonDown();
  virtual void OnMenuCommand(int id);
  virtual void ShowPopupMenu();

private:
  LRESULT OnTrayNotify(LPARAM mouseMessage);
  void ShowOwner();
  void HideOwner();

  NOTIFYICONDATAA m_notifyData{};
  std::map<int, HICON> m_icons;
  int m_menuId = 0;
  std::string m_tooltip;
  HINSTANCE m_instance = nullptr;
  CMainDlg* m_owner = nullptr;
  bool m_added = false;
};
