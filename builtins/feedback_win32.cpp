// The feedback windows on the desktop: message box, tracking tooltip, tray balloon, and the
// splash and progress windows of the plain window class "PlindaleTaskAutomation v1". Every window
// and GDI object is owned here and released when the engine goes.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

#include "builtins/feedback_services.h"
#include "builtins/feedback_win32.h"

namespace {

constexpr char kWindowClass[] = "PlindaleTaskAutomation v1";
constexpr int kToolTipMouseOffset = 16;
// The progress window's children, from the client area's right edge and top.
constexpr int kProgressMainFromRight = 281;
constexpr int kProgressSubFromRight = 280;
constexpr int kProgressTextWidth = 1280;
constexpr int kProgressBarWidth = 260;
constexpr int kProgressBarHeight = 20;

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct GdiDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiDeleter>;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

bool RegisterWindowClass() {
  static const bool kRegistered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return kRegistered;
}

RECT DesktopArea() {
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT WorkArea() {
  RECT area = DesktopArea();
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// A splash or progress window, not yet shown, whose client area has the requested size.
UniqueWindow CreateFeedbackWindow(const std::string& title, const FeedbackPlacement& placement, const RECT& area) {
  if (!RegisterWindowClass()) return nullptr;
  DWORD style = WS_POPUP | (placement.m_caption ? WS_CAPTION : WS_BORDER) | (placement.m_enabled ? 0 : WS_DISABLED);
  DWORD exStyle = placement.m_topmost ? WS_EX_TOPMOST : 0;
  RECT frame{0, 0, placement.m_clientWidth, placement.m_clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  int x = placement.m_x.value_or(area.left + (area.right - area.left - width) / 2);
  int y = placement.m_y.value_or(area.top + (area.bottom - area.top - height) / 2);
  return UniqueWindow(CreateWindowExA(exStyle, kWindowClass, title.c_str(), style, x, y, width, height, nullptr,
                                      nullptr, Instance(), nullptr));
}

HWND CreateChild(HWND parent, const char* className, DWORD style, int x, int y, int width, int height,
                 DWORD exStyle = 0) {
  return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                         Instance(), nullptr);
}

HWND CreateText(HWND parent, DWORD style, int x, int y, int width, int height, const std::string& text, HFONT font) {
  HWND child = CreateChild(parent, "STATIC", SS_NOPREFIX | style, x, y, width, height);
  if (!child) return nullptr;
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowTextA(child, text.c_str());
  return child;
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

UniqueFont CreatePointFont(const std::string& face, int points, int weight) {
  LOGFONTA font{};
  GetObjectA(GuiFont(), sizeof(font), &font);
  HDC screen = GetDC(nullptr);
  font.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font.lfWidth = 0;
  font.lfWeight = weight;
  if (!face.empty()) lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return UniqueFont(CreateFontIndirectA(&font));
}

DWORD AlignStyle(TextAlign align) {
  switch (align) {
    case TextAlign::kLeft: return SS_LEFT;
    case TextAlign::kRight: return SS_RIGHT;
    case TextAlign::kCentre: break;
  }
  return SS_CENTER;
}

template <size_t N>
void CopyText(char (&destination)[N], const std::string& text) {
  lstrcpynA(destination, text.c_str(), static_cast<int>(N));
}

class Win32Feedback : public FeedbackUi {
 public:
  Win32Feedback() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
  }

  int ShowMessageBox(int flags, const std::string& title, const std::string& text, int timeoutMs) override {
    return feedback::TimedMessageBox(flags, title, text, timeoutMs);
  }

  void ToolTip(const std::string& text, std::optional<int> x, std::optional<int> y) override {
    TTTOOLINFOA tool = ToolInfo(text);
    if (!m_toolTip && !CreateToolTip(tool)) return;
    SendMessageA(m_toolTip.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    POINT mouse{};
    GetCursorPos(&mouse);
    int left = x.value_or(mouse.x + kToolTipMouseOffset);
    int top = y.value_or(mouse.y + kToolTipMouseOffset);
    SendMessageA(m_toolTip.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(left, top));
    SendMessageA(m_toolTip.get(), TTM_TRACKACTIVATE, text.empty() ? FALSE : TRUE, reinterpret_cast<LPARAM>(&tool));
  }

  void TrayTip(const std::string& title, const std::string& text, int timeoutMs, int iconFlags) override {
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof(icon);
    icon.uID = 1;
    icon.uFlags = NIF_INFO;
    CopyText(icon.szInfoTitle, title);
    CopyText(icon.szInfo, text);
    icon.uTimeout = static_cast<UINT>(std::max(0, timeoutMs));
    icon.dwInfoFlags = static_cast<DWORD>(iconFlags);
    Shell_NotifyIconA(NIM_MODIFY, &icon);  // the engine has no icon of its own: nothing shows
  }

  void ShowSplashText(const SplashTextRequest& request) override {
    CloseSplash();
    UniqueWindow window = CreateFeedbackWindow(request.m_title, request.m_placement, DesktopArea());
    if (!window) return;
    m_splashFont = CreatePointFont(request.m_fontName, request.m_fontPoints, request.m_fontWeight);
    const FeedbackPlacement& size = request.m_placement;
    if (!CreateText(window.get(), AlignStyle(request.m_align), 0, 0, size.m_clientWidth, size.m_clientHeight,
                    request.m_text, m_splashFont ? m_splashFont.get() : GuiFont())) {
      return;
    }
    m_splash = std::move(window);
    ShowWindow(m_splash.get(), SW_SHOWNOACTIVATE);
  }

  bool ShowSplashPicture(const SplashPictureRequest& request) override {
    CloseSplash();
    const FeedbackPlacement& size = request.m_placement;
    UniqueBitmap bitmap(feedback::DecodePicture(request.m_pictureBytes, size.m_clientWidth, size.m_clientHeight));
    if (!bitmap) return false;
    UniqueWindow window = CreateFeedbackWindow(request.m_title, size, DesktopArea());
    if (!window) return true;  // decoded, but no window could be made: nothing shows
    HWND picture = CreateChild(window.get(), "STATIC", SS_BITMAP, 0, 0, size.m_clientWidth, size.m_clientHeight);
    if (!picture) return true;
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    m_splashBitmap = std::move(bitmap);
    m_splash = std::move(window);
    ShowWindow(m_splash.get(), SW_SHOWNOACTIVATE);
    return true;
  }

  void CloseSplash() override {
    m_splash.reset();
    m_splashFont.reset();
    m_splashBitmap.reset();
  }

  void ShowProgress(const ProgressRequest& request) override {
    CloseProgress();
    UniqueWindow window = CreateFeedbackWindow(request.m_title, request.m_placement, WorkArea());
    if (!window) return;
    m_progressFont = CreatePointFont("", 10, FW_SEMIBOLD);
    if (!CreateProgressChildren(window.get(), request)) return;
    m_progress = std::move(window);
    ShowWindow(m_progress.get(), SW_SHOWNOACTIVATE);
  }

  bool HasProgress() const override { return m_progress != nullptr; }
  void SetProgressPercent(int percent) override { SendMessageA(m_progressBar, PBM_SETPOS, percent, 0); }
  void SetProgressMainText(const std::string& text) override { SetWindowTextA(m_progressMain, text.c_str()); }
  void SetProgressSubText(const std::string& text) override { SetWindowTextA(m_progressSub, text.c_str()); }

  void CloseProgress() override {
    m_progress.reset();
    m_progressFont.reset();
    m_progressMain = m_progressBar = m_progressSub = nullptr;
  }

 private:
  static TTTOOLINFOA ToolInfo(const std::string& text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
  }

  bool CreateToolTip(TTTOOLINFOA& tool) {
    m_toolTip.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                    Instance(), nullptr));
    if (!m_toolTip) return false;
    SendMessageA(m_toolTip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(m_toolTip.get(), TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
    return true;
  }

  bool CreateProgressChildren(HWND window, const ProgressRequest& request) {
    int width = request.m_placement.m_clientWidth;
    m_progressMain = CreateText(window, SS_LEFT, width - kProgressMainFromRight, 4, kProgressTextWidth, 24,
                                request.m_mainText, m_progressFont ? m_progressFont.get() : GuiFont());
    m_progressBar = CreateChild(window, PROGRESS_CLASSA, PBS_SMOOTH, (width - kProgressBarWidth) / 2, 30,
                                kProgressBarWidth, kProgressBarHeight, WS_EX_CLIENTEDGE);
    m_progressSub = CreateText(window, SS_LEFT, width - kProgressSubFromRight, 55, kProgressTextWidth, 50,
                               request.m_subText, GuiFont());
    if (!m_progressMain || !m_progressBar || !m_progressSub) return false;
    SendMessageA(m_progressBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SendMessageA(m_progressBar, PBM_SETSTEP, 1, 0);
    return true;
  }

  // Fonts and bitmaps are declared before the windows that use them, so they outlive them.
  UniqueFont m_splashFont;
  UniqueBitmap m_splashBitmap;
  UniqueFont m_progressFont;
  UniqueWindow m_toolTip;
  UniqueWindow m_splash;
  UniqueWindow m_progress;
  HWND m_progressMain = nullptr;  // children of m_progress
  HWND m_progressBar = nullptr;
  HWND m_progressSub = nullptr;
};

}  // namespace

std::unique_ptr<FeedbackUi> FeedbackUi::CreateDefault() { return std::make_unique<Win32Feedback>(); }
