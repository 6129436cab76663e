// Window classes: the look and repaint behaviour that frames share, kept by
// the application object under a generated name.
#pragma once

#include <optional>

#include "platform/cstring.h"
#include "platform/win_defs.h"

enum class StockCursor { Arrow };

struct WindowClass {
  UINT style = 0;  // CS_HREDRAW and CS_VREDRAW repaint the whole client area on a resize
  StockCursor cursor = StockCursor::Arrow;
  std::optional<COLORREF> background;  // none: the window paints its whole background itself
  UINT iconId = 0;                     // 0: no icon
};

// Registers the class with the application object and returns its name.
CString AfxRegisterWndClass(UINT classStyle, StockCursor cursor,
                            std::optional<COLORREF> background, UINT iconId);
