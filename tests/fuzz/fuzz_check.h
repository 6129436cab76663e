// What a fuzz target does when the code under test disagrees with its model:
// says what differs and aborts, which libFuzzer reports as a finding and
// saves the input for.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace vorlane::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace vorlane::fuzz
