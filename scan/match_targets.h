// What a window is compared with: the two targets of a code and the tolerated
// deviation, and the one exact test of a window value against a target.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorlane {

// Largest tolerance that the compare below can represent; any text asking for
// more is held to it (the dialog and the command line allow 0 to 9).
inline constexpr std::uint32_t kMaxTolerance = 0x7FFFFFFF;

struct MatchTargets {
  std::uint32_t shifted = 0;
  std::uint32_t plain = 0;
  std::uint32_t tolerance = 0;
};

// True when value - target, wrapped to 32 bits and read as a signed number,
// has a magnitude of at most the tolerance. Adding the tolerance first turns
// the two-sided test into one unsigned compare, which also covers the wrap
// around 0 and 2^32.
constexpr bool WithinTolerance(std::uint32_t value, std::uint32_t target, std::uint32_t tolerance) {
  return value - target + tolerance <= 2 * tolerance;
}

// The tolerance text read as a decimal integer the way C's atoi reads it:
// optional leading white space, an optional sign, then digits up to the first
// other character; no digits give 0. Values beyond the 32-bit range saturate.
std::int64_t ParseTolerance(std::string_view text);

}  // namespace vorlane
