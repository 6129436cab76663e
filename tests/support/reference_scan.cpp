#include "tests/support/reference_scan.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "scan/code_page.h"

namespace vorlane::testing {
namespace {

std::string Format(const char* format, auto... args) {
  const int size = std::snprintf(nullptr, 0, format, args...);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.pop_back();
  return text;
}

bool Near(std::uint32_t value, std::uint32_t target, int tolerance) {
  const auto difference = static_cast<std::int32_t>(value - target);
  return std::llabs(static_cast<long long>(difference)) <= tolerance;
}

}  // namespace

std::uint32_t ReferencePack(std::string_view upperCode) {
  const std::string_view alphabet = " *0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::uint32_t value = 0;
  for (char c : upperCode) {
    const std::size_t digit = alphabet.find(c);
    value = value * 38 + (digit == std::string_view::npos ? 0 : static_cast<std::uint32_t>(digit));
  }
  return value;
}

std::string ReferenceHitRecords(std::string_view bytes, std::string_view code, int tolerance,
                                std::string_view path, std::int64_t* hits) {
  const std::string upper = UpperCase1252(code);
  const std::uint32_t plain = ReferencePack(upper);
  const std::uint32_t shifted = plain * 32;
  std::string records;
  std::int64_t count = 0;
  for (std::size_t j = 0; j + 4 <= bytes.size(); ++j) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) value = value * 256 + static_cast<unsigned char>(bytes[j + k]);
    if (Near(value, shifted, tolerance)) {
      records += CodeHitRecord(upper, path, j);
      ++count;
    }
    if (Near(value, plain, tolerance)) {
      records += IlsHitRecord(upper, path, j);
      ++count;
    }
  }
  if (hits) *hits = count;
  return records;
}

std::string CodeHitRecord(std::string_view upperCode, std::string_view path, std::uint64_t position) {
  return "\r\n" + std::string(upperCode) + " found in file " + std::string(path) + " at position " +
         Format("0x%" PRIX64, position) + "\r\n\r\n";
}

std::string IlsHitRecord(std::string_view upperCode, std::string_view path, std::uint64_t position) {
  return "\r\nILS ID " + std::string(upperCode) + " in Runway-record found in file " + std::string(path) +
         " at position " + Format("0x%" PRIX64, position) + "\r\n\r\n";
}

std::string MissingRecord(std::string_view path, std::int64_t lineNumber) {
  return "\r\nFile " + std::string(path) + " in line " + std::to_string(lineNumber) +
         " of list file not found!\r\n";
}

std::string SummaryRecord(std::int64_t occurrences, std::string_view upperCode) {
  return "\r\n\r\n" + std::to_string(occurrences) + " occurences of " + std::string(upperCode) +
         " found ...\r\n";
}

}  // namespace vorlane::testing
