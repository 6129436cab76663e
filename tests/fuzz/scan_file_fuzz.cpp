// The file scan on arbitrary bytes, code and tolerance text: it forms exactly
// the records of the plain reference scanner.
//
// Input: one byte for the code's length (0 to 4), one for the tolerance
// text's (0 to 2), then the code, the tolerance text and the file's bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scan/scan_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/record_text.h"
#include "tests/support/reference_scan.h"
#include "tests/support/temp_dir.h"

namespace {

// The tolerance text as C reads a decimal number, held to the int range.
int ReferenceTolerance(std::string_view text) {
  const long long value = std::strtoll(std::string(text).c_str(), nullptr, 10);
  if (value < 0) return -1;  // nothing lies within a negative tolerance
  return value > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(value);
}

}  // namespace

using vorlane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vorlane::testing::TempDir dir;
  static const vorlane::testing::ScopedChdir here(dir.path());
  if (size < 2) return 0;
  const std::size_t codeLength = data[0] % 5;
  const std::size_t toleranceLength = data[1] % 3;
  if (size < 2 + codeLength + toleranceLength) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view code = input.substr(2, codeLength);
  const std::string_view tolerance = input.substr(2 + codeLength, toleranceLength);
  const std::string_view bytes = input.substr(2 + codeLength + toleranceLength);

  vorlane::testing::WriteFile("f.bgl", bytes);
  vorlane::testing::RecordText records;
  const std::int64_t hits =
      vorlane::FileScanner(vorlane::MakeScanQuery(code, tolerance)).Scan(vorlane::SceneryFile("f.bgl"), 0, records);

  std::int64_t expectedHits = 0;
  const std::string expected =
      vorlane::testing::ReferenceHitRecords(bytes, code, ReferenceTolerance(tolerance), "f.bgl", &expectedHits);
  Require(records.Text() == expected, "records equal the reference's");
  Require(hits == expectedHits, "hit count");
  return 0;
}
