// Control ids of the start-up tips dialog (IDD_TIPS); Close is IDOK.
#pragma once

#define IDC_TIP_TEXT 1150
#define IDC_TIP_NEXT 1151
#define IDC_TIP_DONT_SHOW 1152
