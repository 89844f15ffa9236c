// CTipsDlg: the start-up tips.
#include "app/tips_dlg.h"

#include <fstream>

#include "tips_dlg_ids.h"

void CTipsDlg::LoadTips(const std::string& path) {
  m_tips.clear();
  std::ifstream file(path, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) m_tips.push_back(line);
  }
}

bool CTipsDlg::OnInitDialog() {
  // A different tip greets each start.
  if (HasTips()) ShowTip(GetTickCount() % m_tips.size());
  return true;
}

bool CTipsDlg::OnCommand(int id) {
  switch (id) {
  case IDC_TIP_NEXT: ShowTip(m_current + 1); return true;
  case IDOK:
  case IDCANCEL: Close(); return true;  // Esc and the close box close as Close does
  default: return false;
  }
}

void CTipsDlg::ShowTip(std::size_t index) {
  if (!HasTips()) return;
  m_current = index % m_tips.size();
  SetItemText(IDC_TIP_TEXT, m_tips[m_current]);
}

void CTipsDlg::Close() {
  m_showAgain = !IsChecked(IDC_TIP_DONT_SHOW);
  EndModal(IDOK);
}
