// CAboutDlg: the modal about box, opened from the tray menu: the program's name and the version
// its own version resource states, read when the box opens.
#pragma once

#include "app/dialog.h"

class CAboutDlg : public Dialog {
protected:
  bool OnInitDialog() override;
};
