// Mouse built-ins: moves, clicks, drags, the wheel, the cursor and input blocking.
#include "builtins/mouse.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>

#include "builtins/input_clock.h"
#include "builtins/mouse_services.h"
#include "engine/script_engine.h"
#include "robot/text_util.h"

namespace {

// What a run left pressed or blocked, released when the run ends.
struct MouseHeld {
  std::set<MouseButton> m_buttons;
  bool m_blocked = false;
  bool m_watching = false;
  static std::unique_ptr<MouseHeld> CreateDefault() { return std::make_unique<MouseHeld>(); }
};

MouseHeld& Held(ScriptEngine& engine) {
  MouseHeld& held = engine.Services().Get<MouseHeld>();
  if (!held.m_watching) {
    held.m_watching = true;
    MousePort* port = &engine.Services().Get<MousePort>();
    MouseHeld* state = &held;
    engine.SetRunEndHandler("mouse", [port, state] {
      for (MouseButton button : state->m_buttons) port->Button(button, false);
      state->m_buttons.clear();
      if (state->m_blocked) port->BlockInput(false);
      state->m_blocked = false;
    });
  }
  return held;
}

MouseButton ButtonNamed(const std::string& name) {
  if (EqualsNoCase(name, "RIGHT")) return MouseButton::kRight;
  if (EqualsNoCase(name, "MIDDLE")) return MouseButton::kMiddle;
  return MouseButton::kLeft;
}

void Press(ScriptEngine& engine, MouseButton button, bool down) {
  MouseHeld& held = Held(engine);
  engine.Services().Get<MousePort>().Button(button, down);
  if (down) {
    held.m_buttons.insert(button);
  } else {
    held.m_buttons.erase(button);
  }
}

void Pause(ScriptEngine& engine, int ms) { engine.Services().Get<InputClock>().Delay(ms); }

// One step of an eased move: the remaining distance divided by the speed, at least 32, never
// past the target.
int StepToward(int current, int target, int speed) {
  int64_t remaining = static_cast<int64_t>(target) - current;
  int64_t distance = std::llabs(remaining);
  int64_t step = std::max<int64_t>(32, distance / speed);
  if (step >= distance) return target;
  return static_cast<int>(current + (remaining < 0 ? -step : step));
}

// The shared absolute move: speed 0 jumps, other speeds ease in steps of 20 ms.
void MoveTo(ScriptEngine& engine, int x, int y, int speed) {
  MousePort& port = engine.Services().Get<MousePort>();
  int left = 0, top = 0;
  if (engine.Options().m_mouseCoordMode == 0 && port.ForegroundOrigin(left, top)) {
    x += left;
    y += top;
  }
  int width = 0, height = 0;
  port.ScreenSize(width, height);
  int targetX = builtins::NormalizedCoordinate(x, width), targetY = builtins::NormalizedCoordinate(y, height);
  if (speed == 0) {
    port.MoveAbsolute(targetX, targetY);
    Pause(engine, 2);
    return;
  }
  if (speed < 0 || speed > 100) speed = 10;
  int cursorX = 0, cursorY = 0;
  port.CursorPos(cursorX, cursorY);
  int currentX = builtins::NormalizedCoordinate(cursorX, width), currentY = builtins::NormalizedCoordinate(cursorY, height);
  while (currentX != targetX || currentY != targetY) {
    currentX = StepToward(currentX, targetX, speed);
    currentY = StepToward(currentY, targetY, speed);
    port.MoveAbsolute(currentX, currentY);
    Pause(engine, 20);
  }
}

void Click(ScriptEngine& engine, MouseButton button) {
  Press(engine, button, true);
  Pause(engine, engine.Options().m_mouseClickDownDelay);
  Press(engine, button, false);
}

}  // namespace

