// CConfirmDlg: a Yes/No question with a "Do not show this again" check box.
#include "app/confirm_dlg.h"

#include "confirm_dlg_ids.h"

bool CConfirmDlg::OnInitDialog() {
  SetItemText(IDC_CONFIRM_MESSAGE, m_message);
  return true;
}

bool CConfirmDlg::OnCommand(int id) {
  switch (id) {
  case IDYES: Close(1, IDOK); return true;
  case IDNO: Close(0, IDCANCEL); return true;
  case IDCANCEL: Close(0, IDCANCEL); return true;  // Esc and the close box answer No
  default: return false;
  }
}

void CConfirmDlg::Close(int answer, INT_PTR result) {
  m_doNotShow = IsChecked(IDC_CONFIRM_DONT_SHOW) ? 1 : 0;
  m_answer = answer;
  EndModal(result);
}
