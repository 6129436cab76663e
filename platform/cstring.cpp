#include "platform/cstring.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list counting;
  va_copy(counting, args);
  const int length = std::vsnprintf(nullptr, 0, format, counting);
  va_end(counting);
  if (length < 0) {
    text_.clear();
  } else {
    text_.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(text_.data(), text_.size(), format, args);
    text_.resize(static_cast<std::size_t>(length));
  }
  va_end(args);
}
