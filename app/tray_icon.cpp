// CTrayIcon: the notification-area icon, its tooltip and its popup menu.
#include "app/tray_icon.h"

#include <algorithm>
#include <cstring>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "resource_ids.h"
#include "tray_menu_ids.h"

namespace {

constexpr UINT kIconId = 128;

}  // namespace

CTrayIcon::CTrayIcon() {
  m_notifyData.cbSize = sizeof m_notifyData;
  m_notifyData.uID = kIconId;
  m_notifyData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  m_notifyData.uCallbackMessage = WM_TRAY_NOTIFY;
}

CTrayIcon::~CTrayIcon() {
  RemoveIcon();
  for (auto& entry : m_icons) DestroyIcon(entry.second);
}

bool CTrayIcon::LoadIcon(int iconId, int key) {
  auto icon = static_cast<HICON>(LoadImageA(m_instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  if (icon == nullptr) return false;
  auto [it, inserted] = m_icons.emplace(key, icon);
  if (!inserted) {
    DestroyIcon(it->second);
    it->second = icon;
  }
  return true;
}

bool CTrayIcon::Create(HWND parent) {
  if (!CreateOfClass(m_instance, "MorvantaTrayWnd", WS_CHILD, parent)) return false;
  ShowWindow(Handle(), SW_HIDE);
  return true;
}

bool CTrayIcon::AddIcon(int key) {
  auto it = m_icons.find(key);
  if (it == m_icons.end() || !Exists()) return false;
  m_notifyData.hWnd = Handle();
  m_notifyData.hIcon = it->second;
  // The shell takes at most 127 characters and a terminator.
  size_t length = std::min(m_tooltip.size(), sizeof m_notifyData.szTip - 1);
  std::memcpy(m_notifyData.szTip, m_tooltip.data(), length);
  m_notifyData.szTip[length] = '\0';
  m_added = Shell_NotifyIconA(NIM_ADD, &m_notifyData) != FALSE;
  return m_added;
}

void CTrayIcon::RemoveIcon() {
  if (!m_added) return;
  Shell_NotifyIconA(NIM_DELETE, &m_notifyData);
  m_added = false;
}

LRESULT CTrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_TRAY_NOTIFY: return OnTrayNotify(lParam);
  default: return Window::HandleMessage(message, wParam, lParam);
  }
}

LRESULT CTrayIcon::OnTrayNotify(LPARAM mouseMessage) {
  if (mouseMessage == WM_LBUTTONDOWN) OnLeftButtonDown();
  if (mouseMessage == WM_RBUTTONDOWN) OnRightButtonDown();
  return 0;
}

void CTrayIcon::OnCommand(int id) { OnMenuCommand(id); }

void CTrayIcon::OnLeftButtonDown() { ShowOwner(); }

void CTrayIcon::OnRightButtonDown() { ShowPopupMenu(); }

void CTrayIcon::ShowPopupMenu() {
  HMENU menu = LoadMenuA(m_instance, MAKEINTRESOURCEA(m_menuId));
  if (menu == nullptr) return;
  HMENU popup = GetSubMenu(menu, 0);
  HWND owner = m_owner != nullptr ? m_owner->Handle() : nullptr;
  bool ownerShown = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
  DeleteMenu(popup, ownerShown ? ID_TRAY_SHOW : ID_TRAY_HIDE, MF_BYCOMMAND);
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without the foreground the menu would stay open when the user clicks elsewhere.
  SetForegroundWindow(Handle());
  TrackPopupMenu(popup, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
  PostMessageA(Handle(), WM_NULL, 0, 0);
  DestroyMenu(menu);
}

void CTrayIcon::OnMenuCommand(int id) {
  if (m_owner == nullptr) return;
  switch (id) {
  case ID_TRAY_HIDE: HideOwner(); break;
  case ID_TRAY_HELP: m_owner->ShowHelp(); break;
  case ID_TRAY_ABOUT: CAboutDlg().DoModal(m_instance, IDD_ABOUT, m_owner->Handle()); break;
  case ID_TRAY_EXIT:
    HideOwner();
    RemoveIcon();
    m_owner->Quit();
    break;
  default: ShowOwner(); break;  // Show, and any command the menu does not know
  }
}

void CTrayIcon::ShowOwner() {
  if (m_owner != nullptr) m_owner->ShowActive();
}

void CTrayIcon::HideOwner() {
  if (m_owner != nullptr) ShowWindow(m_owner->Handle(), SW_HIDE);
}
