// The list file's line rules written out plainly over the whole content in
// memory, as the yardstick for the list reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlane::testing {

// Everything from the first Ctrl-Z on is ignored; the rest is cut at every
// LF, a CR right before an LF is dropped, and each piece, the one after the
// last LF included, is an entry, of which the first 4096 bytes are kept.
std::vector<std::string> ReferenceListEntries(std::string_view content);

}  // namespace vorlane::testing
