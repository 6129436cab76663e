// 16 windows per step in 128-bit vectors; SSE2 is the x86-64 baseline.
#include <emmintrin.h>
#include <xmmintrin.h>

#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/exact_windows.h"
#include "scan/kernels/window_filter.h"

namespace vorlane {
namespace {

constexpr std::size_t kStep = 16;

__m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

// All ones in the lanes where lane - bias < limit (signed).
struct Range16 {
  __m128i bias, limit;
  __m128i Within(__m128i lanes) const { return _mm_cmpgt_epi16(limit, _mm_sub_epi16(lanes, bias)); }
};
struct Range32 {
  __m128i bias, limit;
  __m128i Within(__m128i lanes) const { return _mm_cmpgt_epi32(limit, _mm_sub_epi32(lanes, bias)); }
};

Range16 MakeRange16(const HalfRange& half) {
  const SignedRange16 range = AsSigned(half);
  return {_mm_set1_epi16(range.bias), _mm_set1_epi16(range.limit)};
}
Range32 MakeRange32(std::uint32_t target, std::uint32_t tolerance) {
  const SignedRange32 range = FullRangeAsSigned(target, tolerance);
  return {_mm_set1_epi32(range.bias), _mm_set1_epi32(range.limit)};
}

bool Any(__m128i lanes) { return _mm_movemask_epi8(lanes) != 0; }

// Whether the 16-bit value at some offset of the step at p lies in either
// range: the loads at p and p + 1 hold the values at every offset.
bool HalvesPass(const std::uint8_t* p, const Range16& s, const Range16& q) {
  const __m128i even = Load(p), odd = Load(p + 1);
  return Any(
      _mm_or_si128(_mm_or_si128(s.Within(even), s.Within(odd)), _mm_or_si128(q.Within(even), q.Within(odd))));
}

// Whether some window of the step at p lies within the tolerance: the load
// at p + r holds the windows r, r + 4, r + 8, ...
bool FullPass(const std::uint8_t* p, const Range32& s, const Range32& q) {
  __m128i pass = _mm_setzero_si128();
  for (std::size_t r = 0; r < 4; ++r) {
    const __m128i lanes = Load(p + r);
    pass = _mm_or_si128(pass, _mm_or_si128(s.Within(lanes), q.Within(lanes)));
  }
  return Any(pass);
}

}  // namespace

// A step reads bytes c .. c + kStep + 2, so it needs c + kStep <= windows;
// the remaining windows are tested one by one, never reading past the block.
std::size_t Sse2Candidates(const std::uint8_t* data, std::size_t windows, const MatchTargets& targets,
                           std::uint32_t* out) {
  const WindowFilter filter = ChooseWindowFilter(targets);
  const Range16 sHalf = MakeRange16(filter.shifted), qHalf = MakeRange16(filter.plain);
  const Range32 sFull = MakeRange32(targets.shifted, targets.tolerance);
  const Range32 qFull = MakeRange32(targets.plain, targets.tolerance);
  std::size_t count = 0;
  std::size_t c = 0;
  if (filter.fullCompare) {
    for (; c + kStep <= windows; c += kStep) {
      const std::uint8_t* p = data + c;
      _mm_prefetch(reinterpret_cast<const char*>(p + kPrefetchAhead), _MM_HINT_T0);
      if (FullPass(p, sFull, qFull)) count = ExactWindows(data, c, c + kStep, targets, out, count);
    }
    return ExactWindows(data, c, windows, targets, out, count);
  }
  std::size_t tested = 0;
  for (; c + kStep <= windows; c += kStep) {
    const std::uint8_t* p = data + c;
    _mm_prefetch(reinterpret_cast<const char*>(p + kPrefetchAhead), _MM_HINT_T0);
    if (!HalvesPass(p, sHalf, qHalf)) continue;
    count = ExactWindows(data, FirstUntested(tested, c), c, targets, out, count);
    if (FullPass(p, sFull, qFull)) count = ExactWindows(data, c, c + kStep, targets, out, count);
    tested = c + kStep;
  }
  return ExactWindows(data, FirstUntested(tested, c), windows, targets, out, count);
}

}  // namespace vorlane
