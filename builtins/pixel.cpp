// Colour built-ins: CHECKCOLOR, PIXELGETCOLOR, PIXELSEARCH and PIXELCHECKSUM.
#include <algorithm>
#include <cstdint>

#include "builtins/mouse.h"
#include "builtins/mouse_services.h"
#include "builtins/pixel_services.h"
#include "engine/script_engine.h"

namespace {

struct Channels {
  int m_red, m_green, m_blue;
};

// From the system's 0xBBGGRR form.
Channels ChannelsOf(uint32_t pixel) {
  return {static_cast<int>(pixel & 0xFF), static_cast<int>(pixel >> 8 & 0xFF), static_cast<int>(pixel >> 16 & 0xFF)};
}

// Between 0xRRGGBB and 0xBBGGRR: the lowest and the third byte change places.
uint32_t SwapRedBlue(uint32_t colour) {
  return (colour & 0xFF00FF00u) | (colour & 0xFF) << 16 | (colour >> 16 & 0xFF);
}

// The offset PixelCoordMode 0 adds: the foreground window's top-left corner.
void PixelOrigin(ScriptEngine& engine, int& left, int& top) {
  left = top = 0;
  if (engine.Options().m_pixelCoordMode == 0 && !engine.Services().Get<MousePort>().ForegroundOrigin(left, top)) {
    left = top = 0;
  }
}

// The screen for one call; when it cannot be read the call answers `failure` with error 1.
std::unique_ptr<ScreenReader> OpenScreen(ScriptEngine& engine, Variant& result, int failure) {
  std::unique_ptr<ScreenReader> screen = engine.Services().Get<ScreenPixels>().Open();
  if (!screen) {
    result.SetInt(failure);
    engine.SetErrorCode(1);
  }
  return screen;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

class Adler32 {
 public:
  void Add(int byte) {
    m_a = (m_a + static_cast<uint32_t>(byte)) % kModulus;
    m_b = (m_b + m_a) % kModulus;
  }
  uint32_t Value() const { return m_b << 16 | m_a; }

 private:
  static constexpr uint32_t kModulus = 65521;
  uint32_t m_a = 1;
  uint32_t m_b = 0;
};

}  // namespace

namespace builtins {

// Always screen coordinates and separate channels, whatever the pixel and colour modes say.
int CheckColor(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int x = ArgInt(args, 0), y = ArgInt(args, 1);
  if (x == -1 && y == -1) engine.Services().Get<MousePort>().CursorPos(x, y);
  // An unreadable screen is no match.
  std::unique_ptr<ScreenReader> screen = OpenScreen(engine, result, 0);
  if (!screen) return 0;
  Channels pixel = ChannelsOf(screen->At(x, y));
  Channels wanted = {ArgInt(args, 2), ArgInt(args, 3), ArgInt(args, 4)};
  bool equal = pixel.m_red == wanted.m_red && pixel.m_green == wanted.m_green && pixel.m_blue == wanted.m_blue;
  auto near = [](int channel, int target) { return channel > target - 20 && channel < target + 20; };
  switch (ArgInt(args, 5)) {
    case 0: result.SetInt(equal ? 1 : 0); break;
    case 1: result.SetInt(equal ? 0 : 1); break;
    case 2:
      result.SetInt(near(pixel.m_red, wanted.m_red) && near(pixel.m_green, wanted.m_green) &&
                            near(pixel.m_blue, wanted.m_blue) ? 1 : 0);
      break;
    default: break;
  }
  return 0;
}

int PixelGetColor(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int left = 0, top = 0;
  PixelOrigin(engine, left, top);
  std::unique_ptr<ScreenReader> screen = OpenScreen(engine, result, -1);
  if (!screen) return 0;
  uint32_t pixel = screen->At(ArgInt(args, 0) + left, ArgInt(args, 1) + top);
  if (engine.Options().m_colorMode == 0) pixel = SwapRedBlue(pixel);
  result.SetInt(static_cast<int>(pixel));
  return 0;
}

int PixelSearch(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int left = 0, top = 0;
  PixelOrigin(engine, left, top);
  uint32_t colour = static_cast<uint32_t>(ArgInt(args, 4));
  if (engine.Options().m_colorMode == 0) colour = SwapRedBlue(colour);
  int shade = std::clamp(ArgInt(args, 5), 0, 255);
  int step = std::max(1, ArgInt(args, 6, 1));
  Channels wanted = ChannelsOf(colour);
  std::unique_ptr<ScreenReader> screen = engine.Services().Get<ScreenPixels>().Open();
  int64_t right = static_cast<int64_t>(ArgInt(args, 2)) + left, bottom = static_cast<int64_t>(ArgInt(args, 3)) + top;
  for (int64_t x = static_cast<int64_t>(ArgInt(args, 0)) + left; screen && x <= right; x += step) {
    for (int64_t y = static_cast<int64_t>(ArgInt(args, 1)) + top; y <= bottom; y += step) {
      Channels pixel = ChannelsOf(screen->At(static_cast<int>(x), static_cast<int>(y)));
      if (InRange(pixel.m_red, wanted.m_red - shade, wanted.m_red + shade) &&
          InRange(pixel.m_green, wanted.m_green - shade, wanted.m_green + shade) &&
          InRange(pixel.m_blue, wanted.m_blue - shade, wanted.m_blue + shade)) {
        result.CreateArray({2});
        result.Element({0})->SetInt(static_cast<int>(x - left));
        result.Element({1})->SetInt(static_cast<int>(y - top));
        return 0;
      }
    }
  }
  engine.SetErrorCode(1);
  return 0;
}

// Adler-32 over each pixel's red, green and blue bytes, column by column.
int PixelChecksum(ScriptEngine& engine, const ArgList& args, Variant& result) {
  int left = 0, top = 0;
  PixelOrigin(engine, left, top);
  std::unique_ptr<ScreenReader> screen = OpenScreen(engine, result, 0);
  if (!screen) return 0;
  Adler32 checksum;
  int64_t right = static_cast<int64_t>(ArgInt(args, 2)) + left, bottom = static_cast<int64_t>(ArgInt(args, 3)) + top;
  for (int64_t x = static_cast<int64_t>(ArgInt(args, 0)) + left; x <= right; ++x) {
    for (int64_t y = static_cast<int64_t>(ArgInt(args, 1)) + top; y <= bottom; ++y) {
      Channels pixel = ChannelsOf(screen->At(static_cast<int>(x), static_cast<int>(y)));
      checksum.Add(pixel.m_red);
      checksum.Add(pixel.m_green);
      checksum.Add(pixel.m_blue);
    }
  }
  result.SetDouble(checksum.Value());
  return 0;
}

}  // namespace builtins
