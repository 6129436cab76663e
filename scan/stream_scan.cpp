#include "scan/stream_scan.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "scan/file_io.h"
#include "scan/kernels/exact_windows.h"
#include "scan/kernels/kernel_choice.h"

namespace vorlane {
namespace {

constexpr std::size_t kReadBlock = std::size_t{256} << 10;
constexpr std::size_t kWindowBytes = 4;
constexpr std::size_t kCarry = kWindowBytes - 1;

struct ReadResult {
  std::size_t bytes = 0;
  bool failed = false;
};

// Fills the block unless the file ends or a read fails first.
ReadResult ReadBlock(int fd, std::uint8_t* into, std::size_t size) {
  ReadResult result;
  while (result.bytes < size) {
    const ssize_t n = io::Read(fd, into + result.bytes, size - result.bytes);
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

// Runs the kernel over the windows of one block and confirms its candidates.
void ScanWindows(const std::uint8_t* data, std::size_t windows, std::uint64_t base,
                 const MatchTargets& targets, std::uint32_t* candidates, const HitSink& sink) {
  const CandidateKernel kernel = ChosenKernel().kernel;
  for (std::size_t start = 0; start < windows; start += kMaxKernelWindows) {
    const std::size_t chunk = std::min(kMaxKernelWindows, windows - start);
    const std::size_t found = kernel(data + start, chunk, targets, candidates);
    for (std::size_t k = 0; k < found; ++k) {
      const std::size_t offset = start + candidates[k];
      const std::uint32_t value = LoadWindow(data + offset);
      if (WithinTolerance(value, targets.shifted, targets.tolerance)) sink(base + offset, HitKind::Code);
      if (WithinTolerance(value, targets.plain, targets.tolerance)) sink(base + offset, HitKind::Ils);
    }
  }
}

}  // namespace

ScanBuffers::ScanBuffers()
    : block(new std::uint8_t[kCarry + kReadBlock]), candidates(new std::uint32_t[kMaxKernelWindows]) {}

StreamEnd ScanStream(int fd, const MatchTargets& targets, ScanBuffers& buffers, const HitSink& sink) {
  std::uint8_t* const block = buffers.block.get();
  std::uint64_t base = 0;  // file offset of block[0]
  std::size_t carried = 0;
  for (bool first = true;; first = false) {
    const ReadResult read = ReadBlock(fd, block + carried, kReadBlock);
    if (read.failed && first && read.bytes == 0) return StreamEnd::Unreadable;
    const std::size_t available = carried + read.bytes;
    if (available >= kWindowBytes) {
      ScanWindows(block, available - kCarry, base, targets, buffers.candidates.get(), sink);
    }
    if (read.failed) return StreamEnd::ReadError;
    if (read.bytes < kReadBlock) return StreamEnd::Complete;
    carried = std::min(available, kCarry);
    std::memmove(block, block + available - carried, carried);
    base += available - carried;
  }
}

}  // namespace vorlane
