// CConfirmDlg: a modal Yes/No question with a "Do not show this again" check box. The caller sets
// the message, runs it with DoModal, then reads Answer and DoNotShow. User-interface thread only.
#pragma once

#include <string>

#include "app/dialog.h"

class CConfirmDlg : public Dialog {
public:
  void SetMessage(const std::string& text) { m_message = text; }
  // 1 for Yes, 0 for No (also when the dialog was closed another way).
  int Answer() const { return m_answer; }
  // The check box's state when the dialog closed.
  int DoNotShow() const { return m_doNotShow; }

protected:
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

private:
  void Close(int answer, INT_PTR result);

  std::string m_message;
  int m_doNotShow = 0;
  int m_answer = 0;
};
