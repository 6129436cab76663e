#include "tests/support/reference_list.h"

namespace vorlane::testing {

std::vector<std::string> ReferenceListEntries(std::string_view content) {
  content = content.substr(0, content.find('\x1A'));
  std::vector<std::string> entries;
  std::string line;
  for (char c : content) {
    if (c != '\n') {
      line += c;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    entries.push_back(line.substr(0, 4096));
    line.clear();
  }
  entries.push_back(line.substr(0, 4096));
  return entries;
}

}  // namespace vorlane::testing
