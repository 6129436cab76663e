#include "scan/stream_scan.h"

#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "scan/kernels/exact_windows.h"
#include "scan/kernels/kernel_choice.h"

namespace vorlane {
namespace {

constexpr std::size_t kWindowBytes = 4;
constexpr std::size_t kCarry = kWindowBytes - 1;

// Files are mapped in windows of this size, one after the other, so memory
// stays bounded whatever the file size. A multiple of 2 MiB, so that cached
// large pages map whole, and large enough that mapping costs little per byte.
constexpr std::size_t kMapWindow = std::size_t{16} << 20;

// Files that cannot be mapped are read in blocks of this size.
constexpr std::size_t kReadBlock = std::size_t{256} << 10;

// A candidate of the kernel and the window value there.
struct Candidates {
  std::unique_ptr<std::uint32_t[]> offsets{new std::uint32_t[kMaxKernelWindows]};
  std::unique_ptr<std::uint32_t[]> values{new std::uint32_t[kMaxKernelWindows]};
};

// Confirms the candidates of one kernel call at block offset start.
void Confirm(const Candidates& found, std::size_t count, std::uint64_t base, const MatchTargets& targets,
             const HitSink& sink) {
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint64_t position = base + found.offsets[k];
    const std::uint32_t value = found.values[k];
    if (WithinTolerance(value, targets.shifted, targets.tolerance)) sink(position, HitKind::Code);
    if (WithinTolerance(value, targets.plain, targets.tolerance)) sink(position, HitKind::Ils);
  }
}

// Up to kMaxKernelWindows windows through the kernel, keeping each
// candidate's value so that confirming it reads the block no more.
std::size_t FindCandidates(const std::uint8_t* data, std::size_t windows, const MatchTargets& targets,
                           const Candidates& found) {
  const std::size_t count = ChosenKernel().kernel(data, windows, targets, found.offsets.get());
  for (std::size_t k = 0; k < count; ++k) found.values[k] = LoadWindow(data + found.offsets[k]);
  return count;
}

// --- Reading in blocks -------------------------------------------------------

struct ReadResult {
  std::size_t bytes = 0;
  bool failed = false;
};

// Fills the block unless the file ends or a read fails first.
ReadResult ReadBlock(int fd, std::uint8_t* into, std::size_t size) {
  ReadResult result;
  while (result.bytes < size) {
    const ssize_t n = ::read(fd, into + result.bytes, size - result.bytes);
    if (n > 0) {
      result.bytes += static_cast<std::size_t>(n);
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      result.failed = true;
      break;
    }
  }
  return result;
}

void ScanBlock(const std::uint8_t* data, std::size_t windows, std::uint64_t base, const MatchTargets& targets,
               const Candidates& found, const HitSink& sink) {
  for (std::size_t start = 0; start < windows; start += kMaxKernelWindows) {
    const std::size_t chunk = std::min(kMaxKernelWindows, windows - start);
    Confirm(found, FindCandidates(data + start, chunk, targets, found), base + start, targets, sink);
  }
}

// Reads the file from its current position, which is file offset base.
StreamEnd ScanRead(int fd, std::uint64_t base, const MatchTargets& targets, const Candidates& found,
                   const HitSink& sink) {
  const std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[kCarry + kReadBlock]);
  std::size_t carried = 0;
  for (bool first = true;; first = false) {
    const ReadResult read = ReadBlock(fd, block.get() + carried, kReadBlock);
    if (read.failed && first && base == 0 && read.bytes == 0) return StreamEnd::Unreadable;
    const std::size_t available = carried + read.bytes;
    if (available >= kWindowBytes) ScanBlock(block.get(), available - kCarry, base, targets, found, sink);
    if (read.failed) return StreamEnd::ReadError;
    if (read.bytes < kReadBlock) return StreamEnd::Complete;
    carried = std::min(available, kCarry);
    std::memmove(block.get(), block.get() + available - carried, carried);
    base += available - carried;
  }
}

// --- Reading through mapped windows -------------------------------------------
//
// A mapped page can vanish while it is read: when another process shrinks
// the file, touching a page past its new end raises SIGBUS, and so does a
// page that fails to read. Every touch of mapped bytes therefore runs under a
// guard that turns that signal into a plain return; the scan then reads the
// file from the first window not examined. The guarded code holds no objects
// with destructors, so jumping out of it skips none.

thread_local sigjmp_buf* tBusJump = nullptr;
struct sigaction gOtherBusAction {};

