#include "ui/ident_scan_app.h"

#include "res/resource.h"
#include "ui/main_frame.h"

BOOL CIdentScanApp::InitInstance() {
  // Class style 0: a resize repaints only what it uncovers. No background:
  // every paint covers the client area itself.
  const CString className = AfxRegisterWndClass(0, StockCursor::Arrow, std::nullopt, IDI_APPICON);
  m_pMainWnd = new CMainFrame(className);
  m_pMainWnd->ShowWindow(m_nCmdShow);
  m_pMainWnd->UpdateWindow();
  return TRUE;
}
