// The program's option file (beside the executable): one line "showtip=" followed by 0 or 1, telling whether
// the start-up tips are wanted. Plain functions, no state; callable from any thread.
#pragma once

#include <string>

// True unless a "showtip=" line says exactly "0"; a missing or unreadable file keeps the tips.
bool ReadShowTips(const std::string& path);
// Creates or truncates the file with the one line; false when it could not be written.
bool WriteShowTips(const std::string& path, bool showTips);
