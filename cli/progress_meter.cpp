#include "cli/progress_meter.h"

#include <unistd.h>

#include <cstdio>

namespace vorlane::cli {
namespace {

constexpr std::chrono::milliseconds kRefresh{100};

}  // namespace

ProgressMeter::ProgressMeter(std::int64_t total) : enabled_(::isatty(STDERR_FILENO) == 1), total_(total) {}

ProgressMeter::~ProgressMeter() {
  if (enabled_ && done_ > 0) std::fputs("\r\033[K", stderr);
}

void ProgressMeter::Step() {
  ++done_;
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (done_ == 1 || done_ == total_ || now - lastShown_ >= kRefresh) {
    lastShown_ = now;
    Show();
  }
}

void ProgressMeter::Show() const {
  std::fprintf(stderr, "\r\033[Kscanning entry %lld of %lld", static_cast<long long>(done_),
               static_cast<long long>(total_));
  std::fflush(stderr);
}

}  // namespace vorlane::cli
