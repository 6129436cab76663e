#include "screen_expectations.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/font.h"

namespace {

const char* NameOf(FontKind kind) {
  switch (kind) {
    case FontKind::Big:
      return "big";
    case FontKind::Small:
      return "small";
    case FontKind::Default:
      return "default";
    case FontKind::Other:
      break;
  }
  return "other";
}

}  // namespace

FontKind KindOf(CWnd& frame, const CFont* font) {
  if (font == frame.DefaultFont()) return FontKind::Default;
  if (font->FaceName() != CString("Arial Black Kursiv")) return FontKind::Other;
  // The screens' fonts are 20 and 12 points, at 96 dots per inch here.
  if (font->LogicalHeight() == -26) return FontKind::Big;
  if (font->LogicalHeight() == -16) return FontKind::Small;
  return FontKind::Other;
}

void ExpectScreen(CWnd& frame, const PaintRecorder& painted,
                  const std::vector<ExpectedText>& texts, COLORREF background) {
  CRect client;
  frame.GetClientRect(&client);
  ASSERT_EQ(painted.texts.size(), texts.size() + 1) << "the screen's texts and the footer";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const PaintedText& drawn = painted.texts[i];
    SCOPED_TRACE("text " + std::to_string(i) + ": " + texts[i].text);
    EXPECT_EQ(drawn.text, texts[i].text);
    EXPECT_EQ(drawn.x, texts[i].x);
    EXPECT_EQ(drawn.y, texts[i].y);
    EXPECT_STREQ(NameOf(KindOf(frame, drawn.font)), NameOf(texts[i].font));
  }
  const PaintedText& footer = painted.texts.back();
  EXPECT_EQ(footer.x, client.right - 200);
  EXPECT_EQ(footer.y, client.bottom - 40);
  EXPECT_STREQ(NameOf(KindOf(frame, footer.font)), "default");
  EXPECT_FALSE(footer.text.empty());
  for (const PaintedText& drawn : painted.texts) EXPECT_EQ(drawn.background, background) << drawn.text;

  // The fills cover the primary screen, the last one in the background colour.
  const QSize screen = QGuiApplication::primaryScreen()->size();
  ASSERT_FALSE(painted.fills.empty());
  for (const PaintedFill& fill : painted.fills) {
    EXPECT_EQ(fill.rect, CRect(0, 0, screen.width(), screen.height()));
  }
  EXPECT_EQ(painted.fills.back().colour, background);
}
