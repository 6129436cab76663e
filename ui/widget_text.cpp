#include "ui/widget_text.h"

#include <optional>

#include "scan/code_page.h"

namespace {

// The length of the UTF-8 sequence that starts with the byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

std::string WidgetTextToCp1252(const CString& text) {
  const std::string& utf8 = text.str();
  std::string converted;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = std::min(SequenceLength(static_cast<unsigned char>(utf8[at])),
                                        utf8.size() - at);
    const std::optional<std::string> character = vorlane::Utf8ToCp1252(utf8.substr(at, length));
    converted += character ? *character : std::string("?");
    at += length;
  }
  return converted;
}
