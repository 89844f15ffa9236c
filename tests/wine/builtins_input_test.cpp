// Keystrokes, mouse, pixels and long waits against real windows of this test, through scripts
// run in-process: typed text read back from an EDIT control, cursor positions, a button click,
// colours of a painted window, and WAITLONG ending with the run.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/headless_host.h"
#include "engine/script_engine.h"
#include "robot/action_line.h"
#include "runner/robot_runner.h"
#include "runner/script_engine_run.h"
#include "runner/script_source.h"

namespace {

constexpr int kPollMs = 5000;

void PumpAll() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Pumps until `condition` holds or the deadline passes; waits for messages, never a fixed time.
bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPollMs) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    PumpAll();
    if (condition()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  PumpAll();
  return condition();
}

// The engine's host with a real message pump; `m_onPump` lets a test act during a run.
class PumpingHost : public HeadlessHost {
 public:
  PumpingHost() : HeadlessHost(Clock::kReal, true) {}
  bool PumpMessages(std::vector<int>&) override {
    PumpAll();
    if (m_onPump) m_onPump();
    return false;
  }
  std::function<void()> m_onPump;
};

struct Script {
  PumpingHost m_host;
  ScriptSource m_source{std::vector<std::string>{}};
  ScriptEngine m_engine{m_source, m_host};

  void Run(const std::vector<std::string>& lines) {
    m_source.Clear();
    for (size_t i = 0; i < lines.size(); ++i) m_source.AddLine(lines[i], static_cast<int>(i) + 1, -1);
    m_source.BuildLineArray();
    ASSERT_EQ(m_engine.Prepare("input_test.txt"), 0);
    m_engine.Execute(1, true);
    ASSERT_FALSE(m_engine.ErrorReported());
  }
  std::string Global(const std::string& name) {
    VariantPtr value = m_engine.Variables().Find(name);
    if (!value) return "<none>";
    if (!value->IsArray()) return value->AsString();
    return value->Element({0})->AsString() + "," + value->Element({1})->AsString();
  }
};

// A test window: an EDIT control, a button that counts its clicks, and a client area painted red
// on the left half and 0x0080FF on the right.
class TestWindow {
 public:
  static constexpr int kLeft = 200, kTop = 150, kWidth = 400, kHeight = 300;
  static constexpr int kButtonId = 101;

  TestWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &TestWindow::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MorvantaInputTest";
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    RegisterClassA(&windowClass);
    m_window = CreateWindowExA(WS_EX_TOPMOST, "MorvantaInputTest", "Morvanta input test", WS_POPUP | WS_VISIBLE,
                               kLeft, kTop, kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_WANTRETURN, 10, 10,
                             380, 100, m_window, nullptr, nullptr, nullptr);
    m_button = CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 120, 100, 40, m_window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), nullptr, nullptr);
    SetForegroundWindow(m_window);
    SetFocus(m_edit);
    UpdateWindow(m_window);
  }
  ~TestWindow() { DestroyWindow(m_window); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  bool Ready() { return GetForegroundWindow() == m_window && GetFocus() == m_edit; }
  std::string EditText() {
    char text[1024] = {};
    GetWindowTextA(m_edit, text, sizeof text);
    return text;
  }
  // The painted area, in screen coordinates: y from kTop + 200 to the bottom.
  static constexpr int kPaintTop = kTop + 200;
  static constexpr int kRedX = kLeft + 50, kBlueX = kLeft + 250;

  int m_clicks = 0;
  HWND m_window = nullptr, m_edit = nullptr, m_button = nullptr;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED && self) {
      ++self->m_clicks;
      return 0;
    }
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT red = {0, 200, kWidth / 2, kHeight}, blue = {kWidth / 2, 200, kWidth, kHeight};
      HBRUSH redBrush = CreateSolidBrush(RGB(255, 0, 0)), blueBrush = CreateSolidBrush(RGB(0, 128, 255));
      FillRect(dc, &red, redBrush);
      FillRect(dc, &blue, blueBrush);
      DeleteObject(redBrush);
      DeleteObject(blueBrush);
      EndPaint(window, &paint);
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
};

class InputWineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(PollUntil([this] { return m_window.Ready(); })); }
  TestWindow m_window;
  Script m_script;
};

