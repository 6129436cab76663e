#include "tests/support/fault_hooks.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <optional>
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

// The run scans files on worker threads. The hooks hold this lock only while
// they look at or change the plan, never across a system call, so that tests
// run on several threads do not have their calls put in order by it.
std::mutex& PlanMutex() {
  static std::mutex mutex;
  return mutex;
}

std::optional<ArmedPlan>& Armed() {
  static std::optional<ArmedPlan> armed;
  return armed;
}

std::atomic<bool>& AnyPlanArmed() {
  static std::atomic<bool> armed{false};
  return armed;
}

std::optional<std::pair<dev_t, ino_t>> FileOf(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return std::nullopt;
  return std::pair{status.st_dev, status.st_ino};
}

// The armed plan when it concerns the open file fd, else null; the caller
// holds the lock.
ArmedPlan* PlanFor(const std::optional<std::pair<dev_t, ino_t>>& file) {
  std::optional<ArmedPlan>& armed = Armed();
  return armed && file && armed->files.count(*file) ? &*armed : nullptr;
}

}  // namespace

namespace io {

int Open(const char* path, int flags, mode_t mode) {
  if (!AnyPlanArmed()) return ::open(path, flags, mode);
  bool planned = false;
  {
    const std::lock_guard<std::mutex> lock(PlanMutex());
    std::optional<ArmedPlan>& armed = Armed();
    if (armed && armed->plan.path == path) {
      planned = true;
      if (++armed->opens == armed->plan.failingOpen) {
        errno = armed->plan.openError;
        return -1;
      }
    }
  }
  const int fd = ::open(path, flags, mode);
  if (!planned || fd < 0) return fd;
  const std::optional<std::pair<dev_t, ino_t>> file = FileOf(fd);
  const std::lock_guard<std::mutex> lock(PlanMutex());
  if (file && Armed()) Armed()->files.insert(*file);
  return fd;
}

ssize_t Read(int fd, void* buffer, std::size_t size) {
  if (!AnyPlanArmed()) return ::read(fd, buffer, size);
  const std::optional<std::pair<dev_t, ino_t>> file = FileOf(fd);
  {
    const std::lock_guard<std::mutex> lock(PlanMutex());
    ArmedPlan* armed = PlanFor(file);
    if (armed) {
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
    }
  }
  return ::read(fd, buffer, size);
}

ssize_t Write(int fd, const void* buffer, std::size_t size) {
  if (!AnyPlanArmed()) return ::write(fd, buffer, size);
  const std::optional<std::pair<dev_t, ino_t>> file = FileOf(fd);
  bool budgeted = false;
  {
    const std::lock_guard<std::mutex> lock(PlanMutex());
    ArmedPlan* armed = PlanFor(file);
    if (armed && armed->plan.writeBudget) {
      budgeted = true;
      const std::uint64_t left = *armed->plan.writeBudget - armed->written;
      if (left == 0) {
        errno = ENOSPC;
        return -1;
      }
      size = static_cast<std::size_t>(std::min<std::uint64_t>(size, left));
    }
  }
  const ssize_t n = ::write(fd, buffer, size);
  if (!budgeted || n <= 0) return n;
  // Only the run's own thread writes, so the budget cannot be spent twice
  // between the lock above and this one.
  const std::lock_guard<std::mutex> lock(PlanMutex());
  if (Armed()) Armed()->written += static_cast<std::uint64_t>(n);
  return n;
}

}  // namespace io

namespace testing {

ScopedFaults::ScopedFaults(FaultPlan plan) {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  Armed().emplace();
  Armed()->plan = std::move(plan);
  AnyPlanArmed() = true;
}

ScopedFaults::~ScopedFaults() {
  const std::lock_guard<std::mutex> lock(PlanMutex());
  AnyPlanArmed() = false;
  Armed().reset();
}

}  // namespace testing
}  // namespace vorlane
