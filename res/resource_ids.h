// Resource ids shared by the resource script and the code: dialogs, menus, icons, bitmaps and strings.
#pragma once

// Dialog templates.
#define IDD_MAIN 102
#define IDD_ABOUT 130
#define IDD_TIPS 208
#define IDD_CONFIRM 209

// Icons and menus.
#define IDI_WINDOW 128
#define IDM_TRAY 129
#define IDI_TRAY 131

// The main window's background, its command buttons' bitmaps and the Feedback link's cursor.
#define IDB_BACKGROUND 132
#define IDB_RUN_ROBOT 133
#define IDB_EDIT_ROBOT 135
#define IDB_HELP 136
#define IDB_OPTIONS 137
#define IDB_REMOVE_ROBOT 138
#define IDB_SHARE_ROBOT 186
#define IDB_SCHEDULE 195
#define IDB_RECORD_ROBOT 207
#define IDCUR_LINK 143

// Strings. The first is the application title every message box carries.
#define IDS_APP_TITLE 57344
#define IDS_ROBOT_NOT_FOUND 200
#define IDS_QUIT_QUESTION 201
#define IDS_TRAY_TOOLTIP 202
#define IDS_HELP_NOT_FOUND 203
