#include "scan/kernels/kernel_choice.h"

#include <cstdlib>

namespace vorlane {

const std::vector<KernelInfo>& SupportedKernels() {
  static const std::vector<KernelInfo> kernels = {
      {"scalar", &ScalarCandidates},
  };
  return kernels;
}

const KernelInfo& ChosenKernel() {
  static const KernelInfo& chosen = [] () -> const KernelInfo& {
    const std::vector<KernelInfo>& kernels = SupportedKernels();
    if (const char* forced = std::getenv("VORLANE_KERNEL")) {
      for (const KernelInfo& info : kernels) {
        if (info.name == forced) return info;
      }
    }
    return kernels.back();
  }();
  return chosen;
}

}  // namespace vorlane