TEST_F(InputWineTest, TypedTextArrivesExactlyAsSent) {
  m_script.Run({"SEND('Hello, World{!} 123{ENTER}')", "SEND('{x 3}+y{SPACE}{[}]')",
                "KEYSEND('', '', '', 'Z', 2)", "SEND('q{BS}', 1)", "SEND('r{BS}~|')",
                "SEND('{SHIFTDOWN}ab{SHIFTUP}c')"});
  const std::string expected = "Hello, World! 123\r\nxxxY []zzq{BS}~|ABc";
  EXPECT_TRUE(PollUntil([this, &expected] { return m_window.EditText() == expected; })) << m_window.EditText();
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST_F(InputWineTest, HeldKeysAreReleasedWhenTheRunEnds) {
  m_script.Run({"SEND('{SHIFTDOWN}a')", "KEYDOWN('', '', '', '<Ctrl>')"});
  EXPECT_TRUE(PollUntil([this] { return m_window.EditText() == "A"; })) << m_window.EditText();
  EXPECT_TRUE(PollUntil([] { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) == 0 && (GetAsyncKeyState(VK_CONTROL) & 0x8000) == 0; }));
}

TEST_F(InputWineTest, MouseMovesLandWhereAskedAndClicksReachTheButton) {
  auto cursorAt = [](int x, int y) {
    return [x, y] {
      POINT point = {};
      GetCursorPos(&point);
      return point.x == x && point.y == y;
    };
  };
  m_script.Run({"MOUSEMOVE(300, 250)"});
  EXPECT_TRUE(PollUntil(cursorAt(300, 250)));
  m_script.Run({"MOUSERELATIVEMOVE(-50, 20)", "$p = MOUSEGETPOS()"});
  EXPECT_TRUE(PollUntil(cursorAt(250, 270)));
  EXPECT_EQ(m_script.Global("P"), "250,270");
  m_script.Run({"OPT('MouseCoordMode', 0)", "MOUSEMOVE(60, 140)", "MOUSECLICK('left', 2)"});
  EXPECT_TRUE(PollUntil(cursorAt(TestWindow::kLeft + 60, TestWindow::kTop + 140)));
  EXPECT_TRUE(PollUntil([this] { return m_window.m_clicks == 2; })) << m_window.m_clicks;
}

TEST_F(InputWineTest, ColoursOfAPaintedWindow) {
  HDC screen = GetDC(nullptr);
  bool painted = PollUntil([screen] { return GetPixel(screen, TestWindow::kRedX, TestWindow::kPaintTop + 10) == RGB(255, 0, 0); });
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(painted);
  const std::string red = std::to_string(TestWindow::kRedX), blue = std::to_string(TestWindow::kBlueX);
  const std::string y = std::to_string(TestWindow::kPaintTop + 10);
  m_script.Run({"$equal = CHECKCOLOR(" + red + ", " + y + ", 255, 0, 0, 0)",
                "$unequal = CHECKCOLOR(" + blue + ", " + y + ", 255, 0, 0, 1)",
                "$near = CHECKCOLOR(" + blue + ", " + y + ", 10, 140, 240, 2)",
                "$far = CHECKCOLOR(" + blue + ", " + y + ", 20, 128, 255, 2)",
                "$colour = PIXELGETCOLOR(" + blue + ", " + y + ")",
                "$found = PIXELSEARCH(" + std::to_string(TestWindow::kLeft) + ", " + std::to_string(TestWindow::kPaintTop) +
                    ", " + std::to_string(TestWindow::kLeft + TestWindow::kWidth - 1) + ", " +
                    std::to_string(TestWindow::kTop + TestWindow::kHeight - 1) + ", 0x0080FF)"});
  EXPECT_EQ(m_script.Global("EQUAL"), "1");
  EXPECT_EQ(m_script.Global("UNEQUAL"), "1");
  EXPECT_EQ(m_script.Global("NEAR"), "1");
  EXPECT_EQ(m_script.Global("FAR"), "0");
  EXPECT_EQ(m_script.Global("COLOUR"), std::to_string(0x0080FF));
  EXPECT_EQ(m_script.Global("FOUND"), std::to_string(TestWindow::kLeft + TestWindow::kWidth / 2) + "," +
                                          std::to_string(TestWindow::kPaintTop));
}

