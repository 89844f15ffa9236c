// The Options dialog's Export and Import commands: folder browser, wait cursor, overwrite
// questions and the one message about failed copies. Modal; user-interface thread only.
#pragma once

#include <windows.h>

#include <string>

// Asks for a folder and copies every robot of the script folder into it as ".robo" files.
void ExportRobotsWithDialogs(HWND owner, const std::string& scriptFolder);

// Asks for a folder and copies its ".robo" files into the script folder. True when the main
// window must reload its robots.
bool ImportRobotsWithDialogs(HWND owner, const std::string& scriptFolder);