void OnBusError(int signal, siginfo_t* info, void* context) {
  if (sigjmp_buf* jump = tBusJump) siglongjmp(*jump, 1);
  // Not a guarded read: give the signal to whoever handled it before.
  if (gOtherBusAction.sa_flags & SA_SIGINFO) {
    gOtherBusAction.sa_sigaction(signal, info, context);
  } else if (gOtherBusAction.sa_handler != SIG_DFL && gOtherBusAction.sa_handler != SIG_IGN) {
    gOtherBusAction.sa_handler(signal);
  } else {
    // The faulting access runs again on return and then meets the default.
    ::sigaction(SIGBUS, &gOtherBusAction, nullptr);
  }
}

bool InstallBusGuard() {
  static const bool installed = [] {
    struct sigaction action {};
    action.sa_sigaction = &OnBusError;
    // Not blocked in its own handler, so that a jump out leaves it unblocked.
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGBUS, &action, &gOtherBusAction) == 0;
  }();
  return installed;
}

// FindCandidates under the guard; false when the pages vanished.
bool GuardedFindCandidates(const std::uint8_t* data, std::size_t windows, const MatchTargets& targets,
                           const Candidates& found, std::size_t* count) {
  sigjmp_buf jump;
  if (sigsetjmp(jump, 0) != 0) {
    tBusJump = nullptr;
    return false;
  }
  tBusJump = &jump;
  *count = FindCandidates(data, windows, targets, found);
  tBusJump = nullptr;
  return true;
}

// memcpy under the guard; false when the pages vanished.
bool GuardedCopy(std::uint8_t* into, const std::uint8_t* from, std::size_t size) {
  sigjmp_buf jump;
  if (sigsetjmp(jump, 0) != 0) {
    tBusJump = nullptr;
    return false;
  }
  tBusJump = &jump;
  std::memcpy(into, from, size);
  tBusJump = nullptr;
  return true;
}

class MappedWindow {
 public:
  MappedWindow(int fd, std::uint64_t offset, std::size_t size)
      : size_(size),
        data_(::mmap(nullptr, size, PROT_READ, MAP_SHARED | MAP_POPULATE, fd, static_cast<off_t>(offset))) {}
  MappedWindow(const MappedWindow&) = delete;
  MappedWindow& operator=(const MappedWindow&) = delete;
  ~MappedWindow() {
    if (data_ != MAP_FAILED) ::munmap(data_, size_);
  }
  bool ok() const { return data_ != MAP_FAILED; }
  const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(data_); }

 private:
  std::size_t size_;
  void* data_;
};

// Scans the windows of the file's first `size` bytes, mapped window by
// window; the windows that straddle two mapped windows are scanned from a
// copy of the bytes around the seam. Returns the file offset of the first
// window not examined: size - 3 when all were, less when mapping failed or
// mapped pages vanished.
std::uint64_t ScanMapped(int fd, std::uint64_t size, const MatchTargets& targets, const Candidates& found,
                         const HitSink& sink) {
  std::uint8_t seam[2 * kCarry];
  for (std::uint64_t offset = 0; offset < size; offset += kMapWindow) {
    const std::uint64_t seamStart = offset - std::min<std::uint64_t>(offset, kCarry);
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(kMapWindow, size - offset));
    const MappedWindow window(fd, offset, length);
    if (!window.ok()) return seamStart;
    std::size_t count = 0;
    if (offset > 0) {
      const std::size_t ahead = std::min(kCarry, length);
      if (!GuardedCopy(seam + kCarry, window.data(), ahead) ||
          !GuardedFindCandidates(seam, ahead, targets, found, &count)) {
        return seamStart;
      }
      Confirm(found, count, seamStart, targets, sink);
    }
    const std::size_t windows = length - std::min(length, kCarry);
    for (std::size_t start = 0; start < windows; start += kMaxKernelWindows) {
      const std::size_t chunk = std::min(kMaxKernelWindows, windows - start);
      if (!GuardedFindCandidates(window.data() + start, chunk, targets, found, &count)) return offset + start;
      Confirm(found, count, offset + start, targets, sink);
    }
    if (length >= kCarry && !GuardedCopy(seam, window.data() + windows, kCarry)) return offset + windows;
  }
  return size - std::min<std::uint64_t>(size, kCarry);
}

}  // namespace

StreamEnd ScanStream(int fd, const MatchTargets& targets, const HitSink& sink) {
  const Candidates found;
  std::uint64_t examined = 0;  // windows before this file offset are done
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 && InstallBusGuard()) {
    examined = ScanMapped(fd, static_cast<std::uint64_t>(status.st_size), targets, found, sink);
  }
  // The rest is read: all of a file that reports no size (such as those of
  // /proc) or cannot be mapped, the remainder of one whose mapped pages
  // vanished because it shrank or failed to read, and whatever a file grew
  // by meanwhile. The outcome is then the one that reading alone would have.
  if (examined > 0 && ::lseek(fd, static_cast<off_t>(examined), SEEK_SET) < 0) return StreamEnd::ReadError;
  return ScanRead(fd, examined, targets, found, sink);
}

}  // namespace vorlane
