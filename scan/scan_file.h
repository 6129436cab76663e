// One list entry scanned for one code: the searcher's hits become records in
// the result file, or the entry becomes a missing-file record.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorlane {

struct ScanOutcome {
  std::int64_t hits = 0;       // hit records formed for this entry
  bool resultWritten = false;  // every record reached the result file whole
};

// Where the entry's records go: a run that has lost a record writes no more,
// so that its result file never shows a gap.
enum class RecordsTo { ResultFile, Nowhere };

// path is the list entry, code the code as typed (it names the result file;
// its upper-case form is packed and written), entryIndex the entry's 0-based
// index in the list. Only a regular file is scanned; anything else, an entry
// holding a NUL byte, or a file whose first read fails is a missing file.
// With RecordsTo::Nowhere the hits are only counted.
ScanOutcome ScanFile(std::string_view path, std::string_view code, std::string_view toleranceText,
                     std::int64_t entryIndex, RecordsTo records = RecordsTo::ResultFile);

}  // namespace vorlane
