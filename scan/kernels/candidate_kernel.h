// The one signature that every window-test kernel implements.
//
// A kernel looks at the windows of one block: window i is the little-endian
// 32-bit value of data[i .. i+3], for i from 0 to windows - 1, so data holds
// windows + 3 readable bytes. It writes into out, in ascending order, the
// offset of every window that lies within the tolerance of either target, and
// it may add windows that do not (a prefilter's false candidates); the caller
// confirms each candidate exactly. out has room for `windows` offsets, and the
// return value is how many were written. windows is at most kMaxKernelWindows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "scan/match_targets.h"

namespace vorlane {

inline constexpr std::size_t kMaxKernelWindows = std::size_t{1} << 16;

using CandidateKernel = std::size_t (*)(const std::uint8_t* data, std::size_t windows,
                                        const MatchTargets& targets, std::uint32_t* out);

// The plain reference: every window tested exactly, no prefilter.
std::size_t ScalarCandidates(const std::uint8_t* data, std::size_t windows,
                             const MatchTargets& targets, std::uint32_t* out);

#if defined(__x86_64__)
// The vector kernels: a 16-bit or 32-bit range filter on every window, then
// the exact test on the steps that pass it, so they write no false
// candidates. The AVX2 and AVX-512BW ones may only run where the CPU has them.
std::size_t Sse2Candidates(const std::uint8_t* data, std::size_t windows,
                           const MatchTargets& targets, std::uint32_t* out);
std::size_t Avx2Candidates(const std::uint8_t* data, std::size_t windows,
                           const MatchTargets& targets, std::uint32_t* out);
std::size_t Avx512Candidates(const std::uint8_t* data, std::size_t windows,
                             const MatchTargets& targets, std::uint32_t* out);
#endif

}  // namespace vorlane
