// The share page: a complete HTML page that shows one robot (name, description, script lines) and
// holds an upload form that posts the robot and the system's version data to the maker's share
// address, so a user can publish the robot from the browser. Pure functions; thread-safe.
#pragma once

#include <string>

#include "robot/robot.h"

// Where the page's form posts the robot.
constexpr char kShareAddress[] = "https://www.morvanta.example/share";

// What the page tells the share address about the system the robot was made on. The caller
// reads it from the system; every text is escaped like the robot's own.
struct ShareSystemInfo {
  std::string m_programVersion;
  std::string m_osVersion;
  std::string m_charset = "windows-1252";  // the page's encoding: the robot's texts are ANSI
};

// The page, with CR LF line ends.
std::string BuildSharePage(const Robot& robot, const ShareSystemInfo& system);

// Text made safe for an HTML element's content or a quoted attribute value: & < > " ' become
// character references. Line breaks are kept as they are.
std::string EscapeHtml(const std::string& text);
