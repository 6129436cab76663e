// The loop that every vector kernel runs over a block, written once for all.
//
// A kernel describes itself as a type Vectors with
//   static constexpr std::size_t kStep;   windows per step
//   Range16, Range32                       its vector forms of a range
//   static Range16 MakeRange16(const HalfRange&);
//   static Range32 MakeRange32(std::uint32_t target, std::uint32_t tolerance);
//   static bool HalvesPass(const std::uint8_t* p, const Range16&, const Range16&);
//   static bool FullPass(const std::uint8_t* p, const Range32&, const Range32&);
// and defines that type in an anonymous namespace. The loop is always inlined
// into the kernel's own function, so it is compiled with that function's
// target attribute and inlines the kernel's tests in turn.
#pragma once

#include <xmmintrin.h>

#include <cstddef>
#include <cstdint>

#include "scan/kernels/exact_windows.h"
#include "scan/kernels/window_filter.h"
#include "scan/match_targets.h"

namespace vorlane {

// A step reads bytes c .. c + kStep + 2, so it needs c + kStep <= windows;
// the remaining windows are tested one by one, never reading past the block.
template <typename Vectors>
[[gnu::always_inline]] inline std::size_t StepCandidates(const std::uint8_t* data, std::size_t windows,
                                                         const MatchTargets& targets, std::uint32_t* out) {
  constexpr std::size_t kStep = Vectors::kStep;
  const WindowFilter filter = ChooseWindowFilter(targets);
  const auto sHalf = Vectors::MakeRange16(filter.shifted), qHalf = Vectors::MakeRange16(filter.plain);
  const auto sFull = Vectors::MakeRange32(targets.shifted, targets.tolerance);
  const auto qFull = Vectors::MakeRange32(targets.plain, targets.tolerance);
  std::size_t count = 0;
  std::size_t c = 0;
  if (filter.fullCompare) {
    for (; c + kStep <= windows; c += kStep) {
      const std::uint8_t* p = data + c;
      _mm_prefetch(reinterpret_cast<const char*>(p + kPrefetchAhead), _MM_HINT_T0);
      if (Vectors::FullPass(p, sFull, qFull)) count = ExactWindows(data, c, c + kStep, targets, out, count);
    }
    return ExactWindows(data, c, windows, targets, out, count);
  }
  std::size_t tested = 0;
  for (; c + kStep <= windows; c += kStep) {
    const std::uint8_t* p = data + c;
    _mm_prefetch(reinterpret_cast<const char*>(p + kPrefetchAhead), _MM_HINT_T0);
    if (!Vectors::HalvesPass(p, sHalf, qHalf)) continue;
    count = ExactWindows(data, FirstUntested(tested, c), c, targets, out, count);
    if (Vectors::FullPass(p, sFull, qFull)) count = ExactWindows(data, c, c + kStep, targets, out, count);
    tested = c + kStep;
  }
  return ExactWindows(data, FirstUntested(tested, c), windows, targets, out, count);
}

}  // namespace vorlane
