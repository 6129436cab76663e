// CFrameWnd: a top-level window with a menu bar and a client area that the
// window paints itself. Closing it by its title bar destroys it; a frame
// deletes itself when it is destroyed.
#pragma once

#include "platform/rect.h"
#include "platform/wnd.h"

class CFrameWnd : public CWnd {
 public:
  // className names a class registered with AfxRegisterWndClass; rect is the
  // outer frame in screen pixels; menuId names a menu resource.
  BOOL Create(const CString& className, const CString& title, DWORD style, const CRect& rect,
              CWnd* parent, UINT menuId, DWORD exStyle = 0);

  // Shown the first time, the outer frame takes the rectangle of Create.
  BOOL ShowWindow(int showCommand) override;

  bool OnMessage(UINT message, UINT id) override;

 protected:
  void OnClose();
  void PostNcDestroy() override;

 private:
  static const MessageMapEntry<CFrameWnd> kMessageMap[];
  CRect outerRect_;
};
