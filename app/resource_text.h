// Texts from the string table, and message boxes captioned with the application title.
#pragma once

#include <windows.h>

#include <string>

// The string resource `id` of this program, or "" when it does not exist.
std::string LoadResourceText(UINT id);

// A message box with the application title as caption; returns the button pressed.
int ShowAppMessage(HWND owner, const std::string& text, UINT flags);
