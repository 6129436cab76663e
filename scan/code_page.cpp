#include "scan/code_page.h"

#include <array>
#include <cstdint>

namespace vorlane {
namespace {

// Unicode code points of the bytes 80 to 9F; A0 to FF equal their code point.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80];
  return byte;
}

std::optional<unsigned char> ByteOf(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i], advancing i; empty on a malformed,
// overlong or surrogate sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  std::size_t extra;
  char32_t cp;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, cp = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() - i < extra) return std::nullopt;
  for (std::size_t k = 0; k < extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return cp;
}

// The code page's byte for the character at text[i], advancing i past it;
// empty when the sequence is malformed or the character has no byte.
std::optional<unsigned char> ByteOfNextCharacter(std::string_view text, std::size_t& i) {
  const std::optional<char32_t> cp = DecodeUtf8(text, i);
  return cp ? ByteOf(*cp) : std::nullopt;
}

}  // namespace

char UpperCase1252(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 0x20);
  if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<char>(byte - 0x20);
  switch (byte) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // oe ligature
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
    default: return c;
  }
}

std::string UpperCase1252(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperCase1252(c);
  return upper;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<unsigned char> byte = ByteOfNextCharacter(text, i);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string Utf8ToCp1252Replacing(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<unsigned char> byte = ByteOfNextCharacter(text, i);
    out += byte ? static_cast<char>(*byte) : replacement;
  }
  return out;
}

}  // namespace vorlane
