// The feedback windows on a real desktop: the timed message box ends only its own box, pressed
// buttons give their ids, and the splash, progress and tooltip windows appear with their content
// and go away again. Scripts run through the engine on this thread, as the program runs them, so
// the windows they make belong to this thread.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "tests/core/engine_test_support.h"

namespace {

constexpr int kDeadlineMs = 10000;

// Takes this thread's messages until `condition` holds or the deadline passes.
bool PumpUntil(const std::function<bool()>& condition, int deadlineMs = kDeadlineMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// This thread's top-level windows of a class.
std::vector<HWND> ThreadWindows(const std::string& className) {
  struct Search {
    std::string m_class;
    std::vector<HWND> m_found;
  } search{className, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (ClassOf(window) == s->m_class) s->m_found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.m_found;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  return children;
}

void ExpectClientSize(HWND window, LONG width, LONG height) {
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, width);
  EXPECT_EQ(client.bottom, height);
}

RECT ClientRectInParent(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// One engine fed script text a run at a time; it runs on this thread (not the large stack of the
// native tests), so the windows it makes live on after the run until the engine goes.
class FeedbackScript {
 public:
  bool Run(const std::string& text) {
    if (m_run.Load(text)) m_run.Engine().Execute(1, true);
    return !m_run.Engine().ErrorReported();
  }
  std::string Global(const std::string& upperName) { return m_run.Text(upperName); }
  std::string LastError() const { return m_run.LastError(); }

 private:
  ScriptRun m_run;
};

constexpr char kBoxTitle[] = "Morvanta feedback box";

HWND CreateDecoyDialog(const char* title) {
  return CreateWindowExA(0, "#32770", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST(MessageBoxTimeout, EndsOnlyItsOwnBoxAndGivesMinusOne) {
  HWND sameTitle = CreateDecoyDialog(kBoxTitle);
  HWND mainLike = CreateDecoyDialog("Morvanta");
  ASSERT_TRUE(sameTitle && mainLike);
  FeedbackScript script;
  auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(script.Run(std::string("$r = MSGBOX(4, \"") + kBoxTitle + "\", \"no answer\", 1)")) << script.LastError();
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(script.Global("R"), "-1");
  EXPECT_GE(elapsed, std::chrono::milliseconds(900));
  EXPECT_TRUE(IsWindow(sameTitle) && IsWindowVisible(sameTitle));
  EXPECT_TRUE(IsWindow(mainLike) && IsWindowVisible(mainLike));
  DestroyWindow(sameTitle);
  DestroyWindow(mainLike);
}

// Presses `button` in the message box with kBoxTitle as soon as it shows, from another thread.
class ButtonPresser {
 public:
  explicit ButtonPresser(int button) : m_thread([this, button] { Press(button); }) {}
  ~ButtonPresser() { m_thread.join(); }
  bool Pressed() const { return m_pressed; }

 private:
  void Press(int button) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kDeadlineMs);
    while (std::chrono::steady_clock::now() < deadline) {
      HWND box = FindWindowA("#32770", kBoxTitle);
      HWND control = box ? GetDlgItem(box, button) : nullptr;
      if (control && IsWindowVisible(box)) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        m_pressed = true;
        return;
      }
      Sleep(10);
    }
  }
  std::atomic<bool> m_pressed{false};
  std::thread m_thread;
};

TEST(MessageBoxButtons, PressedButtonIdIsTheResult) {
  struct Case {
    int m_flags;
    const char* m_timeout;
    int m_button;
    const char* m_expected;
  } const cases[] = {{4, "", IDYES, "6"}, {4, "", IDNO, "7"}, {3, ", 30", IDCANCEL, "2"}, {1, ", 30", IDOK, "1"}};
  for (const Case& c : cases) {
    FeedbackScript script;
    bool pressed = false;
    {
      ButtonPresser presser(c.m_button);
      ASSERT_TRUE(script.Run("$r = MSGBOX(" + std::to_string(c.m_flags) + ", \"" + kBoxTitle + "\", \"press\"" +
                             c.m_timeout + ")"))
          << script.LastError();
      pressed = presser.Pressed();
    }
    EXPECT_TRUE(pressed);
    EXPECT_EQ(script.Global("R"), c.m_expected) << c.m_flags << c.m_timeout;
  }
}

constexpr char kFeedbackClass[] = "PlindaleTaskAutomation v1";

HWND OnlyFeedbackWindow() {
  std::vector<HWND> windows = ThreadWindows(kFeedbackClass);
  return windows.size() == 1 ? windows.front() : nullptr;
}

TEST(SplashWindow, TextShowsWhereAskedAndIsReplacedAndRemoved) {
  FeedbackScript script;
  ASSERT_TRUE(script.Run("SPLASHTEXTON(\"First splash\", \"old\")\n"
                         "SPLASHTEXTON(\"Morvanta splash\", \"Hello splash\", 300, 200, 10, 20)"))
      << script.LastError();
  HWND splash = OnlyFeedbackWindow();
  ASSERT_TRUE(splash);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(splash) != 0; }));
  EXPECT_EQ(TextOf(splash), "Morvanta splash");
  ExpectClientSize(splash, 300, 200);
  RECT frame;
  GetWindowRect(splash, &frame);
  EXPECT_EQ(frame.left, 10);
  EXPECT_EQ(frame.top, 20);
  LONG_PTR style = GetWindowLongPtrA(splash, GWL_STYLE);
  EXPECT_TRUE(style & WS_DISABLED);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(GetWindowLongPtrA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  std::vector<HWND> children = Children(splash);
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(TextOf(children[0]), "Hello splash");

  ASSERT_TRUE(script.Run("SPLASHOFF()"));
  EXPECT_FALSE(IsWindow(splash));
  EXPECT_TRUE(ThreadWindows(kFeedbackClass).empty());
}

