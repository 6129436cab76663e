// CRect: a rectangle in pixels, right and bottom edges exclusive.
#pragma once

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  CRect() = default;
  CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const CRect&, const CRect&) = default;
};
