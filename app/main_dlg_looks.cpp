// CMainDlg: how the main window looks: the controls' places, the bitmap buttons with their
// tooltips, the banner painted behind the controls and the Feedback link.
#include "app/main_dlg.h"

#include <commctrl.h>

#include "main_dlg_ids.h"
#include "resource_ids.h"

namespace {

struct ControlPlace {
  int m_id;
  int m_bitmapId;         // 0: none
  const char* m_toolTip;  // nullptr: none
  int m_x, m_y, m_width, m_height;
};
constexpr ControlPlace kPlaces[] = {
    {IDC_ROBOT_LIST, 0, nullptr, 33, 75, 617, 322},
    {IDC_RUN_ROBOT, IDB_RUN_ROBOT, "Run the selected Robot", 250, 46, 90, 26},
    {IDC_SCHEDULE, IDB_SCHEDULE, "Schedule selected Robot ro run later", 350, 46, 90, 26},
    {IDC_OPTIONS, IDB_OPTIONS, "Options", 445, 46, 90, 26},
    {IDC_HELP_BUTTON, IDB_HELP, "Help", 550, 46, 90, 26},
    {IDC_RECORD_ROBOT, IDB_RECORD_ROBOT, "Record a Robot", 250, 401, 90, 26},
    {IDC_EDIT_ROBOT, IDB_EDIT_ROBOT, "Edit a Robot", 350, 401, 90, 26},
    {IDC_REMOVE_ROBOT, IDB_REMOVE_ROBOT, "Remove a Robot", 445, 401, 90, 26},
    {IDC_SHARE_ROBOT, IDB_SHARE_ROBOT, "Share Robot", 550, 401, 90, 26},
    {IDC_FEEDBACK, 0, nullptr, 550, 20, 90, 16},
};

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

}  // namespace

void CMainDlg::SetUpControls() {
  StyleFeedbackLink();
  m_background.reset(static_cast<HBITMAP>(
      LoadImageA(m_instance, MAKEINTRESOURCEA(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  m_toolTip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, m_instance, nullptr);
  for (const ControlPlace& place : kPlaces) {
    MoveWindow(Item(place.m_id), place.m_x, place.m_y, place.m_width, place.m_height, FALSE);
    if (place.m_bitmapId != 0) SetButtonBitmap(place.m_id, place.m_bitmapId);
    if (place.m_toolTip != nullptr) AddToolTip(place.m_id, place.m_toolTip);
  }
}

void CMainDlg::SetButtonBitmap(int buttonId, int bitmapId) {
  // The bitmaps' light grey becomes the button face of the user's colour scheme.
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageA(m_instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  if (bitmap == nullptr) return;  // the caption stays readable as text
  SendMessageA(Item(buttonId), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
  m_buttonBitmaps.push_back(std::move(bitmap));
}

void CMainDlg::AddToolTip(int controlId, const char* text) {
  if (m_toolTip == nullptr) return;
  TOOLINFOA tool = {};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(Item(controlId));
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(m_toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CMainDlg::StyleFeedbackLink() {
  m_linkCursor = LoadCursorA(m_instance, MAKEINTRESOURCEA(IDCUR_LINK));
  LOGFONTA face = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), sizeof(face), &face);
  lstrcpynA(face.lfFaceName, "Ariel", LF_FACESIZE);
  face.lfUnderline = TRUE;
  m_linkFont.reset(CreateFontIndirectA(&face));
  SendMessageA(Item(IDC_FEEDBACK), WM_SETFONT, reinterpret_cast<WPARAM>(m_linkFont.get()), FALSE);
}

INT_PTR CMainDlg::OnStaticColour(HDC dc, HWND control) {
  if (control != Item(IDC_FEEDBACK)) return FALSE;
  SetTextColor(dc, kLinkColour);
  SetBkMode(dc, TRANSPARENT);
  // The link sits on the banner, which shows through.
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR CMainDlg::OnSetCursor(HWND under) {
  if (under != Item(IDC_FEEDBACK) || m_linkCursor == nullptr) return FALSE;
  SetCursor(m_linkCursor);
  return Reply(TRUE);
}

INT_PTR CMainDlg::OnEraseBackground(HDC dc) {
  BITMAP size = {};
  if (IsIconic(Handle()) || m_background == nullptr || GetObjectA(m_background.get(), sizeof(size), &size) == 0) {
    return FALSE;  // the dialog's own background
  }
  RECT client = {};
  GetClientRect(Handle(), &client);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, 0, 0, size.bmWidth, size.bmHeight);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  RestoreDC(dc, saved);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, m_background.get());
  BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
  return Reply(TRUE);
}
