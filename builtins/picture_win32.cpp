// Decodes pictures held in memory with the system's picture loader (BMP, JPEG, GIF) and renders
// them at the size the splash window asks for.
#include <windows.h>

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "builtins/com_scope_win32.h"
#include "builtins/feedback_win32.h"

namespace feedback {

namespace {

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, ComRelease>;

ComPtr<IStream> StreamOver(const std::string& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(bytes.size(), 1));
  if (!memory) return nullptr;
  void* data = GlobalLock(memory);
  if (data) {
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  IStream* stream = nullptr;
  if (!data || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  return ComPtr<IStream>(stream);
}

ComPtr<IPicture> LoadPicture(const std::string& bytes) {
  ComPtr<IStream> stream = StreamOver(bytes);
  if (!stream) return nullptr;
  void* picture = nullptr;
  if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture, &picture))) {
    return nullptr;
  }
  return ComPtr<IPicture>(static_cast<IPicture*>(picture));
}

HBITMAP Render(IPicture& picture, int width, int height) {
  OLE_XSIZE_HIMETRIC sourceWidth = 0;
  OLE_YSIZE_HIMETRIC sourceHeight = 0;
  if (FAILED(picture.get_Width(&sourceWidth)) || FAILED(picture.get_Height(&sourceHeight))) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  if (!memory || !bitmap) {
    if (memory) DeleteDC(memory);
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(memory, bitmap);
  HRESULT drawn = picture.Render(memory, 0, 0, width, height, 0, sourceHeight, sourceWidth, -sourceHeight, nullptr);
  SelectObject(memory, previous);
  DeleteDC(memory);
  if (FAILED(drawn)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

HBITMAP DecodePicture(const std::string& bytes, int width, int height) {
  ComScope com;
  ComPtr<IPicture> picture = LoadPicture(bytes);
  return picture ? Render(*picture, std::max(width, 1), std::max(height, 1)) : nullptr;
}

}  // namespace feedback
