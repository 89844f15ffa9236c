// Reads the "[RecWinInfo]" section of a robot file.
#include "robot/rec_win_entry.h"

#include "robot/text_util.h"

namespace {

constexpr std::size_t kWinIndexKeyLength = sizeof("WinIndex=") - 1;
constexpr std::size_t kWinTitleKeyLength = sizeof("WinTitle=") - 1;
constexpr std::size_t kWinPathKeyLength = sizeof("WinPath=") - 1;
constexpr std::size_t kWinRectKeyLength = sizeof("WinRect=") - 1;

}  // namespace

bool ParseWinRect(const std::string& text, WinRect& rect) {
  const std::size_t first = text.find(',');
  if (first == std::string::npos) return false;
  const std::size_t second = text.find(',', first + 1);
  if (second == std::string::npos) return false;
  const std::size_t third = text.find(',', second + 1);
  if (third == std::string::npos) return false;
  rect.m_left = ParseDecimal(text.substr(0, first));
  rect.m_top = ParseDecimal(text.substr(first + 1, second - first - 1));
  rect.m_right = ParseDecimal(text.substr(second + 1, third - second - 1));
  rect.m_bottom = ParseDecimal(text.substr(third + 1));
  return true;
}

bool RecWinInfoReader::Feed(const std::string& line) {
  switch (++m_counter % 4) {
    case 1:
      m_pending.m_winIndex = ParseDecimal(StripKey(line, kWinIndexKeyLength));
      return true;
    case 2:
      m_pending.m_winTitle = StripKey(line, kWinTitleKeyLength);
      return true;
    case 3:
      m_pending.m_winPath = StripKey(line, kWinPathKeyLength);
      return true;
    default:
      if (!ParseWinRect(StripKey(line, kWinRectKeyLength), m_pending.m_winRect)) return false;
      m_entries.push_back(m_pending);
      return true;
  }
}
