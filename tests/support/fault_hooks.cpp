#include "tests/support/fault_hooks.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <set>
#include <utility>

#include "scan/file_io.h"

namespace vorlane {
namespace {

struct ArmedPlan {
  testing::FaultPlan plan;
  int opens = 0;
  std::set<std::pair<dev_t, ino_t>> files;  // what the plan's path opened
  bool changed = false;
  std::uint64_t written = 0;
};

// The run scans files on worker threads, so every hook holds this while it
// looks at the plan.
std::mutex& PlanMutex() {
  static std::mutex mutex;
  return mutex;
}

std::optional<ArmedPlan>& Armed() {
  static std::optional<ArmedPlan> armed;
  return armed;
}

// The armed plan when it concerns the open file fd, else null.
ArmedPlan* PlanFor(int fd) {
  std::optional<ArmedPlan>& armed = Armed();
  struct stat status {};
  if (!armed || ::fstat(fd, &status) != 0) return nullptr;
  return armed->files.count({status.st_dev, status.st_ino}) ? &*armed : nullptr;
}

}  // namespace

namespace io {

int Open(const char* path, int flags, mode_t mode) {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  std::optional<ArmedPlan>& armed = Armed();
  if (!armed || armed->plan.path != path) return ::open(path, flags, mode);
  if (++armed->opens == armed->plan.failingOpen) {
    errno = armed->plan.openError;
    return -1;
  }
  const int fd = ::open(path, flags, mode);
  struct stat status {};
  if (fd >= 0 && ::fstat(fd, &status) == 0) armed->files.insert({status.st_dev, status.st_ino});
  return fd;
}

ssize_t Read(int fd, void* buffer, std::size_t size) {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  ArmedPlan* armed = PlanFor(fd);
  if (!armed) return ::read(fd, buffer, size);
  const testing::FaultPlan& plan = armed->plan;
  const auto offset = static_cast<std::uint64_t>(::lseek(fd, 0, SEEK_CUR));
  if (plan.changeAt && !armed->changed) {
    if (offset >= *plan.changeAt) {
      armed->changed = true;
      plan.change();
    } else {
      size = static_cast<std::size_t>(std::min<std::uint64_t>(size, *plan.changeAt - offset));
    }
  }
  if (plan.readFailsAt) {
    if (offset >= *plan.readFailsAt) {
      errno = EIO;
      return -1;
    }
    size = static_cast<std::size_t>(std::min<std::uint64_t>(size, *plan.readFailsAt - offset));
  }
  return ::read(fd, buffer, size);
}

ssize_t Write(int fd, const void* buffer, std::size_t size) {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  ArmedPlan* armed = PlanFor(fd);
  if (!armed || !armed->plan.writeBudget) return ::write(fd, buffer, size);
  const std::uint64_t left = *armed->plan.writeBudget - armed->written;
  if (left == 0) {
    errno = ENOSPC;
    return -1;
  }
  const ssize_t n = ::write(fd, buffer, static_cast<std::size_t>(std::min<std::uint64_t>(size, left)));
  if (n > 0) armed->written += static_cast<std::uint64_t>(n);
  return n;
}

}  // namespace io

namespace testing {

ScopedFaults::ScopedFaults(FaultPlan plan) {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  Armed().emplace();
  Armed()->plan = std::move(plan);
}

ScopedFaults::~ScopedFaults() {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  Armed().reset();
}

}  // namespace testing
}  // namespace vorlane
