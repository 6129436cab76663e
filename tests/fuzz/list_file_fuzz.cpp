// The list reader on arbitrary bytes: the count, every fetch by index and
// every fetch by position agree with the plain model of the line rules.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "run/list_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/reference_list.h"
#include "tests/support/temp_dir.h"

using vorlane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vorlane::testing::TempDir dir;
  const std::string list = dir / "list.txt";
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  vorlane::testing::WriteFile(list, content);
  const std::vector<std::string> expected = vorlane::testing::ReferenceListEntries(content);

  const std::int64_t count = vorlane::CountListEntries(list);
  Require(count == static_cast<std::int64_t>(expected.size()), "entry count");
  vorlane::ListPosition position;
  for (std::int64_t i = 0; i < count; ++i) {
    Require(vorlane::FetchListEntry(list, i) == expected[static_cast<std::size_t>(i)], "entry by index");
    Require(vorlane::FetchListEntryAt(list, position) == expected[static_cast<std::size_t>(i)], "entry by position");
    Require(!position.failed, "no read failed");
  }
  Require(position.atEnd, "the content ends after the last entry");
  Require(vorlane::FetchListEntry(list, count).empty(), "past the end by index");
  Require(vorlane::FetchListEntryAt(list, position).empty(), "past the end by position");
  return 0;
}
