// Every vector kernel that this CPU supports against the plain reference
// kernel, on blocks built to reach each branch of the window filter: halves
// of small magnitude, ranges that cross a 16-bit or the 32-bit boundary,
// tolerances too large for a half filter, and blocks of every short length.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/exact_windows.h"
#include "scan/kernels/kernel_choice.h"

namespace vorlane {
namespace {

std::vector<KernelInfo> VectorKernels() {
  std::vector<KernelInfo> kernels;
  for (const KernelInfo& info : SupportedKernels()) {
    if (info.kernel != &ScalarCandidates) kernels.push_back(info);
  }
  return kernels;
}

struct TargetCase {
  const char* name;
  std::uint32_t shifted;
  std::uint32_t plain;
};

// Both targets of the codes "", "A", "AB", "ABC", "EDDF", "KPDX", "ZZZZ",
// then pairs placed where the half ranges wrap.
constexpr TargetCase kTargets[] = {
    {"empty", 0, 0},
    {"A", 12 * 32, 12},
    {"AB", 469 * 32, 469},
    {"ABC", 17836 * 32, 17836},
    {"EDDF", 28806368, 900199},
    {"KPDX", 1246777 * 32, 1246777},
    {"ZZZZ", 66724320, 2085135},
    {"near 2^32 and 0", 0xFFFFFFFB, 2},
    {"upper half steps", 0x12340003, 0x5678FFFD},
    {"lower half wraps", 0x4321FFFC, 0x00ABFFFF},
    {"equal targets", 0x00ABCDEF, 0x00ABCDEF},
};

constexpr std::uint32_t kTolerances[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100, 40000, kMaxTolerance};

// A block of windows + 3 bytes at the given misalignment, allocated to end
// exactly where the block does, so that AddressSanitizer sees any overread.
class Block {
 public:
  Block(std::size_t windows, std::size_t misalignment, std::uint8_t byte = 0)
      : storage_(misalignment + windows + 3, byte), misalignment_(misalignment), windows_(windows) {}
  std::uint8_t* data() { return storage_.data() + misalignment_; }
  std::size_t windows() const { return windows_; }
  std::size_t bytes() const { return windows_ + 3; }

