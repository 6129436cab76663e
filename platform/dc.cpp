#include "platform/dc.h"

#include <QFontMetrics>

#include "platform/paint_recorder.h"

namespace {

QColor ToQColor(COLORREF colour) {
  return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

CDC::CDC(CWnd* window) : window_(window), font_(window->DefaultFont()) {}

CFont* CDC::SelectObject(CFont* font) {
  CFont* previous = font_;
  font_ = font;
  return previous;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF colour) {
  painter_.fillRect(rect.left, rect.top, rect.Width(), rect.Height(), ToQColor(colour));
  background_ = colour;
  if (PaintRecorder* recorder = window_->paintRecorder()) {
    recorder->fills.push_back({rect, colour});
  }
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
  const QFont& font = font_->qfont();
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  painter_.setBackgroundMode(Qt::OpaqueMode);
  painter_.setBackground(ToQColor(background_));
  painter_.drawText(x, y + QFontMetrics(font).ascent(), QString::fromStdString(text.str()));
  if (PaintRecorder* recorder = window_->paintRecorder()) {
    recorder->texts.push_back({x, y, text.str(), font_, background_});
  }
  return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) : CDC(window) { painter_.begin(window->clientWidget()); }
