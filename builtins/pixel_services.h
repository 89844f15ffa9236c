// ScreenPixels: reads screen pixels for the colour built-ins. Owned by the engine's service
// registry, created on first use; tests put a painted fake in its place. Engine thread only.
#pragma once

#include <cstdint>
#include <memory>

// An open view of the screen, held for one built-in call.
class ScreenReader {
 public:
  virtual ~ScreenReader() = default;
  // The pixel in the system's 0xBBGGRR form; 0xFFFFFFFF outside the screen.
  virtual uint32_t At(int x, int y) = 0;
};

class ScreenPixels {
 public:
  virtual ~ScreenPixels() = default;
  // Null when the screen cannot be read.
  virtual std::unique_ptr<ScreenReader> Open() = 0;

  static std::unique_ptr<ScreenPixels> CreateDefault();
};
