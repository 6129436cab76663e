#include "platform/font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cctype>
#include <string>

namespace {

bool NameHasWord(const std::string& lowerName, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(),
                     [&](const char* word) { return lowerName.find(word) != std::string::npos; });
}

}  // namespace

CFont::CFont(const QFont& font)
    : font_(font), faceName_(font.family().toStdString()), logicalHeight_(-QFontInfo(font).pixelSize()) {}

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int dotsPerInch = screen ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
  const int pixelHeight = dotsPerInch * pointSizeTenths / 720;
  faceName_ = faceName;
  logicalHeight_ = -pixelHeight;
  font_ = MatchFace(faceName, pixelHeight);
  return TRUE;
}

QFont MatchFace(const char* faceName, int pixelHeight) {
  const QString face = QString::fromUtf8(faceName);
  QFont font(face);
  font.setPixelSize(std::max(pixelHeight, 1));
  if (!QFontDatabase::hasFamily(face)) {
    std::string lowerName = faceName;
    std::transform(lowerName.begin(), lowerName.end(), lowerName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (NameHasWord(lowerName, {"black", "heavy"})) {
      font.setWeight(QFont::Black);
    } else if (NameHasWord(lowerName, {"bold", "fett"})) {
      font.setWeight(QFont::Bold);
    }
    font.setItalic(NameHasWord(lowerName, {"italic", "kursiv", "oblique"}));
    const bool serif = NameHasWord(lowerName, {"serif", "roman", "times"}) &&
                       !NameHasWord(lowerName, {"sans"});
    // Kept as asked: the family lookup misses and falls back by the hint.
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
  }
  return font;
}
