// Win32 helpers of the feedback windows: the timed message box and the picture decoder.
// Engine thread only.
#pragma once

#include <windows.h>

#include <string>

namespace feedback {

// MessageBox with no owner, brought to the foreground. With `timeoutMs` above 0 a watcher thread
// ends this box, and only this box, when the time passes; the result is then -1.
int TimedMessageBox(int flags, const std::string& title, const std::string& text, int timeoutMs);

// Decodes a BMP, JPEG or GIF image held in memory and renders it scaled to width x height into a
// new bitmap, which the caller owns (DeleteObject). Null when the bytes cannot be decoded.
HBITMAP DecodePicture(const std::string& bytes, int width, int height);

}  // namespace feedback
