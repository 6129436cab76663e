// The cheap test that the vector kernels run on every window before the exact
// one, chosen per target so that it rarely lets a window through.
//
// A window within a small tolerance of a target has its upper 16 bits in a
// range of at most two values and its lower 16 bits in a range of 2 *
// tolerance + 1 values, so testing one 16-bit half at every offset rejects
// almost every window while handling twice as many offsets per vector as a
// 32-bit compare. A half whose range holds values of small magnitude is of no
// use: zero runs and small integers are everywhere in scenery data. When
// neither half of a target is rare, the kernel compares the whole windows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "scan/match_targets.h"

namespace vorlane {

// The 16-bit values base .. base + span, counted modulo 2^16; span is at
// most 0xFFFE. The kernels test the 16-bit value at every offset against the
// ranges of both targets, whichever half each range is for: a value in range
// is the lower half of the window at its offset or the upper half of the
// window two bytes before, and the exact test then looks at both.
struct HalfRange {
  std::uint16_t base = 0;
  std::uint16_t span = 0;
};

struct WindowFilter {
  bool fullCompare = true;  // when false, a window passes on either half range
  HalfRange shifted;
  HalfRange plain;
};

WindowFilter ChooseWindowFilter(const MatchTargets& targets);

// Where the exact test of a step at offset c that passed the half filter
// starts: at the two windows before c, whose upper halves the step holds,
// unless windows from `tested` on have been tested already.
inline std::size_t FirstUntested(std::size_t tested, std::size_t c) {
  return std::max(tested, c < 2 ? 0 : c - 2);
}

// Blocks mostly come from memory rather than cache; the vector kernels ask
// for the bytes this far ahead to keep more of them on the way. A prefetch
// never faults, so it may point past the block.
inline constexpr std::size_t kPrefetchAhead = 4096;

// The range tests as signed compares, for instruction sets that have no
// unsigned one: lane - bias < limit (signed, wrapping subtraction) holds
// exactly when lane - base <= span (unsigned).
struct SignedRange16 {
  std::int16_t bias;
  std::int16_t limit;
};
struct SignedRange32 {
  std::int32_t bias;
  std::int32_t limit;
};

inline SignedRange16 AsSigned(const HalfRange& range) {
  return {static_cast<std::int16_t>(range.base ^ 0x8000u),
          static_cast<std::int16_t>((range.span ^ 0x8000u) + 1)};
}

// The whole window within the tolerance of target.
inline SignedRange32 FullRangeAsSigned(std::uint32_t target, std::uint32_t tolerance) {
  return {static_cast<std::int32_t>((target - tolerance) ^ 0x80000000u),
          static_cast<std::int32_t>(((2 * tolerance) ^ 0x80000000u) + 1)};
}

}  // namespace vorlane
