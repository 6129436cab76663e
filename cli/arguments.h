// The command line of vorlane-scan, validated rather than cut to fit.
#pragma once

#include <string>

namespace vorlane::cli {

struct Arguments {
  std::string listPath;
  std::string code;           // Windows-1252, at most four characters
  std::string toleranceText;  // one digit
  int scanThreads = 0;        // files scanned at once; 0 when not given
};

struct ParsedArguments {
  enum class Kind { Run, Help, Error } kind = Kind::Error;
  Arguments arguments;
  std::string error;  // what is wrong, when kind is Error
};

ParsedArguments ParseArguments(int argc, const char* const* argv);

extern const char* const kUsage;

}  // namespace vorlane::cli
