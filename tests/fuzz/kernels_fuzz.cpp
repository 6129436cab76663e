// Every kernel this CPU supports, on arbitrary bytes and targets: it reads
// only the windows' bytes, writes only its share of the output, lists its
// candidates in ascending order and leaves out no window that truly hits.
//
// Input: the shifted target, the plain target and the tolerance (four bytes
// each, little-endian), then the data.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/kernel_choice.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::uint32_t Read32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

}  // namespace

using vorlane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 12;
  if (size < kHeader + 4) return 0;
  vorlane::MatchTargets targets;
  targets.shifted = Read32(data);
  targets.plain = Read32(data + 4);
  targets.tolerance = Read32(data + 8) % (vorlane::kMaxTolerance + 1);
  const std::size_t windows = std::min(size - kHeader - 3, vorlane::kMaxKernelWindows);

  // Exactly sized heap copies, so that AddressSanitizer sees any access
  // beyond the windows' bytes or the output's room.
  const std::unique_ptr<std::uint8_t[]> bytes(new std::uint8_t[windows + 3]);
  std::memcpy(bytes.get(), data + kHeader, windows + 3);
  std::vector<std::uint32_t> exact(windows);
  exact.resize(vorlane::ScalarCandidates(bytes.get(), windows, targets, exact.data()));

  for (const vorlane::KernelInfo& kernel : vorlane::SupportedKernels()) {
    const std::unique_ptr<std::uint32_t[]> out(new std::uint32_t[windows]);
    const std::size_t found = kernel.kernel(bytes.get(), windows, targets, out.get());
    Require(found <= windows, "no more candidates than windows");
    Require(std::is_sorted(out.get(), out.get() + found, std::less_equal<>()), "candidates strictly ascending");
    Require(found == 0 || out[found - 1] < windows, "candidates are windows");
    Require(std::includes(out.get(), out.get() + found, exact.begin(), exact.end()), "every true hit is a candidate");
  }
  return 0;
}
