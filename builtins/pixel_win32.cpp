// The Windows screen pixels: GetPixel on the screen's device context, taken once per call.
#include <windows.h>

#include "builtins/pixel_services.h"

namespace {

class ScreenDcReader : public ScreenReader {
 public:
  explicit ScreenDcReader(HDC dc) : m_dc(dc) {}
  ~ScreenDcReader() override { ReleaseDC(nullptr, m_dc); }
  ScreenDcReader(const ScreenDcReader&) = delete;
  ScreenDcReader& operator=(const ScreenDcReader&) = delete;
  uint32_t At(int x, int y) override { return GetPixel(m_dc, x, y); }

 private:
  HDC m_dc;
};

class Win32Screen : public ScreenPixels {
 public:
  std::unique_ptr<ScreenReader> Open() override {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return nullptr;
    return std::make_unique<ScreenDcReader>(dc);
  }
};

}  // namespace

std::unique_ptr<ScreenPixels> ScreenPixels::CreateDefault() { return std::make_unique<Win32Screen>(); }