TEST_F(InputWineTest, LongWaitsRunOnTheTimerAndEndWithTheRun) {
  DWORD start = GetTickCount();
  m_script.Run({"WAITLONG(300)", "$after = 1"});
  DWORD waited = GetTickCount() - start;
  EXPECT_GE(waited, 290u);
  EXPECT_LT(waited, 3000u);
  EXPECT_EQ(m_script.Global("AFTER"), "1");

  // Stopped during a long wait: the run ends at once and the timer no longer counts as pending.
  int pumps = 0;
  m_script.m_host.m_onPump = [this, &pumps] {
    if (++pumps == 10) m_script.m_engine.Stop();
  };
  start = GetTickCount();
  m_script.Run({"WAITLONG(60000)", "$late = 1"});
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_FALSE(m_script.m_engine.LongWaitPending());
  EXPECT_EQ(m_script.Global("LATE"), "<none>");
}

// Wine's Notepad, started and ended by the test that owns it.
class Notepad {
 public:
  Notepad() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    char commandLine[] = "notepad.exe";
    m_started = CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process) != 0;
  }
  ~Notepad() {
    if (!m_started) return;
    TerminateProcess(m_process.hProcess, 0);
    WaitForSingleObject(m_process.hProcess, kPollMs);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
  }
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;

  // Its main window, once shown, and the edit control inside it.
  bool FindWindows() {
    struct Search {
      DWORD m_processId;
      HWND m_found;
    } search = {m_process.dwProcessId, nullptr};
    EnumWindows([](HWND window, LPARAM data) -> BOOL {
      auto* s = reinterpret_cast<Search*>(data);
      DWORD processId = 0;
      GetWindowThreadProcessId(window, &processId);
      if (processId == s->m_processId && IsWindowVisible(window)) s->m_found = window;
      return s->m_found == nullptr;
    }, reinterpret_cast<LPARAM>(&search));
    m_window = search.m_found;
    m_edit = m_window ? FindWindowExA(m_window, nullptr, "Edit", nullptr) : nullptr;
    return m_edit != nullptr;
  }
  std::string Text() {
    char text[1024] = {};
    SendMessageA(m_edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
  }

  bool m_started = false;
  PROCESS_INFORMATION m_process = {};
  HWND m_window = nullptr, m_edit = nullptr;
};

TEST(RobotIntoNotepadTest, InputTextAndKeyPressLinesTypeIntoNotepad) {
  Notepad notepad;
  ASSERT_TRUE(notepad.m_started);
  ASSERT_TRUE(PollUntil([&notepad] { return notepad.FindWindows(); }));
  SetForegroundWindow(notepad.m_window);
  ASSERT_TRUE(PollUntil([&notepad] { return GetForegroundWindow() == notepad.m_window; }));

  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "Notepad greeting.txt";
  {
    std::ofstream robot(path, std::ios::binary);
    robot << "[General]\r\nName=Notepad greeting\r\nStartKey=\r\nEndKey=\r\nDescription=\r\nEnable=1\r\n"
             "RepeatOption=0\r\nRepeatTimes=1\r\nOriginalSpeed=0\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n[Script]\r\n";
    for (const char* action : {"Input text Hello from a robot", "Key Press <Enter>, 2 times", "Input text second line"}) {
      robot << ActionTextToScript(action) << "\r\n";
    }
  }
  PumpingHost host;
  ScriptSource source{std::vector<std::string>{}};
  ScriptEngine engine(source, host);
  std::vector<std::string> messages;
  ScriptEngineRun run(engine, [&messages](const std::string& text) { messages.push_back(text); });
  RobotRunner runner(source, run, folder);
  ASSERT_TRUE(runner.RunRobotFile(path));
  EXPECT_TRUE(messages.empty());
  const std::string expected = "Hello from a robot\r\n\r\nsecond line";
  EXPECT_TRUE(PollUntil([&notepad, &expected] { return notepad.Text() == expected; })) << notepad.Text();
  DeleteFileA(path.c_str());
}

}  // namespace
