// The Options dialog's commands.
#include "app/options_dlg.h"

#include "app/app_paths.h"
#include "app/robot_transfer_ui.h"

namespace {
constexpr char kCheckNotBuilt[] = "Checking for updates is not available in this version yet.";
}  // namespace

bool COptionsDlg::OnCommand(int id) {
  switch (id) {
  case IDC_OPTIONS_CHECK_NOW: ShowMessage(kCheckNotBuilt, MB_OK); return true;
  case IDC_OPTIONS_EXPORT: ExportRobotsWithDialogs(Handle(), ScriptFolder()); return true;
  case IDC_OPTIONS_IMPORT:
    if (ImportRobotsWithDialogs(Handle(), ScriptFolder())) m_robotsImported();
    return true;
  case IDC_OPTIONS_START: EndModal(IDC_OPTIONS_START); return true;
  default: return Dialog::OnCommand(id);
  }
}
