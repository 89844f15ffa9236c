// Keystrokes, mouse, pixels and pauses, driven through recording fakes of the input services:
// key strings to key events, the end-of-run release, mouse arithmetic, colour modes, Adler-32
// checksums and the faster-speed WAIT.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "builtins/input_clock.h"
#include "builtins/keyboard.h"
#include "builtins/mouse_services.h"
#include "builtins/pixel_services.h"
#include "builtins/send_keys.h"
#include "engine/headless_host.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

namespace {

// Everything the fakes saw, in order, as short words: "+A" key down, "-A" key up, "*" marks an
// extended key, "~5" a pause of 5 ms (when pauses are recorded).
struct Trace {
  std::vector<std::string> m_events;
  bool m_pauses = false;
  std::string Text() const {
    std::string text;
    for (const std::string& event : m_events) text += (text.empty() ? "" : " ") + event;
    return text;
  }
};

std::string KeyWord(int vk) {
  static const std::map<int, std::string> kNames = {
      {0x09, "Tab"}, {0x0D, "Enter"}, {0x10, "Shift"}, {0x11, "Ctrl"}, {0x12, "Alt"}, {0x14, "Caps"},
      {0x24, "Home"}, {0x25, "Left"}, {0x5B, "Win"}};
  auto it = kNames.find(vk);
  if (it != kNames.end()) return it->second;
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
  if (vk >= 0x60 && vk <= 0x69) return "Num" + std::to_string(vk - 0x60);
  std::ostringstream hex;
  hex << "0x" << std::uppercase << std::hex << vk;
  return hex.str();
}

class FakeKeyboard : public KeyboardPort {
 public:
  explicit FakeKeyboard(Trace& trace, std::string layout = "00000409") : m_trace(trace), m_layout(std::move(layout)) {}
  int KeyScan(char ch) override {
    // A layout that has the grave dead key where a US keyboard has the backquote.
    if (ch == '`' && m_layout != "00000409") return 0xC0;
    return UsLayoutKeyScan(ch);
  }
  int ScanCode(int vk) override { return vk; }
  std::string LayoutName() override { return m_layout; }
  void SendKey(int vk, int, bool up, bool extended) override {
    if (vk == m_failOn && !up) throw std::runtime_error("injection failed");
    m_trace.m_events.push_back((up ? "-" : "+") + KeyWord(vk) + (extended ? "*" : ""));
    if (vk == 0x14 && !up) m_capsLock = !m_capsLock;
  }
  void PostKey(WindowRef target, unsigned message, int vk, uint32_t lParam) override {
    std::ostringstream post;
    post << "post" << target << ":" << std::hex << message << "," << KeyWord(vk) << "," << lParam;
    m_trace.m_events.push_back(post.str());
  }
  bool ToggleState(int vk) override { return vk == 0x14 && m_capsLock; }
  bool IsDown(int vk) override { return m_physicallyDown.count(vk) != 0; }
  void ClearKeyState(int) override {}
  void AttachInput(WindowRef, bool) override {}
  WindowRef ParentOf(WindowRef) override { return 0; }
  bool IsForeground(WindowRef) override { return true; }
  void ForceActivate(WindowRef) override {}
  WindowRef FindTarget(const std::string& title, const std::string&, const std::string&, int) override {
    return title.empty() ? 1 : title == "Target" ? 7 : 0;
  }

  bool m_capsLock = false;
  int m_failOn = -1;
  std::set<int> m_physicallyDown;

 private:
  Trace& m_trace;
  std::string m_layout;
};

class FakeClock : public InputClock {
 public:
  explicit FakeClock(Trace& trace, HeadlessHost* host = nullptr) : m_trace(trace), m_host(host) {}
  void Delay(int ms) override {
    if (m_trace.m_pauses) m_trace.m_events.push_back("~" + std::to_string(ms));
    if (m_host) m_host->SleepMs(ms);
  }
  bool StartLongWait(int, std::atomic<bool>& pending) override {
    pending = false;
    return false;
  }
  void StopLongWait() override {}

