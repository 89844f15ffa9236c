// The option file's "showtip=" line.
#include "robot/show_tips_option.h"

#include <fstream>

namespace {
constexpr char kShowTipKey[] = "showtip=";
}  // namespace

bool ReadShowTips(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  bool showTips = true;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(kShowTipKey, 0) == 0) showTips = line.substr(sizeof kShowTipKey - 1) != "0";
  }
  return showTips;
}

bool WriteShowTips(const std::string& path, bool showTips) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << kShowTipKey << (showTips ? 1 : 0) << '\n';
  return static_cast<bool>(file.flush());
}
