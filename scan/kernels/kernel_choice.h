// Which kernel the scan uses: the fastest that this CPU supports, chosen once
// per process, unless VORLANE_KERNEL names another one.
#pragma once

#include <string_view>
#include <vector>

#include "scan/kernels/candidate_kernel.h"

namespace vorlane {

struct KernelInfo {
  std::string_view name;
  CandidateKernel kernel;
};

// The kernels that can run on this CPU, the plain reference first and the
// fastest last.
const std::vector<KernelInfo>& SupportedKernels();

// The kernel that the scan uses. VORLANE_KERNEL=<name> forces one of the
// supported kernels; an unknown or unsupported name is ignored.
const KernelInfo& ChosenKernel();

}  // namespace vorlane
