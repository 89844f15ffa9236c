// Memory in another process, and the list views read through it.
#include "driver.h"

#include <commctrl.h>

namespace driver {

namespace {

constexpr int kTextChars = 1024;
constexpr int kTickedImage = 2;

}  // namespace

RemoteMemory::RemoteMemory(DWORD processId)
    : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)) {
  if (m_process != nullptr) {
    m_memory = static_cast<char*>(VirtualAllocEx(m_process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
  }
}

RemoteMemory::~RemoteMemory() {
  if (m_memory != nullptr) VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
  if (m_process != nullptr) CloseHandle(m_process);
}

bool RemoteMemory::Write(const void* data, SIZE_T size, SIZE_T offset) {
  return Valid() && offset + size <= kSize &&
         WriteProcessMemory(m_process, m_memory + offset, data, size, nullptr) != FALSE;
}

bool RemoteMemory::Read(void* data, SIZE_T size, SIZE_T offset) const {
  return Valid() && offset + size <= kSize &&
         ReadProcessMemory(m_process, m_memory + offset, data, size, nullptr) != FALSE;
}

int ListView::RowCount() const { return static_cast<int>(Send(m_list, LVM_GETITEMCOUNT, 0, 0).value_or(-1)); }

std::string ListView::Text(int row, int column) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<char*>(m_memory.At(sizeof item));
  item.cchTextMax = kTextChars;
  char text[kTextChars + 1] = {};
  if (!m_memory.Write(&item, sizeof item) || !Send(m_list, LVM_GETITEMTEXTA, row, m_memory.At()) ||
      !m_memory.Read(text, kTextChars, sizeof item)) {
    return {};
  }
  return text;
}

int ListView::RowOf(const std::string& text, int column) {
  const int count = RowCount();
  for (int row = 0; row < count; ++row) {
    if (Text(row, column) == text) return row;
  }
  return -1;
}

bool ListView::IsTicked(int row) const {
  const LRESULT state = Send(m_list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK).value_or(0);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == kTickedImage;
}

bool ListView::SetState(int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  return m_memory.Write(&item, sizeof item) && Send(m_list, LVM_SETITEMSTATE, row, m_memory.At()).value_or(0) != 0;
}

std::optional<POINT> ListView::CheckBoxPoint(int row) {
  // The check box is the state image, between the row's left edge and its icon.
  RECT rects[2] = {{LVIR_BOUNDS, 0, 0, 0}, {LVIR_ICON, 0, 0, 0}};
  if (!m_memory.Write(rects, sizeof rects) || !Send(m_list, LVM_GETITEMRECT, row, m_memory.At()).value_or(0) ||
      !Send(m_list, LVM_GETITEMRECT, row, m_memory.At(sizeof(RECT))).value_or(0) ||
      !m_memory.Read(rects, sizeof rects)) {
    return std::nullopt;
  }
  if (rects[1].left <= rects[0].left) return std::nullopt;
  POINT point = {(rects[0].left + rects[1].left) / 2, (rects[0].top + rects[0].bottom) / 2};
  ClientToScreen(m_list, &point);
  return point;
}

}  // namespace driver
