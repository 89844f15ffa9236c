// The update check: where the version document lives (update.ini beside the executable, section
// [Update], key Address) and what the program tells the user once it has read it. CheckForUpdate
// blocks on the network: run it on a worker thread. Plain functions: safe on any thread.
#pragma once

#include <string>

constexpr char kDefaultUpdateAddress[] = "https://www.morvanta.example/version.xml";

struct UpdateCheckAnswer {
  std::string m_message;
  // The download page when a newer version exists, else empty.
  std::string m_download;
};

// The configured address, or kDefaultUpdateAddress when update.ini names none.
std::string UpdateAddress();

// Reads the version document at `address` and compares it with `runningVersion` ("1.0.0.0").
UpdateCheckAnswer CheckForUpdate(const std::string& address, const std::string& runningVersion);
