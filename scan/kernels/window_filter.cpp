#include "scan/kernels/window_filter.h"

#include <optional>

namespace vorlane {
namespace {

// Beyond this, 2 * tolerance + 1 values no longer fit two upper halves.
constexpr std::uint32_t kMaxHalfTolerance = 0x7FFF;

// 16-bit values of a magnitude below this count as common in scenery data.
constexpr std::uint16_t kCommonMagnitude = 0x100;

bool Overlap(std::uint16_t a, std::uint16_t aSpan, std::uint16_t b, std::uint16_t bSpan) {
  return static_cast<std::uint16_t>(b - a) <= aSpan || static_cast<std::uint16_t>(a - b) <= bSpan;
}

bool Common(const HalfRange& range) {
  constexpr std::uint16_t kFrom = static_cast<std::uint16_t>(1 - kCommonMagnitude);
  constexpr std::uint16_t kSpan = 2 * (kCommonMagnitude - 1);
  return Overlap(range.base, range.span, kFrom, kSpan);
}

std::optional<HalfRange> RareHalf(std::uint32_t target, std::uint32_t tolerance) {
  const std::uint32_t low = target - tolerance;
  const std::uint32_t high = target + tolerance;
  const HalfRange upper{static_cast<std::uint16_t>(low >> 16),
                        static_cast<std::uint16_t>((high >> 16) - (low >> 16))};
  if (!Common(upper)) return upper;
  const HalfRange lower{static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(2 * tolerance)};
  if (!Common(lower)) return lower;
  return std::nullopt;
}

}  // namespace

WindowFilter ChooseWindowFilter(const MatchTargets& targets) {
  if (targets.tolerance > kMaxHalfTolerance) return {};
  const std::optional<HalfRange> shifted = RareHalf(targets.shifted, targets.tolerance);
  const std::optional<HalfRange> plain = RareHalf(targets.plain, targets.tolerance);
  // One target needing the full compare loads every 32-bit window anyway;
  // the other is then compared whole at little extra cost.
  if (!shifted || !plain) return {};
  return {false, *shifted, *plain};
}

}  // namespace vorlane
