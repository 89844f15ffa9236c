// Control ids of the Yes/No confirmation dialog (IDD_CONFIRM); Yes and No are IDYES and IDNO.
#pragma once

#define IDC_CONFIRM_MESSAGE 1140
#define IDC_CONFIRM_DONT_SHOW 1141
