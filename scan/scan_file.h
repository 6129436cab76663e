// One list entry's file scanned for one code: the searcher's hits become
// records, or the entry becomes a missing-file record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "scan/match_targets.h"
#include "scan/record_sink.h"
#include "scan/scenery_file.h"
#include "scan/stream_scan.h"

namespace vorlane {

// What every file of a run is scanned for, worked out once from the code as
// typed and the tolerance text.
struct ScanQuery {
  std::string upperCode;                // packed, and written into the records
  std::optional<MatchTargets> targets;  // none for a negative tolerance: nothing can hit
};

ScanQuery MakeScanQuery(std::string_view code, std::string_view toleranceText);

// Scans list entries' files for one query, one after another, in buffers of
// its own; each scanning thread has one.
class FileScanner {
 public:
  explicit FileScanner(ScanQuery query) : query_(std::move(query)) {}

  // Scans the opened entry and writes its records to sink in ascending order
  // of position; entryIndex is the entry's 0-based index in the list. A file
  // that is not open (not a regular file, an entry holding a NUL byte), or
  // whose first read fails, is a missing file. Returns the number of hit
  // records.
  std::int64_t Scan(const SceneryFile& file, std::int64_t entryIndex, RecordSink& sink);

 private:
  const ScanQuery query_;
  ScanBuffers buffers_;
};

}  // namespace vorlane