namespace builtins {

int NormalizedCoordinate(int value, int extent) {
  int64_t divisor = std::max<int64_t>(1, static_cast<int64_t>(extent) - 1);
  int64_t normal = static_cast<int64_t>(value) * 65535 / divisor + 1;
  return static_cast<int>(std::clamp<int64_t>(normal, INT_MIN, INT_MAX));
}

int MouseClick(ScriptEngine& engine, const ArgList& args, Variant&) {
  MouseButton button = ButtonNamed(ArgText(args, 0));
  for (int i = 0, count = ArgInt(args, 1, 1); i < count; ++i) {
    Click(engine, button);
    Pause(engine, engine.Options().m_mouseClickDelay);
  }
  return 0;
}

int MouseDoubleClick(ScriptEngine& engine, const ArgList& args, Variant&) {
  MouseButton button = ButtonNamed(ArgText(args, 0));
  for (int i = 0, count = ArgInt(args, 1, 1); i < count; ++i) {
    Click(engine, button);
    Pause(engine, 1);
    Click(engine, button);
    Pause(engine, engine.Options().m_mouseClickDelay);
  }
  return 0;
}

int MouseDown(ScriptEngine& engine, const ArgList& args, Variant&) {
  Press(engine, ButtonNamed(ArgText(args, 0)), true);
  return 0;
}

int MouseUp(ScriptEngine& engine, const ArgList& args, Variant&) {
  Press(engine, ButtonNamed(ArgText(args, 0)), false);
  return 0;
}

int MouseWheel(ScriptEngine& engine, const ArgList& args, Variant&) {
  int delta = EqualsNoCase(ArgText(args, 0), "UP") ? 120 : -120;
  for (int i = 0, count = ArgInt(args, 1, 1); i < count; ++i) {
    engine.Services().Get<MousePort>().Wheel(delta);
    Pause(engine, engine.Options().m_mouseClickDelay);
  }
  return 0;
}

int MouseMove(ScriptEngine& engine, const ArgList& args, Variant&) {
  MoveTo(engine, ArgInt(args, 0), ArgInt(args, 1), 0);
  return 0;
}

// Relative moves ignore the coordinate mode: they start from wherever the cursor is.
int MouseRelativeMove(ScriptEngine& engine, const ArgList& args, Variant&) {
  MousePort& port = engine.Services().Get<MousePort>();
  int x = 0, y = 0, width = 0, height = 0;
  port.CursorPos(x, y);
  port.ScreenSize(width, height);
  int64_t targetX = static_cast<int64_t>(x) + ArgInt(args, 0), targetY = static_cast<int64_t>(y) + ArgInt(args, 1);
  port.MoveAbsolute(NormalizedCoordinate(static_cast<int>(std::clamp<int64_t>(targetX, INT_MIN, INT_MAX)), width),
                    NormalizedCoordinate(static_cast<int>(std::clamp<int64_t>(targetY, INT_MIN, INT_MAX)), height));
  Pause(engine, 20);
  return 0;
}

int MouseClickDrag(ScriptEngine& engine, const ArgList& args, Variant&) {
  MouseButton button = ButtonNamed(ArgText(args, 0));
  int speed = ArgInt(args, 5, -1);
  MoveTo(engine, ArgInt(args, 1), ArgInt(args, 2), speed);
  if (speed < 2 && speed != -1) speed = 2;
  Press(engine, button, true);
  Pause(engine, engine.Options().m_mouseClickDragDelay);
  MoveTo(engine, ArgInt(args, 3), ArgInt(args, 4), speed);
  Pause(engine, engine.Options().m_mouseClickDragDelay);
  Press(engine, button, false);
  Pause(engine, engine.Options().m_mouseClickDelay);
  return 0;
}

int MouseGetPos(ScriptEngine& engine, const ArgList&, Variant& result) {
  MousePort& port = engine.Services().Get<MousePort>();
  int x = 0, y = 0, left = 0, top = 0;
  port.CursorPos(x, y);
  if (engine.Options().m_mouseCoordMode == 0 && port.ForegroundOrigin(left, top)) {
    x -= left;
    y -= top;
  }
  result.CreateArray({2});
  result.Element({0})->SetInt(x);
  result.Element({1})->SetInt(y);
  return 0;
}

int MouseGetCursor(ScriptEngine& engine, const ArgList&, Variant& result) {
  result.SetInt(engine.Services().Get<MousePort>().CursorShape());
  return 0;
}

int BlockInput(ScriptEngine& engine, const ArgList& args, Variant&) {
  bool block = ArgInt(args, 0) != 0;
  MouseHeld& held = Held(engine);
  if (engine.Services().Get<MousePort>().BlockInput(block)) held.m_blocked = block;
  return 0;
}

}  // namespace builtins
