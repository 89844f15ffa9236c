// End-to-end tests of the main window's looks and the about box under Wine: the command buttons
// show their own bitmaps at their places, the banner is painted unscaled at the client origin, and
// the about box and the script macro show the version that the exe's version resource states when
// the program runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "res/about_dlg_ids.h"
#include "res/main_dlg_ids.h"
#include "res/tray_menu_ids.h"
#include "wine/app_fixture.h"

namespace {

class AppLooks : public AppFixture {
protected:
  void Quit() {
    TrayCommand(ID_TRAY_EXIT);
    ExpectQuitsNormally(*m_first);
  }

  POINT ClientOrigin(HWND window) const {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return origin;
  }
};

TEST_F(AppLooks, CommandButtonsShowTheirOwnBitmapsAtTheirPlaces) {
  struct Case {
    int id;
    const char* caption;
    int x, y;
  } const cases[] = {
      {IDC_RUN_ROBOT, "Run Robot", 250, 46},       {IDC_SCHEDULE, "Schedule", 350, 46},
      {IDC_OPTIONS, "Options", 445, 46},           {IDC_HELP_BUTTON, "Help", 550, 46},
      {IDC_RECORD_ROBOT, "Record Robot", 250, 401}, {IDC_EDIT_ROBOT, "Edit Robot", 350, 401},
      {IDC_REMOVE_ROBOT, "Remove Robot", 445, 401}, {IDC_SHARE_ROBOT, "Share Robot", 550, 401},
  };
  ASSERT_NO_FATAL_FAILURE(StartFirst());
  const POINT origin = ClientOrigin(m_main);
  std::set<LRESULT> bitmaps;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    HWND button = GetDlgItem(m_main, c.id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(driver::WindowText(button), c.caption);  // what screen readers say
    EXPECT_NE(GetWindowLongPtrA(button, GWL_STYLE) & BS_BITMAP, 0);
    std::optional<LRESULT> bitmap = driver::Send(button, BM_GETIMAGE, IMAGE_BITMAP, 0);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_NE(*bitmap, 0);
    bitmaps.insert(*bitmap);
    RECT place = {};
    GetWindowRect(button, &place);
    EXPECT_EQ(place.left - origin.x, c.x);
    EXPECT_EQ(place.top - origin.y, c.y);
  }
  EXPECT_EQ(bitmaps.size(), std::size(cases)) << "two buttons share a picture";
  Quit();
}

// The banner's colour at a point, as 0xRRGGBB, from the picture the program is built with.
unsigned BannerColour(int x, int y) {
  const std::string path = driver::WindowsPath(MORVANTA_SOURCE_DIR "/res/bitmaps/banner.bmp");
  auto banner = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (banner == nullptr) return 0xFFFFFFFFu;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, banner);
  COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(banner);
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

TEST_F(AppLooks, BannerIsPaintedUnscaledAtTheClientOrigin) {
  // Corners and the middle: an offset or a stretched picture moves at least one of them.
  const POINT points[] = {{0, 0}, {2, 3}, {341, 20}, {670, 4}, {100, 41}, {682, 41}};
  ASSERT_NO_FATAL_FAILURE(StartFirst());
  const POINT origin = ClientOrigin(m_main);
  auto allMatch = [&] {
    for (const POINT& p : points) {
      if (driver::PixelAt(origin.x + p.x, origin.y + p.y) != BannerColour(p.x, p.y)) return false;
    }
    return true;
  };
  if (!driver::WaitUntil(allMatch)) {
    for (const POINT& p : points) {
      EXPECT_EQ(driver::PixelAt(origin.x + p.x, origin.y + p.y), BannerColour(p.x, p.y)) << p.x << "," << p.y;
    }
  }
  Quit();
}

HCURSOR CursorAt(POINT point) {
  SetCursorPos(point.x, point.y);
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

TEST_F(AppLooks, FeedbackLinkShowsItsOwnCursor) {
  ASSERT_NO_FATAL_FAILURE(StartFirst());
  const POINT origin = ClientOrigin(m_main);
  const POINT onBanner = {origin.x + 10, origin.y + 30};
  const POINT onLink = {origin.x + 560, origin.y + 28};
  HCURSOR plain = nullptr;
  ASSERT_TRUE(driver::WaitUntil([&] { return (plain = CursorAt(onBanner)) != nullptr; }));
  EXPECT_TRUE(driver::WaitUntil([&] {
    HCURSOR overLink = CursorAt(onLink);
    return overLink != nullptr && overLink != plain;
  }));
  EXPECT_TRUE(driver::WaitUntil([&] { return CursorAt(onBanner) == plain; })) << "the hand stays off the link";
  Quit();
}

// Writes another file version into the exe's version resource, as a release stamp would.
bool StampFileVersion(const std::string& exe, DWORD versionMs, DWORD versionLs) {
  constexpr WORD kVersionResource = 1;
  const WORD language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
  std::vector<char> data;
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return false;
  if (HRSRC found = FindResourceExA(module, RT_VERSION, MAKEINTRESOURCEA(kVersionResource), language)) {
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    if (bytes != nullptr) data.assign(bytes, bytes + SizeofResource(module, found));
  }
  FreeLibrary(module);
  constexpr DWORD kSignature = 0xFEEF04BD;
  for (std::size_t at = 0; at + sizeof(VS_FIXEDFILEINFO) <= data.size(); at += 4) {
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, data.data() + at, sizeof info);
    if (info.dwSignature != kSignature) continue;
    info.dwFileVersionMS = versionMs;
    info.dwFileVersionLS = versionLs;
    std::memcpy(data.data() + at, &info, sizeof info);
    HANDLE update = BeginUpdateResourceA(exe.c_str(), FALSE);
    return update != nullptr &&
           UpdateResourceA(update, RT_VERSION, MAKEINTRESOURCEA(kVersionResource), language, data.data(),
                           static_cast<DWORD>(data.size())) &&
           EndUpdateResourceA(update, FALSE);
  }
  return false;
}

TEST_F(AppLooks, AboutBoxAndScriptsShowTheVersionOfTheExesVersionResource) {
  // Four different parts, two of them wider than a byte, so a swapped or truncated part shows.
  ASSERT_TRUE(StampFileVersion(m_sandbox.PathOf("morvanta.exe"), MAKELONG(20, 1), MAKELONG(4000, 300)));
  ASSERT_TRUE(m_sandbox.WriteScriptFile("Version.txt", RobotFile("Version", {"MSGBOX(0, \"v\", @TARVELVERSION)"})));
  {
    driver::Process run = Start("-a version");
    HWND box = driver::WaitForWindowShowing(run.Id(), "1.20.300.4000");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(driver::PressButton(box, IDOK));
    ExpectQuitsNormally(run);
  }
  ASSERT_NO_FATAL_FAILURE(StartFirst());
  TrayCommand(ID_TRAY_ABOUT);
  HWND about = driver::WaitForWindow({"About Morvanta", "#32770", m_first->Id(), true});
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(driver::ControlText(about, IDC_ABOUT_VERSION), "1.20.300.4000");
  ASSERT_TRUE(driver::PressButton(about, IDOK));
  ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(about); }));
  Quit();
}

}  // namespace
