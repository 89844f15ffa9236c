// CUpdateDlg: the modal update-check dialog opened by the Options dialog's "Check Now". It reads
// the version document on a worker thread, so the dialog stays responsive and Close always works,
// then shows what it found and, for a newer version, offers to open the download page.
//
// Lives on the caller's stack for one DoModal. The worker never touches the dialog object: it
// shares only a small link with it, through which it posts its answer while the window still
// wants one; a worker outliving the dialog finishes on its own. User-interface thread only.
#pragma once

#include <memory>

#include "app/dialog.h"
#include "app/update_check.h"

class CUpdateDlg : public Dialog {
public:
  CUpdateDlg();
  ~CUpdateDlg() override;

protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

private:
  struct WorkerLink;

  void StartCheck();
  void OnCheckDone();
  void OnDownload();
  void Close(INT_PTR result);

  std::shared_ptr<WorkerLink> m_link;
  std::string m_download;
};
