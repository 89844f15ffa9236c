// Texts from the string table, and message boxes captioned with the application title.
#include "app/resource_text.h"

#include <vector>

#include "resource_ids.h"

std::string LoadResourceText(UINT id) {
  std::vector<char> buffer(256);
  for (;;) {
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) return {};
    // A text that fills the buffer may have been cut: try again with more room.
    if (static_cast<size_t>(length) + 1 < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

int ShowAppMessage(HWND owner, const std::string& text, UINT flags) {
  return MessageBoxA(owner, text.c_str(), LoadResourceText(IDS_APP_TITLE).c_str(), flags);
}
