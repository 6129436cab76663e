// Runs a program to its end in a given folder and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace vorlane::testing {

struct ProcessResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& folder);

}  // namespace vorlane::testing
