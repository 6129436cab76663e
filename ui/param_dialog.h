// The parameter dialog: takes the code and the tolerance, counts the list
// entries when it opens, and on OK performs the run, showing its progress.
#pragma once

#include "platform/dialog.h"
#include "platform/progress_ctrl.h"

class CParamDialog : public CDialog {
 public:
  explicit CParamDialog(CWnd* parent);

  BOOL OnInitDialog() override;
  void OnOK() override;

  bool OnMessage(UINT message, UINT id) override;

 private:
  static const MessageMapEntry<CParamDialog> kMessageMap[];
  CProgressCtrl m_progress;
};
