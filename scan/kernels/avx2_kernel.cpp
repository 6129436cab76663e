// 32 windows per step in 256-bit vectors, for CPUs with AVX2.
#include <immintrin.h>

#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/step_loop.h"
#include "scan/kernels/window_filter.h"

#define VORLANE_AVX2 __attribute__((target("avx2")))

namespace vorlane {
namespace {

VORLANE_AVX2 __m256i Load(const std::uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

VORLANE_AVX2 bool Any(__m256i lanes) { return !_mm256_testz_si256(lanes, lanes); }

struct Avx2Vectors {
  static constexpr std::size_t kStep = 32;

  // All ones in the lanes where lane - bias < limit (signed).
  struct Range16 {
    __m256i bias, limit;
    VORLANE_AVX2 __m256i Within(__m256i lanes) const {
      return _mm256_cmpgt_epi16(limit, _mm256_sub_epi16(lanes, bias));
    }
  };
  struct Range32 {
    __m256i bias, limit;
    VORLANE_AVX2 __m256i Within(__m256i lanes) const {
      return _mm256_cmpgt_epi32(limit, _mm256_sub_epi32(lanes, bias));
    }
  };

  VORLANE_AVX2 static Range16 MakeRange16(const HalfRange& half) {
    const SignedRange16 range = AsSigned(half);
    return {_mm256_set1_epi16(range.bias), _mm256_set1_epi16(range.limit)};
  }
  VORLANE_AVX2 static Range32 MakeRange32(std::uint32_t target, std::uint32_t tolerance) {
    const SignedRange32 range = FullRangeAsSigned(target, tolerance);
    return {_mm256_set1_epi32(range.bias), _mm256_set1_epi32(range.limit)};
  }

  // Whether the 16-bit value at some offset of the step at p lies in either
  // range: the loads at p and p + 1 hold the values at every offset.
  VORLANE_AVX2 static bool HalvesPass(const std::uint8_t* p, const Range16& s, const Range16& q) {
    const __m256i even = Load(p), odd = Load(p + 1);
    return Any(_mm256_or_si256(_mm256_or_si256(s.Within(even), s.Within(odd)),
                               _mm256_or_si256(q.Within(even), q.Within(odd))));
  }

  // Whether some window of the step at p lies within the tolerance: the load
  // at p + r holds the windows r, r + 4, r + 8, ...
  VORLANE_AVX2 static bool FullPass(const std::uint8_t* p, const Range32& s, const Range32& q) {
    __m256i pass = _mm256_setzero_si256();
    for (std::size_t r = 0; r < 4; ++r) {
      const __m256i lanes = Load(p + r);
      pass = _mm256_or_si256(pass, _mm256_or_si256(s.Within(lanes), q.Within(lanes)));
    }
    return Any(pass);
  }
};

}  // namespace

VORLANE_AVX2 std::size_t Avx2Candidates(const std::uint8_t* data, std::size_t windows,
                                        const MatchTargets& targets, std::uint32_t* out) {
  return StepCandidates<Avx2Vectors>(data, windows, targets, out);
}

}  // namespace vorlane
