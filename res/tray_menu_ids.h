// Command ids of the tray icon's popup menu (IDM_TRAY).
#pragma once

#define ID_TRAY_SHOW 32771
#define ID_TRAY_HIDE 32772
#define ID_TRAY_HELP 32773
#define ID_TRAY_ABOUT 32774
#define ID_TRAY_EXIT 32775
