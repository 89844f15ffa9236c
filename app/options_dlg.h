// COptionsDlg: the modal Options dialog with the update check, robot export and import, and the
// "Start" command that adds a robot in the editor (the dialog then ends with IDC_OPTIONS_START).
// Lives on the caller's stack for one DoModal; user-interface thread only.
#pragma once

#include <functional>

#include "app/dialog.h"
#include "options_dlg_ids.h"

class COptionsDlg : public Dialog {
public:
  // `robotsImported` is called after an import that copied robots (the main window reloads).
  explicit COptionsDlg(std::function<void()> robotsImported) : m_robotsImported(std::move(robotsImported)) {}

protected:
  bool OnCommand(int id) override;

private:
  std::function<void()> m_robotsImported;
};