 private:
  std::vector<std::uint8_t> storage_;
  std::size_t misalignment_;
  std::size_t windows_;
};

void Put(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Stretches of what scenery holds (random bytes, zero runs, FF runs, small
// integers), with values near both targets and just outside the tolerance.
void Fill(Block& block, std::mt19937_64& random, const MatchTargets& targets) {
  std::uint8_t* data = block.data();
  for (std::size_t i = 0; i < block.bytes();) {
    const std::size_t run = std::min<std::size_t>(block.bytes() - i, 1 + random() % 24);
    const std::uint64_t kind = random() % 5;
    for (std::size_t k = 0; k < run; ++k) {
      switch (kind) {
        case 0: data[i + k] = 0; break;
        case 1: data[i + k] = 0xFF; break;
        case 2: data[i + k] = k % 4 == 0 ? static_cast<std::uint8_t>(random() % 16) : 0; break;
        default: data[i + k] = static_cast<std::uint8_t>(random()); break;
      }
    }
    i += run;
  }
  const std::size_t plants = block.bytes() < 4 ? 0 : 1 + block.bytes() / 16;
  for (std::size_t k = 0; k < plants; ++k) {
    const std::uint32_t target = random() % 2 ? targets.shifted : targets.plain;
    const std::uint32_t reach = std::min<std::uint32_t>(targets.tolerance, 12) + 2;
    const auto deviation = static_cast<std::uint32_t>(random() % (2 * reach + 1)) - reach;
    Put(data + random() % (block.bytes() - 3), target + deviation);
  }
}

// The kernel's candidates after the exact test, checking on the way that
// they are ascending and inside the block.
std::vector<std::uint32_t> ConfirmedHits(CandidateKernel kernel, Block& block, const MatchTargets& targets) {
  std::vector<std::uint32_t> out(block.windows());  // exactly the room the signature promises
  const std::size_t count = kernel(block.data(), block.windows(), targets, out.data());
  EXPECT_LE(count, block.windows());
  std::vector<std::uint32_t> hits;
  for (std::size_t k = 0; k < count; ++k) {
    EXPECT_LT(out[k], block.windows());
    if (k > 0) {
      EXPECT_LT(out[k - 1], out[k]) << "candidates must be strictly ascending";
    }
    const std::uint32_t value = LoadWindow(block.data() + out[k]);
    if (WithinTolerance(value, targets.shifted, targets.tolerance) ||
        WithinTolerance(value, targets.plain, targets.tolerance)) {
      hits.push_back(out[k]);
    }
  }
  return hits;
}

std::vector<std::uint32_t> ReferenceHits(Block& block, const MatchTargets& targets) {
  std::vector<std::uint32_t> out(block.windows());
  out.resize(ScalarCandidates(block.data(), block.windows(), targets, out.data()));
  return out;
}

class KernelTest : public ::testing::TestWithParam<KernelInfo> {};

TEST_P(KernelTest, ShortBlocksOfEveryLengthAndAlignmentMatchTheReference) {
  std::mt19937_64 random(4);
  for (const TargetCase& target : kTargets) {
    for (const std::uint32_t tolerance : kTolerances) {
      const MatchTargets targets{target.shifted, target.plain, tolerance};
      for (std::size_t windows = 0; windows <= 300; ++windows) {
        Block block(windows, random() % 64);
        Fill(block, random, targets);
        ASSERT_EQ(ConfirmedHits(GetParam().kernel, block, targets), ReferenceHits(block, targets))
            << target.name << ", tolerance " << tolerance << ", " << windows << " windows";
      }
    }
  }
}

TEST_P(KernelTest, BlocksUpToTheLargestMatchTheReference) {
  std::mt19937_64 random(5);
  const std::size_t lengths[] = {kMaxKernelWindows, kMaxKernelWindows - 1, kMaxKernelWindows - 37, 4099};
  for (const TargetCase& target : kTargets) {
    for (const std::uint32_t tolerance : {0u, 1u, 9u, 40000u}) {
      const MatchTargets targets{target.shifted, target.plain, tolerance};
      for (const std::size_t windows : lengths) {
        Block block(windows, random() % 64);
        Fill(block, random, targets);
        // The last windows of the block hit, where a vector step would run out.
        Put(block.data() + windows - 1, targets.plain);
        Put(block.data() + windows - 5, targets.shifted);
        ASSERT_EQ(ConfirmedHits(GetParam().kernel, block, targets), ReferenceHits(block, targets))
            << target.name << ", tolerance " << tolerance << ", " << windows << " windows";
      }
    }
  }
}

// Zero bytes for the empty code, and FF bytes one below 2^32, hit at every
// window: nothing may be dropped or written twice where steps meet.
TEST_P(KernelTest, EveryWindowHitsOnRunsNearTheEmptyCode) {
  for (const auto& [byte, tolerance] : {std::pair<std::uint8_t, std::uint32_t>{0x00, 0}, {0xFF, 1}}) {
    for (const std::size_t windows : {std::size_t{0}, std::size_t{1}, std::size_t{63}, std::size_t{64},
                                      std::size_t{65}, std::size_t{300}, kMaxKernelWindows}) {
      Block block(windows, 1, byte);
      std::vector<std::uint32_t> every(windows);
      for (std::size_t i = 0; i < windows; ++i) every[i] = static_cast<std::uint32_t>(i);
      EXPECT_EQ(ConfirmedHits(GetParam().kernel, block, {0, 0, tolerance}), every)
          << "byte " << int{byte} << ", " << windows << " windows";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Supported, KernelTest, ::testing::ValuesIn(VectorKernels()),
                         [](const ::testing::TestParamInfo<KernelInfo>& info) {
                           return std::string(info.param.name);
                         });
// A CPU without vector kernels has nothing to compare.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KernelTest);

}  // namespace
}  // namespace vorlane
