// Resource and control identifiers of the Options dialog.
#pragma once

#define IDD_OPTIONS 197
#define IDC_OPTIONS_CHECK_NOW 1110
#define IDC_OPTIONS_EXPORT 1111
#define IDC_OPTIONS_IMPORT 1112
#define IDC_OPTIONS_START 1120
