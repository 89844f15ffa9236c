// CAboutDlg: the modal about box (name and version), opened from the tray menu.
#pragma once

#include "app/dialog.h"

class CAboutDlg : public Dialog {};
