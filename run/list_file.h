// The list file: one scenery file path per line, read as text.
//
// A line ends at LF (CR LF reads as LF; a lone CR is part of the line); a
// Ctrl-Z byte ends the content. Every line is one entry whatever its length,
// of which the first kMaxEntryLength bytes are kept. The piece after the last
// line feed is an entry too, so a final line break yields a last, empty entry
// and an empty file yields one. Every count and fetch opens the file afresh,
// creating it empty when it is missing; a file that is neither readable nor
// creatable, not a regular file, or whose reading fails, has no entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorlane {

inline constexpr std::size_t kMaxEntryLength = 4096;

std::int64_t CountListEntries(const std::string& listPath);

// The entry with the 0-based index; the empty text past the last entry.
std::string FetchListEntry(const std::string& listPath, std::int64_t index);

// Where the next entry starts, so that a run reads each line once.
struct ListPosition {
  std::uint64_t offset = 0;
  bool atEnd = false;   // the content has ended; every further entry is empty
  bool failed = false;  // the file could not be opened or read here, so the
                        // entries from here on are unknown rather than empty
};

// The entry that starts at position; advances position to the next entry.
// Fetching from the default position onwards yields the entries that
// FetchListEntry yields for the indices 0, 1, 2, ...
std::string FetchListEntryAt(const std::string& listPath, ListPosition& position);

}  // namespace vorlane
