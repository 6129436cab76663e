// The main window: paints the screen that the run context's screen state
// selects, and carries the menu commands Start, Close and Info.
#pragma once

#include "platform/frame_wnd.h"

class CMainFrame : public CFrameWnd {
 public:
  explicit CMainFrame(const CString& className);

  bool OnMessage(UINT message, UINT id) override;

 protected:
  void OnPaint();  // in screens.cpp
  void OnMenuStart();
  void OnMenuClose();
  void OnMenuInfo();

 private:
  static const MessageMapEntry<CMainFrame> kMessageMap[];

  CRect m_createRect;
  CRect m_clientRect;
  CRect m_paintRect;
  CFont m_smallFont;
  CFont m_bigFont;
  int m_clientWidth = 0;
  int m_clientHeight = 0;
};
