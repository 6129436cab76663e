// CDialog: a modal dialog built from a dialog template. OK and Enter reach
// OnOK; Cancel, Esc and the close box reach OnCancel. Both end the dialog by
// default, with IDOK and IDCANCEL. The dialog opens centred over its owner.
#pragma once

#include <QPointer>
#include <map>

#include "platform/wnd.h"

class CDialog : public CWnd {
 public:
  CDialog(UINT templateId, CWnd* parent);

  // Builds the dialog, calls OnInitDialog, runs it until it ends, and
  // destroys the dialog's widgets; returns the result given to EndDialog.
  virtual INT_PTR DoModal();

  // TRUE gives the focus to the first control that takes it.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);

  void SetDlgItemText(int id, const CString& text);
  // At most bufferSize - 1 characters of the control's text, as a buffer of
  // bufferSize characters with its terminator would hold them.
  CString GetDlgItemText(int id, int bufferSize) const;
  // Null for an id that the dialog lacks.
  QWidget* GetDlgItem(int id) const;

  bool OnMessage(UINT message, UINT id) override;

 private:
  static const MessageMapEntry<CDialog> kMessageMap[];
  UINT templateId_;
  CWnd* parent_;
  std::map<int, QPointer<QWidget>> controls_;
  QPointer<QWidget> firstTabStop_;
};
