// CFont: a font asked for by face name and size. When the face is not
// installed, the closest installed face stands in: the style words of the
// face name (black, bold, italic) choose its weight and slant, and a
// sans-serif face is preferred.
#pragma once

#include <QFont>

#include "platform/cstring.h"
#include "platform/win_defs.h"

class CFont {
 public:
  CFont() = default;
  // Wraps a font that the widgets already use, such as a window's own font.
  explicit CFont(const QFont& font);

  // The height in pixels is -(vertical dots per inch of the screen x the
  // size in tenths of a point / 720), in integer arithmetic: the character
  // height without internal leading.
  BOOL CreatePointFont(int pointSizeTenths, const char* faceName);

  // Face and height as asked for; the height is negative, as a character
  // height in pixels.
  const CString& FaceName() const { return faceName_; }
  int LogicalHeight() const { return logicalHeight_; }

  const QFont& qfont() const { return font_; }

 private:
  QFont font_;
  CString faceName_;
  int logicalHeight_ = 0;
};

// The font that stands for the face at the pixel height.
QFont MatchFace(const char* faceName, int pixelHeight);