 private:
  Trace& m_trace;
  HeadlessHost* m_host;
};

class FakeMouse : public MousePort {
 public:
  explicit FakeMouse(Trace& trace) : m_trace(trace) {}
  void MoveAbsolute(int x, int y) override { m_trace.m_events.push_back("move" + std::to_string(x) + "," + std::to_string(y)); }
  void Button(MouseButton button, bool down) override {
    const char* names[] = {"L", "R", "M"};
    m_trace.m_events.push_back((down ? "+" : "-") + std::string(names[static_cast<int>(button)]));
  }
  void Wheel(int delta) override { m_trace.m_events.push_back("wheel" + std::to_string(delta)); }
  bool CursorPos(int& x, int& y) override {
    x = m_cursorX;
    y = m_cursorY;
    return true;
  }
  void ScreenSize(int& width, int& height) override {
    width = m_width;
    height = m_height;
  }
  bool ForegroundOrigin(int& left, int& top) override {
    left = 100;
    top = 50;
    return true;
  }
  int CursorShape() override { return 5; }
  bool BlockInput(bool block) override {
    m_trace.m_events.push_back(block ? "block" : "unblock");
    return true;
  }

  int m_cursorX = 10, m_cursorY = 20, m_width = 1024, m_height = 768;

 private:
  Trace& m_trace;
};

// A screen of known pixels (0xBBGGRR); every other pixel is off the screen.
class FakeScreen : public ScreenPixels {
 public:
  std::map<std::pair<int, int>, uint32_t> m_pixels;
  bool m_readable = true;
  std::unique_ptr<ScreenReader> Open() override {
    struct Reader : ScreenReader {
      const std::map<std::pair<int, int>, uint32_t>& m_pixels;
      explicit Reader(const std::map<std::pair<int, int>, uint32_t>& pixels) : m_pixels(pixels) {}
      uint32_t At(int x, int y) override {
        auto it = m_pixels.find({x, y});
        return it == m_pixels.end() ? 0xFFFFFFFFu : it->second;
      }
    };
    if (!m_readable) return nullptr;
    return std::make_unique<Reader>(m_pixels);
  }
};

// The sender alone, for key strings.
struct Sender {
  Trace m_trace;
  FakeKeyboard m_keyboard{m_trace};
  FakeClock m_clock{m_trace};
  SendKeys m_keys{m_keyboard, m_clock};
  explicit Sender(const std::string& layout = "00000409") : m_keyboard(m_trace, layout) {}
};

// A script run with every input service faked.
struct ScriptRun {
  HeadlessHost m_host;
  ScriptSource m_source{std::vector<std::string>{}};
  ScriptEngine m_engine{m_source, m_host};
  Trace m_trace;
  FakeKeyboard* m_keyboard;
  FakeMouse* m_mouse;
  FakeScreen* m_screen;

