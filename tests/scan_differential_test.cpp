// The real scanner against the plain reference on many random files. Run once
// per kernel: VORLANE_KERNEL selects the kernel under test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "scan/code_page.h"
#include "scan/kernels/kernel_choice.h"
#include "scan/scan_file.h"
#include "tests/support/record_text.h"
#include "tests/support/reference_scan.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::RecordText;
using testing::ReferenceHitRecords;
using testing::ReferencePack;

void SkipUnlessTheForcedKernelRuns() {
  const char* forced = std::getenv("VORLANE_KERNEL");
  if (forced && ChosenKernel().name != forced) GTEST_SKIP() << forced << " is not supported here";
}

std::size_t RandomLength(std::mt19937_64& random) {
  constexpr std::size_t kBlock = std::size_t{256} << 10;
  switch (random() % 4) {
    case 0: return random() % 301;
    case 1: return kBlock + random() % 16 - 8;  // around the read block's end
    case 2: return random() % (std::size_t{3} << 20);
    default: return 2 * kBlock + random() % 64 + 4 - 32;
  }
}

// Random bytes with values near both targets and near 0 and 2^32 planted
// at random offsets, overlapping one another at times.
std::string RandomFile(std::mt19937_64& random, std::size_t length, std::uint32_t shifted, std::uint32_t plain) {
  std::string bytes(length, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  if (random() % 3 == 0 && length > 0) {  // a zero run
    const std::size_t start = random() % length;
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(start), std::min<std::size_t>(length - start, random() % 64), '\0');
  }
  const std::size_t plants = length < 4 ? 0 : 1 + random() % 200;
  for (std::size_t k = 0; k < plants; ++k) {
    const auto deviation = static_cast<std::uint32_t>(static_cast<int>(random() % 21) - 10);
    const std::uint32_t bases[] = {shifted, plain, 0};
    const std::uint32_t value = bases[random() % 3] + deviation;
    const std::size_t at = random() % (length - 3);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  }
  return bytes;
}

TEST(ScanDifferential, MatchesTheReferenceOnRandomFiles) {
  SkipUnlessTheForcedKernelRuns();
  testing::TempDir dir;
  testing::ScopedChdir here(dir.path());
  std::mt19937_64 random(20261211);
  const char* codes[] = {"", "ZZZZ", "EDDF", "a", "KPDX", "0", "ab", "*Z9"};
  for (int round = 0; round < 120; ++round) {
    const std::string code = codes[round % std::size(codes)];
    const int tolerance = static_cast<int>(random() % 10);
    const std::uint32_t plain = ReferencePack(UpperCase1252(code));
    const std::string bytes = RandomFile(random, RandomLength(random), plain * 32, plain);
    testing::WriteFile("f.bgl", bytes);
    RecordText records;
    const std::int64_t hits = FileScanner(MakeScanQuery(code, std::to_string(tolerance))).Scan(SceneryFile("f.bgl"), round, records);
    std::int64_t expectedHits = 0;
    ASSERT_EQ(records.Text(), ReferenceHitRecords(bytes, code, tolerance, "f.bgl", &expectedHits))
        << "round " << round << ", code \"" << code << "\", tolerance " << tolerance << ", length " << bytes.size();
    EXPECT_EQ(hits, expectedHits);
  }
}

TEST(ScanDifferential, WindowsAcrossEveryBlockEndAreExamined) {
  SkipUnlessTheForcedKernelRuns();
  testing::TempDir dir;
  testing::ScopedChdir here(dir.path());
  constexpr std::size_t kBlock = std::size_t{256} << 10;
  // The empty code on zero bytes hits at every offset, so every position that
  // a block boundary could lose shows up.
  const std::string zeros(2 * kBlock + 7, '\0');
  testing::WriteFile("z.bgl", zeros);
  RecordText records;
  EXPECT_EQ(FileScanner(MakeScanQuery("", "0")).Scan(SceneryFile("z.bgl"), 0, records),
            2 * static_cast<std::int64_t>(zeros.size() - 3));
  EXPECT_EQ(records.Text(), ReferenceHitRecords(zeros, "", 0, "z.bgl"));
}

}  // namespace
}  // namespace vorlane
