// CDC and CPaintDC: drawing on a window's client area. Text is black and
// drawn with its top-left corner at the given point, on an opaque background
// of the background colour, which FillSolidRect sets. Every call is also
// recorded when the window has a paint recorder.
#pragma once

#include <QPainter>

#include "platform/cstring.h"
#include "platform/font.h"
#include "platform/rect.h"
#include "platform/wnd.h"

class CDC {
 public:
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  // Returns the font selected before.
  CFont* SelectObject(CFont* font);
  // Fills the rectangle and makes its colour the background colour.
  void FillSolidRect(const CRect& rect, COLORREF colour);
  BOOL TextOut(int x, int y, const CString& text);

 protected:
  explicit CDC(CWnd* window);

  QPainter painter_;

 private:
  CWnd* window_;
  CFont* font_;
  COLORREF background_ = RGB(255, 255, 255);
};

// Painting in answer to WM_PAINT; only valid inside the window's paint
// handler. Drawing is clipped to the part of the window that needs it.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
};
