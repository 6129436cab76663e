// A record of what a window's device contexts drew, in the order drawn, for
// checking a window's painting without reading pixels.
#pragma once

#include <string>
#include <vector>

#include "platform/rect.h"
#include "platform/win_defs.h"

class CFont;

struct PaintedFill {
  CRect rect;
  COLORREF colour;
};

struct PaintedText {
  int x;
  int y;
  std::string text;
  const CFont* font;  // the font selected when the text was drawn
  COLORREF background;
};

struct PaintRecorder {
  std::vector<PaintedFill> fills;
  std::vector<PaintedText> texts;

  void Clear() {
    fills.clear();
    texts.clear();
  }
};
