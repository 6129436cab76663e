// The searcher: reads an open file once, front to back in blocks, and reports
// every window that lies within the tolerance of a target, in ascending order
// of position, the code hit before the ILS hit at the same position.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "scan/match_targets.h"

namespace vorlane {

enum class HitKind { Code, Ils };

enum class StreamEnd {
  Complete,    // every window up to the end of the file was examined
  ReadError,   // a read failed after the first bytes; later windows were skipped
  Unreadable,  // the very first read failed; nothing was examined
};

using HitSink = std::function<void(std::uint64_t position, HitKind kind)>;

// The memory that a scan works in: one read block and room for the kernel's
// candidates. A scanning thread keeps it from file to file, so that no file
// pays for fresh pages.
struct ScanBuffers {
  ScanBuffers();
  std::unique_ptr<std::uint8_t[]> block;
  std::unique_ptr<std::uint32_t[]> candidates;
};

// Windows that straddle two blocks are examined like any other. Memory stays
// at the buffers' whatever the file size.
StreamEnd ScanStream(int fd, const MatchTargets& targets, ScanBuffers& buffers, const HitSink& sink);

}  // namespace vorlane
