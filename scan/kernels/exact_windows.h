// The exact window test over a stretch of a block: the whole of the reference
// kernel, and what the vector kernels fall back to for the stretches that
// their filter lets through or that are too short for a vector.
#pragma once

#include <cstddef>
#include <cstdint>

#include "scan/match_targets.h"

namespace vorlane {

// The little-endian 32-bit value of p[0..3].
inline std::uint32_t LoadWindow(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

// Appends to out[count..] the offset of every window in [begin, end) within
// the tolerance of either target; returns the new count.
inline std::size_t ExactWindows(const std::uint8_t* data, std::size_t begin, std::size_t end,
                                const MatchTargets& targets, std::uint32_t* out, std::size_t count) {
  for (std::size_t i = begin; i < end; ++i) {
    const std::uint32_t value = LoadWindow(data + i);
    if (WithinTolerance(value, targets.shifted, targets.tolerance) ||
        WithinTolerance(value, targets.plain, targets.tolerance)) {
      out[count++] = static_cast<std::uint32_t>(i);
    }
  }
  return count;
}

}  // namespace vorlane
