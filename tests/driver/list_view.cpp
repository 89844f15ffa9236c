// List-view rows of another process: the item structure and its text travel through memory
// allocated in the list's process, since list-view messages carry pointers.
#include "driver.h"

#include <commctrl.h>

namespace driver {

namespace {

constexpr int kTextSize = 1024;

// A page of memory in the process that owns `window`, freed with the object.
class RemoteMemory {
public:
  explicit RemoteMemory(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process != nullptr) {
      m_memory = static_cast<char*>(VirtualAllocEx(m_process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    }
  }
  ~RemoteMemory() {
    if (m_memory != nullptr) VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
    if (m_process != nullptr) CloseHandle(m_process);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Valid() const { return m_memory != nullptr; }
  char* Item() const { return m_memory; }
  char* Text() const { return m_memory + sizeof(LVITEMA); }
  bool Put(const LVITEMA& item) const {
    return WriteProcessMemory(m_process, m_memory, &item, sizeof(item), nullptr) != 0;
  }
  std::string ReadText() const {
    char text[kTextSize] = {};
    ReadProcessMemory(m_process, Text(), text, sizeof(text) - 1, nullptr);
    return text;
  }

private:
  HANDLE m_process = nullptr;
  char* m_memory = nullptr;
};

}  // namespace

std::string ListItemText(HWND list, int row, int column) {
  RemoteMemory remote(list);
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = remote.Text();
  item.cchTextMax = kTextSize;
  if (!remote.Valid() || !remote.Put(item)) return {};
  Send(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote.Item()));
  return remote.ReadText();
}

bool SetListItemState(HWND list, int row, UINT state, UINT mask) {
  RemoteMemory remote(list);
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  if (!remote.Valid() || !remote.Put(item)) return false;
  return Send(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.Item())).value_or(FALSE) != FALSE;
}

int ListRowOf(HWND list, int column, const std::string& text) {
  const int rows = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0).value_or(0));
  for (int row = 0; row < rows; ++row) {
    if (ListItemText(list, row, column) == text) return row;
  }
  return -1;
}

}  // namespace driver
