// Resource and control identifiers of the update-check dialog; it closes with IDCANCEL, or with
// IDOK once the download page has been opened.
#pragma once

#define IDD_UPDATE 162
#define IDC_UPDATE_STATUS 1170
#define IDC_UPDATE_DOWNLOAD 1171
