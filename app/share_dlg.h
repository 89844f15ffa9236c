// CShareDlg: the Share Robot dialog. It shows the robot of one robot file, saves the robot's share
// page (robot/robot_share_page.h) where the user says and opens it in the default browser, where
// the user can publish the robot. It only reads the robot file: no robot file and nothing in the
// robot store is ever changed. Lives on the caller's stack for one DoModal; user-interface thread.
#pragma once

#include <string>

#include "app/dialog.h"
#include "robot/robot.h"
#include "share_dlg_ids.h"

class CShareDlg : public Dialog {
public:
  explicit CShareDlg(std::string robotPath) : m_robotPath(std::move(robotPath)) {}

protected:
  // Ends the dialog at once, after saying so, when the robot file cannot be read.
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

private:
  void OnBrowse();
  void OnSaveAndOpen();
  // The edit box's path, made absolute against the Documents folder; "" when none is given.
  std::string Destination() const;
  // Shows why and returns false when the page must not be written there.
  bool MayWrite(const std::string& destination) const;

  std::string m_robotPath;
  Robot m_robot;
};
