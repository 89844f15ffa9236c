// Control ids of the about box (IDD_ABOUT); it closes with IDOK.
#pragma once

#define IDC_ABOUT_VERSION 1150
