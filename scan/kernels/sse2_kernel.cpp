// 16 windows per step in 128-bit vectors; SSE2 is the x86-64 baseline.
#include <emmintrin.h>

#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/step_loop.h"
#include "scan/kernels/window_filter.h"

namespace vorlane {
namespace {

__m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

bool Any(__m128i lanes) { return _mm_movemask_epi8(lanes) != 0; }

struct Sse2Vectors {
  static constexpr std::size_t kStep = 16;

  // All ones in the lanes where lane - bias < limit (signed).
  struct Range16 {
    __m128i bias, limit;
    __m128i Within(__m128i lanes) const { return _mm_cmpgt_epi16(limit, _mm_sub_epi16(lanes, bias)); }
  };
  struct Range32 {
    __m128i bias, limit;
    __m128i Within(__m128i lanes) const { return _mm_cmpgt_epi32(limit, _mm_sub_epi32(lanes, bias)); }
  };

  static Range16 MakeRange16(const HalfRange& half) {
    const SignedRange16 range = AsSigned(half);
    return {_mm_set1_epi16(range.bias), _mm_set1_epi16(range.limit)};
  }
  static Range32 MakeRange32(std::uint32_t target, std::uint32_t tolerance) {
    const SignedRange32 range = FullRangeAsSigned(target, tolerance);
    return {_mm_set1_epi32(range.bias), _mm_set1_epi32(range.limit)};
  }

  // Whether the 16-bit value at some offset of the step at p lies in either
  // range: the loads at p and p + 1 hold the values at every offset.
  static bool HalvesPass(const std::uint8_t* p, const Range16& s, const Range16& q) {
    const __m128i even = Load(p), odd = Load(p + 1);
    return Any(
        _mm_or_si128(_mm_or_si128(s.Within(even), s.Within(odd)), _mm_or_si128(q.Within(even), q.Within(odd))));
  }

  // Whether some window of the step at p lies within the tolerance: the load
  // at p + r holds the windows r, r + 4, r + 8, ...
  static bool FullPass(const std::uint8_t* p, const Range32& s, const Range32& q) {
    __m128i pass = _mm_setzero_si128();
    for (std::size_t r = 0; r < 4; ++r) {
      const __m128i lanes = Load(p + r);
      pass = _mm_or_si128(pass, _mm_or_si128(s.Within(lanes), q.Within(lanes)));
    }
    return Any(pass);
  }
};

}  // namespace

std::size_t Sse2Candidates(const std::uint8_t* data, std::size_t windows, const MatchTargets& targets,
                           std::uint32_t* out) {
  return StepCandidates<Sse2Vectors>(data, windows, targets, out);
}

}  // namespace vorlane
