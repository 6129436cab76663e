// Dialog units: positions and sizes in a dialog template scale with the
// dialog's font. One horizontal unit is a quarter of the font's average
// character width, one vertical unit an eighth of its character height.
#pragma once

#include <QFont>

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& dialogFont);

  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;

  int baseWidth() const { return baseWidth_; }
  int baseHeight() const { return baseHeight_; }

 private:
  int baseWidth_;
  int baseHeight_;
};
