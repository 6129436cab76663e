#include "scan/pack_ident.h"

#include <algorithm>

#include "scan/code_page.h"

namespace vorlane {
namespace {

constexpr std::string_view kIdentAlphabet = " *0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::size_t kMaxIdentLength = 4;

std::uint32_t DigitOf(char c) {
  const std::size_t index = kIdentAlphabet.find(c);
  return index == std::string_view::npos ? 0 : static_cast<std::uint32_t>(index);
}

}  // namespace

std::uint32_t PackIdent(std::string_view code) {
  std::uint32_t packed = 0;
  for (char c : code.substr(0, std::min(code.size(), kMaxIdentLength))) {
    packed = packed * static_cast<std::uint32_t>(kIdentAlphabet.size()) + DigitOf(UpperCase1252(c));
  }
  return packed;
}

}  // namespace vorlane
