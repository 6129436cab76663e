#include "scan/kernels/kernel_choice.h"

#include <cstdlib>

namespace vorlane {

const std::vector<KernelInfo>& SupportedKernels() {
  static const std::vector<KernelInfo> kernels = [] {
    std::vector<KernelInfo> supported = {{"scalar", &ScalarCandidates}};
#if defined(__x86_64__)
    supported.push_back({"sse2", &Sse2Candidates});
    if (__builtin_cpu_supports("avx2")) supported.push_back({"avx2", &Avx2Candidates});
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")) {
      supported.push_back({"avx512", &Avx512Candidates});
    }
#endif
    return supported;
  }();
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
