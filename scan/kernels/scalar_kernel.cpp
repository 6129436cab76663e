#include <cstring>

#include "scan/kernels/candidate_kernel.h"

namespace vorlane {

std::size_t ScalarCandidates(const std::uint8_t* data, std::size_t windows,
                             const MatchTargets& targets, std::uint32_t* out) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < windows; ++i) {
    const std::uint32_t value = std::uint32_t{data[i]} | std::uint32_t{data[i + 1]} << 8 |
                                std::uint32_t{data[i + 2]} << 16 | std::uint32_t{data[i + 3]} << 24;
    if (WithinTolerance(value, targets.shifted, targets.tolerance) ||
        WithinTolerance(value, targets.plain, targets.tolerance)) {
      out[count++] = static_cast<std::uint32_t>(i);
    }
  }
  return count;
}

}  // namespace vorlane
