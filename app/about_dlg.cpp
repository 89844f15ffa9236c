// CAboutDlg: fills in the version when the box opens.
#include "app/about_dlg.h"

#include "about_dlg_ids.h"
#include "builtins/program_version.h"

bool CAboutDlg::OnInitDialog() {
  SetItemText(IDC_ABOUT_VERSION, builtins::ProgramFileVersion());
  return true;
}
