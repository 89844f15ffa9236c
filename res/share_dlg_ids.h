// Resource and control identifiers of the Share Robot dialog.
#pragma once

#define IDD_SHARE 161
#define IDC_SHARE_NAME 1170
#define IDC_SHARE_DESCRIPTION 1171
#define IDC_SHARE_DESTINATION 1172
#define IDC_SHARE_BROWSE 1173
#define IDC_SHARE_SAVE_OPEN 1174
