#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/exact_windows.h"

namespace vorlane {

std::size_t ScalarCandidates(const std::uint8_t* data, std::size_t windows,
                             const MatchTargets& targets, std::uint32_t* out) {
  return ExactWindows(data, 0, windows, targets, out, 0);
}

}  // namespace vorlane
