#include "cli/arguments.h"

#include <optional>
#include <string_view>
#include <vector>

#include "scan/code_page.h"

namespace vorlane::cli {

const char* const kUsage =
    "Usage: vorlane-scan [--threads N] [--] LIST CODE [TOLERANCE]\n"
    "\n"
    "Scans every file named in LIST (a text file, one path per line; relative\n"
    "paths are taken from LIST's folder) for the ICAO code CODE and writes every\n"
    "hit into CODE.txt in LIST's folder.\n"
    "\n"
    "  CODE       up to 4 characters; \"\" searches for the empty code\n"
    "  TOLERANCE  one digit 0-9: how far a stored value may deviate (default 1)\n"
    "  --threads N, -j N\n"
    "             scan up to N files at once, 1 to 64 (default: one per core,\n"
    "             at most 8); the result file is the same for every N\n"
    "  --help     show this help\n"
    "\n"
    "Exit status: 0 done, 1 the result file could not be fully written,\n"
    "2 wrong arguments or an unusable list path.\n";

namespace {

ParsedArguments Error(std::string message) {
  ParsedArguments parsed;
  parsed.error = std::move(message);
  return parsed;
}

// A whole number from 1 to 64, digits only.
std::optional<int> ThreadCount(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int count = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
  }
  if (count < 1 || count > 64) return std::nullopt;
  return count;
}

}  // namespace

ParsedArguments ParseArguments(int argc, const char* const* argv) {
  std::vector<std::string_view> operands;
  int scanThreads = 0;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--threads" || arg == "-j")) {
      if (i + 1 == argc) return Error(std::string(arg) + " needs a number of threads");
      const std::optional<int> count = ThreadCount(argv[++i]);
      if (!count) return Error("the number of threads '" + std::string(argv[i]) + "' is not a whole number from 1 to 64");
      scanThreads = *count;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      ParsedArguments parsed;
      parsed.kind = ParsedArguments::Kind::Help;
      return parsed;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return Error("unknown option '" + std::string(arg) + "'");
    } else {
      operands.push_back(arg);
    }
  }
  if (operands.size() < 2) return Error("expected a list file and a code");
  if (operands.size() > 3) return Error("too many arguments");
  if (operands[0].empty()) return Error("the list file's path is empty");

  const std::optional<std::string> code = Utf8ToCp1252(operands[1]);
  if (!code) return Error("the code '" + std::string(operands[1]) + "' has a character outside Windows-1252");
  if (code->size() > 4) return Error("the code '" + std::string(operands[1]) + "' is longer than 4 characters");

  const std::string_view tolerance = operands.size() == 3 ? operands[2] : "1";
  if (tolerance.size() != 1 || tolerance[0] < '0' || tolerance[0] > '9') {
    return Error("the tolerance '" + std::string(tolerance) + "' is not one digit 0-9");
  }

  ParsedArguments parsed;
  parsed.kind = ParsedArguments::Kind::Run;
  parsed.arguments = {std::string(operands[0]), *code, std::string(tolerance), scanThreads};
  return parsed;
}

}  // namespace vorlane::cli