class SplashPicture : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(m_path.c_str()); }
  void Write(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
  std::string m_path = "morvanta_splash_picture.img";
};

// A 2 x 1 24-bit bitmap and a 1 x 1 GIF.
const std::string kBitmap("BM\x3e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\2\0\0\0\1\0\0\0\1\0\x18\0\0\0\0\0\x08\0\0\0"
                          "\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\xff\0\0",
                          62);
const std::string kGif("GIF89a\1\0\1\0\x80\0\0\xff\xff\xff\0\0\0!\xf9\4\1\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 43);

TEST_F(SplashPicture, DecodedPicturesShowAndOthersAreReported) {
  for (const std::string* picture : {&kBitmap, &kGif}) {
    Write(*picture);
    FeedbackScript script;
    ASSERT_TRUE(script.Run("SPLASHIMAGEON(\"Picture splash\", \"" + m_path + "\", 40, 30)")) << script.LastError();
    HWND splash = OnlyFeedbackWindow();
    ASSERT_TRUE(splash);
    std::vector<HWND> children = Children(splash);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_TRUE(SendMessageA(children[0], STM_GETIMAGE, IMAGE_BITMAP, 0));

    Write("not a picture at all");
    EXPECT_FALSE(script.Run("SPLASHIMAGEON(\"Picture splash\", \"" + m_path + "\")"));
    EXPECT_NE(script.LastError().find("The requested picture file could not be loaded."), std::string::npos);
    EXPECT_TRUE(ThreadWindows(kFeedbackClass).empty());
  }
}

TEST(ProgressWindow, LayoutAndUpdates) {
  FeedbackScript script;
  ASSERT_TRUE(script.Run("PROGRESSON(\"Morvanta progress\", \"Main text\", \"Sub text\")\n"
                         "PROGRESSSET(40, \"\", \"New main\")\nPROGRESSSET(150)"))
      << script.LastError();
  HWND progress = OnlyFeedbackWindow();
  ASSERT_TRUE(progress);
  EXPECT_EQ(TextOf(progress), "Morvanta progress");
  ExpectClientSize(progress, 300, 100);
  std::vector<HWND> children = Children(progress);
  ASSERT_EQ(children.size(), 3u);
  struct Expected {
    const char* m_class;
    LONG m_left, m_top, m_width, m_height;
    const char* m_text;
  } const expected[] = {{"Static", 19, 4, 1280, 24, "New main"},
                        {"msctls_progress32", 20, 30, 260, 20, nullptr},
                        {"Static", 20, 55, 1280, 50, "Sub text"}};
  for (size_t i = 0; i < 3; ++i) {
    HWND child = children[i];
    RECT rect = ClientRectInParent(child);
    EXPECT_STRCASEEQ(ClassOf(child).c_str(), expected[i].m_class);
    EXPECT_EQ(rect.left, expected[i].m_left) << i;
    EXPECT_EQ(rect.top, expected[i].m_top) << i;
    EXPECT_EQ(rect.right - rect.left, expected[i].m_width) << i;
    EXPECT_EQ(rect.bottom - rect.top, expected[i].m_height) << i;
    if (expected[i].m_text) {
      EXPECT_EQ(TextOf(child), expected[i].m_text);
    }
  }
  EXPECT_EQ(SendMessageA(children[1], PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessageA(children[1], PBM_GETRANGE, FALSE, 0), 100);

  ASSERT_TRUE(script.Run("PROGRESSOFF()"));
  EXPECT_FALSE(IsWindow(progress));
}

TEST(ToolTipWindow, ShowsHidesAndGoesWithTheEngine) {
  HWND tip = nullptr;
  {
    FeedbackScript script;
    ASSERT_TRUE(script.Run("TOOLTIP(\"Tip text\", 100, 120)")) << script.LastError();
    std::vector<HWND> tips = ThreadWindows(TOOLTIPS_CLASSA);
    ASSERT_EQ(tips.size(), 1u);
    tip = tips.front();
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != 0; }));
    ASSERT_TRUE(script.Run("TOOLTIP(\"\")"));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) == 0; }));
    EXPECT_EQ(ThreadWindows(TOOLTIPS_CLASSA).size(), 1u);
  }
  EXPECT_FALSE(IsWindow(tip));
}

}  // namespace
