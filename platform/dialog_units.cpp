#include "platform/dialog_units.h"

#include <QFontMetrics>

namespace {

// Rounds to the nearest pixel, halves away from zero.
int ScaleRounded(int units, int base, int divisor) {
  const int product = units * base;
  return product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
}

}  // namespace

// The average width is that of the 52 Latin letters, rounded to a whole
// pixel; the height is the font's line height (ascent plus descent).
DialogUnits::DialogUnits(const QFont& dialogFont) {
  const QFontMetrics metrics(dialogFont);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseWidth_ = (letters / 26 + 1) / 2;
  baseHeight_ = metrics.height();
}

int DialogUnits::ToPixelsX(int units) const { return ScaleRounded(units, baseWidth_, 4); }

int DialogUnits::ToPixelsY(int units) const { return ScaleRounded(units, baseHeight_, 8); }
