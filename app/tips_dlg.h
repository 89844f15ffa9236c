// CTipsDlg: the start-up tips, one line of tips.txt at a time, with a "Do not show this again"
// box. The caller loads the tips, runs it with DoModal when HasTips, then reads ShowAgain.
// User-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "app/dialog.h"

class CTipsDlg : public Dialog {
public:
  // Each non-empty line of the file is a tip; a missing file gives none.
  void LoadTips(const std::string& path);
  bool HasTips() const { return !m_tips.empty(); }
  // False when the box was ticked as the dialog closed.
  bool ShowAgain() const { return m_showAgain; }

protected:
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

private:
  void ShowTip(std::size_t index);
  void Close();

  std::vector<std::string> m_tips;
  std::size_t m_current = 0;
  bool m_showAgain = true;
};
