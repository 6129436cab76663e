#include "cli/arguments.h"

#include <optional>
#include <string_view>
#include <vector>

#include "scan/code_page.h"

namespace vorlane::cli {

const char* const kUsage =
    "Usage: vorlane-scan [--] LIST CODE [TOLERANCE]\n"
    "\n"
    "Scans every file named in LIST (a text file, one path per line; relative\n"
    "paths are taken from LIST's folder) for the ICAO code CODE and writes every\n"
    "hit into CODE.txt in LIST's folder.\n"
    "\n"
    "  CODE       up to 4 characters; \"\" searches for the empty code\n"
    "  TOLERANCE  one digit 0-9: how far a stored value may deviate (default 1)\n"
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

}  // namespace

ParsedArguments ParseArguments(int argc, const char* const* argv) {
  std::vector<std::string_view> operands;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
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
  parsed.arguments = {std::string(operands[0]), *code, std::string(tolerance)};
  return parsed;
}

}  // namespace vorlane::cli
