// Progress of a run on a terminal: "entries done of total", rewritten in place
// on stderr a few times a second, and wiped when the run ends. Silent when
// stderr is not a terminal.
#pragma once

#include <chrono>
#include <cstdint>

namespace vorlane::cli {

class ProgressMeter {
 public:
  explicit ProgressMeter(std::int64_t total);
  ~ProgressMeter();
  ProgressMeter(const ProgressMeter&) = delete;
  ProgressMeter& operator=(const ProgressMeter&) = delete;

  // One more entry is being scanned.
  void Step();

 private:
  void Show() const;

  bool enabled_;
  std::int64_t total_;
  std::int64_t done_ = 0;
  std::chrono::steady_clock::time_point lastShown_{};
};

}  // namespace vorlane::cli
