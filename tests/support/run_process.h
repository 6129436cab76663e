// Runs a program in a given folder: to its end, capturing what it prints, or
// in the background.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace vorlane::testing {

struct ProcessResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// inChild, when given, runs in the child just before the program starts (to
// set a limit, say).
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& folder,
                         const std::function<void()>& inChild = {});

// Starts the program with its output discarded and returns its process id
// at once; the caller waits for it.
pid_t StartProcess(const std::vector<std::string>& argv, const std::string& folder);

}  // namespace vorlane::testing
