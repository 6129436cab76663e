// Fault injection: the tests' definitions of the file calls of scan/file_io.h
// for the libraries built with VORLANE_FAULT_SEAM. Every call goes to the
// system unless the armed plan makes it fail. The plan concerns one file, named
// by the path with which the code under test opens it; its descriptors are
// told apart by device and inode, so a reused descriptor number is no mistake.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vorlane::testing {

struct FaultPlan {
  std::string path;

  // The failingOpen-th open of the file (counting from 1) fails with
  // openError; 0 fails none.
  int failingOpen = 0;
  int openError = 0;

  // Reads end exactly at this offset, and every read from there on fails
  // with EIO.
  std::optional<std::uint64_t> readFailsAt;

  // When reading reaches this offset, change() runs once before the next read
  // (to shrink or grow the file in mid-scan).
  std::optional<std::uint64_t> changeAt;
  std::function<void()> change;

  // Writes to the file may add this many bytes in all; the write that would
  // go beyond writes only what is left, and every later write fails with
  // ENOSPC, as on a full disk.
  std::optional<std::uint64_t> writeBudget;
};

// Arms the plan for the object's lifetime; only one plan is armed at a time.
class ScopedFaults {
 public:
  explicit ScopedFaults(FaultPlan plan);
  ~ScopedFaults();
  ScopedFaults(const ScopedFaults&) = delete;
  ScopedFaults& operator=(const ScopedFaults&) = delete;
};

}  // namespace vorlane::testing
