// What a screen must paint: its texts in order, each at its point and in its
// font, then the footer, all on one background colour.
#pragma once

#include <string>
#include <vector>

#include "desktop_fixture.h"

enum class FontKind { Big, Small, Default, Other };

struct ExpectedText {
  int x;
  int y;
  std::string text;
  FontKind font;
};

// Checks the last painting of the fixture's main window.
void ExpectScreen(CWnd& frame, const PaintRecorder& painted,
                  const std::vector<ExpectedText>& texts, COLORREF background);

FontKind KindOf(CWnd& frame, const CFont* font);
