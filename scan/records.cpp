#include "scan/records.h"

#include <charconv>
#include <initializer_list>
#include <string>

namespace vorlane {
namespace {

constexpr std::string_view kEol = "\r\n";

std::string Decimal(std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

// "0x" and upper-case hexadecimal without leading zeros.
std::string Position(std::uint64_t position) {
  char digits[24] = {'0', 'x'};
  char* end = std::to_chars(digits + 2, digits + sizeof digits, position, 16).ptr;
  for (char* p = digits + 2; p < end; ++p) {
    if (*p >= 'a') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return std::string(digits, end);
}

void WriteRecord(RecordSink& sink, std::initializer_list<std::string_view> fields) {
  std::string record;
  for (std::string_view field : fields) record += field;
  sink.Write(record);
}

}  // namespace

void WriteMissingFileRecord(RecordSink& sink, std::string_view path, std::int64_t lineNumber) {
  WriteRecord(sink, {kEol, "File ", path, " in line ", Decimal(lineNumber), " of list file not found!", kEol});
}

void WriteCodeHitRecord(RecordSink& sink, std::string_view code, std::string_view path,
                        std::uint64_t position) {
  WriteRecord(sink, {kEol, code, " found in file ", path, " at position ", Position(position), kEol, kEol});
}

void WriteIlsHitRecord(RecordSink& sink, std::string_view code, std::string_view path,
                       std::uint64_t position) {
  WriteRecord(sink, {kEol, "ILS ID ", code, " in Runway-record found in file ", path, " at position ",
                     Position(position), kEol, kEol});
}

void WriteSummaryRecord(RecordSink& sink, std::int64_t occurrences, std::string_view code) {
  WriteRecord(sink, {kEol, kEol, Decimal(occurrences), " occurences of ", code, " found ...", kEol});
}

}  // namespace vorlane
