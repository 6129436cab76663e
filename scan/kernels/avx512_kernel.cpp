// 64 windows per step in 512-bit vectors, for CPUs with AVX-512BW, whose
// unsigned compares into mask registers test a range in two instructions.
#include <immintrin.h>

#include "scan/kernels/candidate_kernel.h"
#include "scan/kernels/step_loop.h"
#include "scan/kernels/window_filter.h"

#define VORLANE_AVX512 __attribute__((target("avx512f,avx512bw")))

namespace vorlane {
namespace {

VORLANE_AVX512 __m512i Load(const std::uint8_t* p) { return _mm512_loadu_si512(p); }

struct Avx512Vectors {
  static constexpr std::size_t kStep = 64;

  // Lanes in low .. low + span, unsigned and wrapping.
  struct Range16 {
    __m512i low, span;
    VORLANE_AVX512 __mmask32 Within(__m512i lanes) const {
      return _mm512_cmple_epu16_mask(_mm512_sub_epi16(lanes, low), span);
    }
  };
  struct Range32 {
    __m512i low, span;
    VORLANE_AVX512 __mmask16 Within(__m512i lanes) const {
      return _mm512_cmple_epu32_mask(_mm512_sub_epi32(lanes, low), span);
    }
  };

  VORLANE_AVX512 static Range16 MakeRange16(const HalfRange& half) {
    return {_mm512_set1_epi16(static_cast<short>(half.base)),
            _mm512_set1_epi16(static_cast<short>(half.span))};
  }
  VORLANE_AVX512 static Range32 MakeRange32(std::uint32_t target, std::uint32_t tolerance) {
    return {_mm512_set1_epi32(static_cast<int>(target - tolerance)),
            _mm512_set1_epi32(static_cast<int>(2 * tolerance))};
  }

  // Whether the 16-bit value at some offset of the step at p lies in either
  // range: the loads at p and p + 1 hold the values at every offset.
  VORLANE_AVX512 static bool HalvesPass(const std::uint8_t* p, const Range16& s, const Range16& q) {
    const __m512i even = Load(p), odd = Load(p + 1);
    return (s.Within(even) | s.Within(odd) | q.Within(even) | q.Within(odd)) != 0;
  }

  // Whether some window of the step at p lies within the tolerance: the load
  // at p + r holds the windows r, r + 4, r + 8, ...
  VORLANE_AVX512 static bool FullPass(const std::uint8_t* p, const Range32& s, const Range32& q) {
    __mmask16 pass = 0;
    for (std::size_t r = 0; r < 4; ++r) {
      const __m512i lanes = Load(p + r);
      pass |= s.Within(lanes) | q.Within(lanes);
    }
    return pass != 0;
  }
};

}  // namespace

VORLANE_AVX512 std::size_t Avx512Candidates(const std::uint8_t* data, std::size_t windows,
                                            const MatchTargets& targets, std::uint32_t* out) {
  return StepCandidates<Avx512Vectors>(data, windows, targets, out);
}

}  // namespace vorlane
