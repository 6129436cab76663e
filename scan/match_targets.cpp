#include "scan/match_targets.h"

#include <algorithm>
#include <limits>

namespace vorlane {

std::int64_t ParseTolerance(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), kLimit + 1);
  }
  return negative ? -value : std::min(value, kLimit);
}

}  // namespace vorlane
