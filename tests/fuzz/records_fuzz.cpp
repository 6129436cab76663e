// The record writers and the result file's name on arbitrary fields: every
// record byte-exact as the reference forms it, and the name always that of a
// file in the current folder.
//
// Input: position, line number and occurrence count (eight bytes each,
// little-endian), one byte for the code's length (0 to 4), the code, then
// the path.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "scan/records.h"
#include "scan/result_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/reference_scan.h"
#include "tests/support/temp_dir.h"

using vorlane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vorlane::testing::TempDir dir;
  static const vorlane::testing::ScopedChdir here(dir.path());
  constexpr std::size_t kNumbers = 24;
  if (size < kNumbers + 1) return 0;
  std::uint64_t position;
  std::int64_t lineNumber;
  std::int64_t occurrences;
  std::memcpy(&position, data, 8);
  std::memcpy(&lineNumber, data + 8, 8);
  std::memcpy(&occurrences, data + 16, 8);
  const std::size_t codeLength = data[kNumbers] % 5;
  if (size < kNumbers + 1 + codeLength) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view code = input.substr(kNumbers + 1, codeLength);
  const std::string_view path = input.substr(kNumbers + 1 + codeLength);

  const std::string name = vorlane::ResultFileName(code);
  Require(name.find('/') == std::string::npos, "the name has no folder part");
  Require(name.find('\0') == std::string::npos, "the name has no NUL that would cut it short");
  Require(name.size() >= 4 && name.compare(name.size() - 4, 4, ".txt") == 0, "the name ends in .txt");

  Require(vorlane::CreateResultFile(code), "the result file is created");
  vorlane::ResultFile file = vorlane::AppendToResultFile(code);
  vorlane::WriteMissingFileRecord(file, path, lineNumber);
  vorlane::WriteCodeHitRecord(file, code, path, position);
  vorlane::WriteIlsHitRecord(file, code, path, position);
  vorlane::WriteSummaryRecord(file, occurrences, code);
  Require(file.Close(), "every record was written");

  using namespace vorlane::testing;
  const std::string expected = MissingRecord(path, lineNumber) + CodeHitRecord(code, path, position) +
                               IlsHitRecord(code, path, position) + SummaryRecord(occurrences, code);
  Require(ReadFile(name) == expected, "records equal the reference's");
  Require(std::remove(name.c_str()) == 0, "the result file lies in the current folder");
  return 0;
}