  ScriptRun() {
    auto keyboard = std::make_unique<FakeKeyboard>(m_trace);
    auto mouse = std::make_unique<FakeMouse>(m_trace);
    auto screen = std::make_unique<FakeScreen>();
    m_keyboard = keyboard.get();
    m_mouse = mouse.get();
    m_screen = screen.get();
    m_engine.Services().Set<KeyboardPort>(std::move(keyboard));
    m_engine.Services().Set<MousePort>(std::move(mouse));
    m_engine.Services().Set<ScreenPixels>(std::move(screen));
    m_engine.Services().Set<InputClock>(std::make_unique<FakeClock>(m_trace, &m_host));
  }
  void Run(const std::vector<std::string>& lines) {
    m_source.Clear();
    for (size_t i = 0; i < lines.size(); ++i) m_source.AddLine(lines[i], static_cast<int>(i) + 1, -1);
    m_source.BuildLineArray();
    ASSERT_EQ(m_engine.Prepare("input.txt"), 0);
    m_engine.Execute(1, true);
  }
  std::string Global(const std::string& name) {
    VariantPtr value = m_engine.Variables().Find(name);
    if (!value) return "<none>";
    if (!value->IsArray()) return value->AsString();
    return value->Element({0})->AsString() + "," + value->Element({1})->AsString();
  }
};

TEST(SendKeysTest, KeyStringsBecomeKeyEvents) {
  struct Case {
    const char* keys;
    const char* events;
  };
  const Case cases[] = {
      {"ab", "+A -A +B -B"},
      {"A", "+Shift +A -A -Shift"},
      {"+ab", "+Shift +A -A -Shift +B -B"},  // a one-shot modifier applies to one key
      {"^a", "+Ctrl +A -A -Ctrl"},
      {"#!+^a", "+Win +Shift +Ctrl +Alt +A -A -Alt -Ctrl -Shift -Win"},
      {"{ENTER 0}", "+Enter -Enter"},
      {"{ENTER -3}", "+Enter -Enter"},
      {"+{TAB 3}", "+Shift +Tab -Tab +Tab -Tab +Tab -Tab -Shift"},
      {"{home}{LEFT}", "+Home* -Home* +Left* -Left*"},
      {"{NUMPADENTER}", "+Enter* -Enter*"},
      {"{SHIFTDOWN}ab{SHIFTUP}", "+Shift +A -A +B -B -Shift"},
      {"{SHIFTDOWN}{SHIFTDOWN}{SHIFTUP}{SHIFTUP}", "+Shift -Shift"},
      {"{SHIFTDOWN}A{SHIFTUP}", "+Shift +A -A -Shift"},  // the held Shift serves the capital
      {"{a down}{A down}{a up}", "+A +A -A"},
      {"{ASC 065}", "+Alt +Num0 -Num0 +Num6 -Num6 +Num5 -Num5 -Alt"},
      {"{ALT}", "+Alt -Alt"},
      {"abc{", "+A -A +B -B +C -C +Shift +0xDB -0xDB -Shift"},
      {"{}}", "+Shift +0xDD -0xDD -Shift"},
      {"{{}{!}", "+Shift +0xDB -0xDB -Shift +Shift +1 -1 -Shift"},
      {"{}", ""},
      {"{xyz 2}", "+X -X +X -X"},  // a name not in the table types its first character
      {"\xC0", "+Shift +A -A -Shift"},  // an English layout has no dead keys: the plain letter
      {"\xE9", "+Alt +Num1 -Num1 +Num3 -Num3 +Num0 -Num0 -Alt"},  // typed by its keypad code
      {"\x80", ""},
  };
  for (const Case& c : cases) {
    Sender sender;
    sender.m_keys.Configure({5, 1, false, false});
    sender.m_keys.Send(c.keys, 0);
    EXPECT_EQ(sender.m_trace.Text(), c.events) << c.keys;
  }
}

TEST(SendKeysTest, RawModeAndTargetedSends) {
  Sender raw;
  raw.m_keys.Configure({5, 1, false, false});
  raw.m_keys.SendRaw("+{", 0);
  EXPECT_EQ(raw.m_trace.Text(), "+Shift +0xBB -0xBB -Shift +Shift +0xDB -0xDB -Shift");

  // Posted to window 7: Alt alone makes system keys; the modifier itself goes out system-wide.
  Sender targeted;
  targeted.m_keys.Configure({5, 1, false, false});
  targeted.m_keys.Send("!a", 7);
  EXPECT_EQ(targeted.m_trace.Text(), "+Alt post7:104,A,20410001 post7:105,A,e0410001 -Alt");
}

TEST(SendKeysTest, DeadKeysComposeOnLayoutsThatHaveThem) {
  Sender french("0000040C");
  french.m_keys.Configure({5, 1, false, false});
  french.m_keys.Send("\xC0", 0);
  EXPECT_EQ(french.m_trace.Text(), "+0xC0 -0xC0 +Shift +A -A -Shift");
}

TEST(SendKeysTest, CapsLockIsStoredAndRestoredAroundASend) {
  Sender wasOn;
  wasOn.m_keyboard.m_capsLock = true;
  wasOn.m_keys.Configure({5, 1, true, false});
  wasOn.m_keys.Send("ab", 0);
  EXPECT_EQ(wasOn.m_trace.Text(), "+Caps -Caps +A -A +B -B +Caps -Caps");
  EXPECT_TRUE(wasOn.m_keyboard.m_capsLock);

  Sender wasOff;
  wasOff.m_keys.Configure({5, 1, true, false});
  wasOff.m_keys.Send("{CAPSLOCK on}", 0);
  EXPECT_FALSE(wasOff.m_keyboard.m_capsLock);

  Sender unstored;
  unstored.m_keys.Configure({5, 1, false, false});
  unstored.m_keys.Send("{CAPSLOCK on}", 0);
  EXPECT_TRUE(unstored.m_keyboard.m_capsLock);
}

TEST(SendKeysTest, DelaysFollowTheSettings) {
  Sender sender;
  sender.m_trace.m_pauses = true;
  sender.m_keys.Configure({7, 3, false, false});
  sender.m_keys.Send("+a", 0);
  EXPECT_EQ(sender.m_trace.Text(), "+Shift ~3 +A ~3 -A ~7 -Shift ~7");
}

TEST(SendKeysTest, PhysicallyHeldModifiersAreLiftedAndCutSendsReleaseWhatTheyPressed) {
  Sender lifted;
  lifted.m_keyboard.m_physicallyDown = {0x11};
  lifted.m_keys.Configure({5, 1, false, false});
  lifted.m_keys.Send("a", 0);
  EXPECT_EQ(lifted.m_trace.Text(), "-Ctrl +A -A");

  Sender cut;
  cut.m_keyboard.m_failOn = 'B';
  cut.m_keys.Configure({5, 1, false, false});
  EXPECT_THROW(cut.m_keys.Send("+ab", 0), std::runtime_error);
  EXPECT_THROW(cut.m_keys.Send("+b", 0), std::runtime_error);
  EXPECT_EQ(cut.m_trace.Text(), "+Shift +A -A -Shift +Shift -Shift");
}

TEST(SendKeysTest, HotkeyStrings) {
  struct Case {
    const char* text;
    bool ok;
    int virtualKey;
    bool shift, ctrl, alt, win;
  };
  const Case cases[] = {
      {"^!<F5>", true, 0x74, false, true, true, false},
      {"#<enter>", true, 0x0D, false, false, false, true},
      {"+a", true, 'A', true, false, false, false},
      {"^A", true, 'A', true, true, false, false},  // the layout's Shift for a capital
      {"<ALT>", false, 0, false, false, false, false},
      {"^<F5", false, 0, false, false, false, false},
      {"<NOSUCHKEY>", false, 0, false, false, false, false},
      {"^", false, 0, false, false, false, false},
  };
  Trace trace;
  FakeKeyboard keyboard(trace);
  for (const Case& c : cases) {
    ParsedHotkey hotkey;
    ASSERT_EQ(SendKeys::ParseHotkey(c.text, keyboard, hotkey), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(hotkey.m_virtualKey, c.virtualKey) << c.text;
    EXPECT_EQ(hotkey.m_shift, c.shift) << c.text;
    EXPECT_EQ(hotkey.m_ctrl, c.ctrl) << c.text;
    EXPECT_EQ(hotkey.m_alt, c.alt) << c.text;
    EXPECT_EQ(hotkey.m_win, c.win) << c.text;
  }
}

TEST(KeyBuiltinsTest, KeyNamesCountsAndMissingWindows) {
  ScriptRun run;
  run.Run({"$a = KEYSEND('', '', '', '<Enter>', 2)", "$b = KEYSEND('', '', '', 'A', 0)",
           "$c = KEYSEND('Nowhere', '', '', 'A')", "$d = CONTROLSEND('Nowhere', '', '', 'x')",
           "$e = CONTROLSEND('Target', '', '', 'x')", "$f = SEND('{', 1)"});
  EXPECT_EQ(run.m_trace.Text(), "+Enter -Enter +Enter -Enter post7:100,X,580001 post7:101,X,c0580001 +Shift +0xDB -0xDB -Shift");
  for (auto [name, value] : {std::pair{"A", "1"}, {"B", "1"}, {"C", "0"}, {"D", "0"}, {"E", "1"}, {"F", "1"}}) {
    EXPECT_EQ(run.Global(name), value) << name;
  }
}

TEST(InputRunEndTest, NothingStaysPressedOrBlockedHoweverTheRunEnds) {
  const std::vector<std::string> holds = {"KEYDOWN('', '', '', 'A')", "SEND('{CTRLDOWN}')", "MOUSEDOWN('right')",
                                          "BLOCKINPUT(1)"};
  struct Case {
    const char* name;
    std::string last;  // appended after the holds
  };
  const Case cases[] = {{"end", ""}, {"exit", "Exit"}, {"error", "$x = 1 +* 2"}, {"stop", "DELAY(1000)"},
                        {"quit", "DELAY(1000)"}};
  for (const Case& c : cases) {
    ScriptRun run;
    if (std::string(c.name) == "stop") run.m_host.At(500, [&run] { run.m_engine.Stop(); });
    if (std::string(c.name) == "quit") run.m_host.At(500, [&run] { run.m_host.PostQuit(); });
    std::vector<std::string> lines = holds;
    lines.push_back(c.last);
    lines.push_back("SEND('z')");  // must not run after an ending
    run.Run(lines);
    std::string expected = "+A +Ctrl +R block -Ctrl -A -R unblock";
    if (c.last.empty()) expected = "+A +Ctrl +R block +Z -Z -Ctrl -A -R unblock";
    EXPECT_EQ(run.m_trace.Text(), expected) << c.name;
  }
}

TEST(MouseBuiltinsTest, MovesClicksAndTheAbsoluteArithmetic) {
  struct Case {
    std::string line;
    const char* events;
  };
  const Case cases[] = {
      {"MOUSEMOVE(0, 0)", "move1,1"},
      {"MOUSEMOVE(1023, 767)", "move65536,65536"},
      {"MOUSEMOVE(2000000000, -2000000000)", "move2147483647,-2147483648"},  // 64-bit, clamped
      {"OPT('MouseCoordMode', 0)\nMOUSEMOVE(0, 0)", "move6407,4273"},            // from (100, 50)
      {"OPT('MouseCoordMode', 0)\nMOUSERELATIVEMOVE(10, 0)", "move1282,1709"},  // from the cursor (10, 20)
      {"MOUSECLICK('Right', 2)", "+R -R +R -R"},
      {"MOUSECLICK('left', 0)", ""},
      {"MOUSEDOUBLECLICK('middle')", "+M -M +M -M"},
      {"MOUSEWHEEL('up', 2)\nMOUSEWHEEL('x')", "wheel120 wheel120 wheel-120"},
      // Speed 0 jumps to the start, then eases from the cursor (10, 20) at speed 2: half the way
      // each step, at least 32.
      {"MOUSECLICKDRAG('left', 0, 0, 1023, 0, 0)",
       "move1,1 +L move33088,855 move49312,428 move57424,215 move61480,108 move63508,55 move64522,23 "
       "move65029,1 move65282,1 move65409,1 move65472,1 move65504,1 move65536,1 -L"},
  };
  for (const Case& c : cases) {
    ScriptRun run;
    std::vector<std::string> lines;
    std::istringstream text(c.line);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    run.Run(lines);
    EXPECT_EQ(run.m_trace.Text(), c.events) << c.line;
  }

  ScriptRun tiny;  // a one-pixel screen must not divide by zero
  tiny.m_mouse->m_width = tiny.m_mouse->m_height = 1;
  tiny.Run({"MOUSEMOVE(1, 0)", "$p = MOUSEGETPOS()", "$c = MOUSEGETCURSOR()"});
  EXPECT_EQ(tiny.m_trace.Text(), "move65536,1");
  EXPECT_EQ(tiny.Global("P"), "10,20");
  EXPECT_EQ(tiny.Global("C"), "5");
}

TEST(PixelBuiltinsTest, CheckColorModes) {
  struct Case {
    const char* call;
    const char* result;
  };
  // The pixel at (5, 5) is red 100, green 150, blue 200.
  const Case cases[] = {
      {"CHECKCOLOR(5, 5, 100, 150, 200, 0)", "1"}, {"CHECKCOLOR(5, 5, 100, 150, 201, 0)", "0"},
      {"CHECKCOLOR(5, 5, 100, 150, 201, 1)", "1"}, {"CHECKCOLOR(5, 5, 100, 150, 200, 1)", "0"},
      {"CHECKCOLOR(5, 5, 119, 131, 200, 2)", "1"}, {"CHECKCOLOR(5, 5, 120, 150, 200, 2)", "0"},
      {"CHECKCOLOR(5, 5, 0, 0, 0, 3)", "1"},       {"CHECKCOLOR(6, 6, 255, 255, 255, 0)", "1"},  // off screen
  };
  for (const Case& c : cases) {
    ScriptRun run;
    run.m_screen->m_pixels[{5, 5}] = 0xC89664;
    run.Run({std::string("$r = ") + c.call});
    EXPECT_EQ(run.Global("R"), c.result) << c.call;
  }

  ScriptRun cursor;  // -1, -1 is the cursor (10, 20)
  cursor.m_screen->m_pixels[{10, 20}] = 0x000000;
  cursor.Run({"$r = CHECKCOLOR(-1, -1, 0, 0, 0, 0)"});
  EXPECT_EQ(cursor.Global("R"), "1");

  ScriptRun unreadable;
  unreadable.m_screen->m_readable = false;
  unreadable.Run({"$r = CHECKCOLOR(5, 5, 1, 2, 3, 1)"});
  EXPECT_EQ(unreadable.Global("R"), "0");
  EXPECT_EQ(unreadable.m_engine.ErrorCode(), 1);
}

TEST(PixelBuiltinsTest, ColourModesSearchAndChecksum) {
  ScriptRun run;
  run.m_screen->m_pixels = {{{100, 50}, 0x0000FF}, {{102, 52}, 0x123456}, {{103, 52}, 0x010203}};
  run.Run({"$red = PIXELGETCOLOR(100, 50)", "OPT('ColorMode', 1)", "$bgr = PIXELGETCOLOR(100, 50)",
           "OPT('ColorMode', 0)", "OPT('PixelCoordMode', 0)", "$rel = PIXELGETCOLOR(0, 0)",
           "$found = PIXELSEARCH(0, 0, 5, 5, 0x563414, 2)", "$any = PIXELSEARCH(0, 0, 5, 5, 0, 300)",
           "$none = PIXELSEARCH(0, 0, 5, 5, 0x563414)"});
  EXPECT_EQ(run.Global("RED"), std::to_string(0xFF0000));
  EXPECT_EQ(run.Global("BGR"), std::to_string(0x0000FF));
  EXPECT_EQ(run.Global("REL"), std::to_string(0xFF0000));
  EXPECT_EQ(run.Global("FOUND"), "2,2");
  EXPECT_EQ(run.Global("NONE"), "1");
  EXPECT_EQ(run.m_engine.ErrorCode(), 1);
  EXPECT_EQ(run.Global("ANY"), "0,0");

  // The bytes "Wikipedia" as red, green, blue of one column of three pixels: Adler-32 0x11E60398.
  ScriptRun checksum;
  checksum.m_screen->m_pixels = {{{0, 0}, 'W' | 'i' << 8 | 'k' << 16},
                                 {{0, 1}, 'i' | 'p' << 8 | 'e' << 16},
                                 {{0, 2}, 'd' | 'i' << 8 | 'a' << 16}};
  checksum.Run({"$sum = PIXELCHECKSUM(0, 0, 0, 2)"});
  EXPECT_EQ(checksum.Global("SUM"), std::to_string(0x11E60398));
}

TEST(WaitBuiltinsTest, FasterSpeedSkipsShortWaits) {
  struct Case {
    int speed;
    int ms;
    uint32_t waited;
  };
  const Case cases[] = {{0, 150, 150}, {1, 150, 0}, {1, 200, 0}, {1, 201, 201}, {2, 50, 0}, {0, -5, 0}};
  for (const Case& c : cases) {
    ScriptRun run;
    run.m_source.SetSpeedOption(c.speed);
    run.Run({"WAIT(" + std::to_string(c.ms) + ")"});
    EXPECT_EQ(run.m_host.TickMs(), c.waited) << c.speed << " " << c.ms;
  }

  // Without a timer WAITLONG still pauses, and pumps meanwhile.
  ScriptRun longWait;
  longWait.Run({"WAITLONG(300)"});
  EXPECT_GE(longWait.m_host.TickMs(), 300u);
  EXPECT_GT(longWait.m_host.PumpCount(), 10);
}

}  // namespace
